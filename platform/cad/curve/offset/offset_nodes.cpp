#include "platform/cad/curve/offset/offset_nodes.h"

namespace curve {

int OffsetNodes::add(bool gap) {
  parent_.push_back(count());
  gap_.push_back(gap);
  return count() - 1;
}

int OffsetNodes::find(int a) {
  while (parent_[static_cast<std::size_t>(a)] != a) {
    int& up = parent_[static_cast<std::size_t>(a)];
    up = parent_[static_cast<std::size_t>(up)];
    a = up;
  }
  return a;
}

void OffsetNodes::join(int a, int b) {
  a = find(a);
  b = find(b);
  if (a == b) return;
  // A gap met by anything else is no longer a loose end.
  gap_[static_cast<std::size_t>(a)] = false;
  parent_[static_cast<std::size_t>(b)] = a;
}

}  // namespace curve
