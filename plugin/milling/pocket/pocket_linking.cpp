#include "plugin/milling/pocket/pocket_linking.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"
#include "plugin/geometry/passes/plunge_moves.h"
#include "plugin/geometry/plane_geometry.h"
#include "plugin/geometry/polyline/polyline_reshape.h"
#include "plugin/milling/pocket/pocket_link_area.h"
#include "plugin/milling/pocket/pocket_plan_paths.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr double kSamePlace = 1e-6;
constexpr int kFeedMove = 4;

AcGePoint3d Raised(const AcGePoint3d& point, double z) { return AcGePoint3d(point.x, point.y, z); }
AcGePoint2d Plan(const AcGePoint3d& point) { return AcGePoint2d(point.x, point.y); }

void Keep(AcDbObjectIdArray& ids, AcDbObjectId id) {
  if (!id.isNull()) ids.append(id);
}

constexpr float kStraightDown = 90.0f;

// Where a ramp of the conditions would start, seen in plan; false when the
// conditions plunge straight down or along the whole height at once.
bool RampStart(const CPlungeDlg& plunge, AcDbObjectId passId, const AcGePoint3d& approach, AcGePoint2d& rampTop) {
  if (plunge.m_PlungeMethod != kPlungeAngle || plunge.m_Extent == kPlungeWhole || plunge.m_ZAngle == kStraightDown)
    return false;
  curve::BulgePath path;
  if (!ReadPlanPath(passId, path) || path.numSegments() == 0) return false;
  const AcGeVector2d heading = path.segment(0).tangentAt(0.0);
  const double plan = std::atan2(heading.y, heading.x) + plunge.m_XYAngle * kDegreeFactor;
  const double reach = plunge.m_AnglePlungeLength * std::cos(plunge.m_ZAngle * kDegreeFactor);
  rampTop = AcGePoint2d(approach.x + reach * std::cos(plan), approach.y + reach * std::sin(plan));
  return true;
}

bool RampLeavesArea(const CPlungeDlg& plunge, AcDbObjectId passId, const AcGePoint3d& approach,
                    const PocketLinkArea& area) {
  AcGePoint2d rampTop;
  if (!RampStart(plunge, passId, approach, rampTop) || area.empty()) return false;
  return !area.holdsStraightMove(rampTop, Plan(approach));
}

// A slot along the pass's start direction is cut short where it would leave
// the area; one with no room becomes a straight plunge.
void FitSlotToArea(CPlungeDlg& plunge, AcDbObjectId passId, const AcGePoint3d& start, const PocketLinkArea& area) {
  constexpr double kLeastSlot = 0.1;
  constexpr int kHalvings = 20;
  if (plunge.m_PlungeMethod != kPlungeStraightSlot || area.empty()) return;
  curve::BulgePath path;
  if (!ReadPlanPath(passId, path) || path.numSegments() == 0) return;
  const AcGeVector2d heading = path.segment(0).tangentAt(0.0);
  const AcGePoint2d from = Plan(start);
  auto fits = [&](double length) { return area.holdsStraightMove(from, from + heading * length); };
  double length = plunge.m_SlotLength;
  if (fits(length)) return;
  double low = 0.0, high = length;
  for (int i = 0; i < kHalvings; ++i) {
    const double middle = (low + high) / 2.0;
    (fits(middle) ? low : high) = middle;
  }
  if (low < kLeastSlot) {
    plunge.m_PlungeMethod = kPlungeAngle;
    plunge.m_ZAngle = kStraightDown;
    return;
  }
  plunge.m_SlotLength = static_cast<float>(low);
}

class GroupLinker {
 public:
  GroupLinker(const PocketLinkArea& area, const PocketLinkMoves& moves, AcDbObjectIdArray& linked)
      : area_(area), moves_(moves), linked_(linked) {}

