#include "plugin/geometry/forms/toolpath_name_rule.h"

#include "platform/win/message_box.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr const char* kNoNameText = "공구경로 이름을 입력하시요.!!";

}  // namespace

bool ProposeToolpathName(bool editMode, const CString& existingName, const char* baseName, CString& name) {
  if (editMode) {
    name = existingName;
    return true;
  }
  return MakeUniqueToolpathName(baseName, name);
}

bool AcceptToolpathName(const CString& name, bool askWhenTaken) {
  CString trimmed = name;
  trimmed.Trim();
  // A group without a name cannot be found again.
  if (trimmed.IsEmpty()) {
    ::MessageBox(nullptr, kNoNameText, "Ostrivo message", MB_OK | MB_ICONINFORMATION);
    return false;
  }
  return !askWhenTaken || ConfirmToolpathName(name);
}

void ReplaceAgreedToolpath(const char* name) {
  if (ToolpathNameExists(name)) DeleteToolpath(name);
}
