#include "platform/cad/editor/selection/aced_selection.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/entities/db_block_reference.h"
#include "platform/cad/db/tables/db_block_table.h"
#include "platform/cad/editor/aced_sysvars.h"
#include "platform/cad/editor/aced_ucs.h"
#include "platform/cad/editor/graphics/drawing_view.h"
#include "platform/cad/editor/graphics/entity_shape.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/input/answer_text.h"
#include "platform/cad/editor/input/prompt_line.h"
#include "platform/cad/editor/selection/selection_filter.h"
#include "platform/cad/editor/selection/selection_language.h"
#include "platform/cad/editor/selection/selection_sets.h"

using cadeditor::DrawingView;
using cadeditor::SelectionEntry;
using cadeditor::SelectionFilter;
using cadeditor::SelectionLine;
using cadeditor::SelectionMethod;
using cadeditor::SelectionSet;

namespace {

constexpr int kMaxBlockDepth = 16;
constexpr const char* kSelectPrompt = "Select objects: ";
constexpr const char* kRemovePrompt = "Remove objects: ";
constexpr const char* kPickPrompt = "\nSelect object: ";

AcGePoint2d Flat(const AcGePoint3d& p) { return {p.x, p.y}; }
AcGePoint3d ToPoint(const ads_point p) { return {p[0], p[1], p[2]}; }

void CopyPoint(const AcGePoint3d& from, ads_point to) {
  to[0] = from.x;
  to[1] = from.y;
  to[2] = from.z;
}

void NameEntity(AcDbObjectId id, ads_name out) {
  ads_name name;
  acdbGetAdsName(name, id);
  out[0] = name[0];
  out[1] = name[1];
}

bool EntityIdOf(const ads_name name, AcDbObjectId& id) {
  if (name == nullptr || cadeditor::LooksLikeSelectionSetName(name)) return false;
  return acdbGetObjectId(id, name) == Acad::eOk && id.isValid();
}

// The innermost part of an entity near a point: the chain of ids from the
// top-level entity in, and the matrix from the innermost block to the world.
struct NestedHit {
  double distance = std::numeric_limits<double>::infinity();
  std::vector<AcDbObjectId> path;
  AcGeMatrix3d blockToWorld;
};

NestedHit NearestPart(const AcDbEntity& entity, AcDbObjectId id, const AcGeMatrix3d& blockToWorld,
                      const AcGeMatrix3d& worldToUcs, const AcGePoint2d& point, int depth) {
  NestedHit best;
  const AcDbBlockReference* reference = AcDbBlockReference::cast(&entity);
  if (reference != nullptr && depth < kMaxBlockDepth) {
    const AcGeMatrix3d inner = blockToWorld * reference->blockTransform();
    AcDbObjectPointer<AcDbBlockTableRecord> record(reference->blockTableRecord(), AcDb::kForRead);
    const std::vector<AcDbObjectId> parts =
        record.openStatus() == Acad::eOk ? record->entityIds() : std::vector<AcDbObjectId>();
    record.close();
    for (const AcDbObjectId& part_id : parts) {
      if (part_id.isErased()) continue;
      AcDbObjectPointer<AcDbEntity> part(part_id, AcDb::kForRead);
      if (part.openStatus() != Acad::eOk || part->visibility() != AcDb::kVisible) continue;
      NestedHit hit = NearestPart(*part, part_id, inner, worldToUcs, point, depth + 1);
      if (hit.distance < best.distance) best = std::move(hit);
    }
    if (!best.path.empty()) {
      best.path.insert(best.path.begin(), id);
      return best;
    }
  }
  best.distance = cadeditor::EntityShape(entity, worldToUcs * blockToWorld).distanceTo(point);
  best.path = {id};
  best.blockToWorld = blockToWorld;
  return best;
}

// The shown entity nearest a UCS point within the pick box, with its innermost
// part; of entities equally near, the newest.
template <class Eligible>
bool NearestHit(DrawingView& view, const AcGePoint2d& point, Eligible eligible, NestedHit& result) {
  const double reach = cadeditor::PickBoxReach();
  // Distances that differ by rounding only count as a tie.
  const double tie = 1e-9 * std::max(1.0, reach);
  bool found = false;
  const std::vector<AcDbObjectId> ids = view.currentSpaceEntities();
  for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
    AcDbObjectPointer<AcDbEntity> entity(*it, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk || !eligible(*entity)) continue;
    NestedHit hit = NearestPart(*entity, *it, AcGeMatrix3d::kIdentity, view.toUcs(), point, 0);
    if (hit.distance > reach || (found && hit.distance >= result.distance - tie)) continue;
    result = std::move(hit);
    found = true;
  }
  return found;
}

