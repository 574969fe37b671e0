#include <cmath>

#include "plugin/post/arc_measure.h"
#include "plugin/post/post_values.h"
#include "plugin/post/quick/quick_blocks.h"
#include "plugin/post/quick/quick_number_text.h"

namespace {

constexpr double kLeastOffset = 0.001;
// A rapid that moves more than this in Z and in X or Y moves diagonally.
constexpr double kDiagonal = 0.001;

const char* PlaneWord(int plane) { return plane == kPlaneZX ? "G18" : plane == kPlaneYZ ? "G19" : "G17"; }

const char* CycleWord(int type) {
  static const char* const kWords[] = {"G98G81", "G98G83", "G98G73", "G98G84"};
  return kWords[type];
}

}  // namespace

void QuickBlocks::Spindle() {
  if (c_.S == 0) {
    c_.WriteLine("M05");
  } else {
    c_.WriteLine(Printed(c_.lathe ? "G97S%dM13" : "S%dM03", c_.S));
  }
}

void QuickIsoBlocks::Start() {
  c_.g91Active = false;
  c_.WriteUnnumbered("%");
  if (c_.options.programNumberOn) c_.WriteUnnumbered(Printed("O%d", c_.options.programNumber));
}

bool QuickIsoBlocks::Incremental() const { return c_.options.incremental && !c_.lathe; }

void QuickIsoBlocks::CancelCycle() {
  if (!c_.cycleActive) return;
  c_.WriteLine("G80");
  c_.cycleActive = false;
}

void QuickIsoBlocks::FirstPosition() {
  CancelCycle();
  c_.clearanceZ = c_.move.Z;
  if (c_.lathe) {
    c_.WriteLine("G28U0.W0.");
    c_.WriteLine(Printed("G50X%0.3fZ%0.3f", c_.move.X, c_.move.Z));
    return;
  }
  c_.g91Active = false;
  c_.WriteLine(Printed("G90G00G17Z%.3f", c_.move.Z));
  c_.WriteLine(Printed("X%.3fY%.3f", c_.move.X, c_.move.Y));
  c_.lastPlane = kPlaneXY;
}

void QuickIsoBlocks::ToolChange() {
  if (c_.lathe) {
    c_.WriteLine(Printed("G00T%02d%02d", c_.T, c_.H));
    return;
  }
  // Up to the clearance as a rapid, whatever move was last; at a toolpath's
  // start the toolpath has stated no mode yet.
  const bool rapid = c_.lastType == kMoveRapid || c_.lastType == kMoveRapidAfterRapid;
  const bool stated = rapid && !c_.firstPositionPending;
  c_.WriteLine(c_.AbsolutePrefix() + (stated ? "" : "G00") + Printed("Z%.3f", c_.clearanceZ));
  c_.WriteLine("G49");
  c_.WriteLine(Printed("G28G91Z0.0T%dM06", c_.T));
  c_.WriteLine("G90");
  c_.WriteLine(Printed("G43Z%.3fH%d", c_.clearanceZ, c_.H));
  // At a toolpath's start its own first position follows, after the spindle start.
  if (c_.firstPositionPending) return;
  c_.WriteLine(Printed("G00X%0.3fY%0.3f", c_.move.X, c_.move.Y));
  c_.MoveTo(AcGePoint3d(c_.move.X, c_.move.Y, c_.clearanceZ));
}

void QuickIsoBlocks::Rapid() {
  CancelCycle();
  const bool first = c_.move.moveType == kMoveRapid;
  const std::string axes = c_.ChangedAxes();
  if (axes.empty()) {
    // An unchanged first rapid still states the rapid mode.
    if (first) c_.WriteLine(c_.AbsolutePrefix() + "G00");
    return;
  }
  const std::string word = c_.AbsolutePrefix() + (first ? "G00" : "");
  const bool down = c_.move.Z < c_.last.z;
  const bool diagonal = !c_.lathe && std::abs(c_.move.Z - c_.last.z) > kDiagonal &&
                        (std::abs(c_.move.X - c_.last.x) > kDiagonal || std::abs(c_.move.Y - c_.last.y) > kDiagonal);
  if (diagonal && !c_.options.diagonalRapids) {
    // Across at the higher level, then along Z: never through the part.
    const std::string across = c_.ChangedAxes(true, true, false);
    const std::string along = c_.ChangedAxes(false, false, true);
    c_.WriteLine(word + (down ? across : along));
    c_.WriteLine(down ? along : across);
  } else {
    c_.WriteLine(word + axes);
  }
  c_.Accumulate();
  c_.MoveTo(c_.Point());
}

void QuickIsoBlocks::Linear() {
  CancelCycle();
  const bool continued = c_.move.moveType == kMoveCutAfterCut;
  if (Incremental()) {
    LinearIncremental(continued);
    return;
  }
  const std::string words = c_.ChangedAxes() + c_.FeedWord();
  if (words.empty() && continued) return;
  c_.WriteLine((continued ? "" : "G01") + words);
  c_.Accumulate();
  c_.MoveTo(c_.Point());
}

