#include "plugin/milling/drill_point_picker.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/cad/db/db_arc.h"
#include "platform/cad/db/db_circle.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/db_point.h"
#include "platform/cad/editor/aced_input.h"
#include "platform/cad/editor/aced_selection.h"
#include "platform/cad/editor/aced_sysvars.h"
#include "platform/win/win_paths.h"
#include "plugin/milling/drill_cycle_form.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/polygon_picker.h"
#include "plugin/shell/prompt.h"
#include "plugin/shell/selection_queries.h"
#include "plugin/shell/toolpath_entities.h"
#include "plugin/shell/ucs_helpers.h"

namespace {

constexpr const char* kOtherKeyword = "Other O";
constexpr double kSameRadius = 0.001;

// How a picking pass ended; kOtherMode: the mode changed, the pass starts again.
enum class PassEnd { kGoOn, kStop, kOtherMode };

// A selection set, freed on every way out.
class PickedSet {
 public:
  PickedSet() = default;
  ~PickedSet() {
    if (name_[0] != 0 || name_[1] != 0) acedSSFree(name_);
  }
  PickedSet(const PickedSet&) = delete;
  PickedSet& operator=(const PickedSet&) = delete;
  ads_namep Name() { return name_; }

 private:
  ads_name name_ = {0, 0};
};

struct ResbufRelease {
  void operator()(resbuf* chain) const { acutRelRb(chain); }
};
using ResbufHolder = std::unique_ptr<resbuf, ResbufRelease>;

// A group 0 item, as the selection filter reads entity types.
ResbufHolder TypeFilter(const char* types) {
  ResbufHolder filter(acutNewRb(0));
  if (filter != nullptr) filter->resval.rstring = strdup(types);
  return filter;
}

const char* HoleTypes(int circlesOnly) { return circlesOnly ? "CIRCLE" : "POINT,CIRCLE"; }

AcDbObjectId IdOfName(const ads_name name) {
  AcDbObjectId id;
  acdbGetObjectId(id, name);
  return id;
}

// The members that are shown and belong to no stored toolpath (its hole
// circles and marker points are no holes to drill).
AcDbObjectIdArray HoleCandidates(ads_name set) {
  RemoveToolpathEntities(set);
  AcDbObjectIdArray ids;
  long length = 0;
  if (acedSSLength(set, &length) != RTNORM) return ids;
  for (long i = 0; i < length; ++i) {
    ads_name member = {0, 0};
    if (acedSSName(set, i, member) != RTNORM) continue;
    const AcDbObjectId id = IdOfName(member);
    if (IsEntityShown(id)) ids.append(id);
  }
  return ids;
}

// Every shown circle of the drawing that no toolpath holds.
AcDbObjectIdArray AllShownCircles() {
  PickedSet set;
  if (acedSSGet("_X", nullptr, nullptr, TypeFilter("CIRCLE").get(), set.Name()) != RTNORM) return {};
  return HoleCandidates(set.Name());
}

enum class HoleShape { kNone, kCircle, kArc, kPoint };

// The hole an entity stands for: a circle's or arc's centre, a point's position.
HoleShape HoleOf(AcDbObjectId id, AcGePoint3d& at, double& radius) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
  if (entity.openStatus() != Acad::eOk) return HoleShape::kNone;
  if (const auto* circle = AcDbCircle::cast(entity.object())) {
    at = circle->center();
    radius = circle->radius();
    return HoleShape::kCircle;
  }
  if (const auto* arc = AcDbArc::cast(entity.object())) {
    at = arc->center();
    radius = arc->radius();
    return HoleShape::kArc;
  }
  if (const auto* point = AcDbPoint::cast(entity.object())) {
    at = point->position();
    return HoleShape::kPoint;
  }
  return HoleShape::kNone;
}

// A circle's centre joins the list (highlighted) unless it is listed; a
// point entity's position always joins.
void TakeHoles(const AcDbObjectIdArray& ids, AcGePoint3dArray& points) {
  for (int i = 0; i < ids.length(); ++i) {
    AcGePoint3d at;
    double radius = 0.0;
    const HoleShape shape = HoleOf(ids[i], at, radius);
    if (shape == HoleShape::kPoint) {
      points.append(at);
    } else if (shape == HoleShape::kCircle && !points.contains(at)) {
      points.append(at);
      HighlightEntity(ids[i]);
    }
  }
}