// A point on the entity, in the world, for an entity named by its handle.
AcGePoint3d PointOn(const AcDbEntity& entity) {
  AcGePoint3d point;
  if (const AcDbCurve* curve = AcDbCurve::cast(&entity); curve != nullptr && curve->getStartPoint(point) == Acad::eOk) {
    return point;
  }
  AcDbExtents extents;
  if (entity.getGeomExtents(extents) == Acad::eOk && extents.isValid()) return extents.minPoint();
  return point;
}

// Walks the current space with the entities a selection may take.
class Selector {
 public:
  explicit Selector(const SelectionFilter& filter) : filter_(filter) {}

  DrawingView& view() { return view_; }

  bool eligible(const AcDbEntity& entity, bool shown_only = true) {
    return (!shown_only || view_.isShown(entity)) && filter_.accepts(entity);
  }

  template <class Test>
  std::vector<SelectionEntry> collect(SelectionMethod method, Test test) {
    std::vector<SelectionEntry> found;
    for (const AcDbObjectId& id : view_.currentSpaceEntities()) {
      AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
      if (entity.openStatus() != Acad::eOk || !eligible(*entity)) continue;
      if (test(cadeditor::EntityShape(*entity, view_.toUcs()))) found.push_back({id, method, {}});
    }
    return found;
  }

  std::vector<SelectionEntry> window(const AcGePoint3d& a, const AcGePoint3d& b, bool crossing) {
    cadeditor::Box2d box;
    box.add(Flat(a));
    box.add(Flat(b));
    if (crossing) return collect(SelectionMethod::kCrossing, [&](const auto& s) { return s.touches(box); });
    return collect(SelectionMethod::kWindow, [&](const auto& s) { return s.liesInside(box); });
  }

  std::vector<SelectionEntry> polygon(const std::vector<AcGePoint3d>& points, bool crossing) {
    cadeditor::Polygon2d polygon;
    for (const AcGePoint3d& p : points) polygon.push_back(Flat(p));
    if (crossing) return collect(SelectionMethod::kCrossing, [&](const auto& s) { return s.touches(polygon); });
    return collect(SelectionMethod::kWindow, [&](const auto& s) { return s.liesInside(polygon); });
  }

  std::vector<SelectionEntry> all() {
    return collect(SelectionMethod::kNonSpecific, [](const auto& s) { return !s.isEmpty(); });
  }

