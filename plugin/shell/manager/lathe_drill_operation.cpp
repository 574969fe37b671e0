#include "plugin/shell/manager/lathe_drill_operation.h"

#include "plugin/shell/manager/held_dialog_operation.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/lathe_drill_dlg.h"
#include "plugin/turning/lathe_drill_generator.h"

namespace {

// No source geometry: the record alone makes the toolpath again.
class LatheDrillOperation : public HeldDialogOperation<CLatheDrillDlg> {
 public:
  void Generate() override { CreateLatheDrillToolpath(dialog_); }
  // The drill solid: its point at the insertion point, laid along +X.
  bool ToolOf(int pass, SimulatedTool& tool) const override {
    if (pass != 0) return false;
    tool = DrillToolOf(dialog_.m_DrillTool, dialog_.m_DrillTip.m_TipLength, 4);
    return true;
  }
};

}  // namespace

std::vector<std::pair<int, ToolpathOperationMaker>> LatheDrillOperationMakers() {
  return {{kToolpathLatheDrill, &MakeOperation<LatheDrillOperation>}};
}
