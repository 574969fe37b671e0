// The undo side of CVellumTextBuffer: recorded edits, groups, undo and redo.
#include <algorithm>
#include <cstring>

#include "editor/textedit/text_buffer.h"
#include "editor/textedit/utf8_boundary.h"

BOOL CVellumTextBuffer::InsertText(CTextBufferView* view, int line, int column, const char* text, int& end_line,
                                   int& end_column, int action) {
  if (read_only_ || text == nullptr || !IsValidPosition(line, column)) return FALSE;
  column = utf8_boundary::CharStart(LineText(line), LineLength(line), column);
  if (!InsertRaw(view, line, column, text, end_line, end_column)) return FALSE;
  const bool opens_group = !group_open_;
  if (opens_group) BeginUndoGroup(FALSE);
  PushUndoRecord(true, TextPosition{column, line}, TextPosition{end_column, end_line}, text, {}, action);
  if (opens_group) FlushUndoGroup(view);
  return TRUE;
}

BOOL CVellumTextBuffer::DeleteText(CTextBufferView* view, int start_line, int start_column, int end_line,
                                   int end_column, int action) {
  if (read_only_ || !IsValidPosition(start_line, start_column) || !IsValidPosition(end_line, end_column)) {
    return FALSE;
  }
  TextPosition start{start_column, start_line};
  TextPosition end{end_column, end_line};
  if (end.line < start.line || (end.line == start.line && end.column < start.column)) return FALSE;
  std::string text;
  std::vector<int> line_breaks;
  CollectRange(start, end, "\r\n", text, &line_breaks);
  if (!DeleteRaw(view, start.line, start.column, end.line, end.column)) return FALSE;
  const bool opens_group = !group_open_;
  if (opens_group) BeginUndoGroup(FALSE);
  PushUndoRecord(false, start, end, std::move(text), std::move(line_breaks), action);
  if (opens_group) FlushUndoGroup(view);
  return TRUE;
}

void CVellumTextBuffer::BeginUndoGroup(BOOL merge) {
  group_open_ = TRUE;
  // A merge continues the previous step, so no record may start a new one.
  group_start_pending_ = merge && undo_position_ > 0 ? FALSE : TRUE;
}

void CVellumTextBuffer::FlushUndoGroup(CTextBufferView* view) {
  group_open_ = FALSE;
  if (view == nullptr || undo_position_ == 0) return;
  group_start_pending_ = TRUE;
  const UndoRecord& last = undo_records_[static_cast<size_t>(undo_position_ - 1)];
  view->AfterEditAction(last.action, CString(last.text));
}

void CVellumTextBuffer::ResetUndo() {
  undo_records_.clear();
  last_group_start_ = -1;
  undo_position_ = 0;
  saved_position_ = 0;
  group_open_ = FALSE;
  group_start_pending_ = FALSE;
  undo_limit_ = kUndoLimit;
}

void CVellumTextBuffer::PushUndoRecord(bool insertion, TextPosition start, TextPosition end, std::string text,
                                       std::vector<int> line_breaks, int action) {
  DiscardRedo();
  const bool starts_group = group_start_pending_ || undo_records_.empty();
  if (static_cast<int>(undo_records_.size()) >= undo_limit_) DropOldestGroup(starts_group);
  group_start_pending_ = FALSE;
  if (starts_group) last_group_start_ = static_cast<int>(undo_records_.size());

  UndoRecord record;
  record.flags = (insertion ? UndoRecord::kInsertion : 0) | (starts_group ? UndoRecord::kGroupStart : 0);
  record.start = start;
  record.end = end;
  record.action = action;
  record.text = std::move(text);
  record.line_breaks = std::move(line_breaks);
  undo_records_.push_back(std::move(record));
  undo_position_ = static_cast<int>(undo_records_.size());
}

void CVellumTextBuffer::DiscardRedo() {
  if (undo_position_ >= static_cast<int>(undo_records_.size())) return;
  undo_records_.erase(undo_records_.begin() + undo_position_, undo_records_.end());
  while (last_group_start_ >= undo_position_ ||
         (last_group_start_ >= 0 && !undo_records_[static_cast<size_t>(last_group_start_)].StartsGroup())) {
    --last_group_start_;
  }
  // The saved text lay in the part just forgotten: no undo can bring it back.
  if (saved_position_ > undo_position_) saved_position_ = kSavedPositionLost;
}

