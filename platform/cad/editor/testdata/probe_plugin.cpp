// A plug-in for the linker tests. It writes what happens to it into the
// environment variable PROBE_LOG ("init;loaddwg;unload;"), which outlives the
// library. PROBE_MODE chooses a behaviour:
//   (unset)  unlocks itself, registers group PROBE, its class and a reactor,
//            and at unload removes the group and the class (not the reactor)
//   locked   stays locked
//   fail     answers kRetError to the init message (after registering)
//   sloppy   at unload removes nothing and calls acrx_abort
//   record   its command adds an object of its own class to the working drawing
#include <cstdlib>
#include <string>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/db_object.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/editor/aced.h"
#include "platform/classlib/afx.h"

namespace {

void Log(const std::string& event) {
  const char* old = std::getenv("PROBE_LOG");
  setenv("PROBE_LOG", ((old != nullptr ? old : "") + event + ";").c_str(), 1);
}

std::string Mode() {
  const char* mode = std::getenv("PROBE_MODE");
  return mode != nullptr ? mode : "";
}

void ProbeCommand();

class ProbeReactor : public AcApDocManagerReactor {
 public:
  void documentBecameCurrent(AcApDocument*) override { Log("current"); }
};

ProbeReactor reactor;

}  // namespace

// A class of the class library's run-time registry, which the host keeps too.
class CProbeTarget : public CObject {
  DECLARE_DYNAMIC(CProbeTarget)
};
IMPLEMENT_DYNAMIC(CProbeTarget, CObject)

class ProbeObject : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(ProbeObject);
};
ACRX_CONS_DEFINE_MEMBERS(ProbeObject, AcRxObject, 1)

class ProbeRecord : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(ProbeRecord);
};
ACRX_DXF_DEFINE_MEMBERS(ProbeRecord, AcDbObject, 0, 0, 0, PROBE_RECORD, Probe)

namespace {

void ProbeCommand() {
  Log("command");
  if (Mode() != "record" || acdbCurDwg() == nullptr) return;
  auto* record = new ProbeRecord();  // the drawing owns it once added
  if (acdbCurDwg()->addAcDbObject(record) == Acad::eOk) {
    record->close();
  } else {
    delete record;
  }
}

AcRx::AppRetCode Init(void* appId) {
  Log("init");
  if (Mode() != "locked") acrxDynamicLinker->unlockApplication(appId);
  acrxDynamicLinker->registerAppMDIAware(appId);
  ProbeObject::rxInit();
  ProbeRecord::rxInit();
  acrxBuildClassHierarchy();
  if (acedRegCmds->addCommand("PROBE", "ProbeCmd", "probe", ACRX_CMD_MODAL, &ProbeCommand) != Acad::eOk) {
    Log("clash");
  }
  if (acDocManager != nullptr) acDocManager->addReactor(&reactor);
  return Mode() == "fail" ? AcRx::kRetError : AcRx::kRetOK;
}

AcRx::AppRetCode Unload() {
  Log("unload");
  if (Mode() == "sloppy") {
    acrx_abort("probe unload trouble");
    return AcRx::kRetOK;
  }
  acedRegCmds->removeGroup("PROBE");
  deleteAcRxClass(ProbeObject::desc());
  if (Mode() != "record") deleteAcRxClass(ProbeRecord::desc());
  return AcRx::kRetOK;
}

}  // namespace

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
  switch (msg) {
    case AcRx::kInitAppMsg:
      return Init(appId);
    case AcRx::kUnloadAppMsg:
      return Unload();
    case AcRx::kLoadDwgMsg:
      Log("loaddwg");
      return AcRx::kRetOK;
    default:
      Log("msg" + std::to_string(msg));
      return AcRx::kRetOK;
  }
}
