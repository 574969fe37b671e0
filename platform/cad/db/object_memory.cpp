#include "platform/cad/db/object_memory.h"

#include <sys/mman.h>

#include <array>
#include <cstdint>
#include <mutex>
#include <type_traits>

namespace object_memory {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kOwnMemory = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kOwnMemory = false;
#else
constexpr bool kOwnMemory = true;
#endif
#else
constexpr bool kOwnMemory = true;
#endif

constexpr std::size_t kGranule = 16;
constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t sizeClassOf(std::size_t bytes) { return bytes == 0 ? 1 : (bytes + kGranule - 1) / kGranule; }
std::size_t mappedBytes(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

// bytes (a multiple of kHugePage) aligned to a huge page, so that the kernel can back
// them with huge pages.
char* mapHugePages(std::size_t bytes) {
  const std::size_t span = bytes + kHugePage;
  void* mapped = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  auto* start = static_cast<char*>(mapped);
  char* block = start + (kHugePage - reinterpret_cast<std::uintptr_t>(start) % kHugePage) % kHugePage;
  if (block > start) ::munmap(start, static_cast<std::size_t>(block - start));
  char* tail = block + bytes;
  if (tail < start + span) ::munmap(tail, static_cast<std::size_t>(start + span - tail));
  // A hint only: without huge pages the memory works the same, a small page at a time.
  ::madvise(block, bytes, MADV_HUGEPAGE);
  return block;
}

struct FreeBlock {
  FreeBlock* next;
};

class Pool {
 public:
  void* take(std::size_t sizeClass) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (FreeBlock* block = free_[sizeClass]; block != nullptr) {
      free_[sizeClass] = block->next;
      return block;
    }
    const std::size_t bytes = sizeClass * kGranule;
    if (static_cast<std::size_t>(end_ - next_) < bytes) {
      next_ = mapHugePages(kHugePage);
      end_ = next_ + kHugePage;
      // A chunk is filled to its end: fault it in with one call rather than a fault a page.
      ::madvise(next_, kHugePage, MADV_POPULATE_WRITE);
    }
    void* block = next_;
    next_ += bytes;
    return block;
  }

  void give(void* memory, std::size_t sizeClass) noexcept {
    const std::lock_guard<std::mutex> lock(mutex_);
    auto* block = static_cast<FreeBlock*>(memory);
    block->next = free_[sizeClass];
    free_[sizeClass] = block;
  }

 private:
  std::mutex mutex_;
  std::array<FreeBlock*, kLargestPooled / kGranule + 1> free_{};
  char* next_ = nullptr;
  char* end_ = nullptr;
};

// Never destroyed: objects may still be freed by other libraries' static destructors.
static_assert(std::is_trivially_destructible_v<Pool>);
constinit Pool pool;

}  // namespace

void* allocate(std::size_t bytes) {
  if (!kOwnMemory || (bytes > kLargestPooled && bytes < kLargeBytes)) return ::operator new(bytes);
  if (bytes >= kLargeBytes) return mapHugePages(mappedBytes(bytes));
  return pool.take(sizeClassOf(bytes));
}

void deallocate(void* block, std::size_t bytes) noexcept {
  if (block == nullptr) return;
  if (!kOwnMemory || (bytes > kLargestPooled && bytes < kLargeBytes)) {
    ::operator delete(block, bytes);
  } else if (bytes >= kLargeBytes) {
    ::munmap(block, mappedBytes(bytes));
  } else {
    pool.give(block, sizeClassOf(bytes));
  }
}

}  // namespace object_memory
