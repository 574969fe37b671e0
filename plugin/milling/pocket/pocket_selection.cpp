#include "plugin/milling/pocket/pocket_selection.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/cad/editor/aced_sysvars.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "platform/win/win_paths.h"
#include "plugin/geometry/curve_chaining.h"
#include "plugin/geometry/polyline/polyline_intersections.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/shell/prompt.h"
#include "plugin/shell/selection/curve_chain_select.h"
#include "plugin/shell/selection/polygon_picker.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr const char* kCurveTypes = "LINE,ARC,CIRCLE,ELLIPSE,SPLINE,LWPOLYLINE";
constexpr const char* kOtherKeyword = "Other O";
constexpr const char* kSinglePrompt = "\n Line, 또는 Arc, Circle을 선택하시요.<Single/Other>";
constexpr const char* kPocketChainPrompt =
    "\n Line, 또는 Arc, Circle, 타원, Spline, Polyline을 선택하시요.<Chain/Other>";
constexpr const char* kProfileChainPrompt = "\n Line, 또는 Arc, Circle, Ellipse를 선택하시요.<Chain/Other>";
constexpr const char* kSecondPickPrompt = "\n 두번째 Line, 또는 Arc를 선택하시요.<Chain>";
constexpr const char* kNotFlatText = "\n 2D curve만 선택할 수 있습니다.";

// How one selection ended.
enum class PickEnd {
  kSelected,   // a set to toggle
  kEnded,      // an empty answer, or nothing in reach
  kCancelled,  // the user cancelled a prompt
  kKeyword,    // the method question was asked (the method may have changed)
  kRefused,    // the picks were refused with a message
};

// A selection set freed on every way out unless handed on.
class SelectionSet {
 public:
  SelectionSet() = default;
  ~SelectionSet() { Free(); }
  SelectionSet(const SelectionSet&) = delete;
  SelectionSet& operator=(const SelectionSet&) = delete;

  // For the calls that make a set: whatever the guard held is freed first.
  ads_namep Fill() {
    Free();
    return name_;
  }
  ads_namep Name() { return name_; }
  long Length() const {
    long length = 0;
    return acedSSLength(name_, &length) == RTNORM ? length : 0;
  }
  void HandTo(ads_name owner) {
    owner[0] = name_[0];
    owner[1] = name_[1];
    name_[0] = name_[1] = 0;
  }

 private:
  void Free() {
    if (name_[0] != 0 || name_[1] != 0) acedSSFree(name_);
    name_[0] = name_[1] = 0;
  }

  ads_name name_ = {0, 0};
};

struct ResbufChainRelease {
  void operator()(resbuf* chain) const { acutRelRb(chain); }
};
using ResbufChain = std::unique_ptr<resbuf, ResbufChainRelease>;

// The curve types as a group 0 item, made by hand: the selection filter reads
// group 0, which a list built with RTDXF0 does not give it here.
ResbufChain CurveTypeFilter() {
  ResbufChain filter(acutNewRb(0));
  if (filter != nullptr) filter->resval.rstring = strdup(kCurveTypes);
  return filter;
}

int MethodOfWord(const char* word) {
  struct Choice {
    const char* name;
    const char* letter;
    int method;
  };
  static const Choice kChoices[] = {{"Chain", "C", kSelectChain},
                                    {"Single", "S", kSelectSingle},
                                    {"Window", "W", kSelectWindow},
                                    {"Polygon", "P", kSelectPolygon}};
  for (const Choice& choice : kChoices) {
    if (win::EqualsNoCase(word, choice.name) || win::EqualsNoCase(word, choice.letter)) return choice.method;
  }
  return 0;
}

PickEnd AskMethod(int& method) {
  char word[512] = "";
  acedInitGet(0, "Chain C Single S Window W Polygon P");
  if (acedGetKword("\n선택방법 [Chain/Single/Window/Polygon]:", word) == RTNORM) {
    if (const int chosen = MethodOfWord(word)) method = chosen;
  }
  return PickEnd::kKeyword;
}

PickEnd EndOfAnswer(int status, int& method) {
  if (status == RTKWORD) return AskMethod(method);
  if (status == RTCAN) return PickEnd::kCancelled;
  return PickEnd::kEnded;
}

// An empty answer ends the picking, so the keyword list comes without the
// no-empty-input flag.
void OfferOtherMethod() { acedInitGet(0, kOtherKeyword); }

