// The command stack: commands registered by groups, found by global or local
// name (case-insensitive). It lives in the system registry under
// "ACAD_REGISTERED_COMMANDS" while the host program runs.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/cad/db/adesk.h"
#include "platform/cad/db/rx_object.h"
#include "platform/wintypes/windows_types.h"

using AcRxFunctionPtr = void (*)();
class AcEdUIContext;

// Command flags.
enum {
  ACRX_CMD_MODAL = 0x00000000,
  ACRX_CMD_TRANSPARENT = 0x00000001,
  ACRX_CMD_USEPICKSET = 0x00000002,
  ACRX_CMD_REDRAW = 0x00000004,
  ACRX_CMD_NOPERSPECTIVE = 0x00000008,
  ACRX_CMD_NOMULTIPLE = 0x00000010,
  ACRX_CMD_NOTILEMODE = 0x00000020,
  ACRX_CMD_NOPAPERSPACE = 0x00000040,
  ACRX_CMD_NOOEM = 0x00000100,
  ACRX_CMD_UNDEFINED = 0x00000200,
  ACRX_CMD_INPROGRESS = 0x00000400,
  ACRX_CMD_DEFUN = 0x00000800,
  ACRX_CMD_NONEWSTACK = 0x00010000,
  ACRX_CMD_NOINTERNALLOCK = 0x00020000,
  ACRX_CMD_DOCREADLOCK = 0x00080000,
  ACRX_CMD_DOCEXCLUSIVELOCK = 0x00100000,
  ACRX_CMD_SESSION = 0x00200000,
};

class AcEdCommand {
 public:
  AcEdCommand(std::string group, std::string globalName, std::string localName, Adesk::Int32 flags,
              AcRxFunctionPtr function, int functionCode);
  const char* groupName() const { return group_.c_str(); }
  const char* globalName() const { return global_.c_str(); }
  const char* localName() const { return local_.c_str(); }
  Adesk::Int32 commandFlags() const { return flags_; }
  AcRxFunctionPtr functionAddr() const { return function_; }
  int functionCode() const { return functionCode_; }

 private:
  std::string group_, global_, local_;
  Adesk::Int32 flags_;
  AcRxFunctionPtr function_;
  int functionCode_;
};

// Walks the commands, group by group (newest group first), each group in the
// order of registration. The caller deletes it.
class AcEdCommandIterator {
 public:
  explicit AcEdCommandIterator(std::vector<const AcEdCommand*> commands) : commands_(std::move(commands)) {}
  bool done() const { return index_ >= commands_.size(); }
  bool next() {
    if (!done()) ++index_;
    return !done();
  }
  const AcEdCommand* command() const { return done() ? nullptr : commands_[index_]; }
  const char* commandGroup() const { return done() ? nullptr : commands_[index_]->groupName(); }

 private:
  std::vector<const AcEdCommand*> commands_;
  std::size_t index_ = 0;
};

class AcEdCommandStack : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcEdCommandStack);

  AcEdCommandStack();
  ~AcEdCommandStack() override;

  // eOk; eDuplicateKey when the global or local name is taken (in this group or
  // another); eInvalidInput for an empty name or a null function.
  Acad::ErrorStatus addCommand(const char* cmdGroupName, const char* cmdGlobalName, const char* cmdLocalName,
                               Adesk::Int32 commandFlags, AcRxFunctionPtr FunctionAddr,
                               AcEdUIContext* UIContext = nullptr, int fcode = -1, HINSTANCE hResourceHandle = nullptr,
                               AcEdCommand** cmdPtrRet = nullptr);
  AcEdCommandIterator* iterator() const;
  AcEdCommand* lookupGlobalCmd(const char* cmdName) const;
  AcEdCommand* lookupLocalCmd(const char* cmdName) const;
  // Global name first (globalFlag) or local name first; null when neither.
  AcEdCommand* lookupCmd(const char* cmdName, bool globalFlag = true) const;
  // eOk; eKeyNotFound.
  Acad::ErrorStatus removeCmd(const char* cmdGroupName, const char* cmdGlobalName);
  Acad::ErrorStatus removeGroup(const char* groupName);
  Acad::ErrorStatus popGroupToTop(const char* groupName);
  // Group names, newest first.
  std::vector<std::string> groupNames() const;
  // Removes every command whose function satisfies the test (a module being unloaded).
  int removeCommandsIf(bool (*test)(AcRxFunctionPtr, void*), void* context);

 private:
  struct Group {
    std::string name;
    std::vector<std::unique_ptr<AcEdCommand>> commands;
  };
  Group* findGroup(const char* name);
  std::vector<Group> groups_;  // oldest first
};

// The command stack of the system registry (null when no host runs).
AcEdCommandStack* acedRegCmdsStack();
#define acedRegCmds acedRegCmdsStack()
