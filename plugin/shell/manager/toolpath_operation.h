// What the toolpath manager and the simulation need of one kind of toolpath:
// the kind's dialog as the holder of a stored record, the reload of its source
// geometry, the dialog run, the generator and the tools it cuts with. Each
// operation registers a maker for its kind; the manager asks the table and
// knows no operation by name, so a kind that lands later is picked up as it is.
#pragma once

#include <map>
#include <memory>

#include "platform/classlib/cstring.h"

// The tool a simulation shows, as MakeToolSolidBlock takes it.
struct SimulatedTool {
  CString name;
  int category = 0;  // 1 milling, 2 drilling, 3 turning, 4 lathe drilling
  int shapeType = 0;
  double diameter = 0.0;
  double secondSize = 0.0;  // corner radius, or the drill's tip length
  double thirdSize = 0.0;
  double length = 0.0;
};

class ToolpathOperation {
 public:
  virtual ~ToolpathOperation() = default;

  // Sets the dialog's regeneration flags, reads the record into it and takes
  // the toolpath's name. False when the record does not read.
  virtual bool ReadRecord(const char* recordText, const char* toolpathName) = 0;
  // Why the last ReadRecord refused the record (the line and field); empty
  // when it read or the kind says nothing more.
  virtual CString RecordRefusal() const { return CString(); }
  // Hands the dialog the toolpath's source geometry again; true for a kind
  // that has none to reload.
  virtual bool ReloadSource(const char* /*toolpathName*/) { return true; }
  // Shows the dialog; true when it closed with OK.
  virtual bool RunDialog() = 0;
  virtual CString ToolpathName() const = 0;
  virtual void SetToolpathName(const char* name) = 0;
  // Runs the generator on the dialog; it stores under the dialog's name.
  virtual void Generate() = 0;
  // Erases what the reload made and no stored toolpath took over.
  virtual void DiscardUnstoredSource() {}
  // Tells the user that the toolpath was made again.
  virtual void ReportRegenerated() const;
  // The tool the toolpath starts with (pass 0), or the tool of a pocket pass
  // (1 roughing, 2 finishing, 3 rest). False when the kind has no such tool.
  virtual bool ToolOf(int pass, SimulatedTool& tool) const = 0;
  // Forgets every object id the dialog holds: they belong to a drawing that
  // is no longer the current one.
  virtual void DropDrawingIds() = 0;
};

using ToolpathOperationMaker = std::unique_ptr<ToolpathOperation> (*)();

// Files the maker for the kind, replacing an earlier one.
void RegisterToolpathOperation(int kind, ToolpathOperationMaker maker);
// A new holder for the kind; null when no operation of that kind is there yet.
std::unique_ptr<ToolpathOperation> MakeToolpathOperation(int kind);

// The manager's holders, one per kind, made when first needed and kept, so
// that a dialog shows the values it was last given.
class ToolpathOperations {
 public:
  // Null when no operation of the kind exists yet.
  ToolpathOperation* For(int kind);
  void DropDrawingIds();

 private:
  std::map<int, std::unique_ptr<ToolpathOperation>> holders_;
};

// The box that says a stored toolpath is of a kind no operation here makes.
void ShowKindNotAvailable(const char* toolpathName, int kind);
