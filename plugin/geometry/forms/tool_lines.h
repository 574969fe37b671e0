// Operation forms: the two record lines that describe a milling tool, shared by
// every operation that stores one (pocket passes, profile, and what follows):
// the tool-number line " %d %d %d %d" (number on, number, length offset on,
// length offset number) and the tool line " %d %.2f %.2f %.2f" (type,
// diameter, corner radius, length).
#pragma once

#include "platform/classlib/cstring.h"
#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/geometry/forms/record_reader.h"
#include "plugin/geometry/tool_shape_dlg.h"

// The members of a tool-number line.
struct ToolNumberFields {
  int& numberOn;
  int& number;
  int& lengthOffsetOn;
  int& lengthOffsetNumber;
};

void AppendToolNumberLine(CString& text, int numberOn, int number, int lengthOffsetOn, int lengthOffsetNumber);
bool ReadToolNumberLine(RecordReader& reader, const ToolNumberFields& fields, const ToolNumberLimits& limits);

void AppendToolShapeLine(CString& text, const CToolShapeDlg& tool);
// The tool's name is not made here: call FormatToolName after RecordReader::Apply.
bool ReadToolShapeLine(RecordReader& reader, CToolShapeDlg& tool);
