#include "plugin/shell/selection/curve_chain_select.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "platform/win/message_box.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr double kLengthTolerance = 0.00001;
constexpr double kHalfLengthTolerance = 0.0001;

using EntityName = std::array<std::int64_t, 2>;

// A curve of a chain with the end points read once.
struct ChainCurve {
  EntityName name{};
  AcDbObjectId id;
  bool hasEnds = false;
  AcGePoint3d start;
  AcGePoint3d end;

  bool Touches(const AcGePoint3d& point) const {
    return hasEnds && (PointsTouch(point, start) || PointsTouch(point, end));
  }
};

ChainCurve CurveOfId(AcDbObjectId id) {
  ChainCurve curve;
  curve.id = id;
  ads_name name = {0, 0};
  if (acdbGetAdsName(name, id) == Acad::eOk) curve.name = {name[0], name[1]};
  curve.hasEnds = GetCurveEndPoints(id, curve.start, curve.end) != 0;
  return curve;
}

ChainCurve CurveOfName(const ads_name name) {
  AcDbObjectId id;
  acdbGetObjectId(id, name);
  ChainCurve curve = CurveOfId(id);
  curve.name = {name[0], name[1]};
  return curve;
}

void AddToSet(const EntityName& member, ads_name set) {
  ads_name name = {member[0], member[1]};
  acedSSAdd(name, set, set);
}

void StartEmptySet(ads_name set) {
  set[0] = 0;
  set[1] = 0;
  acedSSAdd(nullptr, nullptr, set);
}

std::vector<ChainCurve> CurvesOfSet(const ads_name set) {
  std::vector<ChainCurve> curves;
  long length = 0;
  if (acedSSLength(set, &length) != RTNORM) return curves;
  curves.reserve(static_cast<size_t>(length));
  for (long i = 0; i < length; ++i) {
    ads_name name = {0, 0};
    if (acedSSName(set, i, name) == RTNORM) curves.push_back(CurveOfName(name));
  }
  return curves;
}

bool IsClosedShape(AcDbObjectId id) {
  const int kind = GetEntityKind(id);
  const bool shapeKind =
      kind == kEntityCircle || kind == kEntityPolyline || kind == kEntitySpline || kind == kEntityEllipse;
  return shapeKind && IsClosedCurve(id);
}

template <class Keep>
void KeepOnly(std::vector<ChainCurve>& curves, Keep keep) {
  std::erase_if(curves, [&](const ChainCurve& curve) { return !keep(curve); });
}

int CountTouching(const std::vector<ChainCurve>& curves, const AcGePoint3d& point) {
  int count = 0;
  for (const ChainCurve& curve : curves) {
    if (curve.Touches(point)) ++count;
  }
  return count;
}

// The drawing's shown flat curves that may join a chain from the picked
// entities, in drawing order; the picked ones are left out. Null when the
// drawing cannot be selected.
std::optional<std::vector<ChainCurve>> DrawingCandidates(const AcDbObjectIdArray& listed, AcDbObjectId picked,
                                                         AcDbObjectId alsoPicked) {
  ads_name all = {0, 0};
  if (acedSSGet("_X", nullptr, nullptr, nullptr, all) != RTNORM) return std::nullopt;
  FilterSelectionToVisibleCurves(all);
  std::vector<ChainCurve> candidates = CurvesOfSet(all);
  acedSSFree(all);
  const bool pickedIsListed = listed.contains(picked);
  KeepOnly(candidates, [&](const ChainCurve& curve) {
    const int kind = GetEntityKind(curve.id);
    if (kind == kEntityPoint || kind == kEntityCircle) return false;
    if (curve.id == picked || curve.id == alsoPicked) return false;
    // Boundaries already listed never mix with other curves.
    return listed.contains(curve.id) == pickedIsListed;
  });
  KeepOnly(candidates, [](const ChainCurve& curve) { return IsFlatCurve(curve.id); });
  return candidates;
}

