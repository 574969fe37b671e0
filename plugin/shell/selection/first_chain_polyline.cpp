#include "plugin/shell/selection/first_chain_polyline.h"

#include <optional>
#include <utility>
#include <vector>

#include "platform/cad/ge/ge_point3d.h"
#include "plugin/geometry/polyline/chain_polyline_build.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

struct Ends {
  AcGePoint3d start;
  AcGePoint3d end;
};

// End points read once each, when the walk first reaches the curve.
class CurveEnds {
 public:
  explicit CurveEnds(const AcDbObjectIdArray& curves)
      : curves_(curves), ends_(static_cast<std::size_t>(curves.length())) {}

  // Null when the curve has no end points.
  const Ends* at(int i) {
    std::optional<Ends>& ends = ends_[static_cast<std::size_t>(i)];
    if (!ends) {
      Ends read;
      if (GetCurveEndPoints(curves_[i], read.start, read.end) == 0) return nullptr;
      ends = read;
    }
    return &*ends;
  }

 private:
  const AcDbObjectIdArray& curves_;
  std::vector<std::optional<Ends>> ends_;
};

enum class Outcome { kClosed, kReachedEnd, kDropped, kFailed };

struct Grown {
  Outcome outcome = Outcome::kDropped;
  // Where the walk goes on after a closed chain.
  int next = 0;
};

class FirstChainWalker {
 public:
  FirstChainWalker(const AcDbObjectIdArray& curves, double tolerance)
      : curves_(curves), ends_(curves), tolerance_(tolerance) {}

  // made is the polyline built, null when none; false when a curve had no end points.
  bool run(AcDbObjectId& made) {
    const int count = curves_.length();
    int a = 0;
    while (a < count && made.isNull()) {
      const Ends* first = ends_.at(a);
      if (first == nullptr) return false;
      AcDbObjectIdArray chain;
      chain.append(curves_[a]);
      if (meet(first->start, first->end) || count == 1) {
        made = build(chain);
        ++a;
        continue;
      }
      const Grown grown = grow(a, chain);
      switch (grown.outcome) {
        case Outcome::kFailed:
          return false;
        case Outcome::kReachedEnd:
          made = build(chain);
          return true;
        case Outcome::kClosed:
          made = build(chain);
          a = grown.next;
          break;
        case Outcome::kDropped:
          ++a;
          break;
      }
    }
    return true;
  }

 private:
  bool meet(const AcGePoint3d& p, const AcGePoint3d& q) const { return p.distanceTo(q) < tolerance_; }

  // The curves after a, each looked at once. The curve right after a decides
  // which end of a the chain grows from.
  Grown grow(int a, AcDbObjectIdArray& chain) {
    const int last = curves_.length() - 1;
    if (a >= last) return {};
    const Ends first = *ends_.at(a);
    const Ends* after = ends_.at(a + 1);
    if (after == nullptr) return {Outcome::kFailed};
    AcGePoint3d chainStart = first.start;
    AcGePoint3d openEnd = first.end;
    if (meet(after->start, first.start) || meet(after->end, first.start)) std::swap(chainStart, openEnd);
    for (int f = a + 1; f <= last; ++f) {
      const Ends* ends = ends_.at(f);
      if (ends == nullptr) return {Outcome::kFailed};
      if (meet(ends->start, chainStart) || meet(ends->end, chainStart)) {
        if (!chain.contains(curves_[f])) chain.append(curves_[f]);
        return {Outcome::kClosed, f + 1};
      }
      if (meet(ends->start, openEnd)) {
        openEnd = ends->end;
      } else if (meet(ends->end, openEnd)) {
        openEnd = ends->start;
      } else {
        continue;
      }
      chain.append(curves_[f]);
      if (f == last) return {Outcome::kReachedEnd};
    }
    return {};
  }

  AcDbObjectId build(const AcDbObjectIdArray& chain) const {
    AcDbObjectId id;
    return BuildPolylineFromCurves(chain, id, tolerance_) ? id : AcDbObjectId::kNull;
  }

  const AcDbObjectIdArray& curves_;
  CurveEnds ends_;
  double tolerance_;
};

}  // namespace

bool CollectCurveVectors(AcDbObjectIdArray curves, AcDbObjectIdArray& polylines, double tolerance) {
  polylines.setLogicalLength(0);
  AcDbObjectId made;
  const bool read = FirstChainWalker(curves, tolerance).run(made);
  if (!made.isNull()) polylines.append(made);
  if (!read) {
    EraseEntityArray(polylines);
    return false;
  }
  return !polylines.isEmpty();
}
