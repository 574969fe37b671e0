#include "plugin/shell/manager/lathe_operation.h"

#include "plugin/shell/manager/held_dialog_operation.h"
#include "plugin/shell/manager/tool_solid_block.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/lathe_dlg.h"
#include "plugin/turning/lathe_generator.h"
#include "plugin/turning/lathe_profile.h"

namespace {

// The profile and stock line come back as copies; the generator stores them
// in front of the new moves.
class LatheOperation : public HeldDialogOperation<CLatheDlg> {
 public:
  bool ReloadSource(const char* toolpathName) override {
    reloaded_.setLogicalLength(0);
    if (!GetLatheProfileIds(toolpathName, dialog_.m_Chained)) return false;
    reloaded_ = dialog_.m_Chained;
    return true;
  }
  void Generate() override { CreateLatheToolpath(dialog_); }
  // The turning tool is drawn as its nose: a circle of twice the nose radius across.
  bool ToolOf(int pass, SimulatedTool& tool) const override {
    if (pass != 0) return false;
    tool.name.Format("Lathe_Tool_%f", static_cast<double>(dialog_.m_NoseRadius));
    tool.category = kTurningTool;
    tool.diameter = 2.0 * dialog_.m_NoseRadius;
    return true;
  }
  void DropDrawingIds() override {
    dialog_.m_Selection.setLogicalLength(0);
    dialog_.m_Stock.setLogicalLength(0);
    dialog_.m_Chained.setLogicalLength(0);
    HeldDialogOperation::DropDrawingIds();
  }
};

}  // namespace

std::unique_ptr<ToolpathOperation> MakeLatheOperation() { return std::make_unique<LatheOperation>(); }
