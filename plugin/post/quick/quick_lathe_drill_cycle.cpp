#include "plugin/post/quick/quick_lathe_drill_cycle.h"

#include <string>

#include "plugin/post/quick/quick_number_text.h"
#include "plugin/post/quick/quick_post_context.h"
#include "plugin/turning/lathe_drill_dlg.h"

// The milling-style canned cycles with an absolute R level, written in G17:
// LinuxCNC drills along the axis normal to the active plane, so the lathe's G18
// would drill along Y; in G17 both it and a Fanuc-style control with canned
// drilling drill along Z, the spindle axis, at X the radius. G98 takes the tool
// back to the level it started from; G80 and G18 end the cycle before the
// next move. Neither control takes a peck return or a chip-break retract in
// the block (they are machine settings), nor a first peck apart from the
// next: Q is the shallower of the two. Dwells are seconds, as LinuxCNC reads P.
// Boring with a shift has no cycle LinuxCNC reads; it is written out: feed to
// depth, dwell, away from the wall by the shift, out, and back on the axis.
namespace {

std::string CycleWords(const QuickLatheDrillCycle& v) {
  const bool dwell = v.dwell > 0.0;
  const bool peck = v.peck > 0.0;
  switch (v.cycle) {
    case kLathePeckDrill:
      return peck ? "G83" : "G81";
    case kLatheChipBreak:
      return peck ? "G73" : "G81";
    case kLatheTap:
      return "G84";
    case kLatheBoringFeedOut:
      return dwell ? "G89" : "G85";
    case kLatheBoringStopSpindle:
      return "G86";
    default:
      return dwell ? "G82" : "G81";
  }
}

std::string CycleValues(const QuickLatheDrillCycle& v, const std::string& word) {
  if (word == "G83" || word == "G73") return Printed("Q%.3f", v.peck);
  if (word == "G82" || word == "G89" || (word == "G86" && v.dwell > 0.0)) return Printed("P%.3f", v.dwell);
  return std::string();
}

void WriteShiftBoring(QuickPostContext& c, const QuickLatheDrillCycle& v, double level) {
  const QuickCycleValues& hole = c.cycle;
  const double x = c.move.X;
  c.WriteLine(Printed("G00X%.3fZ%.3f", x, hole.rLevel));
  c.WriteLine(Printed("G01Z%.3f", hole.depth) + c.FeedWord());
  if (v.dwell > 0.0) c.WriteLine(Printed("G04P%.3f", v.dwell));
  c.WriteLine(Printed("G00X%.3f", x + v.shift));
  c.WriteLine(Printed("Z%.3f", level));
  c.WriteLine(Printed("X%.3f", x));
}

}  // namespace

void WriteLatheDrillCycle(QuickPostContext& c, const QuickLatheDrillCycle& v) {
  const double level = c.last.z;
  if (v.cycle == kLatheBoringShift) {
    WriteShiftBoring(c, v, level);
  } else {
    const std::string word = CycleWords(v);
    c.WriteLine("G17");
    c.WriteLine("G98" + word +
                Printed("X%.3fZ%.3fR%.3f", c.move.X, c.cycle.depth, c.cycle.rLevel) + CycleValues(v, word) +
                c.FeedWord());
    c.WriteLine("G80");
    c.WriteLine("G18");
  }
  c.AccumulateHole();
  c.MoveTo(AcGePoint3d(c.move.X, c.move.Y, level));
}
