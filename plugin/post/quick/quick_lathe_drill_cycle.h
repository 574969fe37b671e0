// The quick post's lathe drilling hole: one canned cycle along the spindle.
#pragma once

class QuickPostContext;

// The lathe drilling record's cycle and its values.
struct QuickLatheDrillCycle {
  int cycle = 0;  // the lathe drilling dialog's cycle index
  double peck = 0.0, dwell = 0.0, shift = 0.0;
};

// Writes the cycle at the context's move (X the radius, Z the depth) with
// the R level and depth of context.cycle, and leaves the tool back at the
// level it started from with no cycle in force.
void WriteLatheDrillCycle(QuickPostContext& context, const QuickLatheDrillCycle& values);
