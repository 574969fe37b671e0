#include "plugin/shell/manager/solid_cut_operations.h"

#include "plugin/shell/manager/held_dialog_operation.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/machining/solid_cut_dlg.h"
#include "plugin/solid/machining/solid_cut_generator.h"
#include "plugin/solid/machining/z_profile_dlg.h"
#include "plugin/solid/machining/z_profile_generator.h"

namespace {

// The model (and gouge outline) come back as copies of those the stored
// group keeps. The generator files copies of its own, so the reloaded ones go
// once it has run.
template <class Dialog, void (*Generator)(Dialog&)>
class SolidSourceOperation : public HeldDialogOperation<Dialog> {
 public:
  bool ReloadSource(const char* toolpathName) override {
    this->DiscardUnstoredSource();
    if (!GetSolidCutSourceIds(toolpathName, this->dialog_.m_ModelId, this->dialog_.m_GougeId)) return false;
    this->reloaded_.append(this->dialog_.m_ModelId);
    if (!this->dialog_.m_GougeId.isNull()) this->reloaded_.append(this->dialog_.m_GougeId);
    return true;
  }
  void Generate() override {
    Generator(this->dialog_);
    this->DiscardUnstoredSource();
  }
  bool ToolOf(int pass, SimulatedTool& tool) const override {
    if (pass != 0) return false;
    tool = MillingToolOf(this->dialog_.m_Tool);
    return true;
  }
  void DropDrawingIds() override {
    HeldDialogOperation<Dialog>::DropDrawingIds();
    this->dialog_.m_ModelId.setNull();
    this->dialog_.m_GougeId.setNull();
  }
};

}  // namespace

std::vector<std::pair<int, ToolpathOperationMaker>> SolidCutOperationMakers() {
  return {{kToolpathSolidCut, &MakeOperation<SolidSourceOperation<CSolidCutDlg, &CreateSolidCutToolpath>>},
          {kToolpathZLevelContour, &MakeOperation<SolidSourceOperation<CZProfileDlg, &CreateZProfileToolpath>>}};
}