// Where a drawing-wide chain grows from the picked curve; none when it cannot grow.
std::optional<AcGePoint3d> OpenEndOfPick(const ChainCurve& picked, const AcDbObjectIdArray& listed,
                                         const std::vector<ChainCurve>& candidates) {
  if (!picked.hasEnds) return std::nullopt;
  if (!listed.isEmpty() && !listed.contains(picked.id)) {
    const ChainCurve last = CurveOfId(listed.last());
    if (last.Touches(picked.start)) return picked.end;
    if (last.Touches(picked.end)) return picked.start;
  }
  for (const ChainCurve& candidate : candidates) {
    if (candidate.Touches(picked.start)) return picked.start;
    if (candidate.Touches(picked.end)) return picked.end;
  }
  return std::nullopt;
}

// Grows the chain at openEnd, one candidate per sweep, never past a branch.
// From the second curve taken on, touching an end of closer closes the chain.
void GrowChain(std::vector<ChainCurve>& candidates, AcGePoint3d openEnd, const ChainCurve& closer, ads_name result) {
  const size_t sweeps = candidates.size();
  int taken = 0;
  for (size_t sweep = 0; sweep < sweeps && !candidates.empty(); ++sweep) {
    if (CountTouching(candidates, openEnd) >= 2) return;
    auto next = candidates.begin();
    for (; next != candidates.end(); ++next) {
      if (!next->hasEnds) continue;
      if (PointsTouch(openEnd, next->start)) {
        openEnd = next->end;
        break;
      }
      if (PointsTouch(openEnd, next->end)) {
        openEnd = next->start;
        break;
      }
    }
    if (next == candidates.end()) return;
    AddToSet(next->name, result);
    candidates.erase(next);
    ++taken;
    if (taken >= 2 && closer.hasEnds && (PointsTouch(openEnd, closer.start) || PointsTouch(openEnd, closer.end))) {
      return;
    }
  }
}

// Equal but for the rounding of the last bits: the same point computed along a
// curve run the other way round (a reversed arc's end) is not bit-identical.
bool SameToRounding(double a, double b) {
  constexpr double kUlps = 16.0 * std::numeric_limits<double>::epsilon();
  return std::fabs(a - b) <= kUlps * std::max({1.0, std::fabs(a), std::fabs(b)});
}

bool SamePoint(const AcGePoint3d& a, const AcGePoint3d& b) {
  return SameToRounding(a.x, b.x) && SameToRounding(a.y, b.y) && SameToRounding(a.z, b.z);
}

// Start and end of the first are each the start or the end of the second, exactly.
bool SameEnds(const ChainCurve& a, const ChainCurve& b) {
  return (SamePoint(a.start, b.start) || SamePoint(a.start, b.end)) &&
         (SamePoint(a.end, b.start) || SamePoint(a.end, b.end));
}

bool MiddlePoint(AcDbObjectId id, AcGePoint3d& middle) {
  OpenedObject<AcDbCurve> curve(id, AcDb::kForRead);
  if (curve.openStatus() != Acad::eOk) return false;
  double startParam = 0.0;
  double endParam = 0.0;
  if (curve->getStartParam(startParam) != Acad::eOk || curve->getEndParam(endParam) != Acad::eOk) return false;
  return curve->getPointAtParam((startParam + endParam) / 2.0, middle) == Acad::eOk;
}

bool LengthAndHalfPoint(AcDbObjectId id, double& length, AcGePoint3d& half) {
  OpenedObject<AcDbCurve> curve(id, AcDb::kForRead);
  if (curve.openStatus() != Acad::eOk) return false;
  double endParam = 0.0;
  if (curve->getEndParam(endParam) != Acad::eOk || curve->getDistAtParam(endParam, length) != Acad::eOk) {
    return false;
  }
  return curve->getPointAtDist(length / 2.0, half) == Acad::eOk;
}

