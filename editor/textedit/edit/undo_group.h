// One user action as one undo step: opens a group on the buffer and, when it
// goes out of scope, closes it for the view (which then hears of the action).
#pragma once

#include "editor/textedit/text_buffer.h"

class CUndoGroup {
 public:
  CUndoGroup(CVellumTextBuffer* buffer, CTextBufferView* view, BOOL merge = FALSE) : buffer_(buffer), view_(view) {
    if (buffer_ != nullptr) buffer_->BeginUndoGroup(merge);
  }
  ~CUndoGroup() {
    if (buffer_ != nullptr) buffer_->FlushUndoGroup(view_);
  }
  CUndoGroup(const CUndoGroup&) = delete;
  CUndoGroup& operator=(const CUndoGroup&) = delete;

 private:
  CVellumTextBuffer* buffer_;
  CTextBufferView* view_;
};
