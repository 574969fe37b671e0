#include "plugin/shell/manager/milling_operations.h"

#include "platform/cad/editor/input/aced_input.h"
#include "plugin/milling/drill/drill_dlg.h"
#include "plugin/milling/drill/drill_generator.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_generator.h"
#include "plugin/milling/pocket/pocket_selection.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/milling/profile/profile_generator.h"
#include "plugin/shell/held_drawing_ids.h"
#include "plugin/shell/manager/manager_boxes.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr int kRoughingPass = 1;
constexpr int kFinishingPass = 2;
constexpr int kRestPass = 3;

SimulatedTool MillingTool(const CToolShapeDlg& shape) {
  SimulatedTool tool;
  tool.name = shape.m_ToolName;
  tool.category = 1;
  tool.shapeType = shape.m_ToolType;
  tool.diameter = shape.m_Diameter;
  tool.secondSize = shape.m_CornerRadius;
  tool.length = shape.m_Length;
  return tool;
}

// Copies made by a reload that the stored toolpath of the name did not take.
void EraseUnstored(AcDbObjectIdArray& copies, const CString& toolpathName) {
  AcDbObjectIdArray stored;
  GetToolpathEntityIds(toolpathName, stored);
  for (const AcDbObjectId& id : copies) {
    if (!stored.contains(id)) EraseObject(id);
  }
  copies.setLogicalLength(0);
}

// The kind's dialog held as the record's holder, with the copies of the
// source geometry its reload made.
template <class Dialog>
class HeldDialogOperation : public ToolpathOperation {
 public:
  bool ReadRecord(const char* recordText, const char* toolpathName) override {
    dialog_.m_EditMode = 1;
    dialog_.m_ExistingName = toolpathName;
    dialog_.m_ToolpathName = toolpathName;
    refusal_.Empty();
    return dialog_.ReadParamRecord(recordText, &refusal_);
  }
  CString RecordRefusal() const override { return refusal_; }
  bool RunDialog() override { return dialog_.DoModal() == IDOK; }
  CString ToolpathName() const override { return dialog_.m_ToolpathName; }
  void SetToolpathName(const char* name) override { dialog_.m_ToolpathName = name; }
  void DiscardUnstoredSource() override { EraseUnstored(reloaded_, dialog_.m_ToolpathName); }
  void DropDrawingIds() override {
    ::DropDrawingIds(dialog_);
    reloaded_.setLogicalLength(0);
  }

 protected:
  Dialog dialog_;
  AcDbObjectIdArray reloaded_;
  CString refusal_;
};

class PocketOperation : public HeldDialogOperation<CPocketDlg> {
 public:
  bool ReloadSource(const char* toolpathName) override {
    reloaded_.setLogicalLength(0);
    if (!ReloadPocketBoundary(toolpathName, dialog_.m_Boundary, dialog_.m_Islands)) return false;
    reloaded_.append(dialog_.m_Boundary);
    reloaded_.append(dialog_.m_Islands);
    return true;
  }
  void Generate() override { GeneratePocketToolpath(dialog_); }
  bool ToolOf(int pass, SimulatedTool& tool) const override {
    if (pass == 0) pass = FirstPass();
    const CToolShapeDlg* shape = pass == kRoughingPass    ? &dialog_.m_RoughTool
                                 : pass == kFinishingPass ? &dialog_.m_FinishTool
                                 : pass == kRestPass      ? &dialog_.m_RestTool
                                                          : nullptr;
    if (shape == nullptr) return false;
    tool = MillingTool(*shape);
    return true;
  }

 private:
  int FirstPass() const {
    if (dialog_.m_RoughOn) return kRoughingPass;
    if (dialog_.m_FinishOn) return kFinishingPass;
    return dialog_.m_RestOn ? kRestPass : kRoughingPass;
  }
};

class ProfileOperation : public HeldDialogOperation<CProfileDlg> {
 public:
  bool ReloadSource(const char* toolpathName) override {
    reloaded_.setLogicalLength(0);
    if (!ReloadProfileCurves(toolpathName, dialog_.m_Curves)) return false;
    reloaded_ = dialog_.m_Curves;
    return true;
  }
  void Generate() override { GenerateProfileToolpath(dialog_); }
  void ReportRegenerated() const override { ShowManagerBox("\n 재생 성이 완료 되었습니다!!!"); }
  bool ToolOf(int pass, SimulatedTool& tool) const override {
    if (pass != 0) return false;
    tool = MillingTool(dialog_.m_Tool);
    return true;
  }
};

// The holes come back as points; the dialog's OK makes their circles, and the
// generator erases everything it made when it cannot store.
class DrillOperation : public ToolpathOperation {
 public:
  bool ReadRecord(const char* recordText, const char* toolpathName) override {
    dialog_.m_Regenerate = 1;
    if (dialog_.m_CycleEdit == 0) dialog_.m_CycleEdit = 1;
    dialog_.m_ToolpathName = toolpathName;
    dialog_.m_StoredName = toolpathName;
    refusal_.Empty();
    return dialog_.ReadParamRecord(recordText, &refusal_);
  }
  CString RecordRefusal() const override { return refusal_; }
  bool ReloadSource(const char* toolpathName) override { return ReloadDrillPoints(toolpathName, dialog_.m_Points); }
  bool RunDialog() override { return dialog_.DoModal() == IDOK; }
  CString ToolpathName() const override { return dialog_.m_ToolpathName; }
  void SetToolpathName(const char* name) override { dialog_.m_ToolpathName = name; }
  void Generate() override { GenerateDrillToolpath(dialog_); }
  void ReportRegenerated() const override {
    char answer[512] = {};
    acedGetString(0, "\n 재생성이 완료 되었습니다.   아무키나 누르시요!!!", answer);
  }
  bool ToolOf(int pass, SimulatedTool& tool) const override {
    if (pass != 0) return false;
    tool.name = dialog_.m_DrillTool.m_ToolName;
    tool.category = 2;
    tool.shapeType = dialog_.m_DrillTool.m_ToolType;
    tool.diameter = dialog_.m_DrillTool.m_Diameter;
    tool.secondSize = dialog_.m_DrillTip.m_TipLength;
    tool.length = dialog_.m_DrillTool.m_Length;
    return true;
  }
  void DropDrawingIds() override { ::DropDrawingIds(dialog_); }

 private:
  CDrillDlg dialog_;
  CString refusal_;
};

template <class Operation>
std::unique_ptr<ToolpathOperation> Make() {
  return std::make_unique<Operation>();
}

}  // namespace

std::vector<std::pair<int, ToolpathOperationMaker>> MillingOperationMakers() {
  return {{kToolpathPocket, &Make<PocketOperation>},
          {kToolpathProfile, &Make<ProfileOperation>},
          {kToolpathDrillCycle, &Make<DrillOperation>}};
}
