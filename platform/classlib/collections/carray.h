// CArray: the class library's growable array. Elements may be any copyable
// type (CString included); indexes outside the array stop the program rather
// than reach foreign memory.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/classlib/cobject.h"
#include "platform/classlib/collections/collection_index.h"
#include "platform/classlib/diagnostics.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
 public:
  CArray() = default;
  CArray(const CArray& other) : CObject(), items_(other.items_) {}
  CArray(CArray&& other) noexcept : CObject(), items_(std::move(other.items_)) {}
  CArray& operator=(const CArray& other) {
    items_ = other.items_;
    return *this;
  }
  CArray& operator=(CArray&& other) noexcept {
    items_ = std::move(other.items_);
    return *this;
  }

  // Size.
  INT_PTR GetSize() const { return static_cast<INT_PTR>(items_.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  BOOL IsEmpty() const { return items_.empty(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }
  // grow_by is accepted for compatibility; the vector decides its own growth.
  void SetSize(INT_PTR new_size, INT_PTR grow_by = -1) {
    (void)grow_by;
    ASSERT(new_size >= 0);
    items_.resize(static_cast<size_t>(std::max<INT_PTR>(new_size, 0)));
  }
  void FreeExtra() { items_.shrink_to_fit(); }
  void RemoveAll() { items_.clear(); }

  // Element access.
  const TYPE& GetAt(INT_PTR index) const { return items_[Checked(index)]; }
  TYPE& GetAt(INT_PTR index) { return items_[Checked(index)]; }
  void SetAt(INT_PTR index, ARG_TYPE element) { items_[Checked(index)] = element; }
  const TYPE& ElementAt(INT_PTR index) const { return items_[Checked(index)]; }
  TYPE& ElementAt(INT_PTR index) { return items_[Checked(index)]; }
  const TYPE& operator[](INT_PTR index) const { return items_[Checked(index)]; }
  TYPE& operator[](INT_PTR index) { return items_[Checked(index)]; }
  const TYPE* GetData() const { return items_.data(); }
  TYPE* GetData() { return items_.data(); }

  // Growing.
  void SetAtGrow(INT_PTR index, ARG_TYPE element) {
    ASSERT(index >= 0);
    if (index < 0) return;
    TYPE copy(element);  // element may live in this array
    if (index >= GetSize()) items_.resize(static_cast<size_t>(index) + 1);
    items_[static_cast<size_t>(index)] = std::move(copy);
  }
  INT_PTR Add(ARG_TYPE element) {
    items_.push_back(element);
    return GetUpperBound();
  }
  // Returns the index of the first appended element.
  INT_PTR Append(const CArray& other) {
    const INT_PTR first = GetSize();
    const std::vector<TYPE> copy(other.items_);  // other may be this array
    items_.insert(items_.end(), copy.begin(), copy.end());
    return first;
  }
  void Copy(const CArray& other) {
    if (&other != this) items_ = other.items_;
  }

  // Inserting past the end grows the array first, as the class library does.
  void InsertAt(INT_PTR index, ARG_TYPE element, INT_PTR count = 1) {
    ASSERT(index >= 0 && count >= 0);
    if (index < 0 || count <= 0) return;
    TYPE copy(element);
    if (index > GetSize()) items_.resize(static_cast<size_t>(index));
    items_.insert(items_.begin() + index, static_cast<size_t>(count), copy);
  }
  void InsertAt(INT_PTR start_index, const CArray* other) {
    ASSERT(other != nullptr && start_index >= 0);
    if (other == nullptr || start_index < 0 || other->IsEmpty()) return;
    const std::vector<TYPE> copy(other->items_);
    if (start_index > GetSize()) items_.resize(static_cast<size_t>(start_index));
    items_.insert(items_.begin() + start_index, copy.begin(), copy.end());
  }
  // A range reaching past the end is cut at the end.
  void RemoveAt(INT_PTR index, INT_PTR count = 1) {
    ASSERT(index >= 0 && count >= 0);
    if (index < 0 || count <= 0 || index >= GetSize()) return;
    count = std::min(count, GetSize() - index);
    items_.erase(items_.begin() + index, items_.begin() + index + count);
  }

  // Range-for support.
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  size_t Checked(INT_PTR index) const {
    classlib_detail::CheckIndex("CArray", index, items_.size());
    return static_cast<size_t>(index);
  }

  std::vector<TYPE> items_;
};
