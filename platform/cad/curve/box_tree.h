// A static bounding-box hierarchy over indexed boxes, for finding the path elements
// near another one without testing every pair.
#pragma once

#include <functional>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"

namespace curve {

class BoxTree {
 public:
  explicit BoxTree(std::vector<Box2> boxes);
  // Calls visit(index) for every box overlapping the query box.
  void query(const Box2& box, const std::function<void(int)>& visit) const;
  const Box2& boxAt(int index) const { return boxes_[static_cast<size_t>(index)]; }

 private:
  struct Node {
    Box2 box;
    int first = 0;  // into order_ for a leaf
    int count = 0;  // 0 for an inner node
    int left = -1, right = -1;
  };
  int build(int first, int count);

  std::vector<Box2> boxes_;
  std::vector<int> order_;
  std::vector<Node> nodes_;
};

}  // namespace curve
