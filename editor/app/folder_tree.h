// CFolderTree: a tree of the drives (the mount roots), their folders and the
// files that match a pattern, read lazily as items are expanded. Also the
// case-insensitive sort of names, and what lies at a path.
#pragma once

#include <string>
#include <vector>

#include "platform/classlib/afxwin.h"
#include "platform/classlib/controls/tree_ctrl.h"

// Indices of the shared small-icon list.
enum FolderTreeImage { kImageDrive = 0, kImageFolder = 1, kImageOpenFolder = 2, kImageFile = 3 };

// Sorts in place, ignoring the case of ASCII letters; equal names keep their order.
void SortNoCase(CStringArray& names);
void SortNoCase(std::vector<std::string>& names);

// 0 nothing there, 1 a file, 2 a folder.
int PathKind(const CString& path);

class CFolderTree : public CTreeCtrl {
 public:
  CFolderTree() = default;

  // The tree anew: the drives when root is empty, else root and its contents.
  BOOL FillTree(const CString& root, BOOL show_files);
  // Adds the sub-folders, and with show files the matching files, of a folder item.
  void ExpandFolder(HTREEITEM item, const CString& path);
  // The full path of an item.
  CString ItemPath(HTREEITEM item) const;
  // Expands the tree along a path and selects the last item found; TRUE when something was selected.
  BOOL SelectPath(const CString& path);

  void SetPattern(const CString& pattern) { m_strPattern = pattern; }
  const CString& GetPattern() const { return m_strPattern; }
  const CString& GetLastError() const { return m_strError; }

  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 private:
  HTREEITEM AddItem(HTREEITEM parent, const std::string& path, const std::string& text, int image);
  bool HasContent(const std::string& path) const;
  void OnItemExpanded(HTREEITEM item, UINT action);
  HTREEITEM FindChild(HTREEITEM parent, const std::string& text) const;

  CString m_strPattern = "*.nc";
  BOOL m_bShowFiles = FALSE;
  CString m_strError;
  CString m_strRoot;
};