void CVellumTextBuffer::DropOldestGroup(bool new_record_starts_group) {
  // The group still being built is never cut; it may pass the limit instead.
  // Known without a search, so that a replace-all of a million records stays linear.
  if (last_group_start_ <= 0 && !new_record_starts_group) return;
  const auto next_group = std::find_if(undo_records_.begin() + 1, undo_records_.end(),
                                       [](const UndoRecord& record) { return record.StartsGroup(); });
  if (next_group == undo_records_.end() && !new_record_starts_group) return;
  const int dropped = static_cast<int>(next_group - undo_records_.begin());
  undo_records_.erase(undo_records_.begin(), next_group);
  undo_position_ -= dropped;
  last_group_start_ -= dropped;
  if (saved_position_ != kSavedPositionLost) {
    saved_position_ -= dropped;
    if (saved_position_ < 0) saved_position_ = kSavedPositionLost;
  }
}

BOOL CVellumTextBuffer::UndoStep(TextPosition& cursor) {
  if (read_only_ || !HasUndo()) return FALSE;
  for (;;) {
    const UndoRecord& record = undo_records_[static_cast<size_t>(undo_position_ - 1)];
    if (record.IsInsertion()) {
      if (!DeleteRaw(nullptr, record.start.line, record.start.column, record.end.line, record.end.column)) {
        break;
      }
      cursor = record.start;
    } else {
      TextPosition end;
      if (!InsertLines(nullptr, record.start, record.DeletedLines(), end)) break;
      cursor = record.end;
    }
    --undo_position_;
    if (record.StartsGroup() || undo_position_ == 0) break;
  }
  UpdateModifiedFromUndoPosition();
  return TRUE;
}

BOOL CVellumTextBuffer::RedoStep(TextPosition& cursor) {
  if (read_only_ || !HasRedo()) return FALSE;
  const int count = static_cast<int>(undo_records_.size());
  do {
    const UndoRecord& record = undo_records_[static_cast<size_t>(undo_position_)];
    if (record.IsInsertion()) {
      int end_line = 0;
      int end_column = 0;
      if (!InsertRaw(nullptr, record.start.line, record.start.column, record.text.c_str(), end_line, end_column)) {
        break;
      }
      cursor = record.end;
    } else {
      if (!DeleteRaw(nullptr, record.start.line, record.start.column, record.end.line, record.end.column)) {
        break;
      }
      cursor = record.start;
    }
    ++undo_position_;
  } while (undo_position_ < count && !undo_records_[static_cast<size_t>(undo_position_)].StartsGroup());
  UpdateModifiedFromUndoPosition();
  return TRUE;
}

void CVellumTextBuffer::UpdateModifiedFromUndoPosition() {
  const bool at_saved_text = saved_position_ == undo_position_;
  if (modified_ && at_saved_text) {
    MarkModified(FALSE);
  } else if (!modified_ && !at_saved_text) {
    MarkModified(TRUE);
  }
}

BOOL CVellumTextBuffer::UndoLabelText(CString& text) {
  text.Empty();
  if (!HasUndo()) return FALSE;
  int index = undo_position_ - 1;
  while (index > 0 && !undo_records_[static_cast<size_t>(index)].StartsGroup()) --index;
  if (!UndoActionText(undo_records_[static_cast<size_t>(index)].action, text)) text.Empty();
  return TRUE;
}

BOOL CVellumTextBuffer::RedoLabelText(CString& text) {
  text.Empty();
  if (!HasRedo()) return FALSE;
  if (!UndoActionText(undo_records_[static_cast<size_t>(undo_position_)].action, text)) text.Empty();
  return TRUE;
}

BOOL CVellumTextBuffer::UndoActionText(int action, CString& text) {
  const UINT id = EditActionStringId(action);
  if (id == 0) return FALSE;
  return LoadTextEditString(id, text);
}

namespace {

// The format's first %s becomes label; formats come from the string table,
// so they are never handed to printf.
CString FillMenuFormat(const CString& format, const CString& label) {
  std::string text = format.str();
  const size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, label.str());
  return CString(text);
}

CString MenuText(BOOL available, UINT format_id, UINT plain_id, const CString& label) {
  CString text;
  if (available && !label.IsEmpty() && LoadTextEditString(format_id, text)) return FillMenuFormat(text, label);
  LoadTextEditString(plain_id, text);
  return text;
}

}  // namespace

CString CVellumTextBuffer::UndoMenuText() {
  CString label;
  const BOOL available = UndoLabelText(label);
  return MenuText(available, IDS_EDIT_UNDO_FORMAT, IDS_EDIT_UNDO_PLAIN, label);
}

CString CVellumTextBuffer::RedoMenuText() {
  CString label;
  const BOOL available = RedoLabelText(label);
  return MenuText(available, IDS_EDIT_REDO_FORMAT, IDS_EDIT_REDO_PLAIN, label);
}