// Listed: out of the list and unhighlighted. Else: into it and highlighted.
void ToggleHole(AcDbObjectId id, const AcGePoint3d& centre, AcGePoint3dArray& points) {
  int at = -1;
  if (points.find(centre, at)) {
    UnhighlightEntity(id);
    points.removeAt(at);
  } else {
    points.append(centre);
    HighlightEntity(id);
  }
}

void ToggleCirclesOfRadius(AcDbObjectId picked, double radius, AcGePoint3dArray& points) {
  const AcDbObjectIdArray circles = AllShownCircles();
  for (int i = 0; i < circles.length(); ++i) {
    AcGePoint3d centre;
    double other = 0.0;
    if (circles[i] == picked || HoleOf(circles[i], centre, other) != HoleShape::kCircle) continue;
    if (std::fabs(other - radius) < kSameRadius) ToggleHole(circles[i], centre, points);
  }
}

int ModeOfWord(const char* word) {
  if (win::EqualsNoCase(word, "Window") || win::EqualsNoCase(word, "W")) return kDrillPickWindow;
  if (win::EqualsNoCase(word, "Polygon") || win::EqualsNoCase(word, "P")) return kDrillPickPolygon;
  if (win::EqualsNoCase(word, "All") || win::EqualsNoCase(word, "A")) return kDrillPickAll;
  return 0;
}

// "Chain" keeps the mode.
PassEnd AskOtherMode(int& pointMode) {
  char word[512] = "";
  acedInitGet(0, "Chain C Window W Polygon P All A");
  if (acedGetKword("\n선택방법 [Chain/Window/Polygon/All]:", word) == RTNORM) {
    if (const int mode = ModeOfWord(word)) pointMode = mode;
  }
  return PassEnd::kOtherMode;
}

void OfferOther() { acedInitGet(RSG_NONULL, kOtherKeyword); }

PassEnd PickCoordinates(AcGePoint3dArray& points, int& pointMode) {
  AcDbDatabase* drawing = acdbHostApplicationServices()->workingDatabase();
  for (;;) {
    OfferOther();
    ads_point picked = {0.0, 0.0, 0.0};
    const int status = acedGetPoint(nullptr, "\n 드릴 포인트를 선택하시요. <Single/Other> 선택종료<ESC> ", picked);
    if (status == RTKWORD) return AskOtherMode(pointMode);
    if (status != RTNORM) return PassEnd::kStop;
    points.append(UcsToWcsPoint(AcGePoint3d(picked[0], picked[1], picked[2]), drawing));
  }
}

bool PickMissed() {
  resbuf code{};
  return acedGetVar("ERRNO", &code) == RTNORM && code.resval.rint == cadeditor::kErrnoNoEntity;
}

PassEnd PickCircle(AcGePoint3dArray& points, int& pointMode, int autoSelect) {
  ads_name picked = {0, 0};
  int status = RTERROR;
  do {
    OfferOther();
    ads_point at = {0.0, 0.0, 0.0};
    status = acedEntSel("\n Arc, Circle을 선택하시요.<Circle/Other> 선택종료<ESC> ", picked, at);
  } while (status == RTERROR && PickMissed());
  if (status == RTKWORD) return AskOtherMode(pointMode);
  if (status != RTNORM) return PassEnd::kStop;
  const AcDbObjectId id = IdOfName(picked);
  AcGePoint3d centre;
  double radius = 0.0;
  const HoleShape shape = HoleOf(id, centre, radius);
  if (shape != HoleShape::kCircle && shape != HoleShape::kArc) return PassEnd::kGoOn;
  ToggleHole(id, centre, points);
  if (autoSelect) ToggleCirclesOfRadius(id, radius, points);
  return PassEnd::kGoOn;
}

PassEnd TakeSelection(int status, ads_name set, AcGePoint3dArray& points) {
  if (status != RTNORM) return PassEnd::kStop;
  const AcDbObjectIdArray ids = HoleCandidates(set);
  if (ids.isEmpty()) return PassEnd::kStop;
  TakeHoles(ids, points);
  return PassEnd::kGoOn;
}

