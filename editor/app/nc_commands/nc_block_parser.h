// The NC block parser: reads one line of NC program text as one block,
// keeps the modal machine state in one process-wide record, and tells
// whether the block moves the tool and where the tool ends.
#pragma once

// Motion codes of the state.
enum NcMotion : short {
  kNcRapidNew = 1,
  kNcRapidCarried = 2,
  kNcLinearNew = 3,
  kNcLinearCarried = 4,
  kNcArcCounterClockwise = 6,
  kNcArcClockwise = 8,
  kNcDrillCycle = 11,
};

struct NcParserState {
  float lastPoint[3] = {0, 0, 0};
  float blockStart[3] = {0, 0, 0};
  float current[3] = {0, 0, 0};
  int incremental = 0;
  short motion = 0;
  short modalMotion = 0;
  float cycleValues[3] = {0, 0, 0};
  int valid = 0;
};

// The state every search goes on from; a search starts it anew with ResetNcParserState.
NcParserState& TheNcParserState();
void ResetNcParserState();

// Parses text (a block ending in '\n'); returns 1 when the block is accepted
// and moves the tool or is an arc, else 0. end receives the point built for
// the block; aux the I, J, K of an arc or a drilling cycle's Z and R.
// Text in parentheses is a comment; a line with '#' is no block.
int ParseNcBlock(const char* text, float aux[3], float end[3]);
