// The lathe drilling operation's parameter record (kind 13): eight lines that
// a lathe drilling toolpath's group description holds.
#pragma once

#include "platform/classlib/cstring.h"

class CLatheDrillDlg;

constexpr int kLatheDrillRecordVersion = 1;

// Every value the record carries, in record order.
struct LatheDrillRecordValues {
  int cycleIndex = 0;
  int toolNumberOn = 1, toolNumber = 1, lengthOffsetOn = 0, lengthOffsetNumber = 1;
  int toolType = 6;
  float diameter = 50.0f, length = 100.0f;
  int startPointOn = 0;
  float startX = 250.0f, startY = 250.0f;
  int tipCompensationOn = 0;
  float throughLength = 0.0f, tipLength = 0.0f, tipAngle = 118.0f;
  int feed = 20, spindleOn = 1, spindleSpeed = 200;
  float firstPeck = 10.0f, nextPeck = 10.0f, peckReturn = 3.0f, chipBreak = 5.0f, dwell = 1.0f, shift = 0.0f;
  float drillDepth = -50.0f, drillPoint = 0.0f, returnHeight = 50.0f, safetyDistance = 10.0f;
  int returnAbsolute = 0, safetyAbsolute = 0;
};

LatheDrillRecordValues LatheDrillRecordValuesOf(const CLatheDrillDlg& dlg);
// Also names the drill tool after its size and hands its diameter to the tip.
void ApplyLatheDrillRecordValues(const LatheDrillRecordValues& values, CLatheDrillDlg& dlg);

CString LatheDrillRecordText(const LatheDrillRecordValues& values);
// All or nothing: values change only when every line, each ended by a line
// feed, reads within kLatheDrillLimits; refusal (when given) says what broke.
bool ParseLatheDrillRecord(const char* text, LatheDrillRecordValues& values, CString* refusal = nullptr);
