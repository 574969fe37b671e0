// A static bounding-box hierarchy over indexed boxes, for finding the path elements
// near another one without testing every pair. Over segments, nearness walks bound each
// node by the shape that hugs its run of segments best.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/curve/run_bound.h"

namespace curve {

class BoxTree {
 public:
  explicit BoxTree(std::vector<Box2> boxes);
  // The boxes of the segments, whose own shapes then bound nearness more tightly.
  BoxTree(std::vector<Box2> boxes, const std::vector<PreparedSeg>& segs);
  // All boxes in one leaf: over a few, walking them all costs less than building the tree.
  static BoxTree oneLeaf(std::vector<Box2> boxes);
  // Makes this the one-leaf tree of the boxes, keeping what it had allocated.
  void assignOneLeaf(std::span<const Box2> boxes);
  // Boxes of a path's elements in path order, where neighbours lie near each other: split
  // by halves of the order, which sorts nothing. Queries find the same boxes as in a tree
  // split by position, in another order.
  static BoxTree inPathOrder(std::vector<Box2> boxes);
  // Tightens the bounds of a tree built from the boxes alone to those the constructor
  // from the segments gives, once; queries then prune more.
  void tighten(const std::vector<PreparedSeg>& segs);

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
  std::span<const Box2> boxes() const { return boxes_; }

 private:
  struct Node {
    Box2 box;
    RunBound bound;  // for nearness
    int first = 0;   // into order_ for a leaf
    int count = 0;   // 0 for an inner node
    int left = -1, right = -1;
  };
  BoxTree(std::vector<Box2> boxes, int depth);
  int build(int first, int count, int depth);
  // Until the bounds are tightened each is its node's box, whose own test is quicker.
  template <bool Tight>
  static double nodeDistanceSqrd(const Node& node, const AcGePoint2d& p) {
    if constexpr (Tight) return node.bound.distanceSqrdTo(p);
    return node.box.distanceSqrdTo(p);
  }
  template <bool Tight, class Distance>
  double nearestBy(const AcGePoint2d& p, double bound, Distance&& distance) const;
  template <bool Tight, class Within>
  bool anyWithinBy(const AcGePoint2d& p, double limit, Within&& within) const;
  int buildInOrder(int first, int count);
  // centre: that of the run the node lies in, or null.
  void bound(int index, int first, int count, const std::vector<PreparedSeg>& segs, const AcGePoint2d* centre,
             std::vector<std::optional<RunRing>>& rings);

  // Median splits keep the depth near log2(n); this bounds the walk's stack.
  static constexpr int kMaxDepth = 100;

  std::vector<Box2> boxes_;
  std::vector<int> order_;
  std::vector<Node> nodes_;
  bool tight_ = false;
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
  return tight_ ? nearestBy<true>(p, bound, distance) : nearestBy<false>(p, bound, distance);
}

template <bool Tight, class Distance>
double BoxTree::nearestBy(const AcGePoint2d& p, double bound, Distance&& distance) const {
  if (nodes_.empty()) return bound;
  double best = bound;
  // Each entry: a node and the square of its box's distance from p.
  std::array<std::pair<int, double>, kMaxDepth + 2> stack;
  int top = 0;
  stack[static_cast<std::size_t>(top++)] = {0, nodeDistanceSqrd<Tight>(nodes_[0], p)};
  while (top > 0) {
    const auto [index, boxDistSqrd] = stack[static_cast<std::size_t>(--top)];
    if (boxDistSqrd >= best * best) continue;
    const Node& node = nodes_[static_cast<std::size_t>(index)];
    if (node.count == 0) {
      const double l = nodeDistanceSqrd<Tight>(nodes_[static_cast<std::size_t>(node.left)], p);
      const double r = nodeDistanceSqrd<Tight>(nodes_[static_cast<std::size_t>(node.right)], p);
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
  return tight_ ? anyWithinBy<true>(p, limit, within) : anyWithinBy<false>(p, limit, within);
}

template <bool Tight, class Within>
bool BoxTree::anyWithinBy(const AcGePoint2d& p, double limit, Within&& within) const {
  if (nodes_.empty() || limit <= 0.0) return false;
  const double limitSqrd = limit * limit;
  std::array<int, kMaxDepth + 2> stack;
  int top = 0;
  if (nodeDistanceSqrd<Tight>(nodes_[0], p) < limitSqrd) stack[static_cast<std::size_t>(top++)] = 0;
  while (top > 0) {
    const Node& node = nodes_[static_cast<std::size_t>(stack[static_cast<std::size_t>(--top)])];
    if (node.count == 0) {
      // Children out of reach are left out; the nearer one goes on top.
      const double l = nodeDistanceSqrd<Tight>(nodes_[static_cast<std::size_t>(node.left)], p);
      const double r = nodeDistanceSqrd<Tight>(nodes_[static_cast<std::size_t>(node.right)], p);
      const bool leftFirst = l <= r;
      if ((leftFirst ? r : l) < limitSqrd) stack[static_cast<std::size_t>(top++)] = leftFirst ? node.right : node.left;
      if ((leftFirst ? l : r) < limitSqrd) stack[static_cast<std::size_t>(top++)] = leftFirst ? node.left : node.right;
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
