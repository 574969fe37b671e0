#include "platform/cad/curve/box_tree.h"

#include <algorithm>
#include <numeric>

namespace curve {

namespace {
constexpr int kLeafSize = 4;
}

BoxTree::BoxTree(std::vector<Box2> boxes) : boxes_(std::move(boxes)) {
  order_.resize(boxes_.size());
  std::iota(order_.begin(), order_.end(), 0);
  if (!boxes_.empty()) {
    nodes_.reserve(2 * boxes_.size() / kLeafSize + 2);
    build(0, static_cast<int>(boxes_.size()), 0);
  }
}

int BoxTree::build(int first, int count, int depth) {
  const int index = static_cast<int>(nodes_.size());
  nodes_.emplace_back();
  Box2 box;
  for (int i = first; i < first + count; ++i) box.add(boxes_[static_cast<size_t>(order_[static_cast<size_t>(i)])]);
  nodes_[static_cast<size_t>(index)].box = box;
  if (count <= kLeafSize || depth == kMaxDepth) {
    nodes_[static_cast<size_t>(index)].first = first;
    nodes_[static_cast<size_t>(index)].count = count;
    return index;
  }
  // Split at the median along the wider side.
  const bool alongX = box.maxX - box.minX >= box.maxY - box.minY;
  auto centre = [&](int i) {
    const Box2& b = boxes_[static_cast<size_t>(i)];
    return alongX ? b.minX + b.maxX : b.minY + b.maxY;
  };
  const int half = count / 2;
  std::nth_element(order_.begin() + first, order_.begin() + first + half, order_.begin() + first + count,
                   [&](int a, int b) { return centre(a) < centre(b); });
  const int left = build(first, half, depth + 1);
  const int right = build(first + half, count - half, depth + 1);
  nodes_[static_cast<size_t>(index)].left = left;
  nodes_[static_cast<size_t>(index)].right = right;
  return index;
}

}  // namespace curve
