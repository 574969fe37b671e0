#include "plugin/shell/settings/param_file.h"

#include <string>

#include "platform/classlib/dialogs/file_dialog.h"
#include "platform/win/atomic_file_writer.h"
#include "platform/win/message_box.h"
#include "platform/win/regular_file_reader.h"
#include "platform/win/win_paths.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

// A record is a few kilobytes; anything far larger is no parameter file.
constexpr std::uintmax_t kLargestRecordFile = 4u << 20;

void ShowInformation(const char* text) { ::MessageBox(nullptr, text, "Ostrivo message", MB_OK | MB_ICONINFORMATION); }

// The chosen path, or empty when the user cancelled.
CString AskPath(bool open) {
  const DWORD flags = open ? (OFN_HIDEREADONLY | OFN_FILEMUSTEXIST) : (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
  CFileDialog dialog(open ? TRUE : FALSE, ParamFile::kDefaultExtension, ParamFile::kFileNamePattern, flags,
                     ParamFile::kFilter);
  const CString folder = ConfigurationSettings().ParamDir;
  if (open ? IsSettingsFolder(folder) : UseSettingsFolder(folder)) dialog.m_ofn.lpstrInitialDir = folder;
  if (dialog.DoModal() != IDOK) return CString();
  return dialog.GetPathName();
}

}  // namespace

bool ParamFile::Write(const char* path, const char* recordText) {
  if (path == nullptr || *path == '\0') return false;
  std::string ignored;
  return ReplaceFileContents(win::ToUnixPath(path), recordText != nullptr ? recordText : "", {{".par-save-", ""}},
                             ignored);
}

ParamFile::ReadResult ParamFile::Read(const char* path, int kind, CString& recordText) {
  if (path == nullptr || *path == '\0') return kCannotOpen;
  std::string text;
  const win::FileRead read = win::ReadRegularFile(win::ToUnixPath(path), kLargestRecordFile, text);
  if (read == win::FileRead::kTooLarge) return kWrongKind;
  if (read != win::FileRead::kRead) return kCannotOpen;
  // A record is text; what follows a zero byte could not be written back.
  if (text.find('\0') != std::string::npos) return kWrongKind;
  if (ParseToolpathRecordKind(text.c_str()) != kind) return kWrongKind;
  recordText = text;
  return kRead;
}

bool ParamFile::Save(const char* recordText) {
  const CString path = AskPath(false);
  if (path.IsEmpty()) return false;
  if (!Write(path, recordText)) {
    ShowInformation(kCannotOpenText);
    return false;
  }
  return true;
}

bool ParamFile::Load(int kind, const char* wrongKindText, CString& recordText) {
  const CString path = AskPath(true);
  if (path.IsEmpty()) return false;
  switch (Read(path, kind, recordText)) {
    case kRead:
      return true;
    case kCannotOpen:
      ShowInformation(kCannotOpenText);
      return false;
    case kWrongKind:
      ShowInformation(wrongKindText != nullptr ? wrongKindText : "");
      return false;
  }
  return false;
}
