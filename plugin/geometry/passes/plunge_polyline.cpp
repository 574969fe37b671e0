#include "plugin/geometry/passes/plunge_polyline.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/distance_queries.h"
#include "plugin/geometry/plane_geometry.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kStartsHereGap = 0.0001;
constexpr double kOnBoundary = 0.000001;
constexpr double kLeastPlunge = 0.1;
// Shorter runs or slots (or a flat pitch) would need unbounded counts of legs.
constexpr double kLeastRun = 0.001;
constexpr int kLeastPointsPerTurn = 4;
// Depth per turn, leg or run below which the counts would run away: a plain drop.
constexpr double kLeastStep = 0.0001;

using Points = std::vector<AcGePoint3d>;

double Radians(double degrees) { return degrees * kDegreeFactor; }

AcGePoint3d Over(const AcGePoint3d& point, double height) { return AcGePoint3d(point.x, point.y, point.z + height); }

// Whole count of steps for the depth, one more unless it divides exactly.
int StepCount(double depth, double step) {
  const double ratio = depth / step;
  int n = static_cast<int>(ratio);
  if (n * step != depth) ++n;
  return n;
}

struct PlungeSite {
  AcDbObjectId passId;
  AcGePoint3d start;
  double freeDistance = kNoPolylineDistance;
  bool passStartsHere = false;
};

Points VerticalDrop(const AcGePoint3d& start, double height) { return {Over(start, height), start}; }

Points Helix(const AcGePoint3d& t, double radius, double height, double depth, double pitch) {
  const double perTurn = 2.0 * kPi * radius * std::sin(Radians(pitch));
  if (perTurn < kLeastStep) return VerticalDrop(t, height);
  const int turns = StepCount(depth, perTurn);
  const double step = depth / turns;
  const int points = std::max(static_cast<int>(5.0 * radius), kLeastPointsPerTurn);
  Points out{Over(t, height), Over(t, depth)};
  for (int k = turns; k >= 1; --k) {
    for (int j = 0; j < points; ++j) {
      const double angle = 2.0 * kPi * j / points;
      out.emplace_back(t.x + radius * std::cos(angle), t.y + radius * std::sin(angle),
                       t.z + k * step - j * step / points);
    }
  }
  out.emplace_back(t.x + radius, t.y, t.z);
  out.push_back(t);
  return out;
}

Points Slot(const AcGePoint3d& t, double length, double direction, double height, double depth, double pitch) {
  const double drop = length * std::sin(Radians(pitch));
  const int legs = (length < kLeastRun || drop < kLeastStep) ? 0 : static_cast<int>(depth / drop);
  const AcGePoint3d end(t.x + length * std::cos(Radians(direction)), t.y + length * std::sin(Radians(direction)), t.z);
  Points out{Over(t, height), Over(t, legs * drop)};
  for (int k = legs - 1, j = 0; k >= 0; --k, ++j) out.push_back(Over(j % 2 == 0 ? end : t, k * drop));
  if (legs % 2 == 1) out.push_back(t);
  return out;
}

// The pass's plan points over the run: vertices, and about one point per 0.2 of arc.
Points RunPath(const AcDbPolyline* pass, const AcGePoint3d& t, double endParam) {
  Points path{t};
  auto pointAt = [&](double parameter) {
    AcGePoint3d point;
    pass->getPointAtParam(parameter, point);
    return AcGePoint3d(point.x, point.y, t.z);
  };
  for (int i = 0; i < endParam; ++i) {
    const double e = std::min(i + 1.0, endParam);
    double bulge = 0.0;
    pass->getBulgeAt(i, bulge);
    if (bulge == 0.0) {
      path.push_back(pointAt(e));
      continue;
    }
    double a = 0.0;
    double b = 0.0;
    pass->getDistAtParam(i, a);
    pass->getDistAtParam(e, b);
    const int pieces = static_cast<int>(5.0 * (b - a));
    // The step is a share of the stretch i..e, which is not always a whole segment.
    for (int j = 1; j < pieces; ++j) path.push_back(pointAt(i + (e - i) * j * 0.2 / (b - a)));
    path.push_back(pointAt(e));
  }
  return path;
}

