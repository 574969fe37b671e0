// The quick post's move dispatcher: the traversal's moves and markers of each
// toolpath become events for the block writers of the chosen format (ISO
// milling, ISO lathe for lathe kinds, or conversational).
#pragma once

#include <memory>
#include <string>

#include "plugin/post/quick/quick_blocks.h"
#include "plugin/post/quick/quick_lathe_drill_cycle.h"
#include "plugin/post/toolpath_traversal.h"

class PostKindHolder;

class QuickPostWriter : public ToolpathSink {
 public:
  // lineCounter: where the numbering goes on from (the last run's count).
  QuickPostWriter(PostTextOutput& output, const QuickPostOptions& options, int lineCounter = 0);
  ~QuickPostWriter() override;

  void BeginToolpath(const std::string& name, int kind, PostKindHolder* holder);
  void EndProgram();

  // Set when the output failed or a cutting move had no feed; nothing more is written then.
  bool failed() const { return !failure_.empty() || context_.failed(); }
  std::string failure() const;
  const QuickTotals& totals() const { return context_.totals; }
  int lineCounter() const { return context_.lineCounter(); }
  // True once a toolpath's start point was written.
  bool started() const { return !startPending_; }
  // Helix plunges become arcs only where the format has helical arcs.
  bool arcHelix() const { return context_.options.arcHelix && !context_.options.conversational; }

  void Move(const ToolpathMove& move) override;
  void FirstPosition(const AcGePoint3d& point) override;
  void ToolFromInfo(const ToolInfoSnapshot& tool) override;
  void ToolNumber(int number) override;
  void OffsetNumber(int number) override;
  void Spindle(int speed) override;
  void PassSet(int set) override;
  void Refuse(const std::string& why) override {
    if (failure_.empty()) failure_ = why;
  }

 private:
  void ToolChange();
  // The start point's blocks, held back by FirstPosition so that the tool
  // change and the spindle start come before any move; written by the first
  // move, the next toolpath or the end.
  void WritePendingFirstPosition();
  void Arc(const ToolpathMove& move);
  void WriteArc(const AcGePoint3d& end, const AcGePoint3d& centre, int plane, bool byRadius);
  void Hole(const ToolpathMove& move);
  void PlainMove(int type, const AcGePoint3d& end, int feed);
  bool Ready();

  QuickPostContext context_;
  std::unique_ptr<QuickBlocks> blocks_;
  PostKindHolder* holder_ = nullptr;
  QuickLatheDrillCycle latheCycle_;
  std::string toolpathName_;
  bool startPending_ = true;
  AcGePoint3d pendingFirst_;
  std::string failure_;
};
