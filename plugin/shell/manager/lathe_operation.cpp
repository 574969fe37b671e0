#include "plugin/shell/manager/lathe_operation.h"

#include "plugin/shell/manager/tool_solid_block.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/lathe_dlg.h"
#include "plugin/turning/lathe_generator.h"
#include "plugin/turning/lathe_profile.h"

namespace {

// The profile and stock line come back as copies; the generator stores them
// in front of the new moves.
class LatheOperation : public ToolpathOperation {
 public:
  bool ReadRecord(const char* recordText, const char* toolpathName) override {
    dialog_.m_EditMode = 1;
    dialog_.m_ExistingName = toolpathName;
    dialog_.m_ToolpathName = toolpathName;
    refusal_.Empty();
    return dialog_.ReadParamRecord(recordText, &refusal_);
  }
  CString RecordRefusal() const override { return refusal_; }
  bool ReloadSource(const char* toolpathName) override {
    reloaded_.setLogicalLength(0);
    if (!GetLatheProfileIds(toolpathName, dialog_.m_Chained)) return false;
    reloaded_ = dialog_.m_Chained;
    return true;
  }
  bool RunDialog() override { return dialog_.DoModal() == IDOK; }
  CString ToolpathName() const override { return dialog_.m_ToolpathName; }
  void SetToolpathName(const char* name) override { dialog_.m_ToolpathName = name; }
  void Generate() override { CreateLatheToolpath(dialog_); }
  void DiscardUnstoredSource() override {
    AcDbObjectIdArray stored;
    GetToolpathEntityIds(dialog_.m_ToolpathName, stored);
    for (const AcDbObjectId& id : reloaded_) {
      if (!stored.contains(id)) EraseObject(id);
    }
    reloaded_.setLogicalLength(0);
  }
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
    reloaded_.setLogicalLength(0);
  }

 private:
  CLatheDlg dialog_;
  AcDbObjectIdArray reloaded_;
  CString refusal_;
};

}  // namespace

std::unique_ptr<ToolpathOperation> MakeLatheOperation() { return std::make_unique<LatheOperation>(); }
