#include "platform/cad/editor/aced_command_stack.h"

#include <strings.h>

#include <algorithm>

#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/db/runtime/rx_dictionary.h"

CADDB_DEFINE_BUILTIN_ABSTRACT_MEMBERS(AcEdCommandStack, AcRxObject)

namespace {

bool IsBlank(const char* text) { return text == nullptr || *text == '\0'; }

bool SameName(const char* a, const std::string& b) { return a != nullptr && strcasecmp(a, b.c_str()) == 0; }

}  // namespace

AcEdCommand::AcEdCommand(std::string group, std::string globalName, std::string localName, Adesk::Int32 flags,
                         AcRxFunctionPtr function, int functionCode)
    : group_(std::move(group)),
      global_(std::move(globalName)),
      local_(std::move(localName)),
      flags_(flags),
      function_(function),
      functionCode_(functionCode) {}

AcEdCommandStack::AcEdCommandStack() = default;
AcEdCommandStack::~AcEdCommandStack() = default;

AcEdCommandStack::Group* AcEdCommandStack::findGroup(const char* name) {
  for (Group& group : groups_) {
    if (SameName(name, group.name)) return &group;
  }
  return nullptr;
}

Acad::ErrorStatus AcEdCommandStack::addCommand(const char* cmdGroupName, const char* cmdGlobalName,
                                               const char* cmdLocalName, Adesk::Int32 commandFlags,
                                               AcRxFunctionPtr FunctionAddr, AcEdUIContext* /*UIContext*/, int fcode,
                                               HINSTANCE /*hResourceHandle*/, AcEdCommand** cmdPtrRet) {
  if (cmdPtrRet != nullptr) *cmdPtrRet = nullptr;
  if (IsBlank(cmdGroupName) || IsBlank(cmdGlobalName) || IsBlank(cmdLocalName) || FunctionAddr == nullptr) {
    return Acad::eInvalidInput;
  }
  // The command line tries global names and local names alike, so a name may
  // stand for one command only, whichever kind of name it is.
  for (const char* name : {cmdGlobalName, cmdLocalName}) {
    if (lookupGlobalCmd(name) != nullptr || lookupLocalCmd(name) != nullptr) return Acad::eDuplicateKey;
  }
  Group* group = findGroup(cmdGroupName);
  if (group == nullptr) {
    groups_.push_back(Group{cmdGroupName, {}});
    group = &groups_.back();
  }
  group->commands.push_back(
      std::make_unique<AcEdCommand>(group->name, cmdGlobalName, cmdLocalName, commandFlags, FunctionAddr, fcode));
  if (cmdPtrRet != nullptr) *cmdPtrRet = group->commands.back().get();
  return Acad::eOk;
}

AcEdCommandIterator* AcEdCommandStack::iterator() const {
  std::vector<const AcEdCommand*> commands;
  for (auto group = groups_.rbegin(); group != groups_.rend(); ++group) {
    for (const auto& command : group->commands) commands.push_back(command.get());
  }
  return new AcEdCommandIterator(std::move(commands));
}

AcEdCommand* AcEdCommandStack::lookupGlobalCmd(const char* cmdName) const {
  for (auto group = groups_.rbegin(); group != groups_.rend(); ++group) {
    for (const auto& command : group->commands) {
      if (SameName(cmdName, command->globalName())) return command.get();
    }
  }
  return nullptr;
}

AcEdCommand* AcEdCommandStack::lookupLocalCmd(const char* cmdName) const {
  for (auto group = groups_.rbegin(); group != groups_.rend(); ++group) {
    for (const auto& command : group->commands) {
      if (SameName(cmdName, command->localName())) return command.get();
    }
  }
  return nullptr;
}

AcEdCommand* AcEdCommandStack::lookupCmd(const char* cmdName, bool globalFlag) const {
  AcEdCommand* first = globalFlag ? lookupGlobalCmd(cmdName) : lookupLocalCmd(cmdName);
  if (first != nullptr) return first;
  return globalFlag ? lookupLocalCmd(cmdName) : lookupGlobalCmd(cmdName);
}

Acad::ErrorStatus AcEdCommandStack::removeCmd(const char* cmdGroupName, const char* cmdGlobalName) {
  if (IsBlank(cmdGroupName) || IsBlank(cmdGlobalName)) return Acad::eKeyNotFound;
  // The names may be the command's own strings (cmd->groupName()), gone once it is erased.
  const std::string groupName = cmdGroupName;
  const std::string globalName = cmdGlobalName;
  Group* group = findGroup(groupName.c_str());
  if (group == nullptr) return Acad::eKeyNotFound;
  auto& commands = group->commands;
  auto found = std::find_if(commands.begin(), commands.end(),
                            [&](const auto& command) { return SameName(globalName.c_str(), command->globalName()); });
  if (found == commands.end()) return Acad::eKeyNotFound;
  commands.erase(found);
  if (commands.empty()) removeGroup(groupName.c_str());
  return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeGroup(const char* groupName) {
  auto found =
      std::find_if(groups_.begin(), groups_.end(), [&](const Group& group) { return SameName(groupName, group.name); });
  if (found == groups_.end()) return Acad::eKeyNotFound;
  groups_.erase(found);
  return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::popGroupToTop(const char* groupName) {
  auto found =
      std::find_if(groups_.begin(), groups_.end(), [&](const Group& group) { return SameName(groupName, group.name); });
  if (found == groups_.end()) return Acad::eKeyNotFound;
  std::rotate(found, found + 1, groups_.end());
  return Acad::eOk;
}

std::vector<std::string> AcEdCommandStack::groupNames() const {
  std::vector<std::string> names;
  for (auto group = groups_.rbegin(); group != groups_.rend(); ++group) names.push_back(group->name);
  return names;
}

int AcEdCommandStack::removeCommandsIf(bool (*test)(AcRxFunctionPtr, void*), void* context) {
  int removed = 0;
  for (Group& group : groups_) {
    auto& commands = group.commands;
    const auto kept = std::remove_if(commands.begin(), commands.end(),
                                     [&](const auto& command) { return test(command->functionAddr(), context); });
    removed += static_cast<int>(commands.end() - kept);
    commands.erase(kept, commands.end());
  }
  std::erase_if(groups_, [](const Group& group) { return group.commands.empty(); });
  return removed;
}

AcEdCommandStack* acedRegCmdsStack() { return AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK)); }
