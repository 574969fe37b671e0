#include "plugin/geometry/forms/simple_shape_limits.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/milling/simple/simple_cycle_record.h"
#include "plugin/milling/simple/simple_radial_dlg.h"

namespace {

bool ReadRadialLines(RecordReader& r, CSimpleRadialDlg& d) {
  const SimpleCycleLimits& c = kSimpleCycleLimits;
  const SimpleRadialLimits& l = kSimpleRadialLimits;
  return ReadSimpleCycleHead(r, kToolpathSimpleRadial,
                             {{d.m_PathShape, l.pathShape},
                              {d.m_ToolCompensation, l.toolCompensation},
                              {d.m_StartOutside, l.startOutside}}) &&
         ReadToolShapeLine(r, d.m_Tool) &&
         r.Line({{d.m_InnerDiameter, l.innerDiameter},
                 {d.m_Diameter, l.diameter},
                 {d.m_Allowance, c.allowance},
                 {d.m_CentreX, l.centreX},
                 {d.m_CentreY, l.centreY},
                 {d.m_Z, l.z}}) &&
         r.Line({{d.m_Stepover, l.stepover}, {d.m_ReturnHeight, c.returnHeight}, {d.m_Feed, c.feed}}) &&
         ReadToolNumberPairLines(r, d) && ReadLeadMoveLines(r, d.m_Lead);
}

}  // namespace

void CSimpleRadialDlg::WriteParamRecord(CString& text) const {
  text.Empty();
  AppendSimpleCycleHead(text, kToolpathSimpleRadial, {m_PathShape, m_ToolCompensation, m_StartOutside});
  AppendToolShapeLine(text, m_Tool);
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f %.2f %.2f\n", m_InnerDiameter, m_Diameter, m_Allowance, m_CentreX,
                   m_CentreY, m_Z);
  AppendRecordLine(text, " %.2f %.2f %d\n", m_Stepover, m_ReturnHeight, m_Feed);
  AppendToolNumberPairLines(text, *this);
  text += LeadMoveRecordText(m_Lead);
}

bool CSimpleRadialDlg::ReadParamRecord(const char* text, CString* refusal) {
  return ReadSimpleCycleRecord(text, *this, ReadRadialLines, refusal);
}
