// Setting host system variables, with a message box when the host refuses.
#pragma once

#include "platform/cad/db/filing/resbuf.h"
#include "platform/cad/ge/ge_point3d.h"

// 0 on success; 3, after an error box, when the host refuses the value.
int SetSystemVariable(const char* name, const resbuf* value);
int SetSystemVariablePoint(const char* name, const AcGePoint3d& point);
