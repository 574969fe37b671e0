#include "plugin/shell/manager/simple_cycle_operations.h"

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
#include "plugin/shell/manager/held_dialog_operation.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

// Dialog: a simple-cycle dialog, which holds numbers only; Generator: its generator.
template <class Dialog, void (*Generator)(Dialog&)>
class SimpleCycleOperation : public HeldDialogOperation<Dialog> {
 public:
  void Generate() override { Generator(this->dialog_); }
  bool ToolOf(int pass, SimulatedTool& tool) const override {
    if (pass != 0) return false;
    tool = MillingToolOf(this->dialog_.m_Tool);
    return true;
  }
};

template <class Dialog, void (*Generator)(Dialog&)>
std::pair<int, ToolpathOperationMaker> SimpleCycle(int kind) {
  return {kind, &MakeOperation<SimpleCycleOperation<Dialog, Generator>>};
}

}  // namespace

std::vector<std::pair<int, ToolpathOperationMaker>> SimpleCycleOperationMakers() {
  return {
      SimpleCycle<CSimpleFaceDlg, &CreateSimpleFaceToolpath>(kToolpathSimpleFace),
      SimpleCycle<CSimplePocketDlg, &CreateSimplePocketToolpath>(kToolpathSimplePocket),
      SimpleCycle<CSimpleProfileDlg, &CreateSimpleProfileToolpath>(kToolpathSimpleProfile),
      SimpleCycle<CSimpleRadialDlg, &CreateSimpleRadialToolpath>(kToolpathSimpleRadial),
      SimpleCycle<CSimpleSphereDlg, &CreateSimpleSphereToolpath>(kToolpathSimpleSphere),
  };
}