bool SameCircleGeometry(AcDbObjectId a, AcDbObjectId b) {
  AcGePoint3d centerA;
  AcGePoint3d centerB;
  double radiusA = 0.0;
  double radiusB = 0.0;
  AcGePoint3d start;
  AcGePoint3d end;
  AcGeVector3d normal;
  const bool read = (GetArcGeometry(a, start, end, centerA, radiusA, normal) &&
                     GetArcGeometry(b, start, end, centerB, radiusB, normal)) ||
                    (GetCircleCenterRadius(a, centerA, radiusA) && GetCircleCenterRadius(b, centerB, radiusB));
  return read && SameToRounding(radiusA, radiusB) && SamePoint(centerA, centerB);
}

}  // namespace

void ShowTooManyCandidates(std::size_t count) {
  CString text;
  text.Format("검색된 도형(%zu)이 %d개 이상 있습니다. \n\n도형을 삭제하거나 보이지 않게 한후 다시 선택하시기 바랍니다.",
              count, kMaxChainCandidates);
  ::MessageBox(nullptr, text, "Error message", MB_OK | MB_ICONINFORMATION);
}

bool ChainCurvesByEndpoints(AcDbObjectIdArray& pool, AcDbObjectIdArray& chain) {
  chain.setLogicalLength(0);
  std::vector<ChainCurve> left;
  left.reserve(static_cast<size_t>(pool.length()));
  for (int i = 0; i < pool.length(); ++i) left.push_back(CurveOfId(pool[i]));
  pool.setPhysicalLength(0);
  if (left.empty()) return false;
  while (!left.empty()) {
    const ChainCurve first = left.front();
    if (!first.hasEnds) return false;
    left.erase(left.begin());
    chain.append(first.id);
    if (PointsTouch(first.start, first.end)) continue;
    AcGePoint3d openEnd = first.end;
    for (bool moved = true; moved;) {
      moved = false;
      for (auto curve = left.begin(); curve != left.end(); ++curve) {
        if (!curve->hasEnds) continue;
        if (PointsTouch(curve->start, openEnd)) {
          openEnd = curve->end;
        } else if (PointsTouch(curve->end, openEnd)) {
          openEnd = curve->start;
        } else {
          continue;
        }
        chain.append(curve->id);
        left.erase(curve);
        moved = true;
        break;
      }
    }
  }
  return true;
}

bool ChainConnectedCurves(const AcDbObjectIdArray& listed, const ads_name picked, ads_name result) {
  StartEmptySet(result);
  const ChainCurve pick = CurveOfName(picked);
  if (IsClosedShape(pick.id)) {
    AddToSet(pick.name, result);
    return true;
  }
  std::optional<std::vector<ChainCurve>> candidates = DrawingCandidates(listed, pick.id, AcDbObjectId::kNull);
  if (!candidates) return false;
  AddToSet(pick.name, result);
  if (candidates->empty()) return true;
  if (candidates->size() > static_cast<size_t>(kMaxChainCandidates)) {
    ShowTooManyCandidates(candidates->size());
    return false;
  }
  const std::optional<AcGePoint3d> openEnd = OpenEndOfPick(pick, listed, *candidates);
  if (openEnd) GrowChain(*candidates, *openEnd, pick, result);
  return true;
}

bool ChainCurvesFromEntity(const AcDbObjectIdArray& listed, const ads_name first, const ads_name second,
                           ads_name result) {
  StartEmptySet(result);
  const ChainCurve firstCurve = CurveOfName(first);
  if (IsClosedShape(firstCurve.id)) {
    AddToSet(firstCurve.name, result);
    return true;
  }
  const ChainCurve secondCurve = CurveOfName(second);
  std::optional<std::vector<ChainCurve>> candidates = DrawingCandidates(listed, firstCurve.id, secondCurve.id);
  if (!candidates) return false;
  AddToSet(firstCurve.name, result);
  AddToSet(secondCurve.name, result);
  if (candidates->empty() || !secondCurve.hasEnds) return true;
  // The chain runs on from the second pick's end away from the first.
  if (firstCurve.Touches(secondCurve.start)) {
    GrowChain(*candidates, secondCurve.end, firstCurve, result);
  } else if (firstCurve.Touches(secondCurve.end)) {
    GrowChain(*candidates, secondCurve.start, firstCurve, result);
  }
  return true;
}

