#include "plugin/solid/pocket/solid_pocket_command.h"

#include <memory>

#include "plugin/shell/command_failure.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/held_drawing_ids.h"
#include "plugin/shell/manager/held_dialog_operation.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/pocket/solid_pocket_dlg.h"
#include "plugin/solid/pocket/solid_pocket_generator.h"

namespace {

// The manager's kind-5 holder. A reload clones the stored solids; the
// generator clones them again into the new toolpath, so the reloaded ones go
// whatever the outcome.
class SolidPocketOperation : public HeldDialogOperation<CSolidPocketDlg> {
 public:
  bool ReloadSource(const char* toolpathName) override {
    DiscardUnstoredSource();
    if (!GetSolidPocketModelIds(toolpathName, dialog_.m_ModelId, dialog_.m_StockId)) return false;
    // A cavity toolpath holds no stock.
    if (dialog_.m_MachiningMethod != kSolidPocketCore) {
      EraseObject(dialog_.m_StockId);
      dialog_.m_StockId = AcDbObjectId();
    }
    return dialog_.m_MachiningMethod != kSolidPocketCore || !dialog_.m_StockId.isNull();
  }
  void Generate() override {
    CreateSolidPocketToolpath(dialog_);
    DiscardUnstoredSource();
  }
  void DiscardUnstoredSource() override {
    EraseObject(dialog_.m_ModelId);
    EraseObject(dialog_.m_StockId);
    dialog_.m_ModelId = AcDbObjectId();
    dialog_.m_StockId = AcDbObjectId();
  }
  bool ToolOf(int pass, SimulatedTool& tool) const override {
    if (pass == 0) {
      pass = dialog_.m_RoughOn ? kPocketRoughingPass : dialog_.m_FinishOn ? kPocketFinishingPass : kPocketRestPass;
    }
    return PocketPassToolOf(pass, dialog_.m_RoughTool, dialog_.m_FinishTool, dialog_.m_RestTool, tool);
  }
  void DropDrawingIds() override { DropSolidPocketIds(dialog_); }
};

// The plug-in links its parts whole, so the manager finds kind 5 from the start.
const bool kSolidPocketRegistered =
    (RegisterToolpathOperation(kToolpathSolidPocket, &MakeOperation<SolidPocketOperation>), true);

}  // namespace

void DropSolidPocketIds(CSolidPocketDlg& dialog) {
  dialog.m_ModelId = AcDbObjectId();
  dialog.m_StockId = AcDbObjectId();
}

void SolidPocketCommand() {
  static CSolidPocketDlg dialog;
  static DrawingChangeWatch drawing;
  (void)kSolidPocketRegistered;
  if (drawing.CurrentDrawingChanged()) DropSolidPocketIds(dialog);
  if (dialog.DoModal() != IDOK) return;
  if (!CreateSolidPocketToolpath(dialog)) ReportToolpathNotStored(dialog.m_ToolpathName);
}
