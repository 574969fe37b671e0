#include "platform/cad/curve/box_tree.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace curve {

namespace {

constexpr int kLeafSize = 4;

// Sums over points from which the direction they spread most along follows.
struct Spread {
  double n = 0.0, x = 0.0, y = 0.0, xx = 0.0, xy = 0.0, yy = 0.0;
  void add(const AcGePoint2d& p) {
    n += 1.0;
    x += p.x;
    y += p.y;
    xx += p.x * p.x;
    xy += p.x * p.y;
    yy += p.y * p.y;
  }
  AcGeVector2d axis() const {
    if (n < 2.0) return {1.0, 0.0};
    const double cxx = xx / n - (x / n) * (x / n), cyy = yy / n - (y / n) * (y / n), cxy = xy / n - (x / n) * (y / n);
    if (!(std::fabs(cxy) > 0.0 || cxx != cyy)) return {1.0, 0.0};
    const double angle = 0.5 * std::atan2(2.0 * cxy, cxx - cyy);
    return {std::cos(angle), std::sin(angle)};
  }
};

// Rounding in the projections (and in arcs' centres and radii) is covered by a margin
// this much of the size of the coordinates.
constexpr double kRoundingMargin = 1e-14;

double magnitude(const Box2& b) {
  return std::max({std::fabs(b.minX), std::fabs(b.maxX), std::fabs(b.minY), std::fabs(b.maxY)});
}

}  // namespace

BoxTree::BoxTree(std::vector<Box2> boxes) : boxes_(std::move(boxes)) {
  order_.resize(boxes_.size());
  std::iota(order_.begin(), order_.end(), 0);
  if (!boxes_.empty()) {
    nodes_.reserve(2 * boxes_.size() / kLeafSize + 2);
    build(0, static_cast<int>(boxes_.size()), 0, nullptr);
  }
}

BoxTree::BoxTree(std::vector<Box2> boxes, const std::vector<PreparedSeg>& segs) : boxes_(std::move(boxes)) {
  order_.resize(boxes_.size());
  std::iota(order_.begin(), order_.end(), 0);
  if (!boxes_.empty()) {
    nodes_.reserve(2 * boxes_.size() / kLeafSize + 2);
    build(0, static_cast<int>(boxes_.size()), 0, &segs);
  }
}

int BoxTree::build(int first, int count, int depth, const std::vector<PreparedSeg>* segs) {
  const int index = static_cast<int>(nodes_.size());
  nodes_.emplace_back();
  Box2 box;
  for (int i = first; i < first + count; ++i) box.add(boxes_[static_cast<size_t>(order_[static_cast<size_t>(i)])]);
  nodes_[static_cast<size_t>(index)].box = box;
  if (count <= kLeafSize || depth == kMaxDepth) {
    Node& leaf = nodes_[static_cast<size_t>(index)];
    leaf.first = first;
    leaf.count = count;
    turn(leaf, first, count, segs);
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
  const int left = build(first, half, depth + 1, segs);
  const int right = build(first + half, count - half, depth + 1, segs);
  Node& node = nodes_[static_cast<size_t>(index)];
  node.left = left;
  node.right = right;
  turn(node, first, count, segs);
  return index;
}

// For segments, the node's box is turned along the direction their end points spread
// most, or along the chord of their run in path order where that gives the smaller box: on
// a toothed curve the teeth skew the spread, and the chord follows the curve.
void BoxTree::turn(Node& node, int first, int count, const std::vector<PreparedSeg>* segs) const {
  const Box2& b = node.box;
  if (segs == nullptr) {
    node.turned = {{1.0, 0.0}, b.minX, b.maxX, b.minY, b.maxY};
    return;
  }
  Spread spread;
  int firstItem = order_[static_cast<size_t>(first)], lastItem = firstItem;
  for (int i = first; i < first + count; ++i) {
    const int item = order_[static_cast<size_t>(i)];
    spread.add((*segs)[static_cast<size_t>(item)].start());
    spread.add((*segs)[static_cast<size_t>(item)].end());
    firstItem = std::min(firstItem, item);
    lastItem = std::max(lastItem, item);
  }
  node.turned = boxAlong(spread.axis(), first, count, *segs);
  const AcGeVector2d chord =
      (*segs)[static_cast<size_t>(lastItem)].end() - (*segs)[static_cast<size_t>(firstItem)].start();
  if (chord.length() > 0.0) {
    const TurnedBox alongChord = boxAlong(chord / chord.length(), first, count, *segs);
    if (alongChord.area() < node.turned.area()) node.turned = alongChord;
  }
  const double margin = kRoundingMargin * (magnitude(b) + b.size());
  node.turned.minAlong -= margin;
  node.turned.maxAlong += margin;
  node.turned.minAcross -= margin;
  node.turned.maxAcross += margin;
}

BoxTree::TurnedBox BoxTree::boxAlong(const AcGeVector2d& axis, int first, int count,
                                     const std::vector<PreparedSeg>& segs) const {
  TurnedBox turned;
  turned.axis = axis;
  const AcGeVector2d across(-axis.y, axis.x);
  for (int i = first; i < first + count; ++i) {
    const PreparedSeg& seg = segs[static_cast<size_t>(order_[static_cast<size_t>(i)])];
    double least = 0.0, greatest = 0.0;
    seg.extentAlong(axis, least, greatest);
    turned.minAlong = std::min(turned.minAlong, least);
    turned.maxAlong = std::max(turned.maxAlong, greatest);
    seg.extentAlong(across, least, greatest);
    turned.minAcross = std::min(turned.minAcross, least);
    turned.maxAcross = std::max(turned.maxAcross, greatest);
  }
  return turned;
}

}  // namespace curve
