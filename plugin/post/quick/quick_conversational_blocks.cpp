#include "plugin/post/arc_measure.h"
#include "plugin/post/post_values.h"
#include "plugin/post/quick/quick_blocks.h"
#include "plugin/post/quick/quick_number_text.h"

namespace {

constexpr int kRapidFeed = 6000;

}  // namespace

void QuickConversationalBlocks::Start() {
  c_.RestartNumbers();
  c_.WriteLine(Printed(" BEGIN PGM %d MM", c_.options.programNumber));
  c_.WriteLine(" BLK FORM 0.1 Z X+0.000 Y+0.000 Z-100.000");
  c_.WriteLine(" BLK FORM 0.2 X+100.000 Y+100.000 Z+0.000");
}

void QuickConversationalBlocks::FirstPosition() { c_.clearanceZ = c_.move.Z; }

void QuickConversationalBlocks::ToolChange() {
  c_.clearanceZ = c_.move.Z;
  c_.WriteLine(Printed("TOOL DEF %d L+0.000 R+0.000", c_.T));
  c_.WriteLine(Printed("TOOL CALL %d Z S%d", c_.T, c_.S));
  c_.WriteLine(Printed("LZ%.3f R F%d M03", c_.clearanceZ, kRapidFeed));
  c_.WriteLine(Printed("LZ%.3f R F%d M08", c_.clearanceZ, kRapidFeed));
  c_.conversationalFeed = kRapidFeed;
  c_.MoveTo(AcGePoint3d(c_.last.x, c_.last.y, c_.clearanceZ));
}

void QuickConversationalBlocks::Rapid() {
  const bool first = c_.move.moveType == kMoveRapid;
  const std::string axes = c_.ChangedAxes();
  // A continued rapid leaves the feed as it is only when it is the rapid feed already.
  const std::string feed = !first && c_.conversationalFeed == kRapidFeed ? "R F M" : Printed("R F%d M", kRapidFeed);
  if (axes.empty()) {
    if (first) c_.WriteLine(feed);
  } else {
    c_.WriteLine("L" + axes + " " + feed);
    c_.Accumulate();
    c_.MoveTo(c_.Point());
  }
  c_.conversationalFeed = kRapidFeed;
}

void QuickConversationalBlocks::Linear() {
  const std::string axes = c_.ChangedAxes();
  if (axes.empty()) return;
  const bool sameFeed = c_.move.moveType == kMoveCutAfterCut && c_.move.F == c_.conversationalFeed;
  c_.WriteLine("L" + axes + " " + (sameFeed ? std::string("R F M") : Printed("R F%d M", c_.move.F)));
  c_.conversationalFeed = c_.move.F;
  c_.Accumulate();
  c_.MoveTo(c_.Point());
}

// The centre block, then the arc in its plane; the axis across the plane keeps its value.
void QuickConversationalBlocks::Arc(const QuickArc& arc) {
  const bool xy = arc.plane == kPlaneXY, zx = arc.plane == kPlaneZX;
  if (xy) {
    c_.WriteLine(Printed("CCIX%.3fIY%.3f", arc.I, arc.J));
  } else if (zx) {
    c_.WriteLine(Printed("CCIZ%.3fIX%.3f", arc.K, arc.I));
  } else {
    c_.WriteLine(Printed("CCIY%.3fIZ%.3f", arc.J, arc.K));
  }
  const AcGePoint3d& last = c_.last;
  AcGePoint3d end = c_.Point();
  if (xy) end.z = last.z;
  if (zx) end.y = last.y;
  if (!xy && !zx) end.x = last.x;
  c_.move.X = end.x, c_.move.Y = end.y, c_.move.Z = end.z;
  const char* turn = c_.move.moveType == kMoveCwArc ? " DR- " : " DR+ ";
  c_.WriteLine("C" + c_.ChangedAxes() + turn + Printed("R F%d M", c_.move.F));
  c_.conversationalFeed = c_.move.F;
  c_.Accumulate(arc.centre, arc.plane);
  c_.MoveTo(end);
}

// Holes come as plain moves in this format; nothing is left for a cycle block.
void QuickConversationalBlocks::Cycle() {}

void QuickConversationalBlocks::End() { c_.WriteLine(Printed(" END PGM %d MM", c_.options.programNumber)); }
