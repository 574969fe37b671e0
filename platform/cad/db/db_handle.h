// AcDbHandle: a drawing's 64-bit object handle, written as upper-case hex text.
#pragma once

#include <cstdint>

#include "platform/cad/db/adesk.h"

class AcDbHandle {
 public:
  AcDbHandle() = default;
  AcDbHandle(Adesk::UInt32 low, Adesk::UInt32 high) : value_((std::uint64_t{high} << 32) | low) {}
  explicit AcDbHandle(std::uint64_t value) : value_(value) {}
  // Reads hex text such as "1F"; text that is not hex gives the null handle.
  explicit AcDbHandle(const char* hexText);

  bool isNull() const { return value_ == 0; }
  void setNull() { value_ = 0; }
  Adesk::UInt32 low() const { return static_cast<Adesk::UInt32>(value_); }
  Adesk::UInt32 high() const { return static_cast<Adesk::UInt32>(value_ >> 32); }
  std::uint64_t value() const { return value_; }

  // Hex text without leading zeros ("0" for the null handle); the buffer needs 17 bytes.
  bool getIntoAsciiBuffer(char* buffer) const;
  static constexpr int kStrSiz = 17;

  AcDbHandle& operator++() {
    ++value_;
    return *this;
  }
  AcDbHandle operator++(int) {
    AcDbHandle before = *this;
    ++value_;
    return before;
  }
  AcDbHandle operator+(const AcDbHandle& other) const { return AcDbHandle(value_ + other.value_); }
  AcDbHandle& operator+=(const AcDbHandle& other) {
    value_ += other.value_;
    return *this;
  }
  auto operator<=>(const AcDbHandle&) const = default;

 private:
  std::uint64_t value_ = 0;
};
