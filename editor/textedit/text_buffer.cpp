#include "editor/textedit/text_buffer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "editor/textedit/file_failure_text.h"
#include "editor/textedit/line_ending.h"
#include "editor/textedit/text_file_reader.h"
#include "editor/textedit/utf8_boundary.h"
#include "platform/ui/ui_driver.h"
#include "platform/win/atomic_file_writer.h"
#include "platform/win/win_paths.h"

IMPLEMENT_DYNCREATE(CVellumTextBuffer, CCmdTarget)

namespace {

constexpr char kDefaultEnding[] = "\r\n";
constexpr char kMessageCaption[] = "메시지";
// Temporary files "CRE<pid>-<letters>.tmp"; a read-only file is refused, not replaced.
const AtomicWriteOptions kSaveOptions{{"CRE", ".tmp"}, 0666, true};

bool HasSingleBit(DWORD bit) { return bit != 0 && (bit & (bit - 1)) == 0; }

// Pieces of an inserted text: it ends at its zero byte, and CR LF breaks the
// line. A lone CR or LF stays in the line, so that a command that rewrites
// lines keeps such bytes of a file as they were.
std::vector<std::string_view> SplitInsertedText(const char* text) {
  std::vector<std::string_view> pieces;
  const std::string_view all(text);
  size_t start = 0;
  for (size_t stop = all.find("\r\n"); stop != std::string_view::npos; stop = all.find("\r\n", start)) {
    pieces.push_back(all.substr(start, stop - start));
    start = stop + 2;
  }
  pieces.push_back(all.substr(start));
  return pieces;
}

}  // namespace

CVellumTextBuffer::CVellumTextBuffer() = default;

CVellumTextBuffer::~CVellumTextBuffer() = default;

void CVellumTextBuffer::CopyRange(int start_line, int start_column, int end_line, int end_column, CString& text,
                                  const char* ending) const {
  text.Empty();
  if (!IsValidPosition(start_line, start_column) || !IsValidPosition(end_line, end_column)) return;
  TextPosition start{start_column, start_line};
  TextPosition end{end_column, end_line};
  std::string copy;
  CollectRange(start, end, ending == nullptr ? kDefaultEnding : ending, copy, nullptr);
  text = CString(copy);
}

void CVellumTextBuffer::CollectRange(TextPosition& start, TextPosition& end, std::string_view ending, std::string& text,
                                     std::vector<int>* line_breaks) const {
  start.column = utf8_boundary::CharStart(LineText(start.line), LineLength(start.line), start.column);
  end.column = utf8_boundary::CharEnd(LineText(end.line), LineLength(end.line), end.column);
  if (end.line < start.line || (end.line == start.line && end.column <= start.column)) {
    end = start;
    return;
  }
  if (start.line == end.line) {
    text.assign(LineText(start.line) + start.column, static_cast<size_t>(end.column - start.column));
    return;
  }
  size_t size = 0;
  for (int line = start.line; line <= end.line; ++line) {
    size += static_cast<size_t>(LineLength(line)) + ending.size();
  }
  text.reserve(size);
  text.append(LineText(start.line) + start.column, static_cast<size_t>(LineLength(start.line) - start.column));
  for (int line = start.line + 1; line <= end.line; ++line) {
    if (line_breaks != nullptr) line_breaks->push_back(static_cast<int>(text.size()));
    text.append(ending);
    const size_t count = line == end.line ? static_cast<size_t>(end.column) : static_cast<size_t>(LineLength(line));
    text.append(LineText(line), count);
  }
}

void CVellumTextBuffer::AppendLineRecord(const char* text, int length, int index) {
  if (length < 0) length = text == nullptr ? 0 : static_cast<int>(std::strlen(text));
  if (index < 0 || index >= LineCount()) index = LineCount();
  lines_.Insert(index, {std::string_view(text == nullptr ? "" : text, static_cast<size_t>(length))});
}

void CVellumTextBuffer::AppendToLine(int index, const char* text, int length) {
  if (index < 0 || index >= LineCount()) return;
  if (length < 0) length = text == nullptr ? 0 : static_cast<int>(std::strlen(text));
  lines_.Append(index, text, length);
}

BOOL CVellumTextBuffer::InitNew(int style) {
  lines_.Clear();
  AppendLineRecord(nullptr, 0);
  line_ending_style_ = line_ending::IsValidStyle(style) ? style : line_ending::kCrLf;
  initialised_ = TRUE;
  read_only_ = FALSE;
  modified_ = FALSE;
  ResetUndo();
  NotifyViews(nullptr, nullptr, UpdateReset, -1);
  return TRUE;
}

