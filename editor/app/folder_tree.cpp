#include "editor/app/folder_tree.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/classlib/controls/image_list.h"
#include "platform/win/find_file.h"
#include "platform/win/folders.h"
#include "platform/win/win_paths.h"

namespace fs = std::filesystem;

namespace {

bool LessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

bool IsHiddenName(const std::string& name) { return !name.empty() && name[0] == '.'; }

// Joins a folder and a name with one '/'.
std::string Join(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

struct FolderContents {
  std::vector<std::string> folders;
  std::vector<std::string> files;
};

// The visible sub-folders and, when pattern is given, the matching visible files of a folder.
FolderContents ReadFolder(const std::string& folder, const std::string* pattern) {
  FolderContents contents;
  std::error_code error;
  for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
       !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (IsHiddenName(name)) continue;
    std::error_code kind_error;
    if (it->is_directory(kind_error)) {
      contents.folders.push_back(name);
    } else if (pattern != nullptr && win::MatchesFindPattern(*pattern, name)) {
      contents.files.push_back(name);
    }
  }
  return contents;
}

}  // namespace

void SortNoCase(std::vector<std::string>& names) { std::stable_sort(names.begin(), names.end(), LessNoCase); }

void SortNoCase(CStringArray& names) {
  std::vector<std::string> sorted;
  for (INT_PTR i = 0; i < names.GetSize(); ++i) sorted.push_back(names[i].str());
  SortNoCase(sorted);
  for (size_t i = 0; i < sorted.size(); ++i) names[static_cast<INT_PTR>(i)] = sorted[i].c_str();
}

int PathKind(const CString& path) {
  std::error_code error;
  const fs::file_status status = fs::status(win::ToUnixPath(path.str()), error);
  if (error || !fs::exists(status)) return 0;
  return fs::is_directory(status) ? 2 : 1;
}

BOOL CFolderTree::FillTree(const CString& root, BOOL show_files) {
  if (GetStyle() & TVS_EDITLABELS) ModifyStyle(TVS_EDITLABELS, 0);
  DeleteAllItems();
  CImageList* icons = CImageList::FromHandle(afx::SystemSmallImageList());
  if (icons == nullptr) {
    m_strError = "Cannot retrieve the Handle of SystemImageList!";
    return FALSE;
  }
  SetImageList(icons, TVSIL_NORMAL);
  m_bShowFiles = show_files;
  if (root.IsEmpty()) {
    const std::vector<std::string> drives = win::DriveRoots();
    if (drives.empty()) {
      m_strError = "Error Getting Logical DriveStrings!";
      return FALSE;
    }
    for (const std::string& drive : drives) {
      const std::string path = WithoutTrailingSlash(drive);
      HTREEITEM item = AddItem(TVI_ROOT, path, path, kImageDrive);
      if (item != nullptr && HasContent(path)) InsertItem("", item);
    }
    m_strRoot = "";
    return TRUE;
  }
  m_strRoot = WithoutTrailingSlash(win::ToUnixPath(root.str())).c_str();
  HTREEITEM top = AddItem(TVI_ROOT, m_strRoot.str(), m_strRoot.str(), kImageFolder);
  if (top == nullptr) return FALSE;
  ExpandFolder(top, m_strRoot);
  return TRUE;
}

HTREEITEM CFolderTree::AddItem(HTREEITEM parent, const std::string& path, const std::string& text, int image) {
  std::error_code error;
  if (!fs::exists(path, error)) {
    m_strError = "Error Gettting SystemFileInfo!";
    return nullptr;
  }
  const int selected = image == kImageFolder ? kImageOpenFolder : image;
  return InsertItem(text.c_str(), image, selected, parent, TVI_LAST);
}

bool CFolderTree::HasContent(const std::string& path) const {
  std::error_code error;
  for (fs::directory_iterator it(path, fs::directory_options::skip_permission_denied, error), end; !error && it != end;
       it.increment(error)) {
    if (IsHiddenName(it->path().filename().string())) continue;
    std::error_code kind_error;
    if (m_bShowFiles || it->is_directory(kind_error)) return true;
  }
  return false;
}

