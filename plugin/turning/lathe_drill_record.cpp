#include "plugin/turning/lathe_drill_record.h"

#include <cstring>

#include "plugin/geometry/forms/groove_lathe_drill_limits.h"
#include "plugin/geometry/forms/record_reader.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/lathe_drill_dlg.h"

namespace {

const LatheDrillLimits& L = kLatheDrillLimits;

bool StartsWithTag(const char* text) {
  if (text == nullptr) return false;
  while (*text == ' ' || *text == '\t') ++text;
  const std::size_t length = std::strlen(kToolpathRecordTag);
  return std::strncmp(text, kToolpathRecordTag, length) == 0 && (text[length] == ' ' || text[length] == '\t');
}

bool ReadLines(RecordReader& r, LatheDrillRecordValues& v) {
  int version = 0, kind = 0;
  return r.Head(version, kind, {{v.cycleIndex, L.cycleIndex}}) && kind == kToolpathLatheDrill &&
         ReadToolNumberLine(r, {v.toolNumberOn, v.toolNumber, v.lengthOffsetOn, v.lengthOffsetNumber}, L.tool) &&
         r.Line({{v.toolType, L.toolType}, {v.diameter, L.diameter}, {v.length, L.length}}) &&
         r.Line({{v.startPointOn, L.startPointOn}, {v.startX, L.startX}, {v.startY, L.startY}}) &&
         r.Line({{v.tipCompensationOn, L.tipCompensationOn},
                 {v.throughLength, L.throughLength},
                 {v.tipLength, L.tipLength},
                 {v.tipAngle, L.tipAngle}}) &&
         r.Line({{v.feed, L.feed}, {v.spindleOn, L.spindleOn}, {v.spindleSpeed, L.spindleSpeed}}) &&
         r.Line({{v.firstPeck, L.firstPeck},
                 {v.nextPeck, L.nextPeck},
                 {v.peckReturn, L.peckReturn},
                 {v.chipBreak, L.chipBreak},
                 {v.dwell, L.dwell},
                 {v.shift, L.shift}}) &&
         r.Line({{v.drillDepth, L.drillDepth},
                 {v.drillPoint, L.drillPoint},
                 {v.returnHeight, L.returnHeight},
                 {v.safetyDistance, L.safetyDistance},
                 {v.returnAbsolute, L.returnAbsolute},
                 {v.safetyAbsolute, L.safetyAbsolute}});
}

}  // namespace

LatheDrillRecordValues LatheDrillRecordValuesOf(const CLatheDrillDlg& d) {
  LatheDrillRecordValues v;
  v.cycleIndex = d.m_CycleIndex;
  v.toolNumberOn = d.m_ToolNumberOn;
  v.toolNumber = d.m_ToolNumber;
  v.lengthOffsetOn = d.m_LengthOffsetOn;
  v.lengthOffsetNumber = d.m_LengthOffsetNumber;
  v.toolType = d.m_DrillTool.m_ToolType;
  v.diameter = d.m_DrillTool.m_Diameter;
  v.length = d.m_DrillTool.m_Length;
  v.startPointOn = d.m_StartPointOn;
  v.startX = d.m_StartX;
  v.startY = d.m_StartY;
  v.tipCompensationOn = d.m_TipCompensationOn;
  v.throughLength = d.m_DrillTip.m_ThroughLength;
  v.tipLength = d.m_DrillTip.m_TipLength;
  v.tipAngle = d.m_DrillTip.m_TipAngle;
  v.feed = d.m_Feed;
  v.spindleOn = d.m_SpindleOn;
  v.spindleSpeed = d.m_SpindleSpeed;
  v.firstPeck = d.m_FirstPeck;
  v.nextPeck = d.m_NextPeck;
  v.peckReturn = d.m_PeckReturn;
  v.chipBreak = d.m_ChipBreak;
  v.dwell = d.m_Dwell;
  v.shift = d.m_Shift;
  v.drillDepth = d.m_DrillDepth;
  v.drillPoint = d.m_DrillPoint;
  v.returnHeight = d.m_ReturnHeight;
  v.safetyDistance = d.m_SafetyDistance;
  v.returnAbsolute = d.m_ReturnAbsolute;
  v.safetyAbsolute = d.m_SafetyAbsolute;
  return v;
}