  // The nearest entity within reach, or every one with everything set.
  std::vector<SelectionEntry> pick(const AcGePoint3d& ucs_point, bool everything) {
    std::vector<SelectionEntry> found;
    const AcGePoint3d world_point = cadeditor::UcsToWorld() * ucs_point;
    if (!everything) {
      NestedHit hit;
      if (NearestHit(
              view_, Flat(ucs_point), [this](const AcDbEntity& e) { return eligible(e); }, hit)) {
        found.push_back({hit.path.front(), SelectionMethod::kPick, world_point});
      }
      return found;
    }
    const std::vector<AcDbObjectId> ids = view_.currentSpaceEntities();
    for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
      AcDbObjectPointer<AcDbEntity> entity(*it, AcDb::kForRead);
      if (entity.openStatus() != Acad::eOk || !eligible(*entity)) continue;
      const NestedHit hit = NearestPart(*entity, *it, AcGeMatrix3d::kIdentity, view_.toUcs(), Flat(ucs_point), 0);
      if (hit.distance <= cadeditor::PickBoxReach()) found.push_back({*it, SelectionMethod::kPick, world_point});
    }
    return found;
  }

  std::vector<SelectionEntry> byHandle(const std::string& handle) {
    const AcDbObjectId id = view_.entityByHandle(handle);
    AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk || !eligible(*entity, false)) return {};
    return {{id, SelectionMethod::kPick, PointOn(*entity)}};
  }

  std::vector<SelectionEntry> last() {
    const AcDbObjectId id = view_.lastEntity();
    AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk || !eligible(*entity)) return {};
    return {{id, SelectionMethod::kNonSpecific, {}}};
  }

  std::vector<SelectionEntry> previous() {
    std::vector<SelectionEntry> found;
    for (const AcDbObjectId& id : cadeditor::PreviousSelection()) {
      if (id.isErased() || !id.isValid() || id.database() != view_.database()) continue;
      AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
      if (entity.openStatus() == Acad::eOk && eligible(*entity, false))
        found.push_back({id, SelectionMethod::kNonSpecific, {}});
    }
    return found;
  }

  std::vector<SelectionEntry> everywhere() {
    std::vector<SelectionEntry> found;
    for (const AcDbObjectId& id : view_.layoutEntities()) {
      AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
      if (entity.openStatus() == Acad::eOk && eligible(*entity, false))
        found.push_back({id, SelectionMethod::kNonSpecific, {}});
    }
    return found;
  }

 private:
  const SelectionFilter& filter_;
  DrawingView view_;
};

int StoreFound(const std::vector<SelectionEntry>& found, ads_name ss) {
  if (found.empty()) return RTERROR;
  SelectionSet set;
  for (const SelectionEntry& entry : found) set.add(entry);
  cadeditor::SetPreviousSelection(set.ids());
  cadeditor::StoreSelectionSet(std::move(set), ss);
  return RTNORM;
}

// Asks for the corners or polygon points a window line left out; false when cancelled.
bool AskMissingPoints(SelectionLine& line) {
  const bool pair = line.kind == SelectionLine::kWindow || line.kind == SelectionLine::kCrossing;
  const bool polygon = line.kind == SelectionLine::kWindowPolygon || line.kind == SelectionLine::kCrossingPolygon;
  if (!line.points.empty() || (!pair && !polygon)) return true;
  ads_point point;
  if (pair) {
    for (const char* prompt : {"First corner: ", "Opposite corner: "}) {
      acedInitGet(RSG_NONULL, nullptr);
      if (acedGetPoint(nullptr, prompt, point) != RTNORM) return false;
      line.points.push_back(ToPoint(point));
    }
    return true;
  }
  for (;;) {
    const int status =
        acedGetPoint(nullptr, line.points.empty() ? "First polygon point: " : "Next polygon point: ", point);
    if (status == RTNONE && line.points.size() >= 3) return true;
    if (status == RTNONE) continue;
    if (status != RTNORM) return false;
    line.points.push_back(ToPoint(point));
  }
}

std::string Feedback(std::size_t found, std::size_t changed, long total, bool removing, bool was_empty) {
  std::string text = std::to_string(found) + " found";
  if (found == 0) return text;
  if (removing) return text + ", " + std::to_string(changed) + " removed, " + std::to_string(total) + " total";
  const std::size_t duplicates = found - changed;
  if (duplicates > 0) text += " (" + std::to_string(duplicates) + " duplicate)";
  if (duplicates > 0 || !was_empty) text += ", " + std::to_string(total) + " total";
  return text;
}

