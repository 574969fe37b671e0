#include "plugin/geometry/curve_chaining.h"

#include <vector>

#include "platform/cad/ge/ge_point3d.h"
#include "plugin/geometry/chain_polyline_build.h"
#include "plugin/geometry/polyline_cleanup.h"
#include "plugin/geometry/polyline_measure.h"
#include "plugin/shell/configuration_settings.h"
#include "plugin/shell/curve_chain_select.h"
#include "plugin/shell/toolpath_entities.h"

namespace {

using Builder = bool (*)(const AcDbObjectIdArray&, AcDbObjectId&, double);

struct ChainRules {
  Builder build = nullptr;
  // Open chains and chains with a wider joint are built rather than dropped.
  bool keepEveryChain = false;
};

struct Entry {
  AcDbObjectId id;
  AcGePoint3d start;
  AcGePoint3d end;
  bool used = false;
};

bool Meet(const AcGePoint3d& a, const AcGePoint3d& b) { return a.distanceTo(b) < ConfigurationSettings().JoinToler; }

bool ReadEntries(AcDbObjectIdArray& curves, std::vector<Entry>& entries) {
  AcDbObjectIdArray ordered;
  if (!ChainCurvesByEndpoints(curves, ordered)) return false;
  for (int i = 0; i < ordered.length(); ++i) {
    Entry entry;
    entry.id = ordered[i];
    if (GetCurveEndPoints(entry.id, entry.start, entry.end) == 0) return false;
    entries.push_back(entry);
  }
  return true;
}

class ChainWalker {
 public:
  ChainWalker(std::vector<Entry>& entries, const ChainRules& rules) : entries_(entries), rules_(rules) {}

  AcDbObjectIdArray walk() {
    for (std::size_t a = 0; a < entries_.size(); ++a) {
      if (!entries_[a].used) walkFrom(a);
    }
    return built_;
  }

 private:
  void walkFrom(std::size_t a) {
    std::vector<std::size_t> chain{a};
    const AcGePoint3d chainStart = entries_[a].start;
    AcGePoint3d openEnd = entries_[a].end;
    if (Meet(chainStart, openEnd)) {
      finishClosed(chain);
      return;
    }
    for (std::size_t f = a + 1; f < entries_.size(); ++f) {
      const Entry& entry = entries_[f];
      if (entry.used) continue;
      const bool closes = (Meet(entry.start, chainStart) && Meet(entry.end, openEnd)) ||
                          (Meet(entry.end, chainStart) && Meet(entry.start, openEnd));
      if (closes) {
        chain.push_back(f);
        finishClosed(chain);
        return;
      }
      if (Meet(entry.start, openEnd)) {
        chain.push_back(f);
        openEnd = entry.end;
      } else if (Meet(entry.end, openEnd)) {
        chain.push_back(f);
        openEnd = entry.start;
      }
    }
    // Loose ends: kept as an open polyline wherever the chain stands in the list.
    if (rules_.keepEveryChain) {
      markUsed(chain);
      build(chain, ConfigurationSettings().JoinToler);
    }
  }

  void finishClosed(const std::vector<std::size_t>& chain) {
    markUsed(chain);
    const AcDbObjectIdArray ids = idsOf(chain);
    double gap = 0.0;
    const double joinToler = ConfigurationSettings().JoinToler;
    if (CheckChainGaps(ids, gap)) {
      build(chain, joinToler);
    } else if (rules_.keepEveryChain) {
      build(chain, chain.size() == 1 ? joinToler : gap);
    }
  }

  void build(const std::vector<std::size_t>& chain, double tolerance) {
    AcDbObjectId polylineId;
    if (rules_.build(idsOf(chain), polylineId, tolerance)) built_.append(polylineId);
  }

  void markUsed(const std::vector<std::size_t>& chain) {
    for (const std::size_t k : chain) entries_[k].used = true;
  }

  AcDbObjectIdArray idsOf(const std::vector<std::size_t>& chain) const {
    AcDbObjectIdArray ids;
    for (const std::size_t k : chain) ids.append(entries_[k].id);
    return ids;
  }

  std::vector<Entry>& entries_;
  const ChainRules& rules_;
  AcDbObjectIdArray built_;
};

// False when no polyline was made or a curve had no end points.
bool ChainCurves(AcDbObjectIdArray& curves, const ChainRules& rules, AcDbObjectIdArray& built) {
  std::vector<Entry> entries;
  if (!ReadEntries(curves, entries)) return false;
  built = ChainWalker(entries, rules).walk();
  return !built.isEmpty();
}

bool ChainClosedCurves(AcDbObjectIdArray& curves, Builder builder, AcDbObjectIdArray& polylines,
                       double closingTolerance) {
  AcDbObjectIdArray built;
  if (!ChainCurves(curves, ChainRules{builder, false}, built)) return false;
  RemoveShortSegmentsInList(built, closingTolerance);
  polylines = built;
  return true;
}

bool BuildExact(const AcDbObjectIdArray& ids, AcDbObjectId& id, double tolerance) {
  return BuildPolylineFromCurves(ids, id, tolerance);
}

}  // namespace

bool ChainCurvesToPolyline(AcDbObjectIdArray curves, AcDbObjectIdArray& polylines, double closingTolerance) {
  return ChainClosedCurves(curves, BuildExact, polylines, closingTolerance);
}

bool ChainCurvesToPolyline(AcDbObjectIdArray curves, AcDbObjectIdArray& polylines) {
  return ChainCurvesToPolyline(curves, polylines, ConfigurationSettings().JoinToler);
}

bool ChainCurvesToPolylineLines(AcDbObjectIdArray curves, AcDbObjectIdArray& polylines, double closingTolerance) {
  return ChainClosedCurves(curves, BuildPolylineFromCurvesByChords, polylines, closingTolerance);
}

bool ChainBoundaryCurves(AcDbObjectIdArray curves, AcDbObjectIdArray& polylines) {
  AcDbObjectIdArray built;
  if (!ChainCurves(curves, ChainRules{BuildExact, true}, built)) return false;
  polylines.append(built);
  return true;
}
