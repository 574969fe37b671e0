// The values against which post blocks are expanded: the current record (the
// [Define] settings and the move being written) and the last-written record
// (what the machine was last told), so that unchanged words are left out.
#pragma once

#include <array>
#include <string>

class PostBlock;

// Arc planes.
constexpr int kNoPlane = 0;
constexpr int kPlaneXY = 91;
constexpr int kPlaneZX = 92;
constexpr int kPlaneYZ = 93;

// Cycle words: return levels, then the cycle G-codes by cycle index 0 to 6.
enum PostCycleWord {
  kCycleInitWord = 0,
  kCycleRWord,
  kDrillWord,
  kPeckDrillWord,
  kChipDrillWord,
  kTapWord,
  kBoringFeedWord,
  kBoringSpindleWord,
  kBoringShiftWord,
  kPostCycleWordCount
};
constexpr int kUserCycleWordCount = 5;

enum PostModeWord {
  kRapidModeText = 0,
  kCutModeText,
  kCwArcText,
  kCcwArcText,
  kXyPlaneText,
  kZxPlaneText,
  kYzPlaneText,
  kPostModeWordCount
};

struct PostValues {
  double A = 0.0, B = 0.0, C = 0.0;
  double I = 0.0, J = 0.0, K = 0.0;
  double X = 0.0, Y = 0.0, Z = 0.0;
  double R = 0.0;
  double toolDiameter = 0.0, toolCornerRadius = 0.0, toolLength = 0.0;
  bool cycleReturnInitial = true;
  bool firstCycle = true;
  int cycleIndex = 0;
  double cycleP = 0.0, cycleQ = 0.0, cycleR = 0.0, cycleZ = 0.0, cycleA = 0.0, cycleB = 0.0, cycleC = 0.0;
  int cycleK = 0;
  std::array<std::string, kPostCycleWordCount> cycleWords;
  std::array<std::string, kUserCycleWordCount> userCycleWords;
  int F = 0;
  int moveType = 0;
  int plane = kNoPlane;
  int S = 0;
  int reserved = 0;
  int N = 1;
  int T = 0;
  int H = 0;
  int O = 0;
  int helixSwitch = 0;
  std::array<std::string, kPostModeWordCount> modeWords;
};

// The current record as each post run starts it.
void InitialiseCurrentValues(PostValues& values);
// The last-written record as each post run starts it: nothing written yet.
void ResetWrittenValues(PostValues& values);

// The cycle G-code of a cycle index (0-11); empty for any other index.
const std::string& CycleWordOf(const PostValues& values, int cycleIndex);

// Applies the [Define] lines to the record, one setting per line.
void ParseDefineSettings(const PostBlock& define, PostValues& values);
