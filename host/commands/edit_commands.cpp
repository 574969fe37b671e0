#include "host/commands/edit_commands.h"

#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "host/drawing_space.h"
#include "host/host_session.h"
#include "platform/cad/editor/aced_sysvars.h"
#include "platform/cad/editor/aced_ucs.h"
#include "platform/cad/editor/input/aced_input.h"

namespace host {

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// A variable name line; empty when cancelled.
std::string AskVariableName() {
  char name[512] = {};
  if (acedGetString(0, "\nEnter variable name: ", name) != RTNORM) return {};
  std::string text = Upper(name);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.erase(0, 1);
  return text;
}

bool IsKnownVariable(const std::string& name) {
  for (const std::string& known : cadeditor::SystemVariableNames()) {
    if (Upper(known) == name) return true;
  }
  return false;
}

void SetUcs(const AcGePoint3d& origin, AcGeVector3d x_axis, AcGeVector3d y_axis) {
  x_axis.normalize();
  // Square the Y axis to X within their plane.
  y_axis = (y_axis - x_axis * x_axis.dotProduct(y_axis)).normal();
  AcGeMatrix3d matrix;
  matrix.setCoordSystem(origin, x_axis, y_axis, x_axis.crossProduct(y_axis));
  if (acedSetCurrentUCS(matrix) != RTNORM) acutPrintf("\nThe UCS could not be set.\n");
}

void UcsOrigin() {
  const UcsFrame ucs;
  ads_point origin;
  if (acedGetPoint(nullptr, "\nSpecify new origin point <0,0,0>: ", origin) != RTNORM) return;
  AcGeMatrix3d matrix;
  acedGetCurrentUCS(matrix);
  AcGePoint3d old_origin;
  AcGeVector3d x_axis, y_axis, z_axis;
  matrix.getCoordSystem(old_origin, x_axis, y_axis, z_axis);
  SetUcs(ucs.ToWorld(origin), x_axis, y_axis);
}

void UcsThreePoint() {
  const UcsFrame ucs;
  ads_point origin, on_x, on_xy;
  if (acedGetPoint(nullptr, "\nSpecify new origin point: ", origin) != RTNORM) return;
  if (acedGetPoint(origin, "\nSpecify point on positive portion of X-axis: ", on_x) != RTNORM) return;
  if (acedGetPoint(origin, "\nSpecify point on positive-Y portion of the UCS XY plane: ", on_xy) != RTNORM) return;
  const AcGePoint3d o = ucs.ToWorld(origin);
  const AcGeVector3d x_axis = ucs.ToWorld(on_x) - o;
  const AcGeVector3d y_axis = ucs.ToWorld(on_xy) - o;
  if (x_axis.isZeroLength() || x_axis.crossProduct(y_axis).isZeroLength()) {
    acutPrintf("\nThe points do not define a plane.\n");
    return;
  }
  SetUcs(o, x_axis, y_axis);
}

void UcsRotateZ() {
  double angle = 0.0;
  const int status = acedGetAngle(nullptr, "\nSpecify rotation angle about Z axis <90>: ", &angle);
  if (status == RTNONE)
    angle = M_PI / 2.0;
  else if (status != RTNORM)
    return;
  AcGeMatrix3d matrix;
  acedGetCurrentUCS(matrix);
  AcGePoint3d origin;
  AcGeVector3d x_axis, y_axis, z_axis;
  matrix.getCoordSystem(origin, x_axis, y_axis, z_axis);
  SetUcs(origin, x_axis.rotateBy(angle, z_axis), y_axis.rotateBy(angle, z_axis));
}

}  // namespace

void EraseCommand(HostSession& /*session*/) {
  std::vector<AcDbObjectId> ids;
  if (!SelectEntities(ids)) return;
  for (AcDbObjectId id : ids) EraseEntity(id);
}

void UcsCommand(HostSession& /*session*/) {
  // "3" alone abbreviates 3point, as the prompt's users expect.
  acedInitGet(0, "World Origin 3point 3 Z");
  char keyword[512] = {};
  const int status = acedGetKword("\nEnter an option [World/Origin/3point/Z] <World>: ", keyword);
  if (status == RTNONE || (status == RTNORM && IsKeyword(keyword, "World"))) {
    acedSetCurrentUCS(AcGeMatrix3d::kIdentity);
  } else if (status != RTNORM) {
    return;
  } else if (IsKeyword(keyword, "Origin")) {
    UcsOrigin();
  } else if (IsKeyword(keyword, "3point") || IsKeyword(keyword, "3")) {
    UcsThreePoint();
  } else if (IsKeyword(keyword, "Z")) {
    UcsRotateZ();
  }
}

void SetvarCommand(HostSession& session) {
  const std::string name = AskVariableName();
  if (name.empty()) return;
  if (!IsKnownVariable(name)) {
    session.Driver().Fail("Unknown variable name \"" + name + "\".");
    return;
  }
  const std::string prompt =
      "\nEnter new value for " + name + " <" + cadeditor::SystemVariableText(name.c_str()) + ">: ";
  char value[512] = {};
  if (acedGetString(1, prompt.c_str(), value) != RTNORM || value[0] == '\0') return;
  const std::string refused = cadeditor::SetSystemVariableFromText(name.c_str(), value);
  if (!refused.empty()) session.Driver().Fail(refused);
}

void GetvarCommand(HostSession& session) {
  const std::string name = AskVariableName();
  if (name.empty()) return;
  if (!IsKnownVariable(name)) {
    session.Driver().Fail("Unknown variable name \"" + name + "\".");
    return;
  }
  session.Driver().PrintLine(name + " = " + cadeditor::SystemVariableText(name.c_str()));
}

}  // namespace host
