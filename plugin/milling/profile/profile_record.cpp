#include "plugin/milling/profile/profile_record.h"

#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

const ProfileLimits& L = kProfileLimits;

bool ReadProfileLines(RecordReader& r, CProfileDlg& d) {
  int version = 0, kind = 0;
  // A side the generator does not know would cut on none: the limit keeps it out.
  return r.Head(version, kind, {{d.m_Side, L.side}}) && kind == kToolpathProfile &&
         ReadToolNumberLine(r, {d.m_ToolNumberOn, d.m_ToolNumber, d.m_LengthOffsetOn, d.m_LengthOffsetNumber},
                            L.tool) &&
         ReadToolShapeLine(r, d.m_Tool) &&
         r.Line({{d.m_AbsoluteZ, L.absoluteZ},
                 {d.m_RetractHeight, L.retractHeight},
                 {d.m_ZStart, L.zStart},
                 {d.m_ZDepth, L.zDepth},
                 {d.m_ZStepover, L.zStepover},
                 {d.m_ZTaper, L.zTaper}}) &&
         r.Line({{d.m_Feed, L.feed},
                 {d.m_SpindleOn, L.spindleOn},
                 {d.m_SpindleSpeed, L.spindleSpeed},
                 {d.m_Passes, L.passes},
                 {d.m_Allowance, L.allowance},
                 {d.m_Stepover, L.stepover}}) &&
         ReadLeadMoveLines(r, d.m_Lead) && r.Line({{d.m_MiddleStart, L.middleStart}});
}

}  // namespace

CString ProfileRecordText(const CProfileDlg& d) {
  CString text;
  AppendRecordLine(text, "%s %d %d %d\n", kToolpathRecordTag, kProfileRecordVersion, static_cast<int>(kToolpathProfile),
                   d.m_Side);
  AppendToolNumberLine(text, d.m_ToolNumberOn, d.m_ToolNumber, d.m_LengthOffsetOn, d.m_LengthOffsetNumber);
  AppendToolShapeLine(text, d.m_Tool);
  AppendRecordLine(text, " %d %.2f %.2f %.2f %.2f %.2f\n", d.m_AbsoluteZ, d.m_RetractHeight, d.m_ZStart, d.m_ZDepth,
                   d.m_ZStepover, d.m_ZTaper);
  AppendRecordLine(text, " %d %d %d %d %.2f %.2f\n", d.m_Feed, d.m_SpindleOn, d.m_SpindleSpeed, d.m_Passes,
                   d.m_Allowance, d.m_Stepover);
  text += LeadMoveRecordText(d.m_Lead);
  AppendRecordLine(text, " %d\n", d.m_MiddleStart);
  return text;
}

bool CProfileDlg::WriteParamRecord(CString& text) const {
  text = ProfileRecordText(*this);
  return true;
}

bool CProfileDlg::ReadParamRecord(const char* text, CString* refusal) {
  if (text == nullptr || !IsToolpathRecordText(text)) return false;
  if (!ReadRecordInto(text, *this, ReadProfileLines, refusal)) return false;
  m_Tool.FormatToolName();
  return true;
}
