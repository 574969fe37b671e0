#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/milling/simple/simple_cycle_record.h"
#include "plugin/milling/simple/simple_pocket_dlg.h"

namespace {

const SimpleCycleLimits& L = kSimpleCycleLimits;
const SimplePocketLimits& P = kSimplePocketLimits;

bool ReadPocketLines(RecordReader& r, CSimplePocketDlg& d) {
  return ReadSimpleCycleHead(r, kToolpathSimplePocket,
                             {{d.m_PocketType, P.pocketType}, {d.m_ShapeInputType, L.shapeInputType}}) &&
         ReadToolShapeLine(r, d.m_Tool) && ReadShapeSizeLines(r, d.m_Shape) &&
         r.Line({{d.m_ZStepover, L.zStepover}, {d.m_CornerRadius, L.cornerRadius}, {d.m_Depth, L.depth}}) &&
         r.Line({{d.m_CircleRadius, L.circleRadius},
                 {d.m_StartHeight, L.startHeight},
                 {d.m_XYStepover, P.xyStepover},
                 {d.m_SingleTaperAngle, L.singleTaperAngle}}) &&
         r.Line({{d.m_Allowance, P.allowance}, {d.m_Shape.xCentre, L.xCentre}, {d.m_Shape.yCentre, L.yCentre}}) &&
         r.Line({{d.m_XMinusTaper, L.xMinusTaper},
                 {d.m_XPlusTaper, L.xPlusTaper},
                 {d.m_YMinusTaper, L.yMinusTaper},
                 {d.m_YPlusTaper, L.yPlusTaper}}) &&
         r.Line({{d.m_ReturnHeight, L.returnHeight}, {d.m_Feed, L.feed}}) &&
         r.Line({{d.m_SingleTaper, L.singleTaperOn},
                 {d.m_ToolNumberOn, L.tool.toolNumberOn},
                 {d.m_LengthOffsetOn, L.tool.lengthOffsetOn}}) &&
         r.Line({{d.m_ToolNumber, L.tool.toolNumber},
                 {d.m_LengthOffsetNumber, L.tool.lengthOffsetNumber},
                 {d.m_StartPointOn, P.startPointOn}}) &&
         r.Line({{d.m_StartX, P.startX}, {d.m_StartY, P.startY}, {d.m_StartZ, P.startZ}}) &&
         ReadPlungeLines(r, d.m_Plunge);
}

}  // namespace

bool CSimplePocketDlg::WriteParamRecord(CString& text) const {
  text.Empty();
  AppendSimpleCycleHead(text, kToolpathSimplePocket, {m_PocketType, m_ShapeInputType});
  AppendToolShapeLine(text, m_Tool);
  AppendShapeSizeLines(text, m_Shape);
  AppendRecordLine(text, " %.2f %.2f %.2f\n", m_ZStepover, m_CornerRadius, m_Depth);
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f\n", m_CircleRadius, m_StartHeight, m_XYStepover, m_SingleTaperAngle);
  AppendRecordLine(text, " %.2f %.2f %.2f\n", m_Allowance, m_Shape.xCentre, m_Shape.yCentre);
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f\n", m_XMinusTaper, m_XPlusTaper, m_YMinusTaper, m_YPlusTaper);
  AppendRecordLine(text, " %.2f %d\n", m_ReturnHeight, m_Feed);
  AppendRecordLine(text, " %d %d %d\n", m_SingleTaper, m_ToolNumberOn, m_LengthOffsetOn);
  AppendRecordLine(text, " %d %d %d\n", m_ToolNumber, m_LengthOffsetNumber, m_StartPointOn);
  AppendRecordLine(text, " %.2f %.2f %.2f\n", m_StartX, m_StartY, m_StartZ);
  text += PlungeRecordText(m_Plunge);
  return true;
}

bool CSimplePocketDlg::ReadParamRecord(const char* text, CString* refusal) {
  return ReadSimpleCycleRecord(text, *this, ReadPocketLines, refusal);
}