bool ChainSelectedCurves(ads_name set, ads_name result) {
  StartEmptySet(result);
  std::vector<ChainCurve> candidates = CurvesOfSet(set);
  if (candidates.empty()) return false;
  const ChainCurve pick = candidates.front();
  AddToSet(pick.name, result);
  if (candidates.size() == 1) return true;
  ads_name pickName = {pick.name[0], pick.name[1]};
  acedSSDel(pickName, set);
  candidates.erase(candidates.begin());
  if (IsClosedShape(pick.id)) return true;
  KeepOnly(candidates, [](const ChainCurve& curve) { return IsEntityShown(curve.id); });
  KeepOnly(candidates, [](const ChainCurve& curve) { return IsFlatCurve(curve.id); });
  if (!pick.hasEnds) return false;

  ChainCurve current = pick;
  AcGePoint3d freeEnd = pick.end;
  std::optional<AcGePoint3d> chainStart;
  const size_t sweeps = candidates.size();
  int taken = 0;
  for (size_t sweep = 0; sweep < sweeps && !candidates.empty(); ++sweep) {
    auto next = candidates.begin();
    for (; next != candidates.end(); ++next) {
      if (sweep == 0) {
        if (next->Touches(pick.start)) {
          chainStart = pick.start;
        } else if (next->Touches(pick.end)) {
          chainStart = pick.end;
        }
      }
      if (!next->hasEnds) continue;
      if (CountTouching(candidates, freeEnd) >= 2) return true;
      int side = ClassifyPointToCurveEnds(freeEnd, next->id);
      if (side == 0) side = ClassifyPointToCurveEnds(current.start, next->id);
      if (side == 1) {
        freeEnd = next->end;
        break;
      }
      if (side == 2) {
        freeEnd = next->start;
        break;
      }
    }
    if (next == candidates.end()) return true;
    const ChainCurve takenCurve = *next;
    AddToSet(takenCurve.name, result);
    candidates.erase(next);
    current = takenCurve;
    ++taken;
    if (taken >= 2 && chainStart && takenCurve.Touches(*chainStart)) return true;
  }
  return true;
}

bool CurvesDuplicate(AcDbObjectId first, AcDbObjectId second) {
  const int kind = GetEntityKind(first);
  if (kind != GetEntityKind(second)) return false;
  const ChainCurve a = CurveOfId(first);
  const ChainCurve b = CurveOfId(second);
  if (!a.hasEnds || !b.hasEnds || !SameEnds(a, b)) return false;
  AcGePoint3d middleA;
  AcGePoint3d middleB;
  if (!MiddlePoint(first, middleA) || !MiddlePoint(second, middleB) || !SamePoint(middleA, middleB)) return false;
  switch (kind) {
    case kEntityLine:
    case kEntityPolyline:
    case kEntitySpline:
    case kEntityEllipse:
      return true;
    case kEntityArc:
    case kEntityCircle:
      return SameCircleGeometry(first, second);
    default:
      return false;
  }
}

bool CurvesCoincide(AcDbObjectId first, AcDbObjectId second) {
  const ChainCurve a = CurveOfId(first);
  const ChainCurve b = CurveOfId(second);
  if (!a.hasEnds || !b.hasEnds || !SameEnds(a, b)) return false;
  double lengthA = 0.0;
  double lengthB = 0.0;
  AcGePoint3d halfA;
  AcGePoint3d halfB;
  if (!LengthAndHalfPoint(first, lengthA, halfA) || !LengthAndHalfPoint(second, lengthB, halfB)) return false;
  return std::fabs(lengthA - lengthB) < kLengthTolerance && halfA.distanceTo(halfB) < kHalfLengthTolerance;
}
