// The SolidCut and ZProfile commands: the model is picked first, then the
// operation's dialog (kept from run to run) and its generator.
#include "plugin/shell/command_failure.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/held_drawing_ids.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/machining/solid_cut_dlg.h"
#include "plugin/solid/machining/solid_cut_generator.h"
#include "plugin/solid/machining/solid_cut_picks.h"
#include "plugin/solid/machining/z_profile_dlg.h"
#include "plugin/solid/machining/z_profile_generator.h"

namespace {

// The model of this run; false (the run reported failed) when what was picked
// is no solid, and also false, quietly, when the pick was cancelled.
bool TakeModel(AcDbObjectId& model) {
  const AcDbObjectId picked = PickModelEntity();
  if (picked.isNull()) return false;
  if (!SolidModelAccepted(picked)) {
    ReportCommandFailed(MsgOnlySolidsMachined);
    return false;
  }
  model = picked;
  return true;
}

template <class Dialog, class Generate>
void RunSolidOperation(Dialog& dialog, DrawingChangeWatch& drawing, Generate generate) {
  if (drawing.CurrentDrawingChanged()) dialog.m_GougeId.setNull();
  dialog.m_EditMode = 0;
  dialog.m_ModelId.setNull();
  AcDbObjectId model;
  if (!TakeModel(model)) return;
  dialog.m_ModelId = model;
  if (dialog.DoModal() != IDOK) return;
  generate(dialog);
  if (!IsToolpathGroupName(dialog.m_ToolpathName)) ReportToolpathNotStored(dialog.m_ToolpathName);
}

}  // namespace

void SolidCutCommand() {
  static CSolidCutDlg dialog;
  static DrawingChangeWatch drawing;
  RunSolidOperation(dialog, drawing, [](CSolidCutDlg& d) { CreateSolidCutToolpath(d); });
}

void ZProfileCommand() {
  static CZProfileDlg dialog;
  static DrawingChangeWatch drawing;
  RunSolidOperation(dialog, drawing, [](CZProfileDlg& d) { CreateZProfileToolpath(d); });
}
