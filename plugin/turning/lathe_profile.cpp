#include "plugin/turning/lathe_profile.h"

#include <vector>

#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "plugin/milling/pocket/pocket_selection.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/selection/first_chain_polyline.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

struct Pick {
  AcDbObjectId id;
  AcGePoint3d start;
  AcGePoint3d end;
  bool used = false;
};

bool Touch(const AcGePoint3d& a, const AcGePoint3d& b) { return PointsTouch(a, b); }

// The first unused pick other than skip with an end at the point.
int PickAt(const std::vector<Pick>& picks, const AcGePoint3d& point, int skip, const std::vector<bool>& seen) {
  for (int i = 0; i < static_cast<int>(picks.size()); ++i) {
    const Pick& p = picks[static_cast<std::size_t>(i)];
    if (i == skip || p.used || seen[static_cast<std::size_t>(i)]) continue;
    if (Touch(p.start, point) || Touch(p.end, point)) return i;
  }
  return -1;
}

const AcGePoint3d& OtherEnd(const Pick& p, const AcGePoint3d& point) { return Touch(p.start, point) ? p.end : p.start; }

bool Meets(const Pick& pick, const AcGePoint3d& point) { return Touch(pick.start, point) || Touch(pick.end, point); }

// Whether the seed's chain runs on over its start: toward the pick after it
// when that one touches it, else away from a free end.
bool RunsTowardStart(const std::vector<Pick>& picks, int seed) {
  const Pick& first = picks[static_cast<std::size_t>(seed)];
  const std::size_t after = static_cast<std::size_t>(seed) + 1;
  if (after < picks.size() && !picks[after].used) {
    if (Meets(picks[after], first.start)) return true;
    if (Meets(picks[after], first.end)) return false;
  }
  const std::vector<bool> none(picks.size(), false);
  return PickAt(picks, first.end, seed, none) < 0 && PickAt(picks, first.start, seed, none) >= 0;
}

// From the seed back to the end of its chain, over the seed's end away from
// the way the chain runs on.
int ChainEnd(const std::vector<Pick>& picks, int seed, AcGePoint3d& freeEnd) {
  const Pick& first = picks[static_cast<std::size_t>(seed)];
  const bool towardStart = RunsTowardStart(picks, seed);
  AcGePoint3d back = towardStart ? first.end : first.start;
  const AcGePoint3d ahead = towardStart ? first.start : first.end;
  std::vector<bool> seen(picks.size(), false);
  seen[static_cast<std::size_t>(seed)] = true;
  int current = seed;
  for (;;) {
    const int next = PickAt(picks, back, current, seen);
    if (next < 0) {
      freeEnd = back;
      return current;
    }
    // A closed chain comes back to the seed: it starts there.
    const Pick& found = picks[static_cast<std::size_t>(next)];
    if (Touch(found.start, ahead) || Touch(found.end, ahead)) {
      freeEnd = towardStart ? first.end : first.start;
      return seed;
    }
    seen[static_cast<std::size_t>(next)] = true;
    back = OtherEnd(found, back);
    current = next;
  }
}

void TakeChain(std::vector<Pick>& picks, int seed, AcDbObjectIdArray& ordered) {
  AcGePoint3d freeEnd;
  int current = ChainEnd(picks, seed, freeEnd);
  Pick& first = picks[static_cast<std::size_t>(current)];
  AcGePoint3d tail = Touch(first.start, freeEnd) ? first.end : first.start;
  first.used = true;
  ordered.append(first.id);
  const std::vector<bool> none(picks.size(), false);
  while ((current = PickAt(picks, tail, current, none)) >= 0) {
    Pick& p = picks[static_cast<std::size_t>(current)];
    p.used = true;
    ordered.append(p.id);
    tail = OtherEnd(p, tail);
  }
}

}  // namespace

void OrderLatheProfile(AcDbObjectIdArray& picks) {
  std::vector<Pick> read;
  AcDbObjectIdArray unreadable;
  for (const AcDbObjectId& id : picks) {
    Pick p;
    p.id = id;
    if (GetCurveEndPoints(id, p.start, p.end) == kEntityOther) {
      unreadable.append(id);
      continue;
    }
    read.push_back(p);
  }
  AcDbObjectIdArray ordered;
  for (int i = 0; i < static_cast<int>(read.size()); ++i) {
    if (!read[static_cast<std::size_t>(i)].used) TakeChain(read, i, ordered);
  }
  ordered.append(unreadable);
  picks = ordered;
}

void SelectLatheProfile(AcDbObjectIdArray& picks, int& method) {
  acutPrintf("\n Profile 엔티티를 선택하시요!!.");
  for (;;) {
    ads_name set = {0, 0};
    if (!SelectCurvesByMethod(picks, set, method)) break;
    ToggleSelectedCurves(set, picks);
    acedSSFree(set);
  }
  OrderLatheProfile(picks);
}

bool ChainLatheProfile(const AcDbObjectIdArray& picks, AcDbObjectIdArray& chained) {
  chained.setLogicalLength(0);
  for (const AcDbObjectId& id : picks) {
    if (id.isNull() || !id.isValid() || id.isErased()) return false;
  }
  if (!CollectCurveVectors(picks, chained, ConfigurationSettings().JoinToler)) {
    EraseEntityArray(chained);
    return false;
  }
  return !chained.isEmpty();
}

bool AppendStockLine(AcDbObjectId stock, AcDbObjectIdArray& chained) {
  AcGePoint3d start, end;
  if (GetCurveEndPoints(stock, start, end) == kEntityOther) return false;
  const AcDbObjectId line = AddLine(start, end);
  if (line.isNull()) return false;
  chained.append(line);
  return true;
}

bool GetLatheProfileIds(const char* toolpathName, AcDbObjectIdArray& ids) {
  ids.setLogicalLength(0);
  AcDbObjectIdArray stored;
  if (!GetToolpathEntityIds(toolpathName, stored)) return false;
  for (int i = 0; i < stored.length() && i < 2; ++i) {
    const int kind = GetEntityKind(stored[i]);
    if (kind != kEntityPolyline && kind != kEntityLine) continue;
    AcDbObjectId copy;
    if (CloneEntityWithInfo(stored[i], copy)) ids.append(copy);
  }
  return !ids.isEmpty();
}
