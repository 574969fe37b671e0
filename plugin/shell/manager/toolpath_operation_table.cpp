#include <map>

#include "plugin/shell/manager/lathe_drill_operation.h"
#include "plugin/shell/manager/lathe_operation.h"
#include "plugin/shell/manager/manager_boxes.h"
#include "plugin/shell/manager/milling_operations.h"
#include "plugin/shell/manager/solid_cut_operations.h"
#include "plugin/shell/manager/simple_cycle_operations.h"
#include "plugin/shell/manager/toolpath_operation.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

// Every operation of the plug-in registers here once; the manager itself
// names none of them.
std::map<int, ToolpathOperationMaker>& Makers() {
  static std::map<int, ToolpathOperationMaker> makers = [] {
    std::map<int, ToolpathOperationMaker> table;
    for (const auto& [kind, maker] : MillingOperationMakers()) table[kind] = maker;
    for (const auto& [kind, maker] : SolidCutOperationMakers()) table[kind] = maker;
    table[kToolpathLathe] = &MakeLatheOperation;
    for (const auto& [kind, maker] : LatheDrillOperationMakers()) table[kind] = maker;
    for (const auto& [kind, maker] : SimpleCycleOperationMakers()) table[kind] = maker;
    return table;
  }();
  return makers;
}

}  // namespace

void RegisterToolpathOperation(int kind, ToolpathOperationMaker maker) {
  if (maker != nullptr) Makers()[kind] = maker;
}

std::unique_ptr<ToolpathOperation> MakeToolpathOperation(int kind) {
  const auto found = Makers().find(kind);
  return found != Makers().end() ? found->second() : nullptr;
}

void ToolpathOperation::ReportRegenerated() const { ShowManagerBox("\n 재생성이 완료 되었습니다!!!"); }

ToolpathOperation* ToolpathOperations::For(int kind) {
  std::unique_ptr<ToolpathOperation>& holder = holders_[kind];
  if (holder == nullptr) holder = MakeToolpathOperation(kind);
  return holder.get();
}

void ToolpathOperations::DropDrawingIds() {
  for (auto& [kind, holder] : holders_) {
    if (holder != nullptr) holder->DropDrawingIds();
  }
}

void ShowKindNotAvailable(const char* toolpathName, int kind) {
  CString kindText = ToolpathKindName(kind);
  if (kindText.IsEmpty()) kindText.Format("kind %d", kind);
  CString text;
  text.Format(MsgKindNotKnown, toolpathName, kindText.GetString());
  ShowManagerBox(text);
}
