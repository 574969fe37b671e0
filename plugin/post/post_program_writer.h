// Writes one NC program: the move dispatcher and the block writers of the
// configurable post. Moves and markers come from the traversal of each
// chosen toolpath; each event expands its blocks against the current and
// last-written values and appends the text to the output.
#pragma once

#include <string>
#include <string_view>

#include "plugin/post/post_block_engine.h"
#include "plugin/post/post_move_record.h"
#include "plugin/post/post_settings_file.h"
#include "plugin/post/post_values.h"
#include "plugin/post/toolpath_traversal.h"

class PostKindHolder;

// Where the NC text goes; false once writing failed.
class PostTextOutput {
 public:
  virtual ~PostTextOutput() = default;
  virtual bool Write(std::string_view text) = 0;
};

struct PostTotals {
  double cutLength = 0.0, rapidLength = 0.0;
  double cutTime = 0.0, rapidTime = 0.0;  // minutes
};

class PostProgramWriter : public ToolpathSink {
 public:
  // Rapid moves are timed at this feed.
  static constexpr double kRapidFeed = 5000.0;

  PostProgramWriter(const PostSettingsFile& definition, PostTextOutput& output, PostValueAsker* asker = nullptr);

  // Both records reset, O set, [Define] applied, the program start pending.
  void Begin(int programNumber);
  // The toolpath's kind and holder (null for none): record values, coolant.
  void BeginToolpath(const std::string& name, int kind, PostKindHolder* holder);
  void EndToolpath();
  void EndProgram();

  bool arcHelix() const { return current_.helixSwitch == 1; }
  // Set when the output failed or a cutting move had no feed; nothing more is written then.
  bool failed() const { return !failure_.empty(); }
  const std::string& failure() const { return failure_; }
  const PostTotals& totals() const { return totals_; }
  const PostValues& current() const { return current_; }
  const PostValues& written() const { return written_; }
  const PostMoveRecord& move() const { return move_; }

  void Move(const ToolpathMove& move) override;
  void FirstPosition(const AcGePoint3d& point) override;
  void ToolFromInfo(const ToolInfoSnapshot& tool) override;
  void ToolNumber(int number) override;
  void OffsetNumber(int number) override;
  void Spindle(int speed) override;
  void PassSet(int set) override;
  void Refuse(const std::string& why) override { Fail(why); }

 private:
  // Expands and writes the block; true when it wrote text.
  bool Write(int block);
  bool WriteMove(int block);
  void WriteText(std::string_view text);
  void CancelPendingCycle();
  void WriteCycle(const ToolpathMove& move);
  bool WriteArc(const ToolpathMove& move);
  void ToolChange();
  // The [From] of the toolpath, held back by FirstPosition so that the tool
  // change and the spindle start come before any move; written by the first
  // move or the end of the toolpath.
  void WritePendingFirstPosition();
  void AddToTotals(const ToolpathMove& move, const AcGePoint3d& from);
  void Fail(const std::string& why);

  const PostSettingsFile& definition_;
  PostTextOutput& output_;
  PostValueAsker* asker_;
  PostValues current_;
  PostValues written_;
  PostMoveRecord move_;
  std::string text_;
  PostWrittenWords words_;
  std::string toolpathName_;
  int kind_ = 0;
  PostKindHolder* holder_ = nullptr;
  bool coolant_ = false;
  bool startPending_ = true;
  bool cyclePending_ = false;
  bool incremental_ = false;
  bool firstPositionPending_ = false;
  AcGePoint3d toolpathStart_;
  AcGePoint3d position_;
  PostTotals totals_;
  std::string failure_;
};