void QuickIsoBlocks::LinearIncremental(bool continued) {
  std::string texts[3];
  double rounded[3];
  const bool moves = c_.Increments(texts, rounded);
  const std::string words = c_.IncrementWords(texts, rounded) + c_.FeedWord();
  if (words.empty() && continued) return;
  const std::string mode = c_.g91Active ? "" : "G91";
  c_.g91Active = true;
  c_.WriteLine(mode + (continued ? "" : "G01") + words);
  if (!moves) return;
  c_.Accumulate();
  c_.MoveTo(c_.Point());
}

void QuickIsoBlocks::Arc(const QuickArc& arc) {
  CancelCycle();
  std::string line;
  if (arc.plane != c_.lastPlane) {
    line = PlaneWord(arc.plane);
    c_.lastPlane = arc.plane;
  }
  const bool incremental = Incremental();
  if (incremental && !c_.g91Active) {
    line = "G91" + line;
    c_.g91Active = true;
  }
  if (!arc.continued) line += c_.move.moveType == kMoveCwArc ? "G02" : "G03";
  if (incremental) {
    std::string texts[3];
    double rounded[3];
    c_.Increments(texts, rounded);
    line += c_.IncrementWords(texts, rounded);
  } else {
    line += c_.ChangedAxes();
  }
  double a = 0.0, b = 0.0, along = 0.0;
  PlaneCoordinates(AcGePoint3d(arc.I, arc.J, arc.K), arc.plane, a, b, along);
  if (arc.byRadius) {
    line += Printed("R%.3f", std::hypot(a, b));
  } else {
    // Only the offsets in the arc's plane name its centre.
    const bool inPlane[3] = {arc.plane != kPlaneYZ, arc.plane != kPlaneZX, arc.plane != kPlaneXY};
    const double offsets[3] = {arc.I, arc.J, arc.K};
    const char* letters[3] = {"I", "J", "K"};
    for (int i = 0; i < 3; ++i) {
      if (!inPlane[i] || std::abs(offsets[i]) < kLeastOffset) continue;
      line += letters[i] + Printed(incremental ? "%f" : "%.3f", offsets[i]);
    }
  }
  c_.WriteLine(line + c_.FeedWord());
  c_.Accumulate(arc.centre, arc.plane);
  c_.MoveTo(c_.Point());
}

void QuickIsoBlocks::Cycle() {
  const QuickCycleValues& cycle = c_.cycle;
  if (c_.cycleActive) {
    const std::string words = c_.ChangedAxes(true, true, false) + c_.FeedWord();
    if (!words.empty()) c_.WriteLine(words);
  } else {
    // Depth and R level are absolute levels: the cycle runs in G90.
    std::string line = c_.AbsolutePrefix() + CycleWord(cycle.type) + c_.ChangedAxes(true, true, false);
    if (cycle.type == 0) {
      line += Printed("Z%.3fR%.3f", cycle.depth, cycle.rLevel);
    } else if (cycle.type == 3) {
      line += Printed("Z%.3fR%.3fP%.3f", cycle.depth, cycle.rLevel, cycle.dwell);
    } else {
      // Peck cycles take no dwell.
      line += Printed("Z%.3fR%.3fQ%.3f", cycle.depth, cycle.rLevel, cycle.peck);
    }
    c_.WriteLine(line + c_.FeedWord());
    c_.cycleActive = true;
  }
  c_.AccumulateHole();
  // G98: back at the level the holes began from.
  c_.MoveTo(AcGePoint3d(c_.move.X, c_.move.Y, c_.last.z));
}

void QuickIsoBlocks::MachiningInfo() {
  c_.WriteLine(Printed("(MIN X = %f      MAX X = %f )", c_.least.x, c_.most.x));
  c_.WriteLine(Printed("(MIN Y = %f      MAX Y = %f )", c_.least.y, c_.most.y));
  c_.WriteLine(Printed("(MIN Z = %f      MAX Z = %f )", c_.least.z, c_.most.z));
  c_.WriteLine(Printed("(CUTTING TIME = %.2f MIN)", c_.totals.time));
}

void QuickIsoBlocks::End() {
  CancelCycle();
  if (c_.lathe) {
    c_.WriteLine("G28U0.W0.M05");
    c_.WriteLine(Printed("T%02d00", c_.T));
    c_.WriteLine("M30");
    c_.WriteUnnumbered("%");
    return;
  }
  if (c_.last.z > c_.clearanceZ) c_.clearanceZ = c_.last.z;
  if (c_.last.z != c_.clearanceZ) {
    c_.WriteLine(c_.AbsolutePrefix() + Printed("G00Z%.3f", c_.clearanceZ));
    c_.MoveTo(AcGePoint3d(c_.last.x, c_.last.y, c_.clearanceZ));
  }
  c_.WriteLine("M09");
  if (c_.options.machiningInfo) MachiningInfo();
  c_.WriteLine("M30");
  c_.WriteUnnumbered("%");
}
