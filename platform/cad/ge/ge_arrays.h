#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector2d.h"
#include "platform/cad/ge/ge_vector3d.h"

// The host's growable array. An index out of range never touches memory outside the
// array: reads give a default element, writes and removals are ignored.
template <class T>
class AcArray {
 public:
  AcArray() = default;
  explicit AcArray(int physicalLength, int growLength = 8) : m_growLength(growLength) {
    if (physicalLength > 0) m_items.reserve(static_cast<size_t>(physicalLength));
  }

  int length() const { return static_cast<int>(m_items.size()); }
  int logicalLength() const { return length(); }
  int physicalLength() const { return static_cast<int>(m_items.capacity()); }
  int growLength() const { return m_growLength; }
  bool isEmpty() const { return m_items.empty(); }

  AcArray& setLogicalLength(int n) {
    m_items.resize(static_cast<size_t>(std::max(n, 0)));
    return *this;
  }
  AcArray& setPhysicalLength(int n) {
    if (n < length()) setLogicalLength(n);
    m_items.reserve(static_cast<size_t>(std::max(n, 0)));
    return *this;
  }
  AcArray& setGrowLength(int n) {
    m_growLength = n;
    return *this;
  }

  int append(const T& value) {
    m_items.push_back(value);
    return length() - 1;
  }
  AcArray& append(const AcArray& other) {
    m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
    return *this;
  }
  AcArray& insertAt(int index, const T& value) {
    if (index >= 0 && index <= length()) m_items.insert(m_items.begin() + index, value);
    return *this;
  }
  AcArray& setAt(int index, const T& value) {
    if (isValid(index)) m_items[static_cast<size_t>(index)] = value;
    return *this;
  }
  AcArray& removeAt(int index) {
    if (isValid(index)) m_items.erase(m_items.begin() + index);
    return *this;
  }
  bool remove(const T& value, int start = 0) {
    int at = findFrom(value, start);
    if (at < 0) return false;
    removeAt(at);
    return true;
  }
  AcArray& removeFirst() { return removeAt(0); }
  AcArray& removeLast() { return removeAt(length() - 1); }
  AcArray& removeAll() {
    m_items.clear();
    return *this;
  }
  AcArray& removeSubArray(int startIndex, int endIndex) {
    startIndex = std::max(startIndex, 0);
    endIndex = std::min(endIndex, length() - 1);
    if (startIndex <= endIndex) m_items.erase(m_items.begin() + startIndex, m_items.begin() + endIndex + 1);
    return *this;
  }

  T& at(int index) { return isValid(index) ? m_items[static_cast<size_t>(index)] : scratch(); }
  const T& at(int index) const { return isValid(index) ? m_items[static_cast<size_t>(index)] : scratch(); }
  T& operator[](int index) { return at(index); }
  const T& operator[](int index) const { return at(index); }
  T& first() { return at(0); }
  const T& first() const { return at(0); }
  T& last() { return at(length() - 1); }
  const T& last() const { return at(length() - 1); }

  bool contains(const T& value, int start = 0) const { return findFrom(value, start) >= 0; }
  bool find(const T& value, int& foundAt, int start = 0) const {
    int at = findFrom(value, start);
    if (at < 0) return false;
    foundAt = at;
    return true;
  }
  int findFrom(const T& value, int start = 0) const {
    for (int i = std::max(start, 0); i < length(); ++i)
      if (m_items[static_cast<size_t>(i)] == value) return i;
    return -1;
  }

  AcArray& reverse() {
    std::reverse(m_items.begin(), m_items.end());
    return *this;
  }
  AcArray& swap(int i, int j) {
    if (isValid(i) && isValid(j)) std::swap(m_items[static_cast<size_t>(i)], m_items[static_cast<size_t>(j)]);
    return *this;
  }

  T* asArrayPtr() { return m_items.data(); }
  const T* asArrayPtr() const { return m_items.data(); }

  typename std::vector<T>::iterator begin() { return m_items.begin(); }
  typename std::vector<T>::iterator end() { return m_items.end(); }
  typename std::vector<T>::const_iterator begin() const { return m_items.begin(); }
  typename std::vector<T>::const_iterator end() const { return m_items.end(); }

  bool operator==(const AcArray& other) const { return m_items == other.m_items; }

 private:
  bool isValid(int index) const { return index >= 0 && index < length(); }
  T& scratch() const {
    m_scratch = T();
    return m_scratch;
  }

  std::vector<T> m_items;
  int m_growLength = 8;
  mutable T m_scratch{};
};

using AcGePoint2dArray = AcArray<AcGePoint2d>;
using AcGePoint3dArray = AcArray<AcGePoint3d>;
using AcGeVector2dArray = AcArray<AcGeVector2d>;
using AcGeVector3dArray = AcArray<AcGeVector3d>;
using AcGeDoubleArray = AcArray<double>;
using AcGeIntArray = AcArray<int>;
// Untyped pointers; what they point to and who owns it is said by each call that fills one.
using AcGeVoidPointerArray = AcArray<void*>;