BOOL CVellumTextBuffer::LoadFromFile(const char* path, int style) {
  TextFileContents contents;
  if (path == nullptr || !ReadTextFile(win::ToUnixPath(path).c_str(), style, contents)) return FALSE;
  lines_ = std::move(contents.lines);
  line_ending_style_ = contents.style;
  initialised_ = TRUE;
  read_only_ = contents.read_only;
  modified_ = FALSE;
  ResetUndo();
  NotifyViews(nullptr, nullptr, UpdateReset, -1);
  return TRUE;
}

BOOL CVellumTextBuffer::SaveToFile(const char* path, int style, BOOL clear_modified) {
  if (!line_ending::IsValidStyle(style)) style = line_ending_style_;
  AtomicFileWriter writer(kSaveOptions);
  SaveResult result = path == nullptr || *path == '\0' ? SaveResult::kCannotCreate : writer.Open(win::ToUnixPath(path));
  if (result == SaveResult::kSaved) {
    const std::string_view ending = line_ending::Bytes(style);
    const int count = LineCount();
    for (int line = 0; line < count; ++line) {
      if (!writer.Write(LineText(line), static_cast<size_t>(LineLength(line)))) break;
      if (line + 1 < count && !writer.Write(ending.data(), ending.size())) break;
    }
    result = writer.Commit();
  }
  if (result != SaveResult::kSaved) {
    ShowSaveFailure(result, writer.error(), path == nullptr ? "" : path);
    return FALSE;
  }
  if (clear_modified) {
    MarkModified(FALSE);
    saved_position_ = undo_position_;
  }
  return TRUE;
}

void CVellumTextBuffer::ShowSaveFailure(SaveResult result, int error, const char* path) const {
  ui::Ui().MessageBox(SaveFailureMessage(result, error, path), kMessageCaption, MB_OK);
}

void CVellumTextBuffer::FreeAll() {
  lines_.Clear();
  undo_records_.clear();
  last_group_start_ = -1;
  undo_position_ = 0;
  saved_position_ = 0;
  group_open_ = FALSE;
  group_start_pending_ = FALSE;
  initialised_ = FALSE;
}

void CVellumTextBuffer::MarkModified(BOOL modified) { modified_ = modified; }

void CVellumTextBuffer::SetLineFlagBit(int line, DWORD bit, BOOL on, BOOL exclusive) {
  if (!HasSingleBit(bit)) return;
  if (line == -1) {
    line = FindLineWithFlag(bit);
    if (line < 0) return;
    exclusive = FALSE;
  }
  if (line < 0 || line >= LineCount()) return;
  const DWORD old_flags = LineFlags(line);
  const DWORD flags = on ? old_flags | bit : old_flags & ~bit;
  if (flags == old_flags) return;
  if (exclusive && on) {
    const int holder = FindLineWithFlag(bit);
    if (holder >= 0) {
      lines_.SetFlags(holder, LineFlags(holder) & ~bit);
      NotifyViews(nullptr, nullptr, UpdateOneLine | UpdateFlagsOnly, holder);
    }
  }
  lines_.SetFlags(line, flags);
  NotifyViews(nullptr, nullptr, UpdateOneLine | UpdateFlagsOnly, line);
}

int CVellumTextBuffer::FindLineWithFlag(DWORD bit) const {
  if (!HasSingleBit(bit)) return -1;
  const int count = LineCount();
  for (int line = 0; line < count; ++line) {
    if ((LineFlags(line) & bit) != 0) return line;
  }
  return -1;
}

int CVellumTextBuffer::NextBookmarkLine(int line) const {
  const int count = LineCount();
  if (count == 0) return -1;
  line = std::clamp(line, 0, count - 1);
  const int from = (LineFlags(line) & LF_BOOKMARK) != 0 ? line + 1 : line;
  for (int at = from; at < count; ++at) {
    if ((LineFlags(at) & LF_BOOKMARK) != 0) return at;
  }
  for (int at = 0; at < count; ++at) {
    if ((LineFlags(at) & LF_BOOKMARK) != 0) return at;
  }
  return -1;
}

int CVellumTextBuffer::PrevBookmarkLine(int line) const {
  const int count = LineCount();
  if (count == 0) return -1;
  line = std::clamp(line, 0, count - 1);
  const int from = (LineFlags(line) & LF_BOOKMARK) != 0 ? line - 1 : line;
  for (int at = from; at >= 0; --at) {
    if ((LineFlags(at) & LF_BOOKMARK) != 0) return at;
  }
  for (int at = count - 1; at >= 0; --at) {
    if ((LineFlags(at) & LF_BOOKMARK) != 0) return at;
  }
  return -1;
}

