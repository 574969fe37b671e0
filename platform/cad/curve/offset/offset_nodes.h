// The points where pieces of an offset meet: numbered as they are found, and merged
// when two of them turn out to be one point.
#pragma once

#include <cstddef>
#include <numeric>
#include <vector>

namespace curve {

class OffsetNodes {
 public:
  int add(bool gap = false) {
    parent_.push_back(count());
    gap_.push_back(gap);
    return count() - 1;
  }
  // As many nodes at once, none a gap yet; the first's number.
  int addMany(int many) {
    const int first = count();
    const std::size_t size = static_cast<std::size_t>(first + many);
    parent_.resize(size);
    std::iota(parent_.begin() + first, parent_.end(), first);
    gap_.resize(size, 0);
    return first;
  }
  void setGap(int node) { gap_[static_cast<std::size_t>(node)] = 1; }
  void join(int a, int b);
  // None left; what was allocated stays for the next.
  void clear() {
    parent_.clear();
    gap_.clear();
  }
  // The node standing for all merged with a.
  int find(int a) {
    while (parent_[static_cast<std::size_t>(a)] != a) {
      int& up = parent_[static_cast<std::size_t>(a)];
      up = parent_[static_cast<std::size_t>(up)];
      a = up;
    }
    return a;
  }
  // A loose end of one element that nothing continues (a concave corner).
  bool isGap(int node) { return gap_[static_cast<std::size_t>(find(node))] != 0; }
  int count() const { return static_cast<int>(parent_.size()); }

 private:
  std::vector<int> parent_;
  std::vector<unsigned char> gap_;
};

}  // namespace curve