// The interactive selection: lines until an empty one (or one line with single).
int SelectInteractively(const SelectionFilter& filter, bool single, bool everything, ads_name ss) {
  const cadeditor::InputRules rules = cadeditor::TakeInputRules();
  Selector selector(filter);
  SelectionSet set;
  bool removing = false;
  for (;;) {
    const std::optional<std::string> answer = cadeditor::AskLine(removing ? kRemovePrompt : kSelectPrompt);
    if (!answer) return RTCAN;
    const std::string_view text = cadeditor::TrimmedText(*answer);
    if (text.empty()) break;
    std::optional<SelectionLine> line =
        cadeditor::ParseSelectionLine(text, cadeditor::LastPoint(), cadeditor::CurrentElevation());
    if (!line) {
      if (std::optional<std::string> keyword = rules.keywords.Match(text)) {
        cadeditor::RememberKeyword(*keyword);
        return RTKWORD;
      }
      if (!cadeditor::RefuseLine("*Invalid selection*")) return RTERROR;
      continue;
    }
    if (line->kind == SelectionLine::kRemoveMode || line->kind == SelectionLine::kAddMode) {
      removing = line->kind == SelectionLine::kRemoveMode;
      continue;
    }
    if (!AskMissingPoints(*line)) return RTCAN;
    std::vector<SelectionEntry> found;
    switch (line->kind) {
      case SelectionLine::kPick:
        found = selector.pick(line->points.front(), everything);
        break;
      case SelectionLine::kHandle:
        found = selector.byHandle(line->handle);
        break;
      case SelectionLine::kWindow:
        found = selector.window(line->points[0], line->points[1], false);
        break;
      case SelectionLine::kCrossing:
        found = selector.window(line->points[0], line->points[1], true);
        break;
      case SelectionLine::kWindowPolygon:
        found = selector.polygon(line->points, false);
        break;
      case SelectionLine::kCrossingPolygon:
        found = selector.polygon(line->points, true);
        break;
      case SelectionLine::kAll:
        found = selector.all();
        break;
      case SelectionLine::kLast:
        found = selector.last();
        break;
      case SelectionLine::kPrevious:
        found = selector.previous();
        break;
      default:
        break;
    }
    const bool was_empty = set.length() == 0;
    std::size_t changed = 0;
    for (const SelectionEntry& entry : found) changed += removing ? set.remove(entry.id) : set.add(entry);
    cadeditor::PrintText(Feedback(found.size(), changed, set.length(), removing, was_empty) + "\n");
    if (single) break;
  }
  if (set.length() == 0) return RTERROR;
  cadeditor::SetPreviousSelection(set.ids());
  cadeditor::StoreSelectionSet(std::move(set), ss);
  return RTNORM;
}

std::string ModeWord(const char* str) {
  std::string mode = str != nullptr ? std::string(cadeditor::TrimmedText(str)) : std::string();
  while (!mode.empty() && (mode.front() == '_' || mode.front() == '.')) mode.erase(0, 1);
  for (char& c : mode) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return mode;
}

std::vector<AcGePoint3d> PointChain(const void* chain) {
  std::vector<AcGePoint3d> points;
  for (const resbuf* rb = static_cast<const resbuf*>(chain); rb != nullptr; rb = rb->rbnext) {
    if (rb->restype != RTPOINT && rb->restype != RT3DPOINT) return {};
    points.emplace_back(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]);
  }
  return points;
}

// ":S", ":E", ":S:E" ...; false for a letter we do not know.
bool ParseColonModes(const std::string& mode, bool& single, bool& everything) {
  for (std::size_t i = 0; i < mode.size(); ++i) {
    if (mode[i] == ':') continue;
    if (mode[i] == 'S') {
      single = true;
    } else if (mode[i] == 'E') {
      everything = true;
    } else {
      return false;
    }
  }
  return true;
}

resbuf* Append(resbuf*& tail, int type) {
  resbuf* rb = acutNewRb(type);
  if (rb == nullptr) return nullptr;
  tail->rbnext = rb;
  tail = rb;
  return rb;
}

