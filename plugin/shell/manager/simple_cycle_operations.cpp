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
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

// Dialog: a simple-cycle dialog (SimpleCycleFields, ReadParamRecord);
// Generator: its generator.
template <class Dialog, void (*Generator)(Dialog&)>
class SimpleCycleOperation : public ToolpathOperation {
 public:
  bool ReadRecord(const char* recordText, const char* toolpathName) override {
    dialog_.m_RecordMode = 1;
    dialog_.m_StoredName = toolpathName;
    dialog_.m_ToolpathName = toolpathName;
    refusal_.Empty();
    return dialog_.ReadParamRecord(recordText, &refusal_);
  }
  CString RecordRefusal() const override { return refusal_; }
  bool RunDialog() override { return dialog_.DoModal() == IDOK; }
  CString ToolpathName() const override { return dialog_.m_ToolpathName; }
  void SetToolpathName(const char* name) override { dialog_.m_ToolpathName = name; }
  void Generate() override { Generator(dialog_); }
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
  // The dialogs hold numbers only.
  void DropDrawingIds() override {}

 private:
  Dialog dialog_;
  CString refusal_;
};

template <class Dialog, void (*Generator)(Dialog&)>
std::pair<int, ToolpathOperationMaker> SimpleCycle(int kind) {
  return {kind, []() -> std::unique_ptr<ToolpathOperation> {
            return std::make_unique<SimpleCycleOperation<Dialog, Generator>>();
          }};
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
