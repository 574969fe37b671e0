// The roughing, finishing and rest field groups of the 2D and the 3D pocket
// dialogs: the same controls, exchanged, shown and checked alike. Dialog is
// either pocket dialog (members of the same names), Limits its table of limits.
#pragma once

#include <vector>

#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/dialogs/dialog_template.h"
#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/field_limits.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/geometry/forms/tool_number_exchange.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/geometry/passes/plunge_dlg.h"
#include "plugin/geometry/tool_shape_dlg.h"
#include "plugin/milling/rapid_link_dlg.h"

// The pass members both pocket dialogs hold: the generators, records and
// posts read them by these names.
struct PocketPassValues {
  PocketPassValues() {
    m_RestTool.m_Diameter = 10.0f;
    m_RestTool.FormatToolName();
  }

  // The rest pass is measured against finishing only when there is a finishing
  // pass to measure against; otherwise against roughing.
  bool RestMeasuresAgainstFinishing() const { return m_RestAfterFinish != 0 && m_FinishOn != 0; }

  // Current pass: what the generator copies from the pass it is making.
  BYTE m_PassToolNumberOn = 1;
  BYTE m_PassLengthOffsetOn = 0;
  int m_PassToolNumber = 1;
  int m_PassLengthOffsetNumber = 1;

  CPlungeDlg m_Plunge;  // roughing entry
  CLeadInOutDlg m_FinishLead;
  CLeadInOutDlg m_RestLead;
  CToolShapeDlg m_PassTool;  // working copy of the current pass's tool
  CToolShapeDlg m_RoughTool;
  CToolShapeDlg m_FinishTool;
  CToolShapeDlg m_RestTool;
  CRapidLinkDlg m_RapidLink;

  double m_StartX = 0.0;  // picked start of the roughing path
  double m_StartY = 0.0;
  double m_StartZ = 0.0;

  float m_RoughAngle = 0.0f;  // degrees, linear patterns
  int m_FinishOn = 0;
  int m_FinishFeed = 300;
  float m_FinishStepover = 1.0f;
  float m_FinishAllowance = 0.0f;
  int m_RoughFeed = 100;
  float m_RoughStepover = 10.0f;
  float m_RoughAllowance = 3.0f;
  int m_RoughOn = 1;
  int m_StartPointOn = 0;
  int m_FinishSpindle = 1000;
  int m_RoughSpindle = 500;
  int m_FinishPasses = 1;
  int m_LinkFeed = 100;
  int m_LinkFeedOn = 0;
  int m_RoughSpindleOn = 1;
  int m_FinishSpindleOn = 1;
  int m_StartOutside = 0;
  int m_CornerRound = 0;
  int m_RoughLengthOffsetOn = 0;
  int m_RoughLengthOffsetNumber = 1;
  int m_RoughToolNumberOn = 1;
  int m_RoughToolNumber = 1;
  int m_RestLengthOffsetOn = 0;
  int m_RestLengthOffsetNumber = 2;
  int m_RestToolNumberOn = 1;
  int m_RestToolNumber = 2;
  double m_RestAllowance = 0.0;
  int m_RestSpindle = 1000;
  int m_RestSpindleOn = 0;
  int m_FinishLengthOffsetOn = 0;
  int m_FinishLengthOffsetNumber = 1;
  int m_FinishToolNumberOn = 1;
  int m_FinishToolNumber = 1;
  int m_RestFeed = 100;
  int m_RestOn = 0;
  int m_RestAfterFinish = 1;
  int m_RetractBetweenLevels = 1;
};