bool PickMissed() {
  resbuf code{};
  return acedGetVar("ERRNO", &code) == RTNORM && code.resval.rint == cadeditor::kErrnoNoEntity;
}

// One entity pick; a pick that finds nothing is asked again.
int PickEntity(const char* prompt, bool offerOther, ads_name picked) {
  for (;;) {
    if (offerOther) OfferOtherMethod();
    ads_point at = {0.0, 0.0, 0.0};
    const int status = acedEntSel(prompt, picked, at);
    if (status != RTERROR || !PickMissed()) return status;
  }
}

AcDbObjectId IdOfName(const ads_name name) {
  AcDbObjectId id;
  acdbGetObjectId(id, name);
  return id;
}

void ToggleCurve(AcDbObjectId id, AcDbObjectIdArray& curves) {
  int at = -1;
  if (curves.find(id, at)) {
    UnhighlightEntity(id);
    curves.removeAt(at);
  } else if (IsFlatCurve(id)) {
    curves.append(id);
    HighlightEntity(id);
  }
}

// What is not a shown curve leaves the set; too many curves refuse it.
PickEnd ReduceToShownCurves(SelectionSet& set) {
  FilterSelectionToVisibleCurves(set.Name());
  const long length = set.Length();
  if (length > kMaxChainCandidates) {
    ShowTooManyCandidates(static_cast<std::size_t>(length));
    return PickEnd::kRefused;
  }
  return PickEnd::kSelected;
}

PickEnd PickWindow(SelectionSet& set, int& method) {
  ads_point first = {0.0, 0.0, 0.0};
  ads_point second = {0.0, 0.0, 0.0};
  OfferOtherMethod();
  int status = acedGetPoint(nullptr, "\n Window의 모서리를 선택하시요 : ", first);
  if (status != RTNORM) return EndOfAnswer(status, method);
  status = acedGetCorner(first, "\n Window의 다른 모서리를 선택하시요 : ", second);
  if (status != RTNORM) return EndOfAnswer(status, method);
  // A window with no curve in it ends the picking.
  if (acedSSGet("_W", first, second, CurveTypeFilter().get(), set.Fill()) != RTNORM) return PickEnd::kEnded;
  return ReduceToShownCurves(set);
}

PickEnd PickPolygon(SelectionSet& set, int& method) {
  CPointPrompt prompt("Point", kOtherKeyword);
  prompt.SetAllowEmpty(1);
  AcGePoint3dArray points;
  const int answer = AskPolygonPoints(prompt, points);
  if (answer == CPointPrompt::kKeyword) return AskMethod(method);
  if (answer == CPointPrompt::kCancelled) return PickEnd::kCancelled;
  if (points.isEmpty()) return PickEnd::kEnded;
  if (points.length() < 2) {
    acutPrintf("\nThere must be at least 2 points.");
    return PickEnd::kRefused;
  }
  const ResbufChain corners(PointsToResbufChain(points));
  if (acedSSGet("_WP", corners.get(), nullptr, CurveTypeFilter().get(), set.Fill()) != RTNORM) {
    return PickEnd::kEnded;
  }
  return ReduceToShownCurves(set);
}

PickEnd PickArea(SelectionSet& set, int& method) {
  return method == kSelectWindow ? PickWindow(set, method) : PickPolygon(set, method);
}

void RemovePointEntities(SelectionSet& set) {
  for (long i = set.Length() - 1; i >= 0; --i) {
    ads_name name = {0, 0};
    if (acedSSName(set.Name(), i, name) == RTNORM && IsPointEntity(IdOfName(name))) acedSSDel(name, set.Name());
  }
}

PickEnd PickPocketSingle(SelectionSet& result, int& method) {
  acutPrintf("%s", kSinglePrompt);
  OfferOtherMethod();
  const int status = acedSSGet(":E", nullptr, nullptr, CurveTypeFilter().get(), result.Fill());
  return status == RTNORM ? PickEnd::kSelected : EndOfAnswer(status, method);
}

PickEnd PickPocketChain(const AcDbObjectIdArray& curves, SelectionSet& result, int& method) {
  ads_name picked = {0, 0};
  const int status = PickEntity(kPocketChainPrompt, true, picked);
  if (status != RTNORM) return EndOfAnswer(status, method);
  if (!IsFlatCurveOfName(picked)) {
    acutPrintf("%s", kNotFlatText);
    return PickEnd::kRefused;
  }
  return ChainConnectedCurves(curves, picked, result.Fill()) ? PickEnd::kSelected : PickEnd::kRefused;
}