void CFolderTree::ExpandFolder(HTREEITEM item, const CString& path) {
  const std::string folder = win::ToUnixPath(path.str());
  const std::string pattern = m_strPattern.str();
  FolderContents contents = ReadFolder(folder, m_bShowFiles ? &pattern : nullptr);
  SortNoCase(contents.folders);
  SetRedraw(FALSE);
  for (const std::string& name : contents.folders) {
    const std::string child_path = Join(folder, name);
    HTREEITEM child = AddItem(item, child_path, name, kImageFolder);
    if (child != nullptr && HasContent(child_path)) InsertItem("", child);
  }
  if (m_bShowFiles) {
    SortNoCase(contents.files);
    for (const std::string& name : contents.files) AddItem(item, Join(folder, name), name, kImageFile);
  }
  SetRedraw(TRUE);
}

CString CFolderTree::ItemPath(HTREEITEM item) const {
  std::vector<std::string> parts;
  for (HTREEITEM at = item; at != nullptr; at = GetParentItem(at)) parts.push_back(GetItemText(at).str());
  std::string path;
  for (auto part = parts.rbegin(); part != parts.rend(); ++part) path = Join(path, *part);
  return path.c_str();
}

HTREEITEM CFolderTree::FindChild(HTREEITEM parent, const std::string& text) const {
  HTREEITEM child = parent == TVI_ROOT ? GetRootItem() : GetChildItem(parent);
  for (; child != nullptr; child = GetNextSiblingItem(child)) {
    if (GetItemText(child).str() == text) return child;
  }
  return nullptr;
}

BOOL CFolderTree::SelectPath(const CString& path) {
  const std::string wanted = WithoutTrailingSlash(win::ToUnixPath(path.str()));
  if (wanted.empty() || wanted[0] != '/') return FALSE;
  // The drive is the longest top item that the path lies in.
  HTREEITEM drive = nullptr;
  std::string drive_path;
  for (HTREEITEM top = GetRootItem(); top != nullptr; top = GetNextSiblingItem(top)) {
    const std::string text = GetItemText(top).str();
    const bool inside = wanted == text || wanted.rfind(Join(text, ""), 0) == 0;
    if (inside && text.size() > drive_path.size()) {
      drive = top;
      drive_path = text;
    }
  }
  std::error_code error;
  if (drive == nullptr || !fs::is_directory(drive_path, error)) return FALSE;
  SetRedraw(FALSE);
  HTREEITEM current = drive;
  std::string rest = wanted.substr(std::min(wanted.size(), drive_path.size()));
  size_t start = 0;
  for (;;) {
    if (GetItemState(current, TVIS_EXPANDED) & TVIS_EXPANDED) Expand(current, TVE_COLLAPSE | TVE_COLLAPSERESET);
    Expand(current, TVE_EXPAND);
    while (start < rest.size() && rest[start] == '/') ++start;
    if (start >= rest.size()) break;
    const size_t end = rest.find('/', start);
    const std::string name = rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
    HTREEITEM child = FindChild(current, name);
    if (child == nullptr) break;
    current = child;
    if (end == std::string::npos) {
      if (GetItemState(current, TVIS_EXPANDED) & TVIS_EXPANDED) Expand(current, TVE_COLLAPSE | TVE_COLLAPSERESET);
      Expand(current, TVE_EXPAND);
      break;
    }
    start = end;
  }
  SetRedraw(TRUE);
  SelectItem(current);
  EnsureVisible(current);
  return TRUE;
}

void CFolderTree::OnItemExpanded(HTREEITEM item, UINT action) {
  if (item == nullptr) return;
  for (HTREEITEM child = GetChildItem(item); child != nullptr; child = GetChildItem(item)) DeleteItem(child);
  if (action & TVE_EXPAND) {
    ExpandFolder(item, ItemPath(item));
  } else {
    InsertItem("", item);
  }
}

BOOL CFolderTree::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header != nullptr && header->code == TVN_ITEMEXPANDED) {
      const auto* notice = reinterpret_cast<const NMTREEVIEW*>(lParam);
      const bool expanded = (GetItemState(notice->itemNew.hItem, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
      OnItemExpanded(notice->itemNew.hItem, expanded ? TVE_EXPAND : TVE_COLLAPSE);
      if (pResult != nullptr) *pResult = 0;
      // The parent hears of it too.
      return FALSE;
    }
  }
  return CTreeCtrl::OnChildNotify(message, wParam, lParam, pResult);
}
