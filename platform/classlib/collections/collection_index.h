// Shared index checks of the collection classes. A bad index is a program
// fault: it stops the program with a message instead of touching memory
// outside the collection.
#pragma once

#include <cstddef>

namespace classlib_detail {

[[noreturn]] void IndexFault(const char* collection, long long index, std::size_t size);
// A null POSITION, or the head or tail of an empty list, was used.
[[noreturn]] void NullPositionFault();

inline void CheckIndex(const char* collection, long long index, std::size_t size) {
  if (index < 0 || static_cast<unsigned long long>(index) >= size) IndexFault(collection, index, size);
}

}  // namespace classlib_detail
