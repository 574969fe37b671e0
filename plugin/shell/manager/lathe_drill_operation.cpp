#include "plugin/shell/manager/lathe_drill_operation.h"

#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/lathe_drill_dlg.h"
#include "plugin/turning/lathe_drill_generator.h"

namespace {

// No source geometry: the record alone makes the toolpath again.
class LatheDrillOperation : public ToolpathOperation {
 public:
  bool ReadRecord(const char* recordText, const char* toolpathName) override {
    dialog_.m_Regenerate = 1;
    dialog_.m_ToolpathName = toolpathName;
    dialog_.m_StoredName = toolpathName;
    refusal_.Empty();
    return dialog_.ReadParamRecord(recordText, &refusal_);
  }
  CString RecordRefusal() const override { return refusal_; }
  bool RunDialog() override { return dialog_.DoModal() == IDOK; }
  CString ToolpathName() const override { return dialog_.m_ToolpathName; }
  void SetToolpathName(const char* name) override { dialog_.m_ToolpathName = name; }
  void Generate() override { CreateLatheDrillToolpath(dialog_); }
  // The drill solid: its point at the insertion point, laid along +X.
  bool ToolOf(int pass, SimulatedTool& tool) const override {
    if (pass != 0) return false;
    tool.name = dialog_.m_DrillTool.m_ToolName;
    tool.category = 4;
    tool.shapeType = dialog_.m_DrillTool.m_ToolType;
    tool.diameter = dialog_.m_DrillTool.m_Diameter;
    tool.secondSize = dialog_.m_DrillTip.m_TipLength;
    tool.length = dialog_.m_DrillTool.m_Length;
    return true;
  }
  void DropDrawingIds() override {}

 private:
  CLatheDrillDlg dialog_;
  CString refusal_;
};

std::unique_ptr<ToolpathOperation> Make() { return std::make_unique<LatheDrillOperation>(); }

}  // namespace

std::vector<std::pair<int, ToolpathOperationMaker>> LatheDrillOperationMakers() {
  return {{kToolpathLatheDrill, &Make}};
}
