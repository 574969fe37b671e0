#include "platform/classlib/dialogs/file_dialog.h"

#include <filesystem>
#include <system_error>

#include "platform/classlib/text_copy.h"
#include "platform/ui/ui_driver.h"
#include "platform/win/win_paths.h"

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

namespace fs = std::filesystem;

namespace {

bool HasWildcard(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

bool Exists(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

bool IsFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

std::string CurrentFolder() {
  std::error_code error;
  const fs::path current = fs::current_path(error);
  return error ? std::string(".") : current.string();
}

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CDialog(0, pParentWnd),
      open_(bOpenFileDialog != FALSE),
      default_ext_(lpszDefExt != nullptr ? lpszDefExt : ""),
      filter_(lpszFilter != nullptr ? lpszFilter : "") {
  m_ofn.Flags = dwFlags;
  m_ofn.lpstrFile = file_buffer_;
  m_ofn.nMaxFile = sizeof(file_buffer_);
  m_ofn.lpstrDefExt = default_ext_.empty() ? nullptr : default_ext_.c_str();
  m_ofn.lpstrFilter = filter_.empty() ? nullptr : filter_.c_str();
  if (lpszFileName != nullptr) afx::CopyText(lpszFileName, file_buffer_, sizeof(file_buffer_));
}

std::string CFileDialog::FilterText() const {
  if (m_ofn.lpstrFilter == nullptr) return {};
  if (m_ofn.lpstrFilter == filter_.c_str()) return filter_;
  // A filter set by hand in the window system's form: texts ended by zeros.
  std::string text;
  for (const char* part = m_ofn.lpstrFilter; *part != '\0'; part += std::char_traits<char>::length(part) + 1) {
    text += std::string(part) + "|";
  }
  return text + "|";
}

std::string CFileDialog::InitialFolder() const {
  if (m_ofn.lpstrInitialDir != nullptr && *m_ofn.lpstrInitialDir != '\0') {
    return win::ToUnixPath(m_ofn.lpstrInitialDir);
  }
  // A file name with a folder (Save As of a document) starts in that folder.
  const fs::path named = m_ofn.lpstrFile != nullptr ? fs::path(win::ToUnixPath(m_ofn.lpstrFile)) : fs::path();
  if (named.has_parent_path() && IsFolder(named.parent_path())) return named.parent_path().string();
  return CurrentFolder();
}

std::string CFileDialog::Title() const {
  if (m_ofn.lpstrTitle != nullptr && *m_ofn.lpstrTitle != '\0') return m_ofn.lpstrTitle;
  return open_ ? "Open" : "Save As";
}

INT_PTR CFileDialog::DoModal() {
  ui::FileDialogRequest request;
  request.open = open_;
  request.title = Title();
  request.initial_folder = InitialFolder();
  request.file_name = m_ofn.lpstrFile != nullptr ? win::ToUnixPath(m_ofn.lpstrFile) : std::string();
  request.default_ext = m_ofn.lpstrDefExt != nullptr ? m_ofn.lpstrDefExt : "";
  request.filter = FilterText();
  for (;;) {
    const std::optional<std::string> answer = ui::Ui().AskFile(request);
    if (!answer) return IDCANCEL;
    fs::path path = win::ToUnixPath(*answer);
    if (path.is_relative()) path = fs::path(request.initial_folder) / path;
    path = path.lexically_normal();
    if (Accept(path.string(), &request)) break;
  }
  if (m_ofn.lpstrFile != nullptr && m_ofn.nMaxFile > 0) {
    afx::CopyText(path_, m_ofn.lpstrFile, static_cast<int>(m_ofn.nMaxFile));
  }
  return IDOK;
}

bool CFileDialog::Accept(const std::string& answer, ui::FileDialogRequest* request) {
  fs::path path(answer);
  const std::string title = Title();
  if (IsFolder(path)) {
    request->initial_folder = path.string();
    return false;
  }
  const std::string name = path.filename().string();
  if (name.empty() || HasWildcard(name)) {
    ui::Ui().MessageBox(answer + "\nThe file name is not valid.", title, MB_OK | MB_ICONWARNING);
    return false;
  }
  if (!path.has_extension() && !request->default_ext.empty()) path += "." + request->default_ext;
  if (!IsFolder(path.parent_path())) {
    ui::Ui().MessageBox(path.parent_path().string() + "\nPath does not exist.\nCheck the path and try again.", title,
                        MB_OK | MB_ICONWARNING);
    return false;
  }
  if (open_ && (m_ofn.Flags & OFN_FILEMUSTEXIST) && !Exists(path)) {
    ui::Ui().MessageBox(path.filename().string() + "\nFile not found.\nCheck the file name and try again.", title,
                        MB_OK | MB_ICONWARNING);
    return false;
  }
  if (!open_ && (m_ofn.Flags & OFN_OVERWRITEPROMPT) && Exists(path)) {
    const int answer_button =
        ui::Ui().MessageBox(path.filename().string() + " already exists.\nDo you want to replace it?",
                            "Confirm " + title, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
    if (answer_button != IDYES) return false;
  }
  path_ = path.string();
  return true;
}

CString CFileDialog::GetPathName() const { return CString(path_); }

CString CFileDialog::GetFileName() const { return CString(fs::path(path_).filename().string()); }

CString CFileDialog::GetFileExt() const {
  const std::string extension = fs::path(path_).extension().string();
  return CString(extension.empty() ? extension : extension.substr(1));
}

CString CFileDialog::GetFileTitle() const { return CString(fs::path(path_).stem().string()); }

CString CFileDialog::GetFolderPath() const { return CString(fs::path(path_).parent_path().string()); }