namespace pocket_pass_ids {

constexpr int kRoughOnCheck = 257;
constexpr int kRoughToolButton = 464;
constexpr int kRoughToolNumberCheck = 331;
constexpr int kRoughToolNumberEdit = 329;
constexpr int kRoughLengthOffsetCheck = 332;
constexpr int kRoughLengthOffsetEdit = 330;
constexpr int kPatternList = 258;
constexpr int kRoughAngleEdit = 217;
constexpr int kRoughStepoverEdit = 261;
constexpr int kRoughAllowanceEdit = 260;
constexpr int kRoughFeedEdit = 262;
constexpr int kRoughSpindleCheck = 327;
constexpr int kRoughSpindleEdit = 263;
constexpr int kLinkFeedCheck = 326;
constexpr int kLinkFeedEdit = 274;
constexpr int kStartOutsideCheck = 338;
constexpr int kRetractBetweenLevelsCheck = 343;
constexpr int kRapidLinkButton = 345;
constexpr int kStartPointCheck = 305;
constexpr int kStartPointButton = 303;
constexpr int kPlungeButton = 259;

constexpr int kFinishOnCheck = 266;
constexpr int kFinishToolButton = 276;
constexpr int kFinishToolNumberCheck = 335;
constexpr int kFinishToolNumberEdit = 333;
constexpr int kFinishLengthOffsetCheck = 336;
constexpr int kFinishLengthOffsetEdit = 334;
constexpr int kFinishAllowanceEdit = 267;
constexpr int kFinishStepoverEdit = 268;
constexpr int kFinishPassesEdit = 272;
constexpr int kFinishFeedEdit = 270;
constexpr int kFinishSpindleCheck = 328;
constexpr int kFinishSpindleEdit = 273;
constexpr int kCornerRoundCheck = 444;
constexpr int kFinishLeadButton = 251;

constexpr int kRestOnCheck = 463;
constexpr int kRestToolButton = 286;
constexpr int kRestToolNumberCheck = 341;
constexpr int kRestToolNumberEdit = 339;
constexpr int kRestLengthOffsetCheck = 342;
constexpr int kRestLengthOffsetEdit = 340;
constexpr int kRestAllowanceEdit = 271;
constexpr int kRestFeedEdit = 281;
constexpr int kRestSpindleCheck = 337;
constexpr int kRestSpindleEdit = 284;
constexpr int kRestAfterFinishCheck = 462;
constexpr int kRestLeadButton = 252;

constexpr int kRoughEdits[] = {kRoughAngleEdit,    kRoughAllowanceEdit, kRoughSpindleEdit,
                               kRoughStepoverEdit, kRoughFeedEdit,      kLinkFeedEdit};
constexpr int kFinishEdits[] = {kFinishAllowanceEdit, kFinishPassesEdit, kFinishSpindleEdit, kFinishStepoverEdit,
                                kFinishFeedEdit};
// The rest pass's check box is disabled with its edits.
constexpr int kRestEdits[] = {kRestAllowanceEdit, kRestSpindleEdit, kRestFeedEdit, kRestAfterFinishCheck};

}  // namespace pocket_pass_ids

// What clicks on the three groups change at once, and the picked start point;
// Cancel gives it back.
struct PocketPassSwitches {
  int roughOn, finishOn, restOn, linkFeedOn;
  int roughLengthOffsetOn, finishLengthOffsetOn, restLengthOffsetOn;
  int roughToolNumberOn, finishToolNumberOn, restToolNumberOn;
  int restAfterFinish, startPointOn;
  double startX, startY, startZ;
};

template <class Dialog>
PocketPassSwitches TakePocketPassSwitches(const Dialog& d) {
  return {d.m_RoughOn,
          d.m_FinishOn,
          d.m_RestOn,
          d.m_LinkFeedOn,
          d.m_RoughLengthOffsetOn,
          d.m_FinishLengthOffsetOn,
          d.m_RestLengthOffsetOn,
          d.m_RoughToolNumberOn,
          d.m_FinishToolNumberOn,
          d.m_RestToolNumberOn,
          d.m_RestAfterFinish,
          d.m_StartPointOn,
          d.m_StartX,
          d.m_StartY,
          d.m_StartZ};
}

template <class Dialog>
void RestorePocketPassSwitches(const PocketPassSwitches& s, Dialog& d) {
  d.m_RoughOn = s.roughOn;
  d.m_FinishOn = s.finishOn;
  d.m_RestOn = s.restOn;
  d.m_LinkFeedOn = s.linkFeedOn;
  d.m_RoughLengthOffsetOn = s.roughLengthOffsetOn;
  d.m_FinishLengthOffsetOn = s.finishLengthOffsetOn;
  d.m_RestLengthOffsetOn = s.restLengthOffsetOn;
  d.m_RoughToolNumberOn = s.roughToolNumberOn;
  d.m_FinishToolNumberOn = s.finishToolNumberOn;
  d.m_RestToolNumberOn = s.restToolNumberOn;
  d.m_RestAfterFinish = s.restAfterFinish;
  d.m_StartPointOn = s.startPointOn;
  d.m_StartX = s.startX;
  d.m_StartY = s.startY;
  d.m_StartZ = s.startZ;
}

// The three group boxes "<< 황삭조건 >>", "<< 정삭조건 >>", "<< 잔삭 조건 >>"
// with their controls; the dialogs caption the finishing spindle check apart.
std::vector<ControlTemplate> PocketPassControls(const char* finishSpindleCaption);

