#include "plugin/milling/simple/simple_face_dlg.h"
#include "plugin/milling/simple/simple_face_generator.h"
#include "plugin/milling/simple/simple_pocket_dlg.h"
#include "plugin/milling/simple/simple_pocket_generator.h"
#include "plugin/milling/simple/simple_profile_dlg.h"
#include "plugin/milling/simple/simple_profile_generator.h"
#include "plugin/milling/simple/simple_radial_dlg.h"
#include "plugin/milling/simple/simple_radial_generator.h"
#include "plugin/milling/simple/simple_sphere_dlg.h"
#include "plugin/milling/simple/simple_sphere_generator.h"
#include "plugin/shell/command_handlers.h"

namespace {

// Each command keeps its dialog from the first run to unload, so that the next
// run shows the values of the last one; a run that stores nothing says so.
template <class Dialog, void (*Generator)(Dialog&)>
void RunSimpleCycleCommand() {
  static Dialog dialog;
  dialog.m_RecordMode = 0;
  if (dialog.DoModal() != IDOK) return;
  Generator(dialog);
}

}  // namespace

void SimpFaceCommand() { RunSimpleCycleCommand<CSimpleFaceDlg, &CreateSimpleFaceToolpath>(); }
void SimpPockCommand() { RunSimpleCycleCommand<CSimplePocketDlg, &CreateSimplePocketToolpath>(); }
void SimpProfCommand() { RunSimpleCycleCommand<CSimpleProfileDlg, &CreateSimpleProfileToolpath>(); }
void SimpRadialCommand() { RunSimpleCycleCommand<CSimpleRadialDlg, &CreateSimpleRadialToolpath>(); }
void SimpSphereCommand() { RunSimpleCycleCommand<CSimpleSphereDlg, &CreateSimpleSphereToolpath>(); }
