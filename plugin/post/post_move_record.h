// The move handed from the traversal of a toolpath to the post's dispatcher.
#pragma once

#include "platform/cad/ge/ge_point3d.h"

enum PostMoveType {
  kMoveRapid = 1,
  kMoveRapidAfterRapid = 2,
  kMoveCut = 3,
  kMoveCutAfterCut = 4,
  kMoveCcwArc = 6,
  kMoveCwArc = 8,
  kMoveCycle = 11,
};

enum PostEvent {
  kEventMove = 0,
  kEventFirstPosition = 1,
  kEventToolChange = 2,
  kEventSpindle = 5,
  kEventToolpathEnd = 998,
  kEventProgramEnd = 999,
};

struct PostMoveRecord {
  double X = 0.0, Y = 0.0, Z = 0.0;
  int F = 0;
  int moveType = 0;
};
