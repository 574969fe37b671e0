#include "platform/classlib/collections/collection_index.h"

#include <cstdio>
#include <cstdlib>

namespace classlib_detail {

void IndexFault(const char* collection, long long index, std::size_t size) {
  std::fprintf(stderr, "%s: index %lld outside 0..%lld\n", collection, index, static_cast<long long>(size) - 1);
  std::abort();
}

void NullPositionFault() {
  std::fprintf(stderr, "CList: null position or empty list\n");
  std::abort();
}

}  // namespace classlib_detail
