// A static bounding-box hierarchy over indexed boxes, for finding the path elements
// near another one without testing every pair. For nearness each node is bounded also by
// a box turned along the run of items it holds: seen from near its centre a curved run
// lies much nearer to its upright box than to its own points, and the turned box hugs it.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"

namespace curve {

class BoxTree {
 public:
  explicit BoxTree(std::vector<Box2> boxes);
  // The boxes of the segments, whose own shapes then bound nearness more tightly.
  BoxTree(std::vector<Box2> boxes, const std::vector<PreparedSeg>& segs);

  // Calls visit(index) for every box overlapping the query box.
  template <class Visit>
  void query(const Box2& box, Visit&& visit) const {
    queryUntil(box, [&](int index) {
      visit(index);
      return true;
    });
  }

  // As query, but stops as soon as visit(index) returns false; false then.
  template <class Visit>
  bool queryUntil(const Box2& box, Visit&& visit) const;

  // The least distance(index) over the boxes nearer to p than bound; bound when there
  // is none. Nearer boxes are tried first, so far ones are mostly passed over.
  template <class Distance>
  double nearest(const AcGePoint2d& p, double bound, Distance&& distance) const;

  // Whether some box nearer to p than limit has within(index) true; nearer boxes are tried
  // first and the walk stops at the first.
  template <class Within>
  bool anyWithin(const AcGePoint2d& p, double limit, Within&& within) const;

  const Box2& boxAt(int index) const { return boxes_[static_cast<std::size_t>(index)]; }

 private:
  // A box turned to run along axis: what lies inside has its projections on axis and on
  // the axis turned a quarter left within these bounds.
  struct TurnedBox {
    AcGeVector2d axis{1.0, 0.0};
    double minAlong = 1e300, maxAlong = -1e300, minAcross = 1e300, maxAcross = -1e300;
    double area() const { return (maxAlong - minAlong) * (maxAcross - minAcross); }
    double distanceSqrdTo(const AcGePoint2d& p) const {
      const double along = axis.x * p.x + axis.y * p.y, across = axis.x * p.y - axis.y * p.x;
      const double du = std::max({minAlong - along, 0.0, along - maxAlong});
      const double dv = std::max({minAcross - across, 0.0, across - maxAcross});
      return du * du + dv * dv;
    }
  };
  struct Node {
    Box2 box;
    TurnedBox turned;
    int first = 0;  // into order_ for a leaf
    int count = 0;  // 0 for an inner node
    int left = -1, right = -1;
    // Square of a distance from p no greater than any of the node's items'.
    double distanceSqrdTo(const AcGePoint2d& p) const {
      return std::max(box.distanceSqrdTo(p), turned.distanceSqrdTo(p));
    }
  };
  // segs: the items' own shapes, or null.
  int build(int first, int count, int depth, const std::vector<PreparedSeg>* segs);
  void turn(Node& node, int first, int count, const std::vector<PreparedSeg>* segs) const;
  TurnedBox boxAlong(const AcGeVector2d& axis, int first, int count, const std::vector<PreparedSeg>& segs) const;

  // Median splits keep the depth near log2(n); this bounds the walk's stack.
  static constexpr int kMaxDepth = 100;

  std::vector<Box2> boxes_;
  std::vector<int> order_;
  std::vector<Node> nodes_;
};

template <class Visit>
bool BoxTree::queryUntil(const Box2& box, Visit&& visit) const {
  if (nodes_.empty()) return true;
  std::array<int, kMaxDepth + 2> stack;
  int top = 0;
  stack[static_cast<std::size_t>(top++)] = 0;
  while (top > 0) {
    const Node& node = nodes_[static_cast<std::size_t>(stack[static_cast<std::size_t>(--top)])];
    if (!node.box.overlaps(box)) continue;
    if (node.count == 0) {
      stack[static_cast<std::size_t>(top++)] = node.left;
      stack[static_cast<std::size_t>(top++)] = node.right;
      continue;
    }
    for (int i = node.first; i < node.first + node.count; ++i) {
      const int item = order_[static_cast<std::size_t>(i)];
      if (boxes_[static_cast<std::size_t>(item)].overlaps(box) && !visit(item)) return false;
    }
  }
  return true;
}

template <class Distance>
double BoxTree::nearest(const AcGePoint2d& p, double bound, Distance&& distance) const {
  if (nodes_.empty()) return bound;
  double best = bound;
  // Each entry: a node and the square of its box's distance from p.
  std::array<std::pair<int, double>, kMaxDepth + 2> stack;
  int top = 0;
  stack[static_cast<std::size_t>(top++)] = {0, nodes_[0].distanceSqrdTo(p)};
  while (top > 0) {
    const auto [index, boxDistSqrd] = stack[static_cast<std::size_t>(--top)];
    if (boxDistSqrd >= best * best) continue;
    const Node& node = nodes_[static_cast<std::size_t>(index)];
    if (node.count == 0) {
      const double l = nodes_[static_cast<std::size_t>(node.left)].distanceSqrdTo(p);
      const double r = nodes_[static_cast<std::size_t>(node.right)].distanceSqrdTo(p);
      // The nearer child goes on top.
      if (l <= r) {
        stack[static_cast<std::size_t>(top++)] = {node.right, r};
        stack[static_cast<std::size_t>(top++)] = {node.left, l};
      } else {
        stack[static_cast<std::size_t>(top++)] = {node.left, l};
        stack[static_cast<std::size_t>(top++)] = {node.right, r};
      }
      continue;
    }
    for (int i = node.first; i < node.first + node.count; ++i) {
      const int item = order_[static_cast<std::size_t>(i)];
      if (boxes_[static_cast<std::size_t>(item)].distanceSqrdTo(p) < best * best) best = std::min(best, distance(item));
    }
  }
  return best;
}

template <class Within>
bool BoxTree::anyWithin(const AcGePoint2d& p, double limit, Within&& within) const {
  if (nodes_.empty() || limit <= 0.0) return false;
  const double limitSqrd = limit * limit;
  std::array<int, kMaxDepth + 2> stack;
  int top = 0;
  stack[0] = 0;
  top = 1;
  while (top > 0) {
    const Node& node = nodes_[static_cast<std::size_t>(stack[static_cast<std::size_t>(--top)])];
    if (node.distanceSqrdTo(p) >= limitSqrd) continue;
    if (node.count == 0) {
      const bool leftFirst = nodes_[static_cast<std::size_t>(node.left)].distanceSqrdTo(p) <=
                             nodes_[static_cast<std::size_t>(node.right)].distanceSqrdTo(p);
      stack[static_cast<std::size_t>(top++)] = leftFirst ? node.right : node.left;
      stack[static_cast<std::size_t>(top++)] = leftFirst ? node.left : node.right;
      continue;
    }
    for (int i = node.first; i < node.first + node.count; ++i) {
      const int item = order_[static_cast<std::size_t>(i)];
      if (boxes_[static_cast<std::size_t>(item)].distanceSqrdTo(p) < limitSqrd && within(item)) return true;
    }
  }
  return false;
}

}  // namespace curve