// The face or edge marker under a pick, looking down the current UCS's Z axis.
std::int32_t MarkerAtPick(const SelectionEntry& entry) {
  AcDbEntity* entity = nullptr;
  if (acdbOpenAcDbEntity(entity, entry.id, AcDb::kForRead) != Acad::eOk) return 0;
  const AcGeVector3d down = -(cadeditor::UcsToWorld() * AcGeVector3d::kZAxis);
  const Adesk::GsMarker marker = entity->gsMarkerAtPick(entry.pickPoint, down, cadeditor::PickBoxReach());
  entity->close();
  return static_cast<std::int32_t>(marker);
}

// (method ename [marker (0 (x y z))] [0]) for one member, after tail.
bool AppendEntryList(resbuf*& tail, const SelectionEntry& entry) {
  resbuf* rb = nullptr;
  if (Append(tail, RTLB) == nullptr || (rb = Append(tail, RTSHORT)) == nullptr) return false;
  rb->resval.rint = static_cast<short>(entry.method);
  if ((rb = Append(tail, RTENAME)) == nullptr) return false;
  acdbGetAdsName(rb->resval.rlname, entry.id);
  if (entry.method != SelectionMethod::kNonSpecific) {
    if ((rb = Append(tail, RTLONG)) == nullptr) return false;
    rb->resval.rlong = entry.method == SelectionMethod::kPick ? MarkerAtPick(entry) : 0;
  }
  if (entry.method == SelectionMethod::kPick) {
    if (Append(tail, RTLB) == nullptr || (rb = Append(tail, RTSHORT)) == nullptr) return false;
    rb->resval.rint = 0;
    if ((rb = Append(tail, RT3DPOINT)) == nullptr) return false;
    CopyPoint(entry.pickPoint, rb->resval.rpoint);
    if (Append(tail, RTLE) == nullptr) return false;
  }
  return Append(tail, RTLE) != nullptr;
}

// One pick answered on the prompt line: the nested hit, RTKWORD, RTERROR or RTCAN.
int PickOnPromptLine(const char* str, NestedHit& hit, AcGePoint3d& ucs_point) {
  const cadeditor::InputRules rules = cadeditor::TakeInputRules();
  const SelectionFilter everything;
  for (;;) {
    const std::optional<std::string> answer = cadeditor::AskLine(str != nullptr ? str : kPickPrompt);
    if (!answer) return RTCAN;
    const std::string_view text = cadeditor::TrimmedText(*answer);
    if (text.empty() && rules.Has(RSG_NONULL)) continue;
    if (text.empty()) {
      cadeditor::SetErrno(cadeditor::kErrnoEmptyAnswer);
      return RTERROR;
    }
    const std::optional<SelectionLine> line =
        cadeditor::ParseSelectionLine(text, cadeditor::LastPoint(), cadeditor::CurrentElevation());
    if (line && line->kind == SelectionLine::kHandle) {
      Selector selector(everything);
      const std::vector<SelectionEntry> found = selector.byHandle(line->handle);
      if (found.empty()) {
        cadeditor::SetErrno(cadeditor::kErrnoNoEntity);
        return RTERROR;
      }
      hit.path = {found.front().id};
      ucs_point = cadeditor::WorldToUcs() * found.front().pickPoint;
      return RTNORM;
    }
    if (line && line->kind == SelectionLine::kPick) {
      ucs_point = line->points.front();
      return RTNORM;  // the caller finds what lies there
    }
    if (std::optional<std::string> keyword = rules.keywords.Match(text)) {
      cadeditor::RememberKeyword(*keyword);
      return RTKWORD;
    }
    if (rules.Has(RSG_OTHER)) {
      cadeditor::RememberKeyword(std::string(text));
      return RTKWORD;
    }
    if (!cadeditor::RefuseLine(rules.keywords.empty() ? "Invalid point." : "Point or option keyword required.")) {
      return RTERROR;
    }
  }
}

