// A static bounding-box hierarchy over indexed boxes, for finding the path elements
// near another one without testing every pair.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"

namespace curve {

class BoxTree {
 public:
  explicit BoxTree(std::vector<Box2> boxes);

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

  const Box2& boxAt(int index) const { return boxes_[static_cast<std::size_t>(index)]; }

 private:
  struct Node {
    Box2 box;
    int first = 0;  // into order_ for a leaf
    int count = 0;  // 0 for an inner node
    int left = -1, right = -1;
  };
  int build(int first, int count, int depth);

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

}  // namespace curve
