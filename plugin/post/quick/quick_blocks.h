// The block writers of the quick post, one set per format: each event or move
// of the dispatcher becomes lines of the program through the context.
#pragma once

#include "plugin/post/quick/quick_post_context.h"

// An arc move as the dispatcher hands it over: its centre offsets from the
// last position and how it is to be written.
struct QuickArc {
  AcGePoint3d centre;
  double I = 0.0, J = 0.0, K = 0.0;
  int plane = 0;
  bool continued = false;  // same direction and plane as the last move
  bool byRadius = false;   // R names it; otherwise centre offsets
};

class QuickBlocks {
 public:
  explicit QuickBlocks(QuickPostContext& context) : c_(context) {}
  virtual ~QuickBlocks() = default;

  virtual void Start() = 0;
  // The record holds the toolpath's start point.
  virtual void FirstPosition() = 0;
  // The record holds where the tool stands.
  virtual void ToolChange() = 0;
  void Spindle();
  // The record holds the move; its type says first or continued.
  virtual void Rapid() = 0;
  virtual void Linear() = 0;
  virtual void Arc(const QuickArc& arc) = 0;
  // A canned drill cycle at the record's hole (ISO milling only).
  virtual void Cycle() = 0;
  virtual void End() = 0;

 protected:
  QuickPostContext& c_;
};

class QuickIsoBlocks : public QuickBlocks {
 public:
  using QuickBlocks::QuickBlocks;
  void Start() override;
  void FirstPosition() override;
  void ToolChange() override;
  void Rapid() override;
  void Linear() override;
  void Arc(const QuickArc& arc) override;
  void Cycle() override;
  void End() override;

 private:
  void CancelCycle();
  bool Incremental() const;
  void LinearIncremental(bool continued);
  void MachiningInfo();
};

class QuickConversationalBlocks : public QuickBlocks {
 public:
  using QuickBlocks::QuickBlocks;
  void Start() override;
  void FirstPosition() override;
  void ToolChange() override;
  void Rapid() override;
  void Linear() override;
  void Arc(const QuickArc& arc) override;
  void Cycle() override;
  void End() override;
};
