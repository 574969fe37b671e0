#include "plugin/milling/drill/drill_record.h"

#include <cstring>

#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/milling/drill/drill_cycle_form.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

// The two texts differ in their decimals and in the switches of line 6.
struct RecordFormats {
  const char* tool;
  const char* tip;
  const char* heights;
  const char* start;
  bool feedSwitches;
};

constexpr RecordFormats kParamRecordFormats = {" %d %.3f %.3f\n", " %d %.3f %.3f %.3f\n", " %d %d %d %.3f %.3f %.3f\n",
                                               " %d %.3f %.3f %.3f\n", true};
constexpr RecordFormats kCycleTextFormats = {" %d %.2f %.2f\n", " %d %.2f %.2f %.2f\n", " %d %d %d %.2f %.2f %.2f\n",
                                             " %d %.2f %.2f %.2f\n", false};

CString RecordText(const DrillRecordValues& v, const RecordFormats& formats) {
  CString text;
  AppendRecordLine(text, "%s %d %d %d\n", kToolpathRecordTag, kDrillRecordVersion,
                   static_cast<int>(kToolpathDrillCycle), v.cycleIndex);
  AppendRecordLine(text, " %d %d %d %d\n", v.toolNumberOn, v.toolNumber, v.lengthOffsetOn, v.lengthOffsetNumber);
  AppendRecordLine(text, formats.tool, v.toolType, v.diameter, v.length);
  AppendRecordLine(text, formats.tip, v.tipCompensationOn, v.throughLength, v.tipLength, v.tipAngle);
  AppendRecordLine(text, formats.heights, v.retractRelative, v.zStartRelative, v.zDepthRelative, v.retractHeight,
                   v.zStart, v.zDepth);
  if (formats.feedSwitches) {
    AppendRecordLine(text, " %d %d %d %d %d\n", v.feed, v.spindleOn, v.spindleSpeed, v.coolantOn, v.initialReturn);
  } else {
    AppendRecordLine(text, " %d %d %d\n", v.feed, v.spindleOn, v.spindleSpeed);
  }
  AppendRecordLine(text, formats.start, v.startPointOn, v.startX, v.startY, v.startZ);
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f %.2f %.2f\n", v.firstPeck, v.nextPeck, v.peckReturn, v.chipBreak,
                   v.dwell, v.shift);
  return text;
}

const DrillLimits& L = kDrillLimits;

// The tag stands first, on its own.
bool StartsWithTag(const char* text) {
  if (text == nullptr) return false;
  while (*text == ' ' || *text == '\t') ++text;
  const std::size_t length = std::strlen(kToolpathRecordTag);
  return std::strncmp(text, kToolpathRecordTag, length) == 0 && (text[length] == ' ' || text[length] == '\t');
}

bool ReadToolLines(RecordReader& r, DrillRecordValues& v) {
  return ReadToolNumberLine(r, {v.toolNumberOn, v.toolNumber, v.lengthOffsetOn, v.lengthOffsetNumber}, L.tool) &&
         r.Line({{v.toolType, L.toolType}, {v.diameter, L.diameter}, {v.length, L.length}}) &&
         r.Line({{v.tipCompensationOn, L.tipCompensationOn},
                 {v.throughLength, L.throughLength},
                 {v.tipLength, L.tipLength},
                 {v.tipAngle, L.tipAngle}});
}

bool ReadStartAndCycleLines(RecordReader& r, DrillRecordValues& v) {
  return r.Line({{v.startPointOn, L.startPointOn}, {v.startX, L.startX}, {v.startY, L.startY}, {v.startZ, L.startZ}}) &&
         r.Line({{v.firstPeck, L.firstPeck},
                 {v.nextPeck, L.nextPeck},
                 {v.peckReturn, L.peckReturn},
                 {v.chipBreak, L.chipBreak},
                 {v.dwell, L.dwell},
                 {v.shift, L.shift}});
}

bool ReadVersion2(RecordReader& r, DrillRecordValues& v) {
  // A cycle text's sixth line has no coolant or initial-return switch: those keep their values.
  return ReadToolLines(r, v) &&
         r.Line({{v.retractRelative, L.retractRelative},
                 {v.zStartRelative, L.zStartRelative},
                 {v.zDepthRelative, L.zDepthRelative},
                 {v.retractHeight, L.retractHeight},
                 {v.zStart, L.zStart},
                 {v.zDepth, L.zDepth}}) &&
         r.Line({{v.feed, L.feed},
                 {v.spindleOn, L.spindleOn},
                 {v.spindleSpeed, L.spindleSpeed},
                 {v.coolantOn, L.coolantOn},
                 {v.initialReturn, L.initialReturn}},
                3) &&
         ReadStartAndCycleLines(r, v);
}

// Version 1 knew one absolute switch for retract and Z start, and no feed line.
bool ReadVersion1(RecordReader& r, DrillRecordValues& v, int& absolute) {
  static constexpr FieldLimit kAbsolute{"절대값", -2147483647.0, 2147483647.0};
  return ReadToolLines(r, v) &&
         r.Line(
             {{absolute, kAbsolute}, {v.retractHeight, L.retractHeight}, {v.zStart, L.zStart}, {v.zDepth, L.zDepth}}) &&
         r.Line({{v.spindleOn, L.spindleOn}, {v.spindleSpeed, L.spindleSpeed}}) && ReadStartAndCycleLines(r, v);
}

}  // namespace

