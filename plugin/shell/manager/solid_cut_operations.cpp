#include "plugin/shell/manager/solid_cut_operations.h"

#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/machining/solid_cut_dlg.h"
#include "plugin/solid/machining/solid_cut_generator.h"
#include "plugin/solid/machining/z_profile_dlg.h"
#include "plugin/solid/machining/z_profile_generator.h"

namespace {

// The kind's dialog as the record's holder; the model (and gouge outline)
// come back as copies of those the stored group keeps. The generator files
// copies of its own, so the reloaded ones go once it has run.
template <class Dialog>
class SolidSourceOperation : public ToolpathOperation {
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
    DiscardCopies();
    if (!GetSolidCutSourceIds(toolpathName, dialog_.m_ModelId, dialog_.m_GougeId)) return false;
    copies_.append(dialog_.m_ModelId);
    if (!dialog_.m_GougeId.isNull()) copies_.append(dialog_.m_GougeId);
    return true;
  }
  bool RunDialog() override { return dialog_.DoModal() == IDOK; }
  CString ToolpathName() const override { return dialog_.m_ToolpathName; }
  void SetToolpathName(const char* name) override { dialog_.m_ToolpathName = name; }
  void DiscardUnstoredSource() override { DiscardCopies(); }
  bool ToolOf(int pass, SimulatedTool& tool) const override {
    if (pass != 0) return false;
    const CToolShapeDlg& shape = dialog_.m_Tool;
    tool.name = shape.m_ToolName;
    tool.category = 1;
    tool.shapeType = shape.m_ToolType;
    tool.diameter = shape.m_Diameter;
    tool.secondSize = shape.m_CornerRadius;
    tool.length = shape.m_Length;
    return true;
  }
  void DropDrawingIds() override {
    copies_.setLogicalLength(0);
    dialog_.m_ModelId.setNull();
    dialog_.m_GougeId.setNull();
  }

 protected:
  void DiscardCopies() {
    AcDbObjectIdArray stored;
    GetToolpathEntityIds(dialog_.m_ToolpathName, stored);
    for (const AcDbObjectId& id : copies_) {
      if (!stored.contains(id)) EraseObject(id);
    }
    copies_.setLogicalLength(0);
  }

  Dialog dialog_;
  AcDbObjectIdArray copies_;
  CString refusal_;
};

class SolidCutOperation : public SolidSourceOperation<CSolidCutDlg> {
 public:
  void Generate() override {
    CreateSolidCutToolpath(dialog_);
    DiscardCopies();
  }
};

class ZProfileOperation : public SolidSourceOperation<CZProfileDlg> {
 public:
  void Generate() override {
    CreateZProfileToolpath(dialog_);
    DiscardCopies();
  }
};

template <class Operation>
std::unique_ptr<ToolpathOperation> Make() {
  return std::make_unique<Operation>();
}

}  // namespace

std::vector<std::pair<int, ToolpathOperationMaker>> SolidCutOperationMakers() {
  return {{kToolpathSolidCut, &Make<SolidCutOperation>}, {kToolpathZLevelContour, &Make<ZProfileOperation>}};
}
