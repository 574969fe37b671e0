#include "host/commands/offset_command.h"

#include <cmath>
#include <string>

#include "host/commands/modeler_command_support.h"
#include "host/drawing_space.h"
#include "host/host_session.h"
#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/curves/db_curve_geometry.h"
#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/input/prompt_line.h"
#include "platform/cad/editor/selection/aced_selection.h"

namespace host {

namespace {

enum class Pick { kFound, kMissed, kDone };

// The entity under a point of the UCS (the nearest within the pick box).
Pick EntityAt(const ads_point point, AcDbObjectId& id) {
  ads_name set = {0, 0};
  if (acedSSGet(nullptr, point, nullptr, nullptr, set) != RTNORM) return Pick::kMissed;
  ads_name name = {0, 0};
  const bool named = acedSSName(set, 0, name) == RTNORM && acdbGetObjectId(id, name) == Acad::eOk;
  acedSSFree(set);
  return named ? Pick::kFound : Pick::kMissed;
}

Pick EntityByHandle(AcDbDatabase& database, const std::string& text, AcDbObjectId& id) {
  if (database.getAcDbObjectId(id, false, AcDbHandle(text.c_str() + 1)) != Acad::eOk || id.isErased()) {
    return Pick::kMissed;
  }
  return Pick::kFound;
}

// A pick, "#HANDLE", or the end (empty answer, Exit, cancel). A pick of nothing
// is said and asked again.
Pick PickObject(AcDbDatabase& database, AcDbObjectId& id) {
  for (;;) {
    // Any text comes back, so that an empty answer (the end) and a pick of nothing differ.
    acedInitGet(RSG_OTHER, "Exit");
    ads_point point;
    const int status = acedGetPoint(nullptr, "\nSelect object to offset or [Exit] <Exit>: ", point);
    Pick pick = Pick::kDone;
    if (status == RTNORM) {
      pick = EntityAt(point, id);
    } else if (status == RTKWORD) {
      const std::string text = LastKeyword();
      if (IsKeyword(text, "Exit")) return Pick::kDone;
      if (text.size() < 2 || text[0] != '#') {
        if (cadeditor::RefuseLine("Expected a point, #handle or Exit, got \"" + text + "\".")) continue;
        return Pick::kDone;
      }
      pick = EntityByHandle(database, text, id);
    }
    if (pick != Pick::kMissed) return pick;
    acutPrintf("\nNo object found.\n");
  }
}

// The normal getOffsetCurves works about, so that its sign means the same side.
bool OffsetNormal(const AcDbCurve& curve, AcGeVector3d& normal) {
  if (const AcDbLine* line = AcDbLine::cast(&curve)) {
    normal = line->normal();
    return true;
  }
  return db_curve::curveNormal(&curve, normal);
}

// +1 when the point lies right of the curve's travel (where a positive offset
// goes), -1 left, 0 on it or undecided.
int SideOf(const AcDbCurve& curve, const AcGePoint3d& point) {
  AcGeVector3d normal, tangent;
  AcGePoint3d nearest;
  double param = 0.0;
  if (!OffsetNormal(curve, normal) || curve.getClosestPointTo(point, nearest) != Acad::eOk ||
      curve.getParamAtPoint(nearest, param) != Acad::eOk || curve.getFirstDeriv(param, tangent) != Acad::eOk) {
    return 0;
  }
  const double left = tangent.crossProduct(point - nearest).dotProduct(normal);
  const double scale = tangent.length() * (point - nearest).length();
  if (!(std::abs(left) > 1e-12 * scale) || scale == 0.0) return 0;
  return left > 0.0 ? -1 : 1;
}

void OffsetToSide(AcDbDatabase& database, AcDbObjectId id, double distance, const AcGePoint3d& side) {
  AcDbVoidPtrArray made;
  {
    AcDbObjectPointer<AcDbCurve> curve(id, AcDb::kForRead);
    if (curve.openStatus() != Acad::eOk) {
      acutPrintf("\nCannot offset that object: it is no curve.\n");
      return;
    }
    const int sign = SideOf(*curve, side);
    if (sign == 0) {
      acutPrintf("\nThe point lies on the object: which side is meant?\n");
      return;
    }
    const Acad::ErrorStatus status = curve->getOffsetCurves(sign * distance, made);
    if (status != Acad::eOk) {
      acutPrintf("\nCannot offset that object: %s\n", acadErrorStatusText(status));
      for (int i = 0; i < made.length(); ++i) delete static_cast<AcDbEntity*>(made[i]);
      return;
    }
  }
  if (made.isEmpty()) acutPrintf("\nNothing is left at that distance on that side.\n");
  for (int i = 0; i < made.length(); ++i) AppendLike(database, static_cast<AcDbEntity*>(made[i]), id);
}

}  // namespace

void OffsetCommand(HostSession& session) {
  AcDbDatabase* database = session.CurrentDatabase();
  if (database == nullptr) return;
  double distance = 0.0;
  acedInitGet(RSG_NONULL | RSG_NOZERO | RSG_NONEG, nullptr);
  if (acedGetDist(nullptr, "\nSpecify offset distance: ", &distance) != RTNORM) return;
  const UcsFrame ucs;
  for (;;) {
    AcDbObjectId id;
    if (PickObject(*database, id) != Pick::kFound) return;
    ads_point side;
    acedInitGet(0, "Exit");
    if (acedGetPoint(nullptr, "\nSpecify point on side to offset or [Exit] <Exit>: ", side) != RTNORM) return;
    OffsetToSide(*database, id, distance, ucs.ToWorld(side));
  }
}

}  // namespace host
