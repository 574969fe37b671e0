#include <algorithm>

#include "plugin/geometry/forms/record_reader.h"
#include "plugin/geometry/forms/solid_machining_limits.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/machining/solid_cut_dlg.h"

namespace {

constexpr int kSolidCutRecordVersion = 1;

const SolidCutLimits& L = kSolidCutLimits;

bool ReadSolidCutLines(RecordReader& r, CSolidCutDlg& d) {
  int version = 0, kind = 0;
  return r.Head(version, kind, {{d.m_TwoWay, L.twoWay}}) && kind == kToolpathSolidCut &&
         ReadToolNumberLine(r, {d.m_ToolNumberOn, d.m_ToolNumber, d.m_LengthOffsetOn, d.m_LengthOffsetNumber},
                            L.tool) &&
         ReadToolShapeLine(r, d.m_Tool) &&
         r.Line({{d.m_SpindleOn, L.spindleOn},
                 {d.m_UpCut, L.upCut},
                 {d.m_GougeCheckOn, L.gougeCheckOn},
                 {d.m_InsideCheck, L.insideCheck},
                 {d.m_ToolRadiusCompensation, L.toolRadiusCompensation}}) &&
         r.Line({{d.m_Feed, L.feed}, {d.m_SpindleSpeed, L.spindleSpeed}}) &&
         r.Line({{d.m_Angle, L.machiningAngle},
                 {d.m_Stepover, L.stepover},
                 {d.m_Allowance, L.allowance},
                 {d.m_GougeAllowance, L.gougeAllowance},
                 {d.m_RetractHeight, L.retractHeight},
                 {d.m_Tolerance, L.storedTolerance}}) &&
         ReadPlungeLines(r, d.m_Plunge) &&
         r.Line({{d.m_AngleLimitOn, L.angleLimitOn}, {d.m_MinAngle, L.minimumAngle}, {d.m_MaxAngle, L.maximumAngle}});
}

}  // namespace

bool CSolidCutDlg::WriteParamRecord(CString& text) const {
  text.Empty();
  AppendRecordLine(text, "%s %d %d %d\n", kToolpathRecordTag, kSolidCutRecordVersion,
                   static_cast<int>(kToolpathSolidCut), m_TwoWay);
  AppendToolNumberLine(text, m_ToolNumberOn, m_ToolNumber, m_LengthOffsetOn, m_LengthOffsetNumber);
  AppendToolShapeLine(text, m_Tool);
  AppendRecordLine(text, " %d %d %d %d %d\n", m_SpindleOn, m_UpCut, m_GougeCheckOn, m_InsideCheck,
                   m_ToolRadiusCompensation);
  AppendRecordLine(text, " %d %d\n", m_Feed, m_SpindleSpeed);
  // Four decimals: a tolerance of 0.001 must come back as it was given.
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f %.2f %.4f\n", m_Angle, m_Stepover, m_Allowance, m_GougeAllowance,
                   m_RetractHeight, m_Tolerance);
  text += PlungeRecordText(m_Plunge);
  AppendRecordLine(text, " %d %.2f %.2f\n", m_AngleLimitOn, m_MinAngle, m_MaxAngle);
  return true;
}

bool CSolidCutDlg::ReadParamRecord(const char* text, CString* refusal) {
  if (text == nullptr || !IsToolpathRecordText(text)) return false;
  if (!ReadRecordInto(text, *this, ReadSolidCutLines, refusal)) return false;
  m_Tool.m_BallOnly = 1;
  m_Tool.FormatToolName();
  m_Tolerance = std::max(m_Tolerance, static_cast<float>(kLeastMachiningTolerance));
  return true;
}
