// CList: the class library's doubly linked list, walked with POSITION values.
// A POSITION stays valid until its own element is removed; a null POSITION
// means "no element" (end of a walk, or not found).
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "platform/classlib/cobject.h"
#include "platform/classlib/collections/collection_index.h"
#include "platform/classlib/diagnostics.h"

struct PositionTag;
using POSITION = PositionTag*;

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
 public:
  CList() = default;
  CList(const CList&) = delete;
  CList& operator=(const CList&) = delete;
  ~CList() override { RemoveAll(); }

  INT_PTR GetCount() const { return count_; }
  INT_PTR GetSize() const { return count_; }
  BOOL IsEmpty() const { return count_ == 0; }

  // Head and tail; the list must not be empty.
  TYPE& GetHead() { return NonEmpty(head_.get())->data; }
  const TYPE& GetHead() const { return NonEmpty(head_.get())->data; }
  TYPE& GetTail() { return NonEmpty(tail_)->data; }
  const TYPE& GetTail() const { return NonEmpty(tail_)->data; }
  TYPE RemoveHead() {
    Node* node = NonEmpty(head_.get());
    TYPE value(std::move(node->data));
    Unlink(node);
    return value;
  }
  TYPE RemoveTail() {
    Node* node = NonEmpty(tail_);
    TYPE value(std::move(node->data));
    Unlink(node);
    return value;
  }

  POSITION AddHead(ARG_TYPE element) { return InsertBefore(GetHeadPosition(), element); }
  POSITION AddTail(ARG_TYPE element) { return InsertAfter(GetTailPosition(), element); }
  void AddHead(const CList* other) {
    if (other == nullptr) return;
    // Walk backwards so that the other list keeps its order at our head;
    // copying first makes adding a list to itself safe.
    CopyOf copy(*other);
    for (auto it = copy.values.rbegin(); it != copy.values.rend(); ++it) AddHead(*it);
  }
  void AddTail(const CList* other) {
    if (other == nullptr) return;
    CopyOf copy(*other);
    for (auto& value : copy.values) AddTail(value);
  }

  void RemoveAll() {
    // Unlink front to back so that a long list does not recurse through
    // its chain of owners.
    while (head_) head_ = std::move(head_->next);
    tail_ = nullptr;
    count_ = 0;
  }

  // Walking.
  POSITION GetHeadPosition() const { return ToPosition(head_.get()); }
  POSITION GetTailPosition() const { return ToPosition(tail_); }
  TYPE& GetNext(POSITION& position) {
    Node* node = Valid(position);
    position = ToPosition(node->next.get());
    return node->data;
  }
  const TYPE& GetNext(POSITION& position) const {
    const Node* node = Valid(position);
    position = ToPosition(node->next.get());
    return node->data;
  }
  TYPE& GetPrev(POSITION& position) {
    Node* node = Valid(position);
    position = ToPosition(node->prev);
    return node->data;
  }
  const TYPE& GetPrev(POSITION& position) const {
    const Node* node = Valid(position);
    position = ToPosition(node->prev);
    return node->data;
  }

  TYPE& GetAt(POSITION position) { return Valid(position)->data; }
  const TYPE& GetAt(POSITION position) const { return Valid(position)->data; }
  void SetAt(POSITION position, ARG_TYPE element) { Valid(position)->data = element; }
  void RemoveAt(POSITION position) { Unlink(Valid(position)); }

  // A null position inserts at the head (before) or the tail (after).
  POSITION InsertBefore(POSITION position, ARG_TYPE element) {
    auto node = std::make_unique<Node>(element);
    Node* added = node.get();
    Node* next = position == nullptr ? head_.get() : Valid(position);
    Node* prev = next == nullptr ? tail_ : next->prev;
    Link(std::move(node), prev, next);
    return ToPosition(added);
  }
  POSITION InsertAfter(POSITION position, ARG_TYPE element) {
    auto node = std::make_unique<Node>(element);
    Node* added = node.get();
    Node* prev = position == nullptr ? tail_ : Valid(position);
    Node* next = prev == nullptr ? head_.get() : prev->next.get();
    Link(std::move(node), prev, next);
    return ToPosition(added);
  }

  // Searches from the head, or from the element after start_after.
  POSITION Find(ARG_TYPE value, POSITION start_after = nullptr) const {
    const Node* node = start_after == nullptr ? head_.get() : Valid(start_after)->next.get();
    for (; node != nullptr; node = node->next.get()) {
      if (node->data == value) return ToPosition(node);
    }
    return nullptr;
  }
  // Null when index is outside the list.
  POSITION FindIndex(INT_PTR index) const {
    if (index < 0 || index >= count_) return nullptr;
    const Node* node = head_.get();
    while (index-- > 0) node = node->next.get();
    return ToPosition(node);
  }

 private:
  struct Node {
    explicit Node(ARG_TYPE value) : data(value) {}
    TYPE data;
    Node* prev = nullptr;
    std::unique_ptr<Node> next;  // each node owns its successor; head_ owns the first
  };

  // The values of a list, taken before a list is added to itself.
  struct CopyOf {
    explicit CopyOf(const CList& list) {
      for (const Node* node = list.head_.get(); node != nullptr; node = node->next.get()) {
        values.push_back(node->data);
      }
    }
    std::vector<TYPE> values;
  };

  static POSITION ToPosition(const Node* node) { return reinterpret_cast<POSITION>(const_cast<Node*>(node)); }
  static Node* Valid(POSITION position) {
    ASSERT(position != nullptr);
    if (position == nullptr) classlib_detail::NullPositionFault();
    return reinterpret_cast<Node*>(position);
  }
  static Node* NonEmpty(Node* node) {
    ASSERT(node != nullptr);
    if (node == nullptr) classlib_detail::NullPositionFault();
    return node;
  }

  // Puts node between prev and next (either may be null at the ends).
  void Link(std::unique_ptr<Node> node, Node* prev, Node* next) {
    node->prev = prev;
    if (next != nullptr)
      next->prev = node.get();
    else
      tail_ = node.get();
    std::unique_ptr<Node>& owner = prev == nullptr ? head_ : prev->next;
    node->next = std::move(owner);
    owner = std::move(node);
    ++count_;
  }
  void Unlink(Node* node) {
    Node* prev = node->prev;
    std::unique_ptr<Node>& owner = prev == nullptr ? head_ : prev->next;
    std::unique_ptr<Node> doomed = std::move(owner);
    owner = std::move(doomed->next);
    if (owner)
      owner->prev = prev;
    else
      tail_ = prev;
    --count_;
  }

  std::unique_ptr<Node> head_;
  Node* tail_ = nullptr;
  INT_PTR count_ = 0;
};
