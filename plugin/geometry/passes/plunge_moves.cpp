#include "plugin/geometry/passes/plunge_moves.h"

#include <cmath>

#include "platform/cad/db/curves/db_curve.h"
#include "plugin/geometry/passes/plunge_polyline.h"
#include "plugin/geometry/plane_geometry.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr int kRapid = 2;
constexpr int kFeed = 4;
constexpr int kPlungeMarkType = 13;
constexpr double kRampProbe = 0.01;
constexpr double kSamePlace = 1e-9;

double Radians(double degrees) { return degrees * kDegreeFactor; }

AcGePoint3d Over(const AcGePoint3d& point, double height) { return AcGePoint3d(point.x, point.y, point.z + height); }

int PlungeFeed(const CPlungeDlg& plunge) {
  return plunge.m_PlungeFeedOn == 1 ? plunge.m_PlungeFeed : plunge.m_DefaultFeed;
}

bool PlungesWhole(const CPlungeDlg& plunge) {
  return plunge.m_PlungeMethod == kPlungeAngle && plunge.m_Extent == kPlungeWhole;
}

void Keep(AcDbObjectIdArray& ids, AcDbObjectId id) {
  if (!id.isNull()) ids.append(id);
}

void Rapid(AcDbObjectIdArray& ids, const AcGePoint3d& from, const AcGePoint3d& to) {
  Keep(ids, AddMoveLine(from, to, kRapid));
}

void Feed(AcDbObjectIdArray& ids, const AcGePoint3d& from, const AcGePoint3d& to, int feed) {
  Keep(ids, AddMoveLineWithFeed(from, to, kFeed, feed));
}

// Direction of travel at the pass start, in degrees.
bool PassStartHeading(const AcDbCurve* pass, double& degrees) {
  AcGePoint3d start;
  AcGePoint3d probe;
  if (pass->getStartPoint(start) != Acad::eOk) return false;
  if (pass->getPointAtDist(kRampProbe, probe) != Acad::eOk) return false;
  degrees = GetDirectionAngle(probe.y - start.y, probe.x - start.x);
  return true;
}

void AddRamp(const CPlungeDlg& plunge, const AcDbCurve* pass, AcDbObjectIdArray& ids, const AcGePoint3d& approach,
             const AcGePoint3d& start) {
  double heading = 0.0;
  PassStartHeading(pass, heading);
  const double length = plunge.m_AnglePlungeLength;
  const double zAngle = Radians(plunge.m_ZAngle);
  const double plan = Radians(heading + plunge.m_XYAngle);
  const AcGePoint3d rampTop(approach.x + length * std::cos(zAngle) * std::cos(plan),
                            approach.y + length * std::cos(zAngle) * std::sin(plan),
                            start.z + length * std::sin(zAngle));
  const AcGePoint3d overTop(rampTop.x, rampTop.y, approach.z);
  // The tool goes over the ramp top first, so the path has no gap.
  if (overTop.distanceTo(approach) > kSamePlace) Rapid(ids, approach, overTop);
  Rapid(ids, overTop, rampTop);
  Feed(ids, rampTop, start, PlungeFeed(plunge));
}

void AddPolylinePlunge(const CPlungeDlg& plunge, AcDbObjectId passId, const AcDbObjectIdArray& boundaryIds,
                       AcDbObjectIdArray& ids, const AcGePoint3d& approach, const AcGePoint3d& start) {
  const AcGePoint3d over = Over(start, PlungeLength(plunge));
  AcGePoint3d top = over;
  if (approach.z > over.z) {
    Rapid(ids, approach, over);
  } else {
    top = approach;
  }
  AcDbObjectId polylineId;
  const int kind = Make3dPolylineMove(plunge, passId, boundaryIds, start, top, polylineId);
  if (kind == kNoPlungePolyline) {
    Feed(ids, top, start, PlungeFeed(plunge));
    return;
  }
  AcDbObjectId markId;
  const bool marked = plunge.m_PlungeMethod == kPlungeCircular
                          ? AttachToolPathInfo(kPlungeMarkType, markId, kind, polylineId)
                          : AddMarkerPoint(kPlungeMarkType, markId, kind, polylineId);
  if (marked) Keep(ids, markId);
  ids.append(polylineId);
}

}  // namespace

double PlungeLength(const CPlungeDlg& plunge) {
  switch (plunge.m_PlungeMethod) {
    case kPlungeCircular:
      return plunge.m_HelixLength;
    case kPlungeStraightSlot:
      return plunge.m_SlotPlungeLength;
    default:
      return plunge.m_AnglePlungeLength;
  }
}

void AddPlungeApproachMoves(const CPlungeDlg& plunge, AcDbObjectIdArray& ids, const AcGePoint3d& from,
                            const AcGePoint3d& to) {
  if (PlungesWhole(plunge)) {
    Feed(ids, from, to, PlungeFeed(plunge));
    return;
  }
  const AcGePoint3d above = Over(to, PlungeLength(plunge));
  Rapid(ids, from, above);
  Feed(ids, above, to, PlungeFeed(plunge));
}

void AddLinkPlungeMoves(const CPlungeDlg& plunge, AcDbObjectIdArray& ids, const AcGePoint3d& from,
                        const AcGePoint3d& to) {
  if (PlungesWhole(plunge)) {
    Feed(ids, from, to, plunge.m_DefaultFeed);
    return;
  }
  const AcGePoint3d above = Over(from, PlungeLength(plunge));
  Feed(ids, from, above, plunge.m_DefaultFeed);
  Rapid(ids, above, to);
}

bool AddPlungeMove(const CPlungeDlg& plunge, AcDbObjectId passId, const AcDbObjectIdArray& boundaryIds,
                   AcDbObjectIdArray& ids, const AcGePoint3d& approach, const AcGePoint3d& start) {
  if (plunge.m_PlungeMethod == kPlungeCircular || plunge.m_PlungeMethod == kPlungeStraightSlot) {
    if (OpenedObject<AcDbCurve>(passId, AcDb::kForRead).openStatus() != Acad::eOk) return false;
    AddPolylinePlunge(plunge, passId, boundaryIds, ids, approach, start);
    return true;
  }
  OpenedObject<AcDbCurve> pass(passId, AcDb::kForRead);
  if (pass.openStatus() != Acad::eOk) return false;
  if (PlungesWhole(plunge)) {
    Feed(ids, approach, start, PlungeFeed(plunge));
  } else if (plunge.m_ZAngle == 90.0f) {
    const AcGePoint3d above = Over(start, plunge.m_AnglePlungeLength);
    Rapid(ids, approach, above);
    Feed(ids, above, start, PlungeFeed(plunge));
  } else {
    AddRamp(plunge, pass.object(), ids, approach, start);
  }
  return true;
}
