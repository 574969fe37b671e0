#include "plugin/turning/lathe_drill_record.h"

#include "plugin/geometry/forms/groove_lathe_drill_limits.h"
#include "plugin/geometry/forms/record_reader.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/milling/drill/drill_form_values.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/lathe_drill_dlg.h"

namespace {

const LatheDrillLimits& L = kLatheDrillLimits;

bool ReadLines(RecordReader& r, LatheDrillRecordValues& v) {
  int version = 0, kind = 0;
  return r.Head(version, kind, {{v.cycleIndex, L.cycleIndex}}) && kind == kToolpathLatheDrill &&
         ReadToolNumberLine(r, {v.toolNumberOn, v.toolNumber, v.lengthOffsetOn, v.lengthOffsetNumber}, L.tool) &&
         ReadDrillToolLine(r, v, L) &&
         r.Line({{v.startPointOn, L.startPointOn}, {v.startX, L.startX}, {v.startY, L.startY}}) &&
         ReadDrillTipLine(r, v, L) &&
         r.Line({{v.feed, L.feed}, {v.spindleOn, L.spindleOn}, {v.spindleSpeed, L.spindleSpeed}}) &&
         ReadDrillPeckLine(r, v, L) &&
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
  TakeDrillFormValues(d, v);
  v.drillDepth = d.m_DrillDepth;
  v.drillPoint = d.m_DrillPoint;
  v.returnHeight = d.m_ReturnHeight;
  v.safetyDistance = d.m_SafetyDistance;
  v.returnAbsolute = d.m_ReturnAbsolute;
  v.safetyAbsolute = d.m_SafetyAbsolute;
  return v;
}

void ApplyLatheDrillRecordValues(const LatheDrillRecordValues& v, CLatheDrillDlg& d) {
  ApplyDrillFormValues(v, d);
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
  AppendDrillPeckLine(text, v);
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f %d %d\n", v.drillDepth, v.drillPoint, v.returnHeight, v.safetyDistance,
                   v.returnAbsolute, v.safetyAbsolute);
  return text;
}

bool ParseLatheDrillRecord(const char* text, LatheDrillRecordValues& values, CString* refusal) {
  if (!RecordStartsWithTag(text, kToolpathRecordTag)) return false;
  LatheDrillRecordValues read = values;
  if (!ReadRecordInto(text, read, ReadLines, refusal, true)) return false;
  values = read;
  return true;
}
