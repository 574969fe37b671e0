// A plug-in the end-to-end tests load into cadhost. Its commands (group
// HOSTPROBE) ask the host the way real plug-ins do and print what they got, so
// that a transcript shows what the host answered.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/cad/db/db.h"
#include "platform/cad/editor/aced.h"
#include "platform/classlib/afxwin.h"
#include "platform/win/message_box.h"

namespace {

constexpr const char* kGroup = "HOSTPROBE";

const char* StatusWord(int status) {
  switch (status) {
    case RTNORM:
      return "normal";
    case RTNONE:
      return "none";
    case RTKWORD:
      return "keyword";
    case RTCAN:
      return "cancelled";
    default:
      return "error";
  }
}

void ProbePoint() {
  ads_point point = {0, 0, 0};
  acedInitGet(0, "Left Right");
  const int status = acedGetPoint(nullptr, "\nProbe point or [Left/Right]: ", point);
  if (status == RTNORM) {
    acutPrintf("\nPROBEPOINT point %g,%g,%g\n", point[0], point[1], point[2]);
  } else if (status == RTKWORD) {
    char keyword[512] = {};
    acedGetInput(keyword);
    acutPrintf("\nPROBEPOINT keyword %s\n", keyword);
  } else {
    acutPrintf("\nPROBEPOINT %s\n", StatusWord(status));
  }
}

constexpr UINT kProbeDialogId = 9100;
constexpr int kNameEdit = 9101;
constexpr int kPickButton = 9102;

const DialogTemplateRegistration kProbeTemplate(kProbeDialogId, {"Probe",
                                                                 {
                                                                     res::EditText(kNameEdit, "Name"),
                                                                     res::PushButton(kPickButton, "Pick"),
                                                                     res::DefPushButton(IDOK, "OK"),
                                                                     res::PushButton(IDCANCEL, "Cancel"),
                                                                 }});

class CProbeDialog : public CAcUiDialog {
 public:
  CProbeDialog() : CAcUiDialog(kProbeDialogId) {}
  CString m_name = "none";
  bool m_picked = false;
  ads_point m_point = {0, 0, 0};

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CAcUiDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kNameEdit, m_name);
  }
  void OnPick() {
    BeginEditorCommand();
    ads_point point;
    if (acedGetPoint(nullptr, "\nPick a point: ", point) == RTNORM) {
      m_point[0] = point[0];
      m_point[1] = point[1];
      m_point[2] = point[2];
      m_picked = true;
      CompleteEditorCommand();
    } else {
      CancelEditorCommand();
    }
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeDialog, CAcUiDialog)
ON_BN_CLICKED(kPickButton, &CProbeDialog::OnPick)
END_MESSAGE_MAP()

void ProbeDialog() {
  CProbeDialog dialog;
  const INT_PTR result = dialog.DoModal();
  acutPrintf("\nPROBEDIALOG %s name=%s", result == IDOK ? "ok" : "cancel", static_cast<const char*>(dialog.m_name));
  if (dialog.m_picked) {
    acutPrintf(" point=%g,%g\n", dialog.m_point[0], dialog.m_point[1]);
  } else {
    acutPrintf(" point=none\n");
  }
}

void ProbeBox() {
  const int first = MessageBox(nullptr, "Go on?", "Probe", MB_OKCANCEL);
  const int second = MessageBox(nullptr, "Really?", "Probe", MB_YESNO | MB_ICONQUESTION);
  acutPrintf("\nPROBEBOX %s %s\n", first == IDOK ? "ok" : "cancel", second == IDYES ? "yes" : "no");
}

// The handles of a selection set, sorted.
std::vector<std::string> Handles(const ads_name set) {
  std::vector<std::string> handles;
  long length = 0;
  acedSSLength(set, &length);
  for (long i = 0; i < length; ++i) {
    ads_name name;
    AcDbObjectId id;
    if (acedSSName(set, i, name) != RTNORM || acdbGetObjectId(id, name) != Acad::eOk) continue;
    char text[AcDbHandle::kStrSiz] = {};
    id.handle().getIntoAsciiBuffer(text);
    handles.emplace_back(text);
  }
  std::sort(handles.begin(), handles.end());
  return handles;
}

void ProbeSel() {
  ads_name set;
  const int status = acedSSGet(nullptr, nullptr, nullptr, nullptr, set);
  if (status != RTNORM) {
    acutPrintf("\nPROBESEL %s\n", StatusWord(status));
    return;
  }
  std::string line = "PROBESEL " + std::to_string(Handles(set).size()) + ":";
  for (const std::string& handle : Handles(set)) line += " " + handle;
  acedSSFree(set);
  acutPrintf("\n%s\n", line.c_str());
}

void ProbeAbort() {
  acrx_abort("probe abort %d", 42);
  ads_point point;
  const int status = acedGetPoint(nullptr, "\nPoint after the abort: ", point);
  acutPrintf("\nPROBEABORT point %s\n", StatusWord(status));
}

void AddCommand(const char* name, AcRxFunctionPtr function) {
  acedRegCmds->addCommand(kGroup, name, name, ACRX_CMD_MODAL, function);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
  switch (msg) {
    case AcRx::kInitAppMsg:
      acrxDynamicLinker->unlockApplication(appId);
      acrxDynamicLinker->registerAppMDIAware(appId);
      AddCommand("PROBEPOINT", &ProbePoint);
      AddCommand("PROBEDIALOG", &ProbeDialog);
      AddCommand("PROBEBOX", &ProbeBox);
      AddCommand("PROBESEL", &ProbeSel);
      AddCommand("PROBEABORT", &ProbeAbort);
      break;
    case AcRx::kUnloadAppMsg:
      acedRegCmds->removeGroup(kGroup);
      break;
    default:
      break;
  }
  return AcRx::kRetOK;
}
