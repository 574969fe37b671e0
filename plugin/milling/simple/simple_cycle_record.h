// The record text of the simple cycles: the head line with format version 3,
// the lines they share, and the all-or-nothing read into a dialog.
//
//   AppendSimpleCycleHead(text, kToolpathSimpleFace, {d.m_Direction, ...});
//   AppendToolShapeLine(text, d.m_Tool);                          // tool_lines.h
//   AppendShapeSizeLines(text, d.m_Shape);
//
//   bool ReadLines(RecordReader& r, CSimpleFaceDlg& d) {
//     return ReadSimpleCycleHead(r, kToolpathSimpleFace, {...}) && ReadToolShapeLine(r, d.m_Tool) && ...;
//   }
//   return ReadSimpleCycleRecord(text, *this, ReadLines, refusal);
//
// A value a later version adds goes on a trailing line read as optional
// (RecordReader::Line with required 0), so older records still read.
#pragma once

#include <initializer_list>

#include "platform/classlib/cstring.h"
#include "plugin/geometry/forms/record_reader.h"
#include "plugin/milling/simple/simple_cycle_form.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

constexpr int kSimpleCycleRecordVersion = 3;

// "Ostrivo_ToolPath 3 <kind> <values...>\n".
void AppendSimpleCycleHead(CString& text, int kind, std::initializer_list<int> values);
// The head line; false (refused) when it is of another kind.
bool ReadSimpleCycleHead(RecordReader& reader, int kind, std::initializer_list<RecordField> fields);

// " %.2f %.2f %.2f\n" twice: X maximum, minimum and size, then Y's.
void AppendShapeSizeLines(CString& text, const ShapeFields& shape);
bool ReadShapeSizeLines(RecordReader& reader, ShapeFields& shape);

// The tool-number pair lines " %d %d\n" (number on, length offset on) and
// (number, length offset number).
void AppendToolNumberPairLines(CString& text, const SimpleCycleFields& fields);
bool ReadToolNumberPairLines(RecordReader& reader, SimpleCycleFields& fields);

// A record of the dialog's kind, all or nothing: the dialog takes every value
// only when every line read within its limits; then its tool name is made anew.
template <class Dialog, class ReadLines>
bool ReadSimpleCycleRecord(const char* text, Dialog& dialog, ReadLines readLines, CString* refusal) {
  if (text == nullptr || !IsToolpathRecordText(text)) return false;
  if (!ReadRecordInto(text, dialog, readLines, refusal)) return false;
  dialog.m_Tool.FormatToolName();
  return true;
}
