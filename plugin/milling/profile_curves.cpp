#include "plugin/milling/profile_curves.h"

#include <vector>

#include "plugin/geometry/chain_polyline_build.h"
#include "plugin/shell/selection_queries.h"
#include "plugin/shell/toolpath_entities.h"

namespace {

struct PickedCurve {
  AcDbObjectId id;
  AcGePoint3d start;
  AcGePoint3d end;
  bool closed = false;
};

bool ReadPickedCurves(const AcDbObjectIdArray& selection, std::vector<PickedCurve>& curves) {
  for (const AcDbObjectId& id : selection) {
    PickedCurve curve;
    curve.id = id;
    if (GetCurveEndPoints(id, curve.start, curve.end) == kEntityOther) return false;
    curve.closed = PointsTouch(curve.start, curve.end);
    curves.push_back(curve);
  }
  return true;
}

// The chain's free ends; the head stays where the first curve starts the chain.
struct Chain {
  AcDbObjectIdArray ids;
  AcGePoint3d head;
  AcGePoint3d tail;
  bool open = true;
};

// Takes one curve that meets a free end into the chain; false when none does.
bool TakeJoiningCurve(std::vector<PickedCurve>& pool, Chain& chain) {
  for (auto it = pool.begin(); it != pool.end(); ++it) {
    if (it->closed) continue;
    const bool second = chain.ids.length() == 1;
    // The second curve goes behind the first at whichever end of it: the pick
    // order tells the direction.
    if (second && (PointsTouch(it->start, chain.tail) || PointsTouch(it->end, chain.tail) ||
                   PointsTouch(it->start, chain.head) || PointsTouch(it->end, chain.head))) {
      const bool atTail = PointsTouch(it->start, chain.tail) || PointsTouch(it->end, chain.tail);
      if (!atTail) std::swap(chain.head, chain.tail);
      chain.tail = PointsTouch(it->start, chain.tail) ? it->end : it->start;
      chain.ids.append(it->id);
    } else if (!second && (PointsTouch(it->start, chain.tail) || PointsTouch(it->end, chain.tail))) {
      chain.tail = PointsTouch(it->start, chain.tail) ? it->end : it->start;
      chain.ids.append(it->id);
    } else if (!second && (PointsTouch(it->start, chain.head) || PointsTouch(it->end, chain.head))) {
      chain.head = PointsTouch(it->start, chain.head) ? it->end : it->start;
      chain.ids.insertAt(0, it->id);
    } else {
      continue;
    }
    pool.erase(it);
    return true;
  }
  return false;
}

Chain TakeChain(std::vector<PickedCurve>& pool) {
  const PickedCurve first = pool.front();
  pool.erase(pool.begin());
  Chain chain;
  chain.ids.append(first.id);
  chain.head = first.start;
  chain.tail = first.end;
  if (first.closed) return chain;
  while (!PointsTouch(chain.head, chain.tail) && TakeJoiningCurve(pool, chain)) {
  }
  return chain;
}

}  // namespace

bool BuildProfileCurves(const AcDbObjectIdArray& selection, AcDbObjectIdArray& curves) {
  std::vector<PickedCurve> pool;
  if (!ReadPickedCurves(selection, pool)) return false;
  AcDbObjectIdArray made;
  while (!pool.empty()) {
    const Chain chain = TakeChain(pool);
    AcDbObjectId polyline;
    if (!BuildPolylineFromCurves(chain.ids, polyline)) {
      EraseEntityArray(made);
      return false;
    }
    made.append(polyline);
  }
  curves.append(made);
  return true;
}
