// CFileDialog: the open and save file dialogs, answered by the UI driver.
// The answer is checked as the real dialog checks it: an open dialog with
// OFN_FILEMUSTEXIST refuses missing files, a save dialog asks before
// replacing a file under OFN_OVERWRITEPROMPT, a missing folder is refused,
// and a folder given as the answer is opened for the next answer.
#pragma once

#include <string>

#include "platform/classlib/dialogs/dialog.h"
#include "platform/ui/ui_driver.h"

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_CREATEPROMPT = 0x00002000;
constexpr DWORD OFN_NOREADONLYRETURN = 0x00008000;
constexpr DWORD OFN_EXPLORER = 0x00080000;
constexpr DWORD OFN_ENABLESIZING = 0x00800000;

struct OPENFILENAME {
  DWORD lStructSize = sizeof(OPENFILENAME);
  HWND hwndOwner = nullptr;
  LPCTSTR lpstrFilter = nullptr;  // pairs of texts, each ended by a zero, the list by two
  DWORD nFilterIndex = 1;
  LPTSTR lpstrFile = nullptr;  // in: proposed name; out: the chosen path
  DWORD nMaxFile = 0;
  LPTSTR lpstrFileTitle = nullptr;
  DWORD nMaxFileTitle = 0;
  LPCTSTR lpstrInitialDir = nullptr;
  LPCTSTR lpstrTitle = nullptr;
  DWORD Flags = 0;
  WORD nFileOffset = 0;
  WORD nFileExtension = 0;
  LPCTSTR lpstrDefExt = nullptr;
};

class CFileDialog : public CDialog {
  DECLARE_DYNAMIC(CFileDialog)

 public:
  // lpszFilter in the class library's form: "NC files (*.nc)|*.nc|All files (*.*)|*.*||".
  explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                       DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                       CWnd* pParentWnd = nullptr);

  // IDOK with the chosen path, or IDCANCEL.
  INT_PTR DoModal() override;

  CString GetPathName() const;
  CString GetFileName() const;   // name with its extension
  CString GetFileExt() const;    // extension without the dot
  CString GetFileTitle() const;  // name without its extension
  CString GetFolderPath() const;
  BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

  OPENFILENAME m_ofn;

 private:
  std::string FilterText() const;
  std::string InitialFolder() const;
  std::string Title() const;
  // Checks one answer; a refused one may change the request for the next.
  bool Accept(const std::string& path, ui::FileDialogRequest* request);

  bool open_;
  std::string default_ext_;
  std::string filter_;
  std::string path_;
  char file_buffer_[4096] = {};
};
