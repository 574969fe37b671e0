// Keeps a view's caret, selection and anchor on the same text after an edit.
// The buffer hands one of these with every text-change notice.
#pragma once

#include "editor/textedit/text_position.h"

class CPositionFixup {
 public:
  virtual ~CPositionFixup() = default;
  virtual void Adjust(TextPosition& point) const = 0;
};

// After text was inserted from start up to end (end = just behind it).
class CInsertionFixup : public CPositionFixup {
 public:
  CInsertionFixup(TextPosition start, TextPosition end) : start_(start), end_(end) {}
  void Adjust(TextPosition& point) const override;

 private:
  TextPosition start_;
  TextPosition end_;
};

// After the text from start up to (not including) end was deleted.
class CDeletionFixup : public CPositionFixup {
 public:
  CDeletionFixup(TextPosition start, TextPosition end) : start_(start), end_(end) {}
  void Adjust(TextPosition& point) const override;

 private:
  TextPosition start_;
  TextPosition end_;
};