void CVellumTextBuffer::AttachView(CTextBufferView* view) {
  if (view != nullptr) views_.push_back(view);
}

void CVellumTextBuffer::DetachView(CTextBufferView* view) {
  const auto found = std::find(views_.begin(), views_.end(), view);
  if (found != views_.end()) views_.erase(found);
}

void CVellumTextBuffer::NotifyViews(CTextBufferView* source, const CPositionFixup* fixup, DWORD flags, int line) {
  // A view may detach itself while it is told.
  const std::vector<CTextBufferView*> views = views_;
  for (CTextBufferView* view : views) view->OnBufferChange(source, fixup, flags, line);
}

bool CVellumTextBuffer::IsValidPosition(int line, int column) const {
  return line >= 0 && line < LineCount() && column >= 0 && column <= LineLength(line);
}

BOOL CVellumTextBuffer::InsertRaw(CTextBufferView* view, int line, int column, const char* text, int& end_line,
                                  int& end_column) {
  if (read_only_ || text == nullptr || !IsValidPosition(line, column)) return FALSE;
  TextPosition end;
  if (!InsertLines(view, TextPosition{column, line}, SplitInsertedText(text), end)) return FALSE;
  end_line = end.line;
  end_column = end.column;
  return TRUE;
}

BOOL CVellumTextBuffer::InsertLines(CTextBufferView* view, TextPosition at, const std::vector<std::string_view>& pieces,
                                    TextPosition& end) {
  if (read_only_ || !IsValidPosition(at.line, at.column) || pieces.empty()) return FALSE;
  const size_t tail_length = static_cast<size_t>(LineLength(at.line) - at.column);
  const size_t column = static_cast<size_t>(at.column);
  const auto too_long = [](size_t length) { return length > static_cast<size_t>(TextLineStore::kMaxLength); };
  const size_t last_line_length = pieces.back().size() + tail_length + (pieces.size() == 1 ? column : 0);
  if (too_long(column + pieces.front().size()) || too_long(last_line_length) ||
      std::any_of(pieces.begin(), pieces.end(), [&](std::string_view piece) { return too_long(piece.size()); })) {
    return FALSE;
  }
  const std::string tail(LineText(at.line) + at.column, tail_length);
  lines_.Truncate(at.line, at.column);
  lines_.Append(at.line, pieces.front().data(), static_cast<int>(pieces.front().size()));
  if (pieces.size() > 1) lines_.Insert(at.line + 1, {pieces.begin() + 1, pieces.end()});

  end.line = at.line + static_cast<int>(pieces.size()) - 1;
  end.column = LineLength(end.line);
  lines_.Append(end.line, tail.data(), static_cast<int>(tail.size()));

  const CInsertionFixup fixup(at, end);
  const DWORD flags = pieces.size() > 1 ? UpdateLineCount | UpdateInLine : UpdateOneLine | UpdateInLine;
  NotifyViews(view, &fixup, flags, at.line);
  if (!modified_) MarkModified(TRUE);
  return TRUE;
}

BOOL CVellumTextBuffer::DeleteRaw(CTextBufferView* view, int start_line, int start_column, int end_line,
                                  int end_column) {
  if (read_only_ || !IsValidPosition(start_line, start_column) || !IsValidPosition(end_line, end_column)) {
    return FALSE;
  }
  const TextPosition start{start_column, start_line};
  const TextPosition end{end_column, end_line};
  if (end.line < start.line || (end.line == start.line && end.column < start.column)) return FALSE;

  DWORD flags = UpdateOneLine | UpdateInLine;
  if (start.line == end.line) {
    lines_.EraseInLine(start.line, start.column, end.column);
  } else {
    const int last_length = LineLength(end.line);
    if (static_cast<size_t>(start.column) + static_cast<size_t>(last_length - end.column) >
        static_cast<size_t>(TextLineStore::kMaxLength)) {
      return FALSE;
    }
    const std::string tail(LineText(end.line) + end.column, static_cast<size_t>(last_length - end.column));
    lines_.Erase(start.line + 1, end.line + 1);
    lines_.Truncate(start.line, start.column);
    lines_.Append(start.line, tail.data(), static_cast<int>(tail.size()));
    flags = UpdateLineCount | UpdateInLine;
  }
  const CDeletionFixup fixup(start, end);
  NotifyViews(view, &fixup, flags, start.line);
  if (!modified_) MarkModified(TRUE);
  return TRUE;
}
