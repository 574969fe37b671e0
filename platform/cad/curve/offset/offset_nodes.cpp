#include "platform/cad/curve/offset/offset_nodes.h"

namespace curve {

void OffsetNodes::join(int a, int b) {
  a = find(a);
  b = find(b);
  if (a == b) return;
  // A gap met by anything else is no longer a loose end.
  gap_[static_cast<std::size_t>(a)] = false;
  parent_[static_cast<std::size_t>(b)] = a;
}

}  // namespace curve