// The nearest shown entity at a UCS point, with its innermost part.
bool NestedHitAt(const AcGePoint3d& ucs_point, NestedHit& result) {
  DrawingView view;
  return NearestHit(
      view, Flat(ucs_point), [&view](const AcDbEntity& e) { return view.isShown(e); }, result);
}

}  // namespace

int acedSSGet(const char* str, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss) {
  if (ss == nullptr) return RTERROR;
  ss[0] = ss[1] = 0;
  const SelectionFilter selection_filter(filter);
  if (!selection_filter.isValid() || acdbHostApplicationServices()->workingDatabase() == nullptr) return RTERROR;
  const std::string mode = ModeWord(str);
  Selector selector(selection_filter);
  if (mode.empty() && pt1 != nullptr) {
    return StoreFound(selector.pick(ToPoint(static_cast<const ads_real*>(pt1)), false), ss);
  }
  if (mode.empty() || mode.front() == ':') {
    bool single = false, everything = false;
    if (!ParseColonModes(mode, single, everything)) return RTERROR;
    return SelectInteractively(selection_filter, single, everything, ss);
  }
  if (mode == "W" || mode == "C") {
    if (pt1 == nullptr || pt2 == nullptr) return RTERROR;
    return StoreFound(selector.window(ToPoint(static_cast<const ads_real*>(pt1)),
                                      ToPoint(static_cast<const ads_real*>(pt2)), mode == "C"),
                      ss);
  }
  if (mode == "WP" || mode == "CP") {
    const std::vector<AcGePoint3d> points = PointChain(pt1);
    if (points.size() < 3) return RTERROR;
    return StoreFound(selector.polygon(points, mode == "CP"), ss);
  }
  if (mode == "X") return StoreFound(selector.everywhere(), ss);
  if (mode == "A" || mode == "ALL") return StoreFound(selector.all(), ss);
  if (mode == "L") return StoreFound(selector.last(), ss);
  if (mode == "P") return StoreFound(selector.previous(), ss);
  return RTERROR;  // "I" (no implied selection here) and unknown modes
}

int acedSSFree(const ads_name sname) { return cadeditor::FreeSelectionSet(sname) ? RTNORM : RTERROR; }

int acedSSLength(const ads_name sname, long* len) {
  const SelectionSet* set = cadeditor::FindSelectionSet(sname);
  if (set == nullptr || len == nullptr) return RTERROR;
  *len = set->length();
  return RTNORM;
}

int acedSSName(const ads_name ss, long i, ads_name entres) {
  SelectionSet* set = cadeditor::FindSelectionSet(ss);
  const SelectionEntry* entry = set != nullptr ? set->at(i) : nullptr;
  if (entry == nullptr || entres == nullptr) return RTERROR;
  NameEntity(entry->id, entres);
  return RTNORM;
}

int acedSSAdd(const ads_name ename, const ads_name sname, ads_name result) {
  if (result == nullptr) return RTERROR;
  AcDbObjectId id;
  if (ename != nullptr && !EntityIdOf(ename, id)) return RTERROR;
  if (sname == nullptr) {
    SelectionSet set;
    if (!id.isNull()) set.add({id, SelectionMethod::kNonSpecific, {}});
    cadeditor::StoreSelectionSet(std::move(set), result);
    return RTNORM;
  }
  SelectionSet* set = cadeditor::FindSelectionSet(sname);
  if (set == nullptr) return RTERROR;
  if (!id.isNull()) set->add({id, SelectionMethod::kNonSpecific, {}});
  result[0] = sname[0];
  result[1] = sname[1];
  return RTNORM;
}

