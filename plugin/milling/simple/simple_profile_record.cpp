#include "plugin/geometry/forms/simple_shape_limits.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/milling/simple/simple_cycle_record.h"
#include "plugin/milling/simple/simple_profile_dlg.h"

namespace {

bool ReadProfileLines(RecordReader& r, CSimpleProfileDlg& d) {
  const SimpleCycleLimits& c = kSimpleCycleLimits;
  const SimpleProfileLimits& p = kSimpleProfileLimits;
  const bool read =
      ReadSimpleCycleHead(r, kToolpathSimpleProfile,
                          {{d.m_ProfileType, p.profileType}, {d.m_ShapeInputType, c.shapeInputType}}) &&
      ReadToolShapeLine(r, d.m_Tool) && ReadShapeSizeLines(r, d.m_Shape) &&
      r.Line({{d.m_ZStepover, p.zStepover}, {d.m_CornerRadius, c.cornerRadius}, {d.m_Depth, c.depth}}) &&
      r.Line({{d.m_CircleRadius, c.circleRadius},
              {d.m_StartHeight, c.startHeight},
              {d.m_Stepover, p.stepover},
              {d.m_SingleTaperAngle, c.singleTaperAngle}}) &&
      r.Line({{d.m_Allowance, c.allowance}, {d.m_Shape.xCentre, c.xCentre}, {d.m_Shape.yCentre, c.yCentre}}) &&
      r.Line({{d.m_XMinusTaper, c.xMinusTaper},
              {d.m_XPlusTaper, c.xPlusTaper},
              {d.m_YMinusTaper, c.yMinusTaper},
              {d.m_YPlusTaper, c.yPlusTaper}}) &&
      r.Line({{d.m_ReturnHeight, c.returnHeight}, {d.m_Feed, c.feed}}) &&
      r.Line({{d.m_SingleTaper, c.singleTaperOn},
              {d.m_ToolNumberOn, c.tool.toolNumberOn},
              {d.m_LengthOffsetOn, c.tool.lengthOffsetOn}}) &&
      r.Line({{d.m_ToolNumber, c.tool.toolNumber}, {d.m_LengthOffsetNumber, c.tool.lengthOffsetNumber}}) &&
      ReadLeadMoveLines(r, d.m_Lead);
  // Older records end before the side and pass count and leave them as they were.
  return read && r.OptionalLine({{d.m_Side, p.side}, {d.m_PassCount, p.passCount}});
}

}  // namespace

void CSimpleProfileDlg::WriteParamRecord(CString& text) const {
  text.Empty();
  AppendSimpleCycleHead(text, kToolpathSimpleProfile, {m_ProfileType, m_ShapeInputType});
  AppendToolShapeLine(text, m_Tool);
  AppendShapeSizeLines(text, m_Shape);
  AppendRecordLine(text, " %.2f %.2f %.2f\n", m_ZStepover, m_CornerRadius, m_Depth);
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f\n", m_CircleRadius, m_StartHeight, m_Stepover, m_SingleTaperAngle);
  AppendRecordLine(text, " %.2f %.2f %.2f\n", m_Allowance, m_Shape.xCentre, m_Shape.yCentre);
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f\n", m_XMinusTaper, m_XPlusTaper, m_YMinusTaper, m_YPlusTaper);
  AppendRecordLine(text, " %.2f %d\n", m_ReturnHeight, m_Feed);
  AppendRecordLine(text, " %d %d %d\n", m_SingleTaper, m_ToolNumberOn, m_LengthOffsetOn);
  AppendRecordLine(text, " %d %d\n", m_ToolNumber, m_LengthOffsetNumber);
  text += LeadMoveRecordText(m_Lead);
  AppendRecordLine(text, " %d %d\n", m_Side, m_PassCount);
}

bool CSimpleProfileDlg::ReadParamRecord(const char* text, CString* refusal) {
  return ReadSimpleCycleRecord(text, *this, ReadProfileLines, refusal);
}