DrillRecordValues DrillRecordValuesOf(const CDrillCycleForm& f) {
  DrillRecordValues v;
  v.cycleIndex = f.m_CycleIndex;
  v.toolNumberOn = f.m_ToolNumberOn;
  v.toolNumber = f.m_ToolNumber;
  v.lengthOffsetOn = f.m_LengthOffsetOn;
  v.lengthOffsetNumber = f.m_LengthOffsetNumber;
  v.toolType = f.m_DrillTool.m_ToolType;
  v.diameter = f.m_DrillTool.m_Diameter;
  v.length = f.m_DrillTool.m_Length;
  v.tipCompensationOn = f.m_TipCompensationOn;
  v.throughLength = f.m_DrillTip.m_ThroughLength;
  v.tipLength = f.m_DrillTip.m_TipLength;
  v.tipAngle = f.m_DrillTip.m_TipAngle;
  v.retractRelative = f.m_RetractRelative;
  v.zStartRelative = f.m_ZStartRelative;
  v.zDepthRelative = f.m_ZDepthRelative;
  v.retractHeight = f.m_RetractHeight;
  v.zStart = f.m_ZStart;
  v.zDepth = f.m_ZDepth;
  v.feed = f.m_Feed;
  v.spindleOn = f.m_SpindleOn;
  v.spindleSpeed = f.m_SpindleSpeed;
  v.coolantOn = f.m_CoolantOn;
  v.initialReturn = f.m_InitialReturn;
  v.startPointOn = f.m_StartPointOn;
  v.startX = f.m_StartX;
  v.startY = f.m_StartY;
  v.startZ = f.m_StartZ;
  v.firstPeck = f.m_FirstPeck;
  v.nextPeck = f.m_NextPeck;
  v.peckReturn = f.m_PeckReturn;
  v.chipBreak = f.m_ChipBreak;
  v.dwell = f.m_Dwell;
  v.shift = f.m_Shift;
  return v;
}

void ApplyDrillRecordValues(const DrillRecordValues& v, CDrillCycleForm& f) {
  f.m_CycleIndex = v.cycleIndex;
  f.m_ToolNumberOn = v.toolNumberOn;
  f.m_ToolNumber = v.toolNumber;
  f.m_LengthOffsetOn = v.lengthOffsetOn;
  f.m_LengthOffsetNumber = v.lengthOffsetNumber;
  f.m_DrillTool.m_ToolType = v.toolType;
  f.m_DrillTool.m_Diameter = v.diameter;
  f.m_DrillTool.m_Length = v.length;
  f.m_DrillTool.UpdateToolName();
  f.m_TipCompensationOn = v.tipCompensationOn;
  f.m_DrillTip.m_ToolDiameter = v.diameter;
  f.m_DrillTip.m_ThroughLength = v.throughLength;
  f.m_DrillTip.m_TipLength = v.tipLength;
  f.m_DrillTip.m_TipAngle = v.tipAngle;
  f.m_RetractRelative = v.retractRelative;
  f.m_ZStartRelative = v.zStartRelative;
  f.m_ZDepthRelative = v.zDepthRelative;
  f.m_RetractHeight = v.retractHeight;
  f.m_ZStart = v.zStart;
  f.m_ZDepth = v.zDepth;
  f.m_Feed = v.feed;
  f.m_SpindleOn = v.spindleOn;
  f.m_SpindleSpeed = v.spindleSpeed;
  f.m_CoolantOn = v.coolantOn;
  f.m_InitialReturn = v.initialReturn;
  f.m_StartPointOn = v.startPointOn;
  f.m_StartX = v.startX;
  f.m_StartY = v.startY;
  f.m_StartZ = v.startZ;
  f.m_FirstPeck = v.firstPeck;
  f.m_NextPeck = v.nextPeck;
  f.m_PeckReturn = v.peckReturn;
  f.m_ChipBreak = v.chipBreak;
  f.m_Dwell = v.dwell;
  f.m_Shift = v.shift;
}

CString DrillRecordText(const DrillRecordValues& values) { return RecordText(values, kParamRecordFormats); }

CString MultiCycleRecordText(const DrillRecordValues& values) { return RecordText(values, kCycleTextFormats); }

DrillRecordRead ParseDrillRecord(const char* text, DrillRecordValues& values, CString* refusal) {
  if (!StartsWithTag(text)) return DrillRecordRead::kBroken;
  // A record line counts only when a line feed ends it.
  RecordReader reader(text, true);
  DrillRecordValues read = values;
  int version = 0, kind = 0, absolute = 1;
  // No record was ever written below version 1.
  bool whole = reader.Head(version, kind, {{read.cycleIndex, L.cycleIndex}}) && kind == kToolpathDrillCycle;
  if (whole && version != 1 && version != kDrillRecordVersion) {
    reader.Apply();
    values.cycleIndex = read.cycleIndex;
    return DrillRecordRead::kHeaderOnly;
  }
  whole = whole && (version == 1 ? ReadVersion1(reader, read, absolute) : ReadVersion2(reader, read));
  if (!whole || reader.failed()) {
    if (refusal != nullptr) *refusal = reader.Refusal();
    return DrillRecordRead::kBroken;
  }
  reader.Apply();
  if (version == 1) read.retractRelative = read.zStartRelative = absolute == 0 ? 1 : 0;
  values = read;
  return DrillRecordRead::kComplete;
}

DrillRecordRead ReadDrillRecord(const char* text, CDrillCycleForm& form, CString* refusal) {
  DrillRecordValues values = DrillRecordValuesOf(form);
  const DrillRecordRead read = ParseDrillRecord(text, values, refusal);
  if (read != DrillRecordRead::kBroken) ApplyDrillRecordValues(values, form);
  return read;
}
