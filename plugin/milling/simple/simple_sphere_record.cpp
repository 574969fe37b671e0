#include "plugin/geometry/forms/simple_shape_limits.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/milling/simple/simple_cycle_record.h"
#include "plugin/milling/simple/simple_sphere_dlg.h"

namespace {

bool ReadSphereLines(RecordReader& r, CSimpleSphereDlg& d) {
  const SimpleCycleLimits& c = kSimpleCycleLimits;
  const SimpleSphereLimits& s = kSimpleSphereLimits;
  return ReadSimpleCycleHead(r, kToolpathSimpleSphere, {{d.m_Form, s.form}, {d.m_CutDirection, s.cutDirection}}) &&
         r.Line({{d.m_CentreX, s.centreX}, {d.m_CentreY, s.centreY}, {d.m_CentreZ, s.centreZ}}) &&
         r.Line({{d.m_Radius, s.radius},
                 {d.m_StartAngle, s.startAngle},
                 {d.m_EndAngle, s.endAngle},
                 {d.m_ReturnHeight, c.returnHeight}}) &&
         ReadToolShapeLine(r, d.m_Tool) &&
         r.Line({{d.m_LengthOffsetOn, c.tool.lengthOffsetOn},
                 {d.m_LengthOffsetNumber, c.tool.lengthOffsetNumber},
                 {d.m_ToolNumberOn, c.tool.toolNumberOn},
                 {d.m_ToolNumber, c.tool.toolNumber}}) &&
         r.Line({{d.m_FinishOn, s.finishOn},
                 {d.m_SpindleOn, s.spindleOn},
                 {d.m_SpindleSpeed, s.spindleSpeed},
                 {d.m_Feed, c.feed}}) &&
         r.Line({{d.m_FinishStepover, s.finishStepover}, {d.m_Allowance, c.allowance}}) &&
         ReadLeadMoveLines(r, d.m_Lead);
}

}  // namespace

void CSimpleSphereDlg::WriteParamRecord(CString& text) const {
  text.Empty();
  AppendSimpleCycleHead(text, kToolpathSimpleSphere, {m_Form, m_CutDirection});
  AppendRecordLine(text, " %.2f %.2f %.2f\n", m_CentreX, m_CentreY, m_CentreZ);
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f\n", m_Radius, m_StartAngle, m_EndAngle, m_ReturnHeight);
  AppendToolShapeLine(text, m_Tool);
  AppendRecordLine(text, " %d %d %d %d\n", m_LengthOffsetOn, m_LengthOffsetNumber, m_ToolNumberOn, m_ToolNumber);
  AppendRecordLine(text, " %d %d %d %d\n", m_FinishOn, m_SpindleOn, m_SpindleSpeed, m_Feed);
  AppendRecordLine(text, " %.2f %.2f\n", m_FinishStepover, m_Allowance);
  text += LeadMoveRecordText(m_Lead);
}

bool CSimpleSphereDlg::ReadParamRecord(const char* text, CString* refusal) {
  return ReadSimpleCycleRecord(text, *this, ReadSphereLines, refusal);
}