// Asks to raise the rest allowance to its reference's (finishing's or
// roughing's) and writes it into its edit; false when the user declines.
bool AskRaiseRestAllowance(CWnd& dialog, bool finishing, float referenceAllowance);

// The pattern drop list, filled and set to the dialog's pattern.
void ShowPocketPatterns(CWnd& dialog, int pattern);

// Asks for the roughing start point; true and the point when one was given.
bool PickPocketStartPointInto(CAcUiDialog& dialog, double point[3]);

// The picked start point on its button, while the start point is on.
template <class Dialog>
void ShowPocketStartPoint(Dialog& d) {
  if (!d.m_StartPointOn) return;
  CString text;
  text.Format("%.1f, %.1f, %.1f", d.m_StartX, d.m_StartY, d.m_StartZ);
  d.SetDlgItemText(pocket_pass_ids::kStartPointButton, text);
}

// The button shows which point will be used, picked or not.
template <class Dialog>
void PickPocketStartPoint(Dialog& d) {
  double point[3] = {0.0, 0.0, 0.0};
  if (PickPocketStartPointInto(d, point)) {
    d.m_StartX = point[0];
    d.m_StartY = point[1];
    d.m_StartZ = point[2];
  }
  ShowPocketStartPoint(d);
}

template <class Dialog>
void ShowPocketPassToolNames(Dialog& d) {
  using namespace pocket_pass_ids;
  d.SetDlgItemText(kRoughToolButton, d.m_RoughTool.m_ToolName);
  d.SetDlgItemText(kFinishToolButton, d.m_FinishTool.m_ToolName);
  d.SetDlgItemText(kRestToolButton, d.m_RestTool.m_ToolName);
}

template <class Dialog>
void FormatPocketPassToolNames(Dialog& d) {
  d.m_RoughTool.FormatToolName();
  d.m_FinishTool.FormatToolName();
  d.m_RestTool.FormatToolName();
}

// The three groups' exchange, from the roughing switch to the rest pass's.
template <class Dialog, class Limits>
void ExchangePocketPassFields(CDataExchange* pDX, Dialog& d, const Limits& L) {
  using namespace pocket_pass_ids;
  DDX_Check(pDX, kRoughOnCheck, d.m_RoughOn);
  ExchangeToolNumberFields(
      pDX, {kRoughToolNumberCheck, kRoughToolNumberEdit, kRoughLengthOffsetCheck, kRoughLengthOffsetEdit},
      {d.m_RoughToolNumberOn, d.m_RoughToolNumber, d.m_RoughLengthOffsetOn, d.m_RoughLengthOffsetNumber}, L.roughTool);
  DDX_Limited(pDX, kRoughAngleEdit, d.m_RoughAngle, L.roughAngle);
  DDX_Limited(pDX, kRoughStepoverEdit, d.m_RoughStepover, L.roughStepover);
  DDX_Limited(pDX, kRoughAllowanceEdit, d.m_RoughAllowance, L.roughAllowance);
  DDX_Limited(pDX, kRoughFeedEdit, d.m_RoughFeed, L.roughFeed);
  DDX_Check(pDX, kRoughSpindleCheck, d.m_RoughSpindleOn);
  DDX_Limited(pDX, kRoughSpindleEdit, d.m_RoughSpindle, L.roughSpindle);
  DDX_Check(pDX, kLinkFeedCheck, d.m_LinkFeedOn);
  DDX_Limited(pDX, kLinkFeedEdit, d.m_LinkFeed, L.linkFeed);
  DDX_Check(pDX, kStartOutsideCheck, d.m_StartOutside);
  DDX_Check(pDX, kRetractBetweenLevelsCheck, d.m_RetractBetweenLevels);
  DDX_Check(pDX, kStartPointCheck, d.m_StartPointOn);

  DDX_Check(pDX, kFinishOnCheck, d.m_FinishOn);
  ExchangeToolNumberFields(
      pDX, {kFinishToolNumberCheck, kFinishToolNumberEdit, kFinishLengthOffsetCheck, kFinishLengthOffsetEdit},
      {d.m_FinishToolNumberOn, d.m_FinishToolNumber, d.m_FinishLengthOffsetOn, d.m_FinishLengthOffsetNumber},
      L.finishTool);
  DDX_Limited(pDX, kFinishAllowanceEdit, d.m_FinishAllowance, L.finishAllowance);
  DDX_Limited(pDX, kFinishStepoverEdit, d.m_FinishStepover, L.finishStepover);
  DDX_Limited(pDX, kFinishPassesEdit, d.m_FinishPasses, L.finishPasses);
  DDX_Limited(pDX, kFinishFeedEdit, d.m_FinishFeed, L.finishFeed);
  DDX_Check(pDX, kFinishSpindleCheck, d.m_FinishSpindleOn);
  DDX_Limited(pDX, kFinishSpindleEdit, d.m_FinishSpindle, L.finishSpindle);
  DDX_Check(pDX, kCornerRoundCheck, d.m_CornerRound);

  DDX_Check(pDX, kRestOnCheck, d.m_RestOn);
  ExchangeToolNumberFields(
      pDX, {kRestToolNumberCheck, kRestToolNumberEdit, kRestLengthOffsetCheck, kRestLengthOffsetEdit},
      {d.m_RestToolNumberOn, d.m_RestToolNumber, d.m_RestLengthOffsetOn, d.m_RestLengthOffsetNumber}, L.restTool);
  DDX_Limited(pDX, kRestAllowanceEdit, d.m_RestAllowance, L.restAllowance);
  DDX_Limited(pDX, kRestFeedEdit, d.m_RestFeed, L.restFeed);
  DDX_Check(pDX, kRestSpindleCheck, d.m_RestSpindleOn);
  DDX_Limited(pDX, kRestSpindleEdit, d.m_RestSpindle, L.restSpindle);
  DDX_Check(pDX, kRestAfterFinishCheck, d.m_RestAfterFinish);

  if (!pDX->m_bSaveAndValidate) ShowPocketPassToolNames(d);
}

