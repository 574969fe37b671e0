#include "platform/cad/curve/box_tree.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <optional>

namespace curve {

namespace {

constexpr int kLeafSize = 4;
// Split by the order, leaves of neighbours along a path can be larger: their boxes are
// tried one after another.
constexpr int kRunLeafSize = 8;

}  // namespace

BoxTree::BoxTree(std::vector<Box2> boxes) : BoxTree(std::move(boxes), 0) {}

// depth: that of the root; at kMaxDepth the root is the one leaf.
BoxTree::BoxTree(std::vector<Box2> boxes, int depth) : boxes_(std::move(boxes)) {
  order_.resize(boxes_.size());
  std::iota(order_.begin(), order_.end(), 0);
  if (!boxes_.empty()) {
    // Splits leave at least two boxes in a leaf, so there are fewer nodes than boxes.
    nodes_.reserve(boxes_.size() + 1);
    build(0, static_cast<int>(boxes_.size()), depth);
  }
}

BoxTree BoxTree::oneLeaf(std::vector<Box2> boxes) { return BoxTree(std::move(boxes), kMaxDepth); }

void BoxTree::assignOneLeaf(std::span<const Box2> boxes) {
  boxes_.assign(boxes.begin(), boxes.end());
  order_.resize(boxes_.size());
  std::iota(order_.begin(), order_.end(), 0);
  nodes_.clear();
  tight_ = false;
  if (!boxes_.empty()) build(0, static_cast<int>(boxes_.size()), kMaxDepth);
}

BoxTree BoxTree::inPathOrder(std::vector<Box2> boxes) {
  BoxTree tree(std::vector<Box2>{}, 0);
  tree.boxes_ = std::move(boxes);
  tree.order_.resize(tree.boxes_.size());
  std::iota(tree.order_.begin(), tree.order_.end(), 0);
  if (!tree.boxes_.empty()) {
    tree.nodes_.reserve(tree.boxes_.size() + 1);
    tree.buildInOrder(0, static_cast<int>(tree.boxes_.size()));
  }
  return tree;
}

int BoxTree::buildInOrder(int first, int count) {
  const int index = static_cast<int>(nodes_.size());
  nodes_.emplace_back();
  Box2 box;
  if (count <= kRunLeafSize) {
    for (int i = first; i < first + count; ++i) box.add(boxes_[static_cast<size_t>(i)]);
    nodes_[static_cast<size_t>(index)].first = first;
    nodes_[static_cast<size_t>(index)].count = count;
  } else {
    const int half = count / 2;
    const int left = buildInOrder(first, half);
    const int right = buildInOrder(first + half, count - half);
    box = nodes_[static_cast<size_t>(left)].box;
    box.add(nodes_[static_cast<size_t>(right)].box);
    nodes_[static_cast<size_t>(index)].left = left;
    nodes_[static_cast<size_t>(index)].right = right;
  }
  // The bound stays unset: until tighten gives every node one, walks test the box.
  nodes_[static_cast<size_t>(index)].box = box;
  return index;
}

BoxTree::BoxTree(std::vector<Box2> boxes, const std::vector<PreparedSeg>& segs) : BoxTree(std::move(boxes)) {
  tighten(segs);
}

void BoxTree::tighten(const std::vector<PreparedSeg>& segs) {
  if (tight_ || nodes_.empty()) return;
  tight_ = true;
  std::vector<std::optional<RunRing>> rings(nodes_.size());
  bound(0, 0, static_cast<int>(boxes_.size()), segs, nullptr, rings);
}

int BoxTree::build(int first, int count, int depth) {
  const int index = static_cast<int>(nodes_.size());
  nodes_.emplace_back();
  Box2 box;
  for (int i = first; i < first + count; ++i) box.add(boxes_[static_cast<size_t>(order_[static_cast<size_t>(i)])]);
  nodes_[static_cast<size_t>(index)].box = box;
  nodes_[static_cast<size_t>(index)].bound = RunBound(box);
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

// The node's bound is tried along the direction its segments' ends spread most, along the
// chord of their run in path order, and as a sector of the ring about the centre of the
// run it lies in; or about its own centre, where its run curves about one that it follows
// more closely. A node's bound comes from its halves' bounds; its ring, from theirs when
// they share its centre.
void BoxTree::bound(int index, int first, int count, const std::vector<PreparedSeg>& segs, const AcGePoint2d* centre,
                    std::vector<std::optional<RunRing>>& rings) {
  Node& node = nodes_[static_cast<size_t>(index)];
  const Box2& box = node.box;
  const std::span<const int> items(order_.data() + first, static_cast<size_t>(count));
  EndPointSums sums(AcGePoint2d((box.minX + box.maxX) / 2, (box.minY + box.maxY) / 2));
  int firstItem = items.front(), lastItem = firstItem;
  for (int i : items) {
    sums.add(segs[static_cast<size_t>(i)].start());
    sums.add(segs[static_cast<size_t>(i)].end());
    firstItem = std::min(firstItem, i);
    lastItem = std::max(lastItem, i);
  }
  std::array<AcGeVector2d, 2> axisList{sums.spreadAxis()};
  std::span<const AcGeVector2d> axes(axisList.data(), 1);
  const AcGeVector2d chord = segs[static_cast<size_t>(lastItem)].end() - segs[static_cast<size_t>(firstItem)].start();
  if (chord.lengthSqrd() > 0.0) {
    axisList[1] = chord / std::sqrt(chord.lengthSqrd());
    axes = axisList;
  }
  AcGePoint2d own;
  if (sums.curvedAbout(std::hypot(box.maxX - box.minX, box.maxY - box.minY), own) &&
      (centre == nullptr || sums.scatterAbout(own) < 0.5 * sums.scatterAbout(*centre)))
    centre = &own;

  std::optional<RunRing>& ring = rings[static_cast<size_t>(index)];
  if (node.count > 0) {
    if (centre != nullptr) ring = RunRing::about(*centre, items, segs);
    node.bound = RunBound::ofSegments(items, segs, box, axes, ring ? &*ring : nullptr);
    return;
  }
  const int half = count / 2;
  const int halves[] = {node.left, node.right};
  const int firsts[] = {first, first + half}, counts[] = {half, count - half};
  for (int k = 0; k < 2; ++k) bound(halves[k], firsts[k], counts[k], segs, centre, rings);
  if (centre != nullptr) {
    ring = RunRing{*centre};
    for (int k = 0; k < 2; ++k) {
      const std::optional<RunRing>& inner = rings[static_cast<size_t>(halves[k])];
      if (inner && inner->centre.x == centre->x && inner->centre.y == centre->y)
        ring->add(*inner);
      else
        ring->add(RunRing::about(
            *centre, items.subspan(static_cast<size_t>(firsts[k] - first), static_cast<size_t>(counts[k])), segs));
    }
  }
  const Node& l = nodes_[static_cast<size_t>(node.left)];
  const Node& r = nodes_[static_cast<size_t>(node.right)];
  const RunBound::Part parts[] = {{&l.bound, &l.box}, {&r.bound, &r.box}};
  node.bound = RunBound::ofParts(parts, box, axes, ring ? &*ring : nullptr);
}

}  // namespace curve
