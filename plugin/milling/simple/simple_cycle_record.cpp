#include "plugin/milling/simple/simple_cycle_record.h"

#include "plugin/geometry/record_lines.h"

namespace {

const SimpleCycleLimits& L = kSimpleCycleLimits;

}  // namespace

void AppendSimpleCycleHead(CString& text, int kind, std::initializer_list<int> values) {
  AppendRecordLine(text, "%s %d %d", kToolpathRecordTag, kSimpleCycleRecordVersion, kind);
  for (const int value : values) AppendRecordLine(text, " %d", value);
  text += "\n";
}

bool ReadSimpleCycleHead(RecordReader& reader, int kind, std::initializer_list<RecordField> fields) {
  int version = 0, readKind = 0;
  return reader.Head(version, readKind, fields) && readKind == kind;
}

void AppendShapeSizeLines(CString& text, const ShapeFields& s) {
  AppendRecordLine(text, " %.2f %.2f %.2f\n", s.xMaximum, s.xMinimum, s.xSize);
  AppendRecordLine(text, " %.2f %.2f %.2f\n", s.yMaximum, s.yMinimum, s.ySize);
}

bool ReadShapeSizeLines(RecordReader& reader, ShapeFields& s) {
  return reader.Line({{s.xMaximum, L.xMaximum}, {s.xMinimum, L.xMinimum}, {s.xSize, L.xSize}}) &&
         reader.Line({{s.yMaximum, L.yMaximum}, {s.yMinimum, L.yMinimum}, {s.ySize, L.ySize}});
}

void AppendToolNumberPairLines(CString& text, const SimpleCycleFields& f) {
  AppendRecordLine(text, " %d %d\n", f.m_ToolNumberOn, f.m_LengthOffsetOn);
  AppendRecordLine(text, " %d %d\n", f.m_ToolNumber, f.m_LengthOffsetNumber);
}

bool ReadToolNumberPairLines(RecordReader& reader, SimpleCycleFields& f) {
  return reader.Line({{f.m_ToolNumberOn, L.tool.toolNumberOn}, {f.m_LengthOffsetOn, L.tool.lengthOffsetOn}}) &&
         reader.Line({{f.m_ToolNumber, L.tool.toolNumber}, {f.m_LengthOffsetNumber, L.tool.lengthOffsetNumber}});
}