template <class Dialog>
void ShowPocketPassReadOnlyStates(Dialog& d) {
  using namespace pocket_pass_ids;
  SetControlReadOnly(d, kRoughLengthOffsetEdit, !d.m_RoughLengthOffsetOn);
  SetControlReadOnly(d, kFinishLengthOffsetEdit, !d.m_FinishLengthOffsetOn);
  SetControlReadOnly(d, kRestLengthOffsetEdit, !d.m_RestLengthOffsetOn);
  for (int id : kRoughEdits) SetControlReadOnly(d, id, !d.m_RoughOn);
  for (int id : kFinishEdits) SetControlReadOnly(d, id, !d.m_FinishOn);
  for (int id : kRestEdits) SetControlReadOnly(d, id, !d.m_RestOn);
  // The link feed is typed only where it is used: roughing with its own link feed.
  SetControlReadOnly(d, kLinkFeedEdit, !d.m_RoughOn || !d.m_LinkFeedOn);
}

// An allowance below minus the tool radius would cut into the part.
template <class Dialog>
bool CheckPocketPassAllowances(const Dialog& d) {
  if (d.m_RoughOn && d.m_RoughAllowance < -d.m_RoughTool.m_Diameter / 2.0) {
    ShowFormInformation("황삭 가공여유가 공구반경*-1 보다 작을수 없습니다.!!");
    return false;
  }
  if (d.m_FinishOn && d.m_FinishAllowance < -d.m_FinishTool.m_Diameter / 2.0) {
    ShowFormInformation("정삭 가공여유가 공구반경*-1 보다 작을수 없습니다.!!");
    return false;
  }
  return true;
}

// False when the rest pass cannot be made; an allowance below its reference's
// is raised in its edit when the user agrees.
template <class Dialog>
bool CheckPocketRestPass(Dialog& d) {
  if (!d.m_RestOn) return true;
  if (d.m_RestAllowance < -d.m_RestTool.m_Diameter / 2.0) {
    ShowFormInformation("잔삭 가공여유가 공구반경*-1 보다 작을수 없습니다.!!");
    return false;
  }
  const bool finishing = d.RestMeasuresAgainstFinishing();
  if (d.m_RestTool.m_Diameter >= (finishing ? d.m_FinishTool : d.m_RoughTool).m_Diameter) {
    ShowFormInformation("잔삭 공구가 정삭 공구보다 크거나 같으면 잔삭을 할수 없습니다.!!");
    return false;
  }
  const float referenceAllowance = finishing ? d.m_FinishAllowance : d.m_RoughAllowance;
  if (referenceAllowance > d.m_RestAllowance && !AskRaiseRestAllowance(d, finishing, referenceAllowance)) return false;
  return true;
}