void ApplyLatheDrillRecordValues(const LatheDrillRecordValues& v, CLatheDrillDlg& d) {
  d.m_CycleIndex = v.cycleIndex;
  d.m_ToolNumberOn = v.toolNumberOn;
  d.m_ToolNumber = v.toolNumber;
  d.m_LengthOffsetOn = v.lengthOffsetOn;
  d.m_LengthOffsetNumber = v.lengthOffsetNumber;
  d.m_DrillTool.m_ToolType = v.toolType;
  d.m_DrillTool.m_Diameter = v.diameter;
  d.m_DrillTool.m_Length = v.length;
  d.m_DrillTool.UpdateToolName();
  d.m_StartPointOn = v.startPointOn;
  d.m_StartX = v.startX;
  d.m_StartY = v.startY;
  d.m_TipCompensationOn = v.tipCompensationOn;
  d.m_DrillTip.m_ToolDiameter = v.diameter;
  d.m_DrillTip.m_ThroughLength = v.throughLength;
  d.m_DrillTip.m_TipLength = v.tipLength;
  d.m_DrillTip.m_TipAngle = v.tipAngle;
  d.m_Feed = v.feed;
  d.m_SpindleOn = v.spindleOn;
  d.m_SpindleSpeed = v.spindleSpeed;
  d.m_FirstPeck = v.firstPeck;
  d.m_NextPeck = v.nextPeck;
  d.m_PeckReturn = v.peckReturn;
  d.m_ChipBreak = v.chipBreak;
  d.m_Dwell = v.dwell;
  d.m_Shift = v.shift;
  d.m_DrillDepth = v.drillDepth;
  d.m_DrillPoint = v.drillPoint;
  d.m_ReturnHeight = v.returnHeight;
  d.m_SafetyDistance = v.safetyDistance;
  d.m_ReturnAbsolute = v.returnAbsolute;
  d.m_SafetyAbsolute = v.safetyAbsolute;
}

CString LatheDrillRecordText(const LatheDrillRecordValues& v) {
  CString text;
  AppendRecordLine(text, "%s %d %d %d\n", kToolpathRecordTag, kLatheDrillRecordVersion,
                   static_cast<int>(kToolpathLatheDrill), v.cycleIndex);
  AppendRecordLine(text, " %d %d %d %d\n", v.toolNumberOn, v.toolNumber, v.lengthOffsetOn, v.lengthOffsetNumber);
  AppendRecordLine(text, " %d %.2f %.2f\n", v.toolType, v.diameter, v.length);
  AppendRecordLine(text, " %d %.2f %.2f\n", v.startPointOn, v.startX, v.startY);
  AppendRecordLine(text, " %d %.2f %.2f %.2f\n", v.tipCompensationOn, v.throughLength, v.tipLength, v.tipAngle);
  AppendRecordLine(text, " %d %d %d\n", v.feed, v.spindleOn, v.spindleSpeed);
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f %.2f %.2f\n", v.firstPeck, v.nextPeck, v.peckReturn, v.chipBreak,
                   v.dwell, v.shift);
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f %d %d\n", v.drillDepth, v.drillPoint, v.returnHeight,
                   v.safetyDistance, v.returnAbsolute, v.safetyAbsolute);
  return text;
}

bool ParseLatheDrillRecord(const char* text, LatheDrillRecordValues& values, CString* refusal) {
  if (!StartsWithTag(text)) return false;
  LatheDrillRecordValues read = values;
  if (!ReadRecordInto(text, read, ReadLines, refusal, true)) return false;
  values = read;
  return true;
}
