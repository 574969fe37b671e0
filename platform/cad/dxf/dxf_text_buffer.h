// DxfTextBuffer: the bytes of a whole DXF file in memory. The bytes live in an
// anonymous mapping that asks the kernel for huge pages and grows by remapping, not
// copying: touching tens of megabytes of fresh small pages one fault at a time can
// cost more than reading or writing the text itself.
//
// When memory runs out the buffer keeps what it had, drops what does not fit and
// says so through failed(), so callers report a failure instead of aborting.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

class DxfTextBuffer {
 public:
  DxfTextBuffer() = default;
  ~DxfTextBuffer();
  DxfTextBuffer(DxfTextBuffer&& other) noexcept;
  DxfTextBuffer& operator=(DxfTextBuffer&& other) noexcept;
  DxfTextBuffer(const DxfTextBuffer&) = delete;
  DxfTextBuffer& operator=(const DxfTextBuffer&) = delete;

  const char* data() const { return data_; }
  std::size_t size() const { return size_; }
  std::size_t capacity() const { return capacity_; }
  std::string_view view() const { return std::string_view(data_ != nullptr ? data_ : "", size_); }
  bool failed() const { return failed_; }

  // False (and failed()) when the memory cannot be had.
  bool reserve(std::size_t bytes);
  void append(std::string_view text) {
    if (text.size() > capacity_ - size_ && !reserve(size_ + text.size())) return;
    if (!text.empty()) std::memcpy(data_ + size_, text.data(), text.size());
    size_ += text.size();
  }
  // Room for at least bytes more at the end, to be filled and then taken by grow().
  char* spare(std::size_t bytes) {
    return bytes <= capacity_ - size_ || reserve(size_ + bytes) ? data_ + size_ : nullptr;
  }
  void grow(std::size_t bytes) { size_ += bytes; }
  // Puts text before the bytes already held.
  void prepend(std::string_view text);
  void clear() { size_ = 0; }

 private:
  void release();

  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
  bool failed_ = false;
};
