// Operation forms: reading a parameter record (a toolpath group's description,
// a *.par file, a cycle of a *.mcp file) line by line into an operation's
// members, all or nothing.
//
// Every value is bound to its member and to the member's FieldLimit (the same
// one the dialog checks). Nothing is written while the lines are read: the
// values wait until Apply(), which the caller runs once the last line read
// well. The first line that is missing, short of a value, or holds a value that
// is not a number, not finite or outside its limit stops the reading, and
// Refusal() says which line and which field, in the message table's words.
//
//   RecordReader reader(text);
//   int version = 0, kind = 0;
//   if (!reader.Head(version, kind, {{d.m_Side, kProfileLimits.side}})) return false;
//   ReadToolNumberLine(reader, ...);                      // shared line readers
//   reader.Line({{d.m_Feed, kProfileLimits.feed}, {d.m_Passes, kProfileLimits.passes}});
//   if (reader.failed()) return false;                    // d unchanged
//   reader.Apply();                                       // d takes every value
//
// Sub-blocks (lead moves, plunge, tool) read through the same reader, so that
// a refusal further on leaves them unchanged too. Values are separated by
// blanks; an int takes a whole decimal integer, a real any finite decimal
// number; what follows the last bound value on a line is ignored.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/classlib/cstring.h"
#include "platform/wintypes/windows_types.h"
#include "plugin/geometry/forms/field_limits.h"

// One value of a record line: its member and its limit.
class RecordField {
 public:
  RecordField(int& member, const FieldLimit& limit) : member_(&member), type_(kInt), limit_(&limit) {}
  RecordField(BYTE& member, const FieldLimit& limit) : member_(&member), type_(kByte), limit_(&limit) {}
  RecordField(float& member, const FieldLimit& limit) : member_(&member), type_(kFloat), limit_(&limit) {}
  RecordField(double& member, const FieldLimit& limit) : member_(&member), type_(kDouble), limit_(&limit) {}
  // A byte switch that older records may hold as any whole number: not 0 is 1.
  static RecordField Flag(BYTE& member, const FieldLimit& limit) {
    RecordField field(member, limit);
    field.type_ = kFlag;
    return field;
  }

  const FieldLimit& limit() const { return *limit_; }
  bool isInteger() const { return type_ != kFloat && type_ != kDouble; }
  // The member takes the value (already checked against the limit).
  void Store(double value) const;

 private:
  enum Type { kInt, kByte, kFlag, kFloat, kDouble };
  void* member_;
  Type type_;
  const FieldLimit* limit_;
};

class RecordReader {
 public:
  // Records are some hundred bytes; a text past this is refused unread.
  static constexpr std::size_t kLargestRecord = std::size_t{1} << 20;

  // A line that no line feed ends counts unless lineFeedRequired.
  explicit RecordReader(const char* text, bool lineFeedRequired = false);

  // The head line: the tag (not checked here; callers check tag and kind), the
  // version and the kind, which are written at once, then the head's own fields.
  bool Head(int& version, int& kind, std::initializer_list<RecordField> fields = {});
  // The next line: every field in order. With required below the count, the
  // fields from there on are optional and keep their values when absent.
  bool Line(std::initializer_list<RecordField> fields, int required = -1);
  // A trailing line that later records add: at the end of the text it reads
  // as nothing and the fields keep their values; otherwise as Line.
  bool OptionalLine(std::initializer_list<RecordField> fields);

  // Every value read so far goes to its member; nothing when the reading failed.
  void Apply();

  bool failed() const { return failed_; }
  // Empty until a reading failed.
  const CString& Refusal() const { return refusal_; }
  // Where the next line starts.
  const char* cursor() const { return cursor_; }

 private:
  bool TakeLine(std::string& line);
  bool ReadFields(const std::string& line, std::initializer_list<RecordField> fields, int required);
  bool Refuse(const CString& why);

  struct Pending {
    RecordField field;
    double value;
  };
  const char* cursor_;
  bool lineFeedRequired_;
  int lineNumber_ = 0;
  bool failed_ = false;
  CString refusal_;
  std::vector<Pending> pending_;
};

// Reads a whole record into a holder all or nothing: the reading function
// binds the holder's members to the reader; the holder changes only when every
// line read. On false, refusal (when given) says why.
template <class Holder, class ReadLines>
bool ReadRecordInto(const char* text, Holder& holder, ReadLines readLines, CString* refusal,
                    bool lineFeedRequired = false) {
  RecordReader reader(text, lineFeedRequired);
  if (text == nullptr || !readLines(reader, holder) || reader.failed()) {
    if (refusal != nullptr) *refusal = reader.Refusal();
    return false;
  }
  reader.Apply();
  return true;
}
