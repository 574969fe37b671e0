// The drilling operation's parameter record: the text a drill toolpath's group
// description and its *.par files hold, and the cycle texts of the
// multi-cycle list (the same record with two decimals and a shorter sixth line).
#pragma once

#include "platform/classlib/cstring.h"

class CDrillCycleForm;

constexpr int kDrillRecordVersion = 2;

// Every value a drill record carries, in record order.
struct DrillRecordValues {
  int cycleIndex = 0;
  int toolNumberOn = 1, toolNumber = 1, lengthOffsetOn = 0, lengthOffsetNumber = 1;
  int toolType = 0;
  float diameter = 20.0f, length = 50.0f;
  int tipCompensationOn = 0;
  float throughLength = 0.0f, tipLength = 0.0f, tipAngle = 118.0f;
  int retractRelative = 0, zStartRelative = 0, zDepthRelative = 0;
  float retractHeight = 20.0f, zStart = 5.0f, zDepth = -50.0f;
  int feed = 100, spindleOn = 1, spindleSpeed = 100, coolantOn = 0, initialReturn = 1;
  int startPointOn = 1;
  float startX = 0.0f, startY = 0.0f, startZ = 100.0f;
  float firstPeck = 10.0f, nextPeck = 10.0f, peckReturn = 3.0f, chipBreak = 5.0f, dwell = 1.0f, shift = 0.0f;
};

DrillRecordValues DrillRecordValuesOf(const CDrillCycleForm& form);
// Also names the drill tool after its size and hands its diameter to the tip.
void ApplyDrillRecordValues(const DrillRecordValues& values, CDrillCycleForm& form);

// Eight lines, each ended by a line feed.
CString DrillRecordText(const DrillRecordValues& values);
CString MultiCycleRecordText(const DrillRecordValues& values);

enum class DrillRecordRead {
  kComplete,    // every line of a version this program knows
  kHeaderOnly,  // a later version: only the cycle index was taken
  kBroken,      // not a drill record, or a line missing, short or ended without a line feed
};
// Reads into values, which keep what a record of the version does not carry
// (feed switches of a cycle text, the newer fields of version 1). Every value
// passes kDrillLimits. On kBroken values are unchanged and refusal (when
// given) says which line or field broke it.
DrillRecordRead ParseDrillRecord(const char* text, DrillRecordValues& values, CString* refusal = nullptr);
// Applies a record to the form only when it reads (kComplete or kHeaderOnly).
DrillRecordRead ReadDrillRecord(const char* text, CDrillCycleForm& form, CString* refusal = nullptr);