PickEnd PickPocketCurves(const AcDbObjectIdArray& curves, SelectionSet& result, int& method) {
  switch (method) {
    case kSelectSingle:
      return PickPocketSingle(result, method);
    case kSelectWindow:
    case kSelectPolygon: {
      const PickEnd end = PickArea(result, method);
      if (end == PickEnd::kSelected) RemovePointEntities(result);
      return end;
    }
    default:
      return PickPocketChain(curves, result, method);
  }
}

// Each pick toggles at once; the set stays empty.
PickEnd PickProfileSingles(AcDbObjectIdArray& curves, int& method) {
  for (;;) {
    ads_name picked = {0, 0};
    const int status = PickEntity(kSinglePrompt, true, picked);
    if (status != RTNORM) return EndOfAnswer(status, method);
    ToggleCurve(IdOfName(picked), curves);
  }
}

void SetOf(const ads_name member, SelectionSet& result) { acedSSAdd(member, nullptr, result.Fill()); }

// From the first pick through the second, which gives the direction.
PickEnd PickProfileChain(const AcDbObjectIdArray& curves, SelectionSet& result, int& method) {
  ads_name first = {0, 0};
  int status = PickEntity(kProfileChainPrompt, true, first);
  if (status != RTNORM) return EndOfAnswer(status, method);
  if (!IsFlatCurveOfName(first)) {
    acutPrintf("%s", kNotFlatText);
    return PickEnd::kRefused;
  }
  HighlightEntityOfName(first);
  if (IsClosedCurveOfName(first)) {
    SetOf(first, result);
    return PickEnd::kSelected;
  }
  ads_name second = {0, 0};
  status = PickEntity(kSecondPickPrompt, false, second);
  UnhighlightEntityOfName(first);
  if (status == RTCAN) return PickEnd::kCancelled;
  if (status != RTNORM || !IsFlatCurveOfName(second)) {
    SetOf(first, result);
    return PickEnd::kSelected;
  }
  return ChainCurvesFromEntity(curves, first, second, result.Fill()) ? PickEnd::kSelected : PickEnd::kRefused;
}

PickEnd PickProfileArea(SelectionSet& result, int& method) {
  SelectionSet area;
  const PickEnd end = PickArea(area, method);
  if (end != PickEnd::kSelected) return end;
  if (area.Length() == 0) return PickEnd::kEnded;
  return ChainSelectedCurves(area.Name(), result.Fill()) ? PickEnd::kSelected : PickEnd::kRefused;
}

PickEnd PickProfileCurves(AcDbObjectIdArray& curves, SelectionSet& result, int& method) {
  switch (method) {
    case kSelectSingle:
      return PickProfileSingles(curves, method);
    case kSelectWindow:
    case kSelectPolygon:
      return PickProfileArea(result, method);
    default:
      return PickProfileChain(curves, result, method);
  }
}

// A method the dialogs cannot show falls back to their default.
void KeepMethodKnown(int& method) {
  if (method < kSelectSingle || method > kSelectPolygon) method = kSelectChain;
}

// The lightweight polylines stored ahead of the toolpath's first marker point.
bool StoredSourcePolylines(const char* toolpathName, AcDbObjectIdArray& polylines) {
  AcDbObjectIdArray ids;
  if (toolpathName == nullptr || !GetToolpathEntityIds(toolpathName, ids)) return false;
  for (int i = 0; i < ids.length(); ++i) {
    const int kind = GetEntityKind(ids[i]);
    if (kind == kEntityPoint) break;
    if (kind == kEntityPolyline) polylines.append(ids[i]);
  }
  return !polylines.isEmpty();
}

// All or nothing: a copy that fails takes the others back out.
bool CloneAtOwnElevations(const AcDbObjectIdArray& sources, AcDbObjectIdArray& copies) {
  for (int i = 0; i < sources.length(); ++i) {
    double elevation = 0.0;
    AcDbObjectId copy;
    if (!GetPolylineElevation(sources[i], elevation) || !ClonePolylineAtElevation(sources[i], copy, elevation)) {
      EraseEntityArray(copies);
      return false;
    }
    copies.append(copy);
  }
  return true;
}

