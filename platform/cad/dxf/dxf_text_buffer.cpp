#include "platform/cad/dxf/dxf_text_buffer.h"

#include <sys/mman.h>

#include <utility>

namespace {

constexpr std::size_t kSmallest = std::size_t{1} << 20;
constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t roundedCapacity(std::size_t wanted, std::size_t current) {
  std::size_t capacity = current < kSmallest ? kSmallest : current;
  while (capacity < wanted) {
    if (capacity > (static_cast<std::size_t>(-1) >> 2)) return wanted;
    capacity *= 2;
  }
  return (capacity + kHugePage - 1) / kHugePage * kHugePage;
}

}  // namespace

DxfTextBuffer::~DxfTextBuffer() { release(); }

DxfTextBuffer::DxfTextBuffer(DxfTextBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)),
      failed_(std::exchange(other.failed_, false)) {}

DxfTextBuffer& DxfTextBuffer::operator=(DxfTextBuffer&& other) noexcept {
  if (this != &other) {
    release();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
    failed_ = std::exchange(other.failed_, false);
  }
  return *this;
}

void DxfTextBuffer::release() {
  if (data_ != nullptr) ::munmap(data_, capacity_);
  data_ = nullptr;
  size_ = capacity_ = 0;
}

bool DxfTextBuffer::reserve(std::size_t bytes) {
  if (bytes <= capacity_) return true;
  if (failed_ || bytes < size_) return false;
  const std::size_t capacity = roundedCapacity(bytes, capacity_);
  void* memory = data_ == nullptr
                     ? ::mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                     : ::mremap(data_, capacity_, capacity, MREMAP_MAYMOVE);
  if (memory == MAP_FAILED) {
    failed_ = true;
    return false;
  }
  // Only a hint: without huge pages the buffer works the same, just slower.
  ::madvise(memory, capacity, MADV_HUGEPAGE);
  data_ = static_cast<char*>(memory);
  capacity_ = capacity;
  return true;
}

void DxfTextBuffer::prepend(std::string_view text) {
  if (text.empty() || !reserve(size_ + text.size())) return;
  std::memmove(data_ + text.size(), data_, size_);
  std::memcpy(data_, text.data(), text.size());
  size_ += text.size();
}
