#include <algorithm>

#include "plugin/geometry/forms/record_reader.h"
#include "plugin/geometry/forms/solid_machining_limits.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/machining/z_profile_dlg.h"

namespace {

constexpr int kZProfileRecordVersion = 1;

const ZProfileLimits& L = kZProfileLimits;

bool ReadZProfileLines(RecordReader& r, CZProfileDlg& d) {
  int version = 0, kind = 0;
  return r.Head(version, kind, {{d.m_CutDirection, L.cutDirection}, {d.m_Method, L.method}}) &&
         kind == kToolpathZLevelContour &&
         ReadToolNumberLine(r, {d.m_ToolNumberOn, d.m_ToolNumber, d.m_LengthOffsetOn, d.m_LengthOffsetNumber},
                            L.tool) &&
         ReadToolShapeLine(r, d.m_Tool) &&
         r.Line({{d.m_SpindleOn, L.spindleOn},
                 {d.m_GougeCheckOn, L.gougeCheckOn},
                 {d.m_InsideCheck, L.insideCheck},
                 {d.m_ToolRadiusCompensation, L.toolRadiusCompensation},
                 {d.m_CornerRound, L.cornerRound}}) &&
         r.Line({{d.m_Feed, L.feed}, {d.m_SpindleSpeed, L.spindleSpeed}}) &&
         r.Line({{d.m_ZStep, L.zStep},
                 {d.m_Allowance, L.allowance},
                 {d.m_GougeAllowance, L.gougeAllowance},
                 {d.m_RetractHeight, L.retractHeight},
                 {d.m_Tolerance, L.storedTolerance}}) &&
         ReadLeadMoveLines(r, d.m_Lead) &&
         r.Line({{d.m_BetweenLevelRetract, L.betweenLevelRetract},
                 {d.m_StartPointOn, L.startPointOn},
                 {d.m_StartPoint[0], L.startX},
                 {d.m_StartPoint[1], L.startY},
                 {d.m_StartPoint[2], L.startZ}}) &&
         r.Line(
             {{d.m_ZStartOn, L.zStartOn}, {d.m_ZStart, L.zStart}, {d.m_ZDepthOn, L.zDepthOn}, {d.m_ZDepth, L.zDepth}});
}

}  // namespace

bool CZProfileDlg::WriteParamRecord(CString& text) const {
  text.Empty();
  AppendRecordLine(text, "%s %d %d %d %d\n", kToolpathRecordTag, kZProfileRecordVersion,
                   static_cast<int>(kToolpathZLevelContour), m_CutDirection, m_Method);
  AppendToolNumberLine(text, m_ToolNumberOn, m_ToolNumber, m_LengthOffsetOn, m_LengthOffsetNumber);
  AppendToolShapeLine(text, m_Tool);
  AppendRecordLine(text, " %d %d %d %d %d\n", m_SpindleOn, m_GougeCheckOn, m_InsideCheck, m_ToolRadiusCompensation,
                   m_CornerRound);
  AppendRecordLine(text, " %d %d\n", m_Feed, m_SpindleSpeed);
  // Four decimals: a tolerance of 0.001 must come back as it was given.
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f %.4f\n", m_ZStep, m_Allowance, m_GougeAllowance, m_RetractHeight,
                   m_Tolerance);
  text += LeadMoveRecordText(m_Lead);
  AppendRecordLine(text, " %d %d %.2f %.2f %.2f\n", m_BetweenLevelRetract, m_StartPointOn, m_StartPoint[0],
                   m_StartPoint[1], m_StartPoint[2]);
  AppendRecordLine(text, " %d %.2f %d %.2f\n", m_ZStartOn, m_ZStart, m_ZDepthOn, m_ZDepth);
  return true;
}

bool CZProfileDlg::ReadParamRecord(const char* text, CString* refusal) {
  if (text == nullptr || !IsToolpathRecordText(text)) return false;
  if (!ReadRecordInto(text, *this, ReadZProfileLines, refusal)) return false;
  m_Tool.FormatToolName();
  m_Tolerance = std::max(m_Tolerance, static_cast<float>(kLeastMachiningTolerance));
  return true;
}
