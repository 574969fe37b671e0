// What the drill and the lathe drill records hold alike: the cycle, the tool
// number, the drill, its tip, feed and spindle, the start point in plan and the
// peck values, copied between a form and its record values (members and fields
// of the same names), and the peck line.
#pragma once

#include "platform/classlib/cstring.h"
#include "plugin/geometry/forms/record_reader.h"
#include "plugin/geometry/record_lines.h"

template <class Form, class Values>
void TakeDrillFormValues(const Form& f, Values& v) {
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
  v.feed = f.m_Feed;
  v.spindleOn = f.m_SpindleOn;
  v.spindleSpeed = f.m_SpindleSpeed;
  v.startPointOn = f.m_StartPointOn;
  v.startX = f.m_StartX;
  v.startY = f.m_StartY;
  v.firstPeck = f.m_FirstPeck;
  v.nextPeck = f.m_NextPeck;
  v.peckReturn = f.m_PeckReturn;
  v.chipBreak = f.m_ChipBreak;
  v.dwell = f.m_Dwell;
  v.shift = f.m_Shift;
}

// The tip is measured on the drill's diameter.
template <class Values, class Form>
void ApplyDrillFormValues(const Values& v, Form& f) {
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
  f.m_Feed = v.feed;
  f.m_SpindleOn = v.spindleOn;
  f.m_SpindleSpeed = v.spindleSpeed;
  f.m_StartPointOn = v.startPointOn;
  f.m_StartX = v.startX;
  f.m_StartY = v.startY;
  f.m_FirstPeck = v.firstPeck;
  f.m_NextPeck = v.nextPeck;
  f.m_PeckReturn = v.peckReturn;
  f.m_ChipBreak = v.chipBreak;
  f.m_Dwell = v.dwell;
  f.m_Shift = v.shift;
}

template <class Values>
void AppendDrillPeckLine(CString& text, const Values& v) {
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f %.2f %.2f\n", v.firstPeck, v.nextPeck, v.peckReturn, v.chipBreak,
                   v.dwell, v.shift);
}

template <class Values, class Limits>
bool ReadDrillToolLine(RecordReader& r, Values& v, const Limits& L) {
  return r.Line({{v.toolType, L.toolType}, {v.diameter, L.diameter}, {v.length, L.length}});
}

template <class Values, class Limits>
bool ReadDrillTipLine(RecordReader& r, Values& v, const Limits& L) {
  return r.Line({{v.tipCompensationOn, L.tipCompensationOn},
                 {v.throughLength, L.throughLength},
                 {v.tipLength, L.tipLength},
                 {v.tipAngle, L.tipAngle}});
}

template <class Values, class Limits>
bool ReadDrillPeckLine(RecordReader& r, Values& v, const Limits& L) {
  return r.Line({{v.firstPeck, L.firstPeck},
                 {v.nextPeck, L.nextPeck},
                 {v.peckReturn, L.peckReturn},
                 {v.chipBreak, L.chipBreak},
                 {v.dwell, L.dwell},
                 {v.shift, L.shift}});
}