int acedSSDel(const ads_name ename, const ads_name ss) {
  SelectionSet* set = cadeditor::FindSelectionSet(ss);
  AcDbObjectId id;
  if (set == nullptr || ename == nullptr || cadeditor::LooksLikeSelectionSetName(ename)) return RTERROR;
  id.setFromOldId(static_cast<Adesk::IntPtr>(ename[0]));
  return set->remove(id) ? RTNORM : RTERROR;
}

int acedSSMemb(const ads_name ename, const ads_name ss) {
  const SelectionSet* set = cadeditor::FindSelectionSet(ss);
  AcDbObjectId id;
  if (set == nullptr || ename == nullptr || cadeditor::LooksLikeSelectionSetName(ename)) return RTERROR;
  id.setFromOldId(static_cast<Adesk::IntPtr>(ename[0]));
  return set->contains(id) ? RTNORM : RTERROR;
}

int acedSSNameX(resbuf** rbpp, const ads_name ss, long i) {
  if (rbpp == nullptr) return RTERROR;
  *rbpp = nullptr;
  SelectionSet* set = cadeditor::FindSelectionSet(ss);
  if (set == nullptr || i < -1 || i >= set->length()) return RTERROR;
  resbuf head{};
  resbuf* tail = &head;
  const long first = i == -1 ? 0 : i;
  const long last = i == -1 ? set->length() - 1 : i;
  for (long k = first; k <= last; ++k) {
    if (!AppendEntryList(tail, *set->at(k))) {
      acutRelRb(head.rbnext);
      return RTERROR;
    }
  }
  *rbpp = head.rbnext;
  return RTNORM;
}

int acedEntSel(const char* str, ads_name entres, ads_point ptres) {
  if (entres == nullptr || ptres == nullptr) return RTERROR;
  cadeditor::SetErrno(0);
  NestedHit hit;
  AcGePoint3d ucs_point;
  const int status = PickOnPromptLine(str, hit, ucs_point);
  if (status != RTNORM) return status;
  if (hit.path.empty()) {
    const SelectionFilter everything;
    Selector selector(everything);
    const std::vector<SelectionEntry> found = selector.pick(ucs_point, false);
    if (found.empty()) {
      cadeditor::SetErrno(cadeditor::kErrnoNoEntity);
      return RTERROR;
    }
    hit.path = {found.front().id};
  }
  NameEntity(hit.path.front(), entres);
  CopyPoint(ucs_point, ptres);
  return RTNORM;
}

int acedNEntSelP(const char* str, ads_name entres, ads_point ptres, int pickflag, ads_matrix xformres,
                 resbuf** refstkres) {
  if (entres == nullptr || ptres == nullptr) return RTERROR;
  if (refstkres != nullptr) *refstkres = nullptr;
  cadeditor::SetErrno(0);
  NestedHit hit;
  AcGePoint3d ucs_point;
  if (pickflag != 0) {
    ucs_point = ToPoint(ptres);
  } else {
    const int status = PickOnPromptLine(str, hit, ucs_point);
    if (status != RTNORM) return status;
  }
  if (hit.path.empty() && !NestedHitAt(ucs_point, hit)) {
    cadeditor::SetErrno(cadeditor::kErrnoNoEntity);
    return RTERROR;
  }
  NameEntity(hit.path.back(), entres);
  CopyPoint(ucs_point, ptres);
  if (xformres != nullptr) {
    for (unsigned int row = 0; row < 4; ++row) {
      for (unsigned int column = 0; column < 4; ++column) xformres[row][column] = hit.blockToWorld(row, column);
    }
  }
  if (refstkres != nullptr && hit.path.size() > 1) {
    resbuf head{};
    resbuf* tail = &head;
    for (std::size_t k = hit.path.size() - 1; k-- > 0;) {
      resbuf* rb = Append(tail, RTENAME);
      if (rb == nullptr) {
        acutRelRb(head.rbnext);
        return RTERROR;
      }
      acdbGetAdsName(rb->resval.rlname, hit.path[k]);
    }
    *refstkres = head.rbnext;
  }
  return RTNORM;
}
