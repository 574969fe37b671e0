// The memory of drawings: their objects, stubs and the lists that grow with them.
// A drawing of tens of megabytes holds a hundred thousand small objects. Fresh memory
// reaches a process one 4 KiB page fault at a time, and on a virtual machine such a
// fault can cost more than reading the text the object came from; memory from here
// comes in 2 MiB chunks that the kernel backs with huge pages where it can.
//
// Only where the bytes come from changes, not who owns them: objects are still made
// with new and deleted under the database's ownership rules (db_object.h).
// Blocks of up to kLargestPooled bytes are cut from shared chunks; a freed block waits
// for the next block of its size and is never given back to the system. Blocks of
// kLargeBytes and more get a mapping of their own, unmapped when freed; those between
// come from operator new. Thread-safe. Under AddressSanitizer every block comes from
// operator new, so that misuse of a block is still caught.
#pragma once

#include <cstddef>
#include <new>

namespace object_memory {

constexpr std::size_t kLargestPooled = 1024;
// Below this a block of its own would waste much of the 2 MiB it is rounded to, and on
// a host that has not yet backed them huge pages fault in no quicker than small ones.
constexpr std::size_t kLargeBytes = std::size_t{1} << 20;

// As operator new: throws std::bad_alloc when the memory cannot be had.
void* allocate(std::size_t bytes);
// bytes: the size given to allocate.
void deallocate(void* block, std::size_t bytes) noexcept;

// For the standard containers that grow with a drawing.
template <class T>
struct Allocator {
  using value_type = T;
  Allocator() = default;
  template <class U>
  Allocator(const Allocator<U>& /*other*/) noexcept {}
  T* allocate(std::size_t count) {
    if (count > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    return static_cast<T*>(object_memory::allocate(count * sizeof(T)));
  }
  void deallocate(T* block, std::size_t count) noexcept { object_memory::deallocate(block, count * sizeof(T)); }
  template <class U>
  bool operator==(const Allocator<U>& /*other*/) const noexcept {
    return true;
  }
};

}  // namespace object_memory
