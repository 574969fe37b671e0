#include "plugin/milling/drill/drill_record.h"

#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/milling/drill/drill_cycle_form.h"
#include "plugin/milling/drill/drill_form_values.h"
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
  AppendDrillPeckLine(text, v);
  return text;
}

const DrillLimits& L = kDrillLimits;

bool ReadToolLines(RecordReader& r, DrillRecordValues& v) {
  return ReadToolNumberLine(r, {v.toolNumberOn, v.toolNumber, v.lengthOffsetOn, v.lengthOffsetNumber}, L.tool) &&
         ReadDrillToolLine(r, v, L) && ReadDrillTipLine(r, v, L);
}

bool ReadStartAndCycleLines(RecordReader& r, DrillRecordValues& v) {
  return r.Line({{v.startPointOn, L.startPointOn}, {v.startX, L.startX}, {v.startY, L.startY}, {v.startZ, L.startZ}}) &&
         ReadDrillPeckLine(r, v, L);
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
  TakeDrillFormValues(f, v);
  v.retractRelative = f.m_RetractRelative;
  v.zStartRelative = f.m_ZStartRelative;
  v.zDepthRelative = f.m_ZDepthRelative;
  v.retractHeight = f.m_RetractHeight;
  v.zStart = f.m_ZStart;
  v.zDepth = f.m_ZDepth;
  v.coolantOn = f.m_CoolantOn;
  v.initialReturn = f.m_InitialReturn;
  v.startZ = f.m_StartZ;
  return v;
}

void ApplyDrillRecordValues(const DrillRecordValues& v, CDrillCycleForm& f) {
  ApplyDrillFormValues(v, f);
  f.m_RetractRelative = v.retractRelative;
  f.m_ZStartRelative = v.zStartRelative;
  f.m_ZDepthRelative = v.zDepthRelative;
  f.m_RetractHeight = v.retractHeight;
  f.m_ZStart = v.zStart;
  f.m_ZDepth = v.zDepth;
  f.m_CoolantOn = v.coolantOn;
  f.m_InitialReturn = v.initialReturn;
  f.m_StartZ = v.startZ;
}

CString DrillRecordText(const DrillRecordValues& values) { return RecordText(values, kParamRecordFormats); }

CString MultiCycleRecordText(const DrillRecordValues& values) { return RecordText(values, kCycleTextFormats); }

DrillRecordRead ParseDrillRecord(const char* text, DrillRecordValues& values, CString* refusal) {
  if (!RecordStartsWithTag(text, kToolpathRecordTag)) return DrillRecordRead::kBroken;
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
