#include "plugin/shell/manager/milling_operations.h"

#include "platform/cad/editor/input/aced_input.h"
#include "plugin/milling/drill/drill_dlg.h"
#include "plugin/milling/drill/drill_generator.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_generator.h"
#include "plugin/milling/pocket/pocket_selection.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/milling/profile/profile_generator.h"
#include "plugin/shell/manager/held_dialog_operation.h"
#include "plugin/shell/manager/manager_boxes.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

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
    return PocketPassToolOf(pass, dialog_.m_RoughTool, dialog_.m_FinishTool, dialog_.m_RestTool, tool);
  }

 private:
  int FirstPass() const {
    if (dialog_.m_RoughOn) return kPocketRoughingPass;
    if (dialog_.m_FinishOn) return kPocketFinishingPass;
    return dialog_.m_RestOn ? kPocketRestPass : kPocketRoughingPass;
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
    tool = MillingToolOf(dialog_.m_Tool);
    return true;
  }
};

// The holes come back as points; the dialog's OK makes their circles, and the
// generator erases everything it made when it cannot store.
class DrillOperation : public HeldDialogOperation<CDrillDlg> {
 public:
  bool ReloadSource(const char* toolpathName) override { return ReloadDrillPoints(toolpathName, dialog_.m_Points); }
  void Generate() override { GenerateDrillToolpath(dialog_); }
  void ReportRegenerated() const override {
    char answer[512] = {};
    acedGetString(0, "\n 재생성이 완료 되었습니다.   아무키나 누르시요!!!", answer);
  }
  bool ToolOf(int pass, SimulatedTool& tool) const override {
    if (pass != 0) return false;
    tool = DrillToolOf(dialog_.m_DrillTool, dialog_.m_DrillTip.m_TipLength, 2);
    return true;
  }
};

}  // namespace

std::vector<std::pair<int, ToolpathOperationMaker>> MillingOperationMakers() {
  return {{kToolpathPocket, &MakeOperation<PocketOperation>},
          {kToolpathProfile, &MakeOperation<ProfileOperation>},
          {kToolpathDrillCycle, &MakeOperation<DrillOperation>}};
}