bool Descent(const PlungeSite& site, double runLength, double depth, double pitch, double height, Points& out) {
  if (depth <= 0.0) return false;
  OpenedObject<AcDbPolyline> pass(site.passId, AcDb::kForRead);
  if (pass.openStatus() != Acad::eOk || pass->numVerts() < 2) return false;
  const double count = pass->numVerts();
  double passLength = 0.0;
  double endParam = 0.0;
  pass->getEndParam(endParam);
  pass->getDistAtParam(endParam, passLength);
  double run = passLength;
  endParam = count;
  if (runLength < passLength) {
    run = runLength;
    pass->getParamAtDist(runLength, endParam);
  }
  if (endParam >= count) endParam = count - 1;
  const double perRun = run * std::sin(Radians(pitch));
  if (perRun < kLeastStep || run < kLeastRun) {
    out = VerticalDrop(site.start, height);
    return true;
  }
  const int runs = StepCount(depth, perRun);
  double step = depth / runs;
  const Points path = RunPath(pass.object(), site.start, endParam);
  const AcGePoint3d& t = site.start;
  out = {Over(t, height)};
  for (int k = runs; k > 0; k -= 2) {
    double z = t.z + k * step;
    for (std::size_t i = 0; i < path.size(); ++i) {
      if (i > 0) z -= path[i].distanceTo(path[i - 1]) * step / run;
      out.push_back(AcGePoint3d(path[i].x, path[i].y, z));
    }
    if (k - 1 == 0) step = 0.0;
    z = t.z + (k - 1) * step;
    for (std::size_t i = path.size() - 1; path.size() >= 3 && i >= 2; --i) {
      z -= path[i].distanceTo(path[i - 1]) * step / run;
      out.push_back(AcGePoint3d(path[i - 1].x, path[i - 1].y, z));
    }
  }
  return true;
}

int HelixPoints(const CPlungeDlg& plunge, const PlungeSite& site, double topZ, Points& out) {
  double radius = plunge.m_HelixRadius;
  const double pitch = plunge.m_HelixPitchAngle;
  const double height = std::min<double>(plunge.m_HelixLength, topZ - site.start.z);
  const double depth = std::min<double>(plunge.m_HelixCircleLength, height);
  const double room = site.freeDistance;
  if (depth <= 0.0) return kNoPlungePolyline;
  if (site.passStartsHere) {
    if (room < radius && room > radius / 2.0) {
      radius = room;
    } else if (room <= radius / 2.0) {
      if (2.0 * kPi * room > GetPolylineLength(site.passId)) {
        radius = room;
      } else {
        return Descent(site, plunge.m_HelixRadius, depth, pitch, height, out) ? kDescentAlongPass : kNoPlungePolyline;
      }
    }
  } else {
    radius = std::min(radius, room);
  }
  if (radius < kLeastPlunge) return kNoPlungePolyline;
  out = Helix(site.start, radius, height, depth, pitch);
  return kHelixPlunge;
}

int SlotPoints(const CPlungeDlg& plunge, const PlungeSite& site, bool hasBoundaries, double topZ, Points& out) {
  const double height = std::min<double>(plunge.m_SlotPlungeLength, topZ - site.start.z);
  const double depth = std::min<double>(plunge.m_SlotDepth, height);
  double length = plunge.m_SlotLength;
  const double pitch = plunge.m_SlotPitchAngle;
  double direction = plunge.m_SlotDirection;
  if (site.passStartsHere && !GetStartDirectionAngle(site.passId, direction)) direction = plunge.m_SlotDirection;
  if (hasBoundaries && site.freeDistance < kOnBoundary) {
    if (site.passStartsHere && site.freeDistance < length) {
      return Descent(site, length, depth, pitch, height, out) ? kDescentAlongPass : kNoPlungePolyline;
    }
    length = site.freeDistance;
  }
  if (depth < kLeastPlunge) return kNoPlungePolyline;
  out = Slot(site.start, length, direction, height, depth, pitch);
  return kSlotPlunge;
}

bool AppendPolyline(const Points& points, AcDbObjectId& id) {
  AcGePoint3dArray vertices;
  for (const AcGePoint3d& point : points) vertices.append(point);
  auto polyline = std::make_unique<AcDb3dPolyline>(AcDb::k3dSimplePoly, vertices, false);
  if (AppendToModelSpace(polyline.get(), id) != Acad::eOk) return false;
  polyline.release();
  return true;
}

}  // namespace

int Make3dPolylineMove(const CPlungeDlg& plunge, AcDbObjectId passId, const AcDbObjectIdArray& boundaryIds,
                       const AcGePoint3d& start, const AcGePoint3d& top, AcDbObjectId& polylineId) {
  polylineId = AcDbObjectId::kNull;
  const int method = plunge.m_PlungeMethod;
  if (method != kPlungeCircular && method != kPlungeStraightSlot) return kNoPlungePolyline;
  PlungeSite site;
  site.passId = passId;
  site.start = start;
  if (!boundaryIds.isEmpty() && !MinDistancePointToPolylines(start, boundaryIds, site.freeDistance)) {
    return kNoPlungePolyline;
  }
  AcGePoint3d passStart;
  AcGePoint3d passEnd;
  site.passStartsHere =
      GetCurveEndPoints(passId, passStart, passEnd) != 0 && passStart.distanceTo(start) < kStartsHereGap;
  Points points;
  const int kind = method == kPlungeCircular ? HelixPoints(plunge, site, top.z, points)
                                             : SlotPoints(plunge, site, !boundaryIds.isEmpty(), top.z, points);
  if (kind == kNoPlungePolyline || points.size() < 2) return kNoPlungePolyline;
  if (!AppendPolyline(points, polylineId)) {
    polylineId = AcDbObjectId::kNull;
    return kNoPlungePolyline;
  }
  return kind;
}
