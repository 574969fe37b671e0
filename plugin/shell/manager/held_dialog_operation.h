// The kind's dialog held as the holder of a stored record, with the copies of
// the source geometry its reload made: what most operations share.
#pragma once

#include <memory>

#include "platform/cad/db/db_object_id.h"
#include "platform/classlib/afxwin.h"
#include "plugin/shell/held_drawing_ids.h"
#include "plugin/shell/manager/toolpath_operation.h"

class CToolShapeDlg;

// Erases the copies a reload made that the stored toolpath of the name did not take.
void EraseUnstoredCopies(AcDbObjectIdArray& copies, const CString& toolpathName);

SimulatedTool MillingToolOf(const CToolShapeDlg& shape);
// A pocket's passes: 1 roughing, 2 finishing, 3 rest; false for any other.
constexpr int kPocketRoughingPass = 1;
constexpr int kPocketFinishingPass = 2;
constexpr int kPocketRestPass = 3;
bool PocketPassToolOf(int pass, const CToolShapeDlg& rough, const CToolShapeDlg& finish, const CToolShapeDlg& rest,
                      SimulatedTool& tool);
// category: 2 drilling, 4 lathe drilling.
template <class DrillTool>
SimulatedTool DrillToolOf(const DrillTool& drill, double tipLength, int category) {
  SimulatedTool tool;
  tool.name = drill.m_ToolName;
  tool.category = category;
  tool.shapeType = drill.m_ToolType;
  tool.diameter = drill.m_Diameter;
  tool.secondSize = tipLength;
  tool.length = drill.m_Length;
  return tool;
}

template <class Dialog>
class HeldDialogOperation : public ToolpathOperation {
 public:
  bool ReadRecord(const char* recordText, const char* toolpathName) override {
    MarkStoredToolpath(toolpathName);
    dialog_.m_ToolpathName = toolpathName;
    refusal_.Empty();
    return dialog_.ReadParamRecord(recordText, &refusal_);
  }
  CString RecordRefusal() const override { return refusal_; }
  bool RunDialog() override { return dialog_.DoModal() == IDOK; }
  CString ToolpathName() const override { return dialog_.m_ToolpathName; }
  void SetToolpathName(const char* name) override { dialog_.m_ToolpathName = name; }
  void DiscardUnstoredSource() override { EraseUnstoredCopies(reloaded_, dialog_.m_ToolpathName); }
  void DropDrawingIds() override {
    if constexpr (requires(Dialog& d) { ::DropDrawingIds(d); }) ::DropDrawingIds(dialog_);
    reloaded_.setLogicalLength(0);
  }

 protected:
  Dialog dialog_;
  AcDbObjectIdArray reloaded_;
  CString refusal_;

 private:
  // The dialogs name their "describes a stored toolpath" state apart.
  void MarkStoredToolpath(const char* toolpathName) {
    if constexpr (requires { dialog_.m_EditMode; }) {
      dialog_.m_EditMode = 1;
      dialog_.m_ExistingName = toolpathName;
    } else if constexpr (requires { dialog_.m_RecordMode; }) {
      dialog_.m_RecordMode = 1;
      dialog_.m_StoredName = toolpathName;
    } else {
      dialog_.m_Regenerate = 1;
      if constexpr (requires { dialog_.m_CycleEdit; }) {
        if (dialog_.m_CycleEdit == 0) dialog_.m_CycleEdit = 1;
      }
      dialog_.m_StoredName = toolpathName;
    }
  }
};

template <class Operation>
std::unique_ptr<ToolpathOperation> MakeOperation() {
  return std::make_unique<Operation>();
}