bool ReloadStoredSource(const char* toolpathName, AcDbObjectIdArray& copies) {
  AcDbObjectIdArray sources;
  return StoredSourcePolylines(toolpathName, sources) && CloneAtOwnElevations(sources, copies);
}

}  // namespace

bool SelectPocketEntities(AcDbObjectIdArray& curves, int& method) {
  KeepMethodKnown(method);
  acutPrintf("\n Pocket 엔티티를 선택하시요!!.");
  for (;;) {
    SelectionSet set;
    const PickEnd end = PickPocketCurves(curves, set, method);
    if (end != PickEnd::kSelected) return end == PickEnd::kEnded;
    if (!ToggleSelectedCurves(set.Name(), curves)) return true;
  }
}

bool SelectCurvesByMethod(AcDbObjectIdArray& curves, ads_name selection, int& method) {
  selection[0] = selection[1] = 0;
  KeepMethodKnown(method);
  SelectionSet result;
  if (PickProfileCurves(curves, result, method) != PickEnd::kSelected) return false;
  result.HandTo(selection);
  return true;
}

bool ToggleSelectedCurves(const ads_name selection, AcDbObjectIdArray& curves) {
  long length = 0;
  if (acedSSLength(selection, &length) != RTNORM || length == 0) return false;
  for (long i = 0; i < length; ++i) {
    ads_name name = {0, 0};
    if (acedSSName(selection, i, name) == RTNORM) ToggleCurve(IdOfName(name), curves);
  }
  return true;
}

namespace {

CString AtPoint(const CString& format, const AcGePoint3d& point) {
  CString text;
  text.Format(format, point.x, point.y);
  return text;
}

// Why the picked curves gave no boundary, found by chaining them again with
// open chains kept: a loose end, or a chain that crosses itself (it has no
// area); empty when neither.
CString WhyNoBoundary(const AcDbObjectIdArray& curves) {
  AcDbObjectIdArray chains;
  ChainBoundaryCurves(curves, chains);
  CString text;
  for (const AcDbObjectId& chain : chains) {
    AcGePoint3d start, end;
    if (!text.IsEmpty()) break;
    if (!IsCurveClosed(chain)) {
      if (GetCurveEndPoints(chain, start, end) != 0) text = AtPoint(MsgBoundaryOpen, end);
    } else if (FindPolylineSelfCrossing(chain, start)) {
      text = AtPoint(MsgBoundarySelfCrossing, start);
    }
  }
  EraseEntityArray(chains);
  return text;
}

// What makes the chained outlines no pocket: a boundary across itself, an island across the boundary.
CString CrossingOf(AcDbObjectId boundary, const AcDbObjectIdArray& islands) {
  AcGePoint3d at;
  if (FindPolylineSelfCrossing(boundary, at)) return AtPoint(MsgBoundarySelfCrossing, at);
  for (const AcDbObjectId& island : islands) {
    AcGePoint3dArray crossings;
    if (PolylinesIntersect(boundary, island, crossings) > 0) return AtPoint(MsgIslandCrossesBoundary, crossings[0]);
  }
  return CString();
}

}  // namespace

bool ChainPocketBoundary(const AcDbObjectIdArray& curves, AcDbObjectId& boundary, AcDbObjectIdArray& islands,
                         CString* why) {
  AcDbObjectId outer;
  AcDbObjectIdArray inner;
  CString problem;
  if (!ChainCurvesToPolylineAsk(curves, outer, inner, ConfigurationSettings().JoinToler)) {
    problem = WhyNoBoundary(curves);
  } else if (!(problem = CrossingOf(outer, inner)).IsEmpty()) {
    EraseObject(outer);
    EraseEntityArray(inner);
  } else {
    boundary = outer;
    islands = inner;
    return true;
  }
  if (why != nullptr) *why = problem;
  return false;
}

bool ReloadPocketBoundary(const char* toolpathName, AcDbObjectId& boundary, AcDbObjectIdArray& islands) {
  boundary.setNull();
  islands.setLogicalLength(0);
  AcDbObjectIdArray copies;
  if (!ReloadStoredSource(toolpathName, copies)) return false;
  boundary = copies.first();
  copies.removeAt(0);
  islands = copies;
  return true;
}

bool ReloadProfileCurves(const char* toolpathName, AcDbObjectIdArray& curves) {
  curves.setLogicalLength(0);
  return ReloadStoredSource(toolpathName, curves);
}
