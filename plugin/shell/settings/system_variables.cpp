#include "plugin/shell/settings/system_variables.h"

#include "platform/cad/editor/aced_sysvars.h"
#include "platform/classlib/cstring.h"
#include "platform/classlib/dialogs/afx_message_box.h"

int SetSystemVariable(const char* name, const resbuf* value) {
  if (acedSetVar(name, value) == RTNORM) return 0;
  CString message;
  message.Format("Could not set system variable \"%s\".", name != nullptr ? name : "");
  AfxMessageBox(message, MB_OK | MB_ICONERROR);
  return 3;
}

int SetSystemVariablePoint(const char* name, const AcGePoint3d& point) {
  resbuf value{};
  value.restype = RT3DPOINT;
  value.resval.rpoint[0] = point.x;
  value.resval.rpoint[1] = point.y;
  value.resval.rpoint[2] = point.z;
  return SetSystemVariable(name, &value);
}