  void cut(AcDbObjectId passId) {
    if (started_) {
      StartClosedPolylineNearest(passId, Plan(end_));
    } else if (moves_.startAtPoint) {
      StartClosedPolylineNearest(passId, moves_.startPoint);
    }
    AcGePoint3d start, end;
    if (GetCurveEndPoints(passId, start, end) == kEntityOther) return;
    if (!started_) {
      if (moves_.enterFirst) {
        const AcGePoint3d approach = Raised(start, moves_.retractZ);
        AddPlungeInside(*moves_.plunge, passId, moves_.plungeBounds, area_, approach, start, linked_);
      }
    } else if (moves_.cutsJoin(end_, start) && area_.holdsStraightMove(Plan(end_), Plan(start)) &&
               std::abs(end_.z - start.z) < kSamePlace) {
      if (end_.distanceTo(start) > kSamePlace)
        Keep(linked_, AddMoveLineWithFeed(end_, start, kFeedMove, moves_.linkFeed));
    } else {
      AddRetractAndPlunge(*moves_.plunge, moves_.retractZ, end_, passId, start, moves_.plungeBounds, area_, linked_);
    }
    linked_.append(passId);
    end_ = end;
    started_ = true;
    ++passes_;
  }

  void finish() {
    if (started_ && moves_.leaveLast) AddRetract(moves_.retractZ, end_, linked_);
  }
  int passes() const { return passes_; }

 private:
  const PocketLinkArea& area_;
  const PocketLinkMoves& moves_;
  AcDbObjectIdArray& linked_;
  AcGePoint3d end_;
  bool started_ = false;
  int passes_ = 0;
};

}  // namespace

void AddRetract(double retractZ, const AcGePoint3d& from, AcDbObjectIdArray& ids) {
  if (retractZ - from.z > kSamePlace)
    Keep(ids, AddMoveLine(from, Raised(from, retractZ), ToolpathMoveEncoding::kRapidMoveKind));
}

void AddPlungeInside(CPlungeDlg& plunge, AcDbObjectId passId, const AcDbObjectIdArray& bounds,
                     const PocketLinkArea& area, const AcGePoint3d& approach, const AcGePoint3d& start,
                     AcDbObjectIdArray& ids) {
  const float zAngle = plunge.m_ZAngle;
  const float slotLength = plunge.m_SlotLength;
  const int method = plunge.m_PlungeMethod;
  if (RampLeavesArea(plunge, passId, approach, area)) plunge.m_ZAngle = kStraightDown;
  FitSlotToArea(plunge, passId, start, area);
  AddPlungeMove(plunge, passId, bounds, ids, approach, start);
  plunge.m_ZAngle = zAngle;
  plunge.m_SlotLength = slotLength;
  plunge.m_PlungeMethod = method;
}

void AddRetractAndPlunge(CPlungeDlg& plunge, double retractZ, const AcGePoint3d& from, AcDbObjectId passId,
                         const AcGePoint3d& start, const AcDbObjectIdArray& bounds, const PocketLinkArea& area,
                         AcDbObjectIdArray& ids) {
  AddRetract(retractZ, from, ids);
  const AcGePoint3d over = Raised(start, retractZ);
  const AcGePoint3d top = Raised(from, std::max(retractZ, from.z));
  if (top.distanceTo(over) > kSamePlace) Keep(ids, AddMoveLine(top, over, ToolpathMoveEncoding::kRapidMoveKind));
  AddPlungeInside(plunge, passId, bounds, area, over, start, ids);
}

bool LinkPocketGroups(const AcDbObjectIdArray& ordered, const PocketLinkArea& area, const PocketLinkMoves& moves,
                      bool insideOut, AcDbObjectIdArray& linked) {
  GroupLinker linker(area, moves, linked);
  std::vector<AcDbObjectId> group;
  auto flush = [&]() {
    if (insideOut) std::reverse(group.begin(), group.end());
    for (const AcDbObjectId& pass : group) linker.cut(pass);
    group.clear();
  };
  for (const AcDbObjectId& id : ordered) {
    if (IsPointEntity(id)) {
      flush();
      linked.append(id);
    } else {
      group.push_back(id);
    }
  }
  flush();
  linker.finish();
  return linker.passes() > 0;
}
