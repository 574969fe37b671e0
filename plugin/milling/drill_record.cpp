#include "plugin/milling/drill_record.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "plugin/milling/drill_cycle_form.h"
#include "plugin/shell/toolpath_store.h"

namespace {

// A record line counts only when a line feed ends it.
bool TakeEndedLine(const char*& cursor, std::string& line) {
  if (cursor == nullptr) return false;
  const char* end = std::strchr(cursor, '\n');
  if (end == nullptr) return false;
  line.assign(cursor, end);
  cursor = end + 1;
  return true;
}

bool Finite(std::initializer_list<float> values) {
  for (float value : values) {
    if (!std::isfinite(value)) return false;
  }
  return true;
}

void AppendLine(CString& text, const char* format, auto... values) {
  CString line;
  line.Format(format, values...);
  text += line;
}

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
  AppendLine(text, "%s %d %d %d\n", kToolpathRecordTag, kDrillRecordVersion, static_cast<int>(kToolpathDrillCycle),
             v.cycleIndex);
  AppendLine(text, " %d %d %d %d\n", v.toolNumberOn, v.toolNumber, v.lengthOffsetOn, v.lengthOffsetNumber);
  AppendLine(text, formats.tool, v.toolType, v.diameter, v.length);
  AppendLine(text, formats.tip, v.tipCompensationOn, v.throughLength, v.tipLength, v.tipAngle);
  AppendLine(text, formats.heights, v.retractRelative, v.zStartRelative, v.zDepthRelative, v.retractHeight, v.zStart,
             v.zDepth);
  if (formats.feedSwitches) {
    AppendLine(text, " %d %d %d %d %d\n", v.feed, v.spindleOn, v.spindleSpeed, v.coolantOn, v.initialReturn);
  } else {
    AppendLine(text, " %d %d %d\n", v.feed, v.spindleOn, v.spindleSpeed);
  }
  AppendLine(text, formats.start, v.startPointOn, v.startX, v.startY, v.startZ);
  AppendLine(text, " %.2f %.2f %.2f %.2f %.2f %.2f\n", v.firstPeck, v.nextPeck, v.peckReturn, v.chipBreak, v.dwell,
             v.shift);
  return text;
}

// Reads a line with a scan format; true when at least least values were found.
template <class... T>
bool ScanLine(const char*& cursor, int least, const char* format, T*... values) {
  std::string line;
  return TakeEndedLine(cursor, line) && std::sscanf(line.c_str(), format, values...) >= least;
}

bool ReadHeader(const char*& cursor, DrillRecordValues& v, int& version) {
  char tag[32] = "";
  int kind = 0;
  if (!ScanLine(cursor, 4, "%31s %d %d %d", tag, &version, &kind, &v.cycleIndex)) return false;
  return std::strcmp(tag, kToolpathRecordTag) == 0 && kind == kToolpathDrillCycle;
}

bool ReadToolLines(const char*& cursor, DrillRecordValues& v) {
  return ScanLine(cursor, 4, "%d %d %d %d", &v.toolNumberOn, &v.toolNumber, &v.lengthOffsetOn, &v.lengthOffsetNumber) &&
         ScanLine(cursor, 3, "%d %f %f", &v.toolType, &v.diameter, &v.length) &&
         ScanLine(cursor, 4, "%d %f %f %f", &v.tipCompensationOn, &v.throughLength, &v.tipLength, &v.tipAngle);
}

bool ReadStartAndCycleLines(const char*& cursor, DrillRecordValues& v) {
  return ScanLine(cursor, 4, "%d %f %f %f", &v.startPointOn, &v.startX, &v.startY, &v.startZ) &&
         ScanLine(cursor, 6, "%f %f %f %f %f %f", &v.firstPeck, &v.nextPeck, &v.peckReturn, &v.chipBreak, &v.dwell,
                  &v.shift);
}

bool ReadVersion2(const char*& cursor, DrillRecordValues& v) {
  // A cycle text's sixth line has no coolant or initial-return switch: those keep their values.
  return ReadToolLines(cursor, v) &&
         ScanLine(cursor, 6, "%d %d %d %f %f %f", &v.retractRelative, &v.zStartRelative, &v.zDepthRelative,
                  &v.retractHeight, &v.zStart, &v.zDepth) &&
         ScanLine(cursor, 3, "%d %d %d %d %d", &v.feed, &v.spindleOn, &v.spindleSpeed, &v.coolantOn,
                  &v.initialReturn) &&
         ReadStartAndCycleLines(cursor, v);
}

// Version 1 knew one absolute switch for retract and Z start, and no feed line.
bool ReadVersion1(const char*& cursor, DrillRecordValues& v) {
  int absolute = 0;
  if (!ReadToolLines(cursor, v) ||
      !ScanLine(cursor, 4, "%d %f %f %f", &absolute, &v.retractHeight, &v.zStart, &v.zDepth) ||
      !ScanLine(cursor, 2, "%d %d", &v.spindleOn, &v.spindleSpeed)) {
    return false;
  }
  v.retractRelative = v.zStartRelative = absolute == 0 ? 1 : 0;
  return ReadStartAndCycleLines(cursor, v);
}

bool AllFinite(const DrillRecordValues& v) {
  return Finite({v.diameter, v.length, v.throughLength, v.tipLength, v.tipAngle, v.retractHeight, v.zStart, v.zDepth,
                 v.startX, v.startY, v.startZ, v.firstPeck, v.nextPeck, v.peckReturn, v.chipBreak, v.dwell, v.shift});
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

DrillRecordRead ParseDrillRecord(const char* text, DrillRecordValues& values) {
  const char* cursor = text;
  int version = 0;
  // No record was ever written below version 1.
  if (!ReadHeader(cursor, values, version) || version < 1) return DrillRecordRead::kBroken;
  if (version != 1 && version != kDrillRecordVersion) return DrillRecordRead::kHeaderOnly;
  const bool read = version == 1 ? ReadVersion1(cursor, values) : ReadVersion2(cursor, values);
  return read && AllFinite(values) ? DrillRecordRead::kComplete : DrillRecordRead::kBroken;
}

DrillRecordRead ReadDrillRecord(const char* text, CDrillCycleForm& form) {
  DrillRecordValues values = DrillRecordValuesOf(form);
  const DrillRecordRead read = ParseDrillRecord(text, values);
  if (read != DrillRecordRead::kBroken) ApplyDrillRecordValues(values, form);
  return read;
}
