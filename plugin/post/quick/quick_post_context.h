// The output context of one quick-post program: the options, the move being
// written, what the machine was last told (position, feed, move type, plane,
// distance mode), the tool and spindle values, the totals and the line writer.
// The block writers of each format read and update it.
#pragma once

#include <string>
#include <string_view>

#include "platform/cad/ge/ge_point3d.h"
#include "plugin/post/post_move_record.h"
#include "plugin/post/post_program_writer.h"
#include "plugin/post/quick/quick_post_options.h"

// The drill record's values that the cycle block writes.
struct QuickCycleValues {
  int type = 0;  // 0 G81, 1 G83, 2 G73, 3 G84; others are written as plain moves
  double peck = 0.0, dwell = 0.0;
  double rLevel = 0.0, depth = 0.0;
};

struct QuickTotals {
  double rapidLength = 0.0, cutLength = 0.0;
  double time = 0.0;  // minutes, rapids at kQuickRapidFeed
};

constexpr double kQuickRapidFeed = 5000.0;

class QuickPostContext {
 public:
  QuickPostContext(PostTextOutput& output, const QuickPostOptions& options, int lineCounter);

  // One line of the program, numbered as the format and options say; an empty
  // ISO line without N numbers writes nothing. "%" and "O" lines go through
  // WriteUnnumbered.
  void WriteLine(const std::string& text);
  void WriteUnnumbered(const std::string& text);
  // The next numbered line is 0.
  void RestartNumbers() { lineCounter_ = -1; }
  // The length and time of a move from the last position to the record's point.
  void Accumulate(const AcGePoint3d& centre = AcGePoint3d(), int plane = 0);
  // The same for a canned cycle at the record's hole: across and down to the R
  // level as rapids, drilled to depth at the feed, back up as a rapid.
  void AccumulateHole();

  // Absolute axis words of the record's point that differ from the last position.
  std::string ChangedAxes(bool x = true, bool y = true, bool z = true) const;
  // Increments from the last position to the record's point, rounded on the
  // 0.001 grid of the written positions; false when all are zero.
  bool Increments(std::string texts[3], double rounded[3]) const;
  // The axis words of the increments that are not zero.
  std::string IncrementWords(const std::string texts[3], const double rounded[3]) const;
  // "F%d" when the record's feed differs from the modal feed and is not 0.
  std::string FeedWord() const;
  // "G90" (and G91 no longer in force) before an absolute block of an incremental program.
  std::string AbsolutePrefix();
  // The point becomes the last position, and its extents are kept.
  void MoveTo(const AcGePoint3d& point);
  AcGePoint3d Point() const { return AcGePoint3d(move.X, move.Y, move.Z); }

  bool failed() const { return failed_; }
  int lineCounter() const { return lineCounter_; }

  const QuickPostOptions options;
  int kind = 0;
  bool lathe = false;
  PostMoveRecord move;
  AcGePoint3d last;
  double clearanceZ = 0.0;
  int modalFeed = 0;  // ISO
  int conversationalFeed = 0;
  int lastType = 0;
  int lastPlane = 0;
  bool g91Active = false;
  bool cycleActive = false;  // a canned cycle is in force
  int T = 0, S = 0, H = 0;
  int lastTool = -1;
  QuickCycleValues cycle;
  QuickTotals totals;
  bool anyPosition = false;
  bool firstPositionPending = false;  // the toolpath's start point is not written yet
  AcGePoint3d least, most;  // extents of the written positions

 private:
  void Emit(const std::string& line);

  PostTextOutput& output_;
  int lineCounter_;
  bool failed_ = false;
};