PassEnd PickWindow(AcGePoint3dArray& points, int& pointMode, int circlesOnly) {
  ads_point first = {0.0, 0.0, 0.0};
  ads_point second = {0.0, 0.0, 0.0};
  OfferOther();
  int status = acedGetPoint(nullptr, "\n Window의 모서리를 선택하시요 : ", first);
  if (status == RTKWORD) return AskOtherMode(pointMode);
  if (status != RTNORM) return PassEnd::kStop;
  OfferOther();
  status = acedGetCorner(first, "\n Window의 다른 모서리를 선택하시요 : ", second);
  if (status == RTKWORD) return AskOtherMode(pointMode);
  if (status != RTNORM) return PassEnd::kStop;
  PickedSet set;
  status = acedSSGet("_W", first, second, TypeFilter(HoleTypes(circlesOnly)).get(), set.Name());
  return TakeSelection(status, set.Name(), points);
}

// The polygon's inside is taken as a window's.
PassEnd PickPolygon(AcGePoint3dArray& points, int& pointMode, int circlesOnly) {
  CPointPrompt prompt("Point", kOtherKeyword);
  prompt.SetAllowEmpty(1);
  AcGePoint3dArray corners;
  const int answer = AskPolygonPoints(prompt, corners);
  if (answer == CPointPrompt::kKeyword) return AskOtherMode(pointMode);
  if (answer == CPointPrompt::kCancelled || corners.length() < 3) return PassEnd::kStop;
  const ResbufHolder chain(PointsToResbufChain(corners));
  PickedSet set;
  const int status = acedSSGet("_WP", chain.get(), nullptr, TypeFilter(HoleTypes(circlesOnly)).get(), set.Name());
  return TakeSelection(status, set.Name(), points);
}

PassEnd PickAll(AcGePoint3dArray& points, int circlesOnly) {
  PickedSet set;
  const int status = acedSSGet("_X", nullptr, nullptr, TypeFilter(HoleTypes(circlesOnly)).get(), set.Name());
  TakeSelection(status, set.Name(), points);
  return PassEnd::kStop;
}

PassEnd PickOnce(AcGePoint3dArray& points, int& pointMode, int autoSelect, int circlesOnly) {
  switch (pointMode) {
    case kDrillPickCoordinates:
      return PickCoordinates(points, pointMode);
    case kDrillPickWindow:
      return PickWindow(points, pointMode, circlesOnly);
    case kDrillPickPolygon:
      return PickPolygon(points, pointMode, circlesOnly);
    case kDrillPickAll:
      return PickAll(points, circlesOnly);
    default:
      // Before a mode was chosen, circles are picked.
      pointMode = kDrillPickCircles;
      return PickCircle(points, pointMode, autoSelect);
  }
}

bool RunPickingPass(AcGePoint3dArray& points, int& pointMode, int autoSelect, int circlesOnly) {
  PassEnd end = PassEnd::kOtherMode;
  while ((end = PickOnce(points, pointMode, autoSelect, circlesOnly)) == PassEnd::kOtherMode) {
  }
  return end == PassEnd::kGoOn;
}

}  // namespace

bool PickDrillPoints(AcGePoint3dArray& points, int& pointMode, int autoSelect, int circlesOnly) {
  acutPrintf("\n 드릴 포인트를 선택하시요!!.");
  while (RunPickingPass(points, pointMode, autoSelect, circlesOnly) && pointMode != kDrillPickCoordinates &&
         pointMode != kDrillPickAll) {
  }
  return !points.isEmpty();
}

void RemoveNearbyDuplicates(AcGePoint3dArray& points, double tolerance) {
  for (int i = 0; i < points.length(); ++i) {
    for (int j = points.length() - 1; j > i; --j) {
      if (points[i].distanceTo(points[j]) < tolerance) points.removeAt(j);
    }
  }
}

AcDbObjectIdArray ShownCirclesAtPoints(const AcGePoint3dArray& points) {
  AcDbObjectIdArray atPoints;
  if (points.isEmpty()) return atPoints;
  const AcDbObjectIdArray circles = AllShownCircles();
  for (int i = 0; i < circles.length(); ++i) {
    AcGePoint3d centre;
    double radius = 0.0;
    if (HoleOf(circles[i], centre, radius) == HoleShape::kCircle && points.contains(centre))
      atPoints.append(circles[i]);
  }
  return atPoints;
}
