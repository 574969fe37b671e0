// The text of one document: an array of line records with load and save in
// the file's own line-ending style, line flags and bookmarks, undo and redo,
// and change notices to every attached view. Texts are UTF-8 bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/textedit/edit_action.h"
#include "editor/textedit/line_store.h"
#include "editor/textedit/text_buffer_view.h"
#include "editor/textedit/text_position.h"
#include "editor/textedit/undo_record.h"
#include "platform/classlib/cmdtarget.h"
#include "platform/classlib/cstring.h"

// Line flags.
constexpr DWORD LF_BOOKMARK_FIRST = 0x00000001;  // numbered bookmark n is LF_BOOKMARK_FIRST << n
constexpr DWORD LF_MARKER_FIRST = 0x00010000;
constexpr DWORD LF_MARKER_SECOND = 0x00020000;
constexpr DWORD LF_BOOKMARK = 0x00080000;  // anonymous bookmark
constexpr DWORD LF_MARKER_THIRD = 0x00100000;

constexpr DWORD LineBookmarkFlag(int number) { return LF_BOOKMARK_FIRST << number; }

enum class SaveResult;

class CVellumTextBuffer : public CCmdTarget {
  DECLARE_DYNCREATE(CVellumTextBuffer)

 public:
  using LineRecord = TextLineRecord;
  using UndoRecord = TextUndoRecord;

  static constexpr int kUndoLimit = 1024;

  CVellumTextBuffer();
  ~CVellumTextBuffer() override;
  CVellumTextBuffer(const CVellumTextBuffer&) = delete;
  CVellumTextBuffer& operator=(const CVellumTextBuffer&) = delete;

  // Queries; line indices must be valid.
  BOOL IsInitialised() const { return initialised_; }
  int LineCount() const { return lines_.Count(); }
  int LineLength(int line) const { return lines_.Length(line); }
  const char* LineText(int line) const { return lines_.Text(line); }
  std::string_view LineView(int line) const { return lines_.View(line); }
  DWORD LineFlags(int line) const { return lines_.Flags(line); }
  int LineEndingStyle() const { return line_ending_style_; }
  BOOL GetReadOnly() const { return read_only_; }
  BOOL IsModified() const { return modified_; }
  BOOL HasUndo() const { return undo_position_ > 0; }
  BOOL HasRedo() const { return undo_position_ < static_cast<int>(undo_records_.size()); }

  // The text from start up to (not including) end, lines joined by ending
  // ("\r\n" when null). Columns inside a multi-byte character widen the range
  // to whole characters.
  void CopyRange(int start_line, int start_column, int end_line, int end_column, CString& text,
                 const char* ending = nullptr) const;

  // Raw line building for loaders: no notices, no undo. index -1 appends.
  void AppendLineRecord(const char* text, int length = -1, int index = -1);
  void AppendToLine(int index, const char* text, int length = -1);

  // Whole buffer.
  BOOL InitNew(int style = 0);
  // On failure the buffer keeps what it held before.
  BOOL LoadFromFile(const char* path, int style = -1);
  // Replaces the file atomically; every failure is shown to the user and
  // leaves the file on disk as it was.
  BOOL SaveToFile(const char* path, int style = -1, BOOL clear_modified = TRUE);
  void FreeAll();
  void SetReadOnly(BOOL read_only) { read_only_ = read_only; }
  virtual void MarkModified(BOOL modified);

  // Line flags and bookmarks.
  void SetLineFlagBit(int line, DWORD bit, BOOL on, BOOL exclusive = TRUE);
  int FindLineWithFlag(DWORD bit) const;
  int NextBookmarkLine(int line) const;
  int PrevBookmarkLine(int line) const;

  // Views.
  void AttachView(CTextBufferView* view);
  void DetachView(CTextBufferView* view);
  void NotifyViews(CTextBufferView* source, const CPositionFixup* fixup, DWORD flags, int line);

  // Edits with undo. Both return FALSE, changing nothing, when the buffer is
  // read-only or a position lies outside the text.
  BOOL InsertText(CTextBufferView* view, int line, int column, const char* text, int& end_line, int& end_column,
                  int action = ActionUnknown);
  BOOL DeleteText(CTextBufferView* view, int start_line, int start_column, int end_line, int end_column,
                  int action = ActionUnknown);

  // Undo groups: one user action undoes as one step.
  void BeginUndoGroup(BOOL merge = FALSE);
  void FlushUndoGroup(CTextBufferView* view);
  BOOL UndoStep(TextPosition& cursor);
  BOOL RedoStep(TextPosition& cursor);
  BOOL UndoLabelText(CString& text);
  BOOL RedoLabelText(CString& text);
  // The Undo and Redo menu items' texts, with the action when there is one.
  CString UndoMenuText();
  CString RedoMenuText();
  virtual BOOL UndoActionText(int action, CString& text);

  // Undo list state, for views and tests.
  int UndoRecordCount() const { return static_cast<int>(undo_records_.size()); }
  const UndoRecord& GetUndoRecord(int index) const { return undo_records_[static_cast<size_t>(index)]; }
  int UndoPosition() const { return undo_position_; }
  int SavedPosition() const { return saved_position_; }
  void SetUndoLimit(int limit) { undo_limit_ = limit; }

 protected:
  // Raw edits: change the text and notify, record nothing.
  BOOL InsertRaw(CTextBufferView* view, int line, int column, const char* text, int& end_line, int& end_column);
  BOOL DeleteRaw(CTextBufferView* view, int start_line, int start_column, int end_line, int end_column);

 private:
  // A saved position that no undo or redo can reach again.
  static constexpr int kSavedPositionLost = -1;

  BOOL InsertLines(CTextBufferView* view, TextPosition at, const std::vector<std::string_view>& pieces,
                   TextPosition& end);
  bool IsValidPosition(int line, int column) const;
  // Widens start and end to whole characters and appends the text between
  // them; line_breaks (when given) receives where each ending was put.
  void CollectRange(TextPosition& start, TextPosition& end, std::string_view ending, std::string& text,
                    std::vector<int>* line_breaks) const;
  void ResetUndo();
  void PushUndoRecord(bool insertion, TextPosition start, TextPosition end, std::string text,
                      std::vector<int> line_breaks, int action);
  void DiscardRedo();
  void DropOldestGroup(bool new_record_starts_group);
  void UpdateModifiedFromUndoPosition();
  void ShowSaveFailure(SaveResult result, int error, const char* path) const;

  BOOL initialised_ = FALSE;
  BOOL read_only_ = FALSE;
  BOOL modified_ = FALSE;
  int line_ending_style_ = 0;
  int undo_limit_ = 0;
  TextLineStore lines_;
  std::vector<UndoRecord> undo_records_;
  int undo_position_ = 0;
  int saved_position_ = 0;
  int last_group_start_ = -1;  // index of the record that starts the newest group
  BOOL group_open_ = FALSE;
  BOOL group_start_pending_ = FALSE;
  std::vector<CTextBufferView*> views_;
};
