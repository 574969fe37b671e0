#include "plugin/geometry/forms/tool_lines.h"

#include "plugin/geometry/record_lines.h"

void AppendToolNumberLine(CString& text, int numberOn, int number, int lengthOffsetOn, int lengthOffsetNumber) {
  AppendRecordLine(text, " %d %d %d %d\n", numberOn, number, lengthOffsetOn, lengthOffsetNumber);
}

bool ReadToolNumberLine(RecordReader& reader, const ToolNumberFields& fields, const ToolNumberLimits& limits) {
  return reader.Line({{fields.numberOn, limits.toolNumberOn},
                      {fields.number, limits.toolNumber},
                      {fields.lengthOffsetOn, limits.lengthOffsetOn},
                      {fields.lengthOffsetNumber, limits.lengthOffsetNumber}});
}

void AppendToolShapeLine(CString& text, const CToolShapeDlg& tool) {
  AppendRecordLine(text, " %d %.2f %.2f %.2f\n", tool.m_ToolType, tool.m_Diameter, tool.m_CornerRadius, tool.m_Length);
}

bool ReadToolShapeLine(RecordReader& reader, CToolShapeDlg& tool) {
  return reader.Line({{tool.m_ToolType, kToolShapeLimits.toolType},
                      {tool.m_Diameter, kToolShapeLimits.diameter},
                      {tool.m_CornerRadius, kToolShapeLimits.cornerRadius},
                      {tool.m_Length, kToolShapeLimits.length}});
}
