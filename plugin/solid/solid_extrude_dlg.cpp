#include "plugin/solid/solid_extrude_dlg.h"

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/shell/command_failure.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/solid/extrude_region.h"

namespace {

constexpr int kStartHeightEdit = 429;
constexpr int kLengthEdit = 430;
constexpr int kOuterAngleEdit = 431;
constexpr int kInnerAngleEdit = 432;
constexpr int kFromCoordinateSystemRadio = 453;
constexpr int kFromProfileRadio = 454;
constexpr int kEraseSourcesCheck = 458;
constexpr int kOuterWidensRadio = 459;
constexpr int kOuterNarrowsRadio = 460;
constexpr int kInnerWidensRadio = 462;
constexpr int kInnerNarrowsRadio = 463;
constexpr int kOuterTaperCheck = 595;
constexpr int kInnerTaperCheck = 596;
constexpr int kInnerThroughCheck = 597;
constexpr int kInnerDepthEdit = 598;
constexpr int kOuterButton = 599;
constexpr int kInnerButton = 600;

constexpr const char* kInfoCaption = "Ostrivo message";

const DialogTemplateRegistration kSolidExtrudeTemplate(
    CSolidExtrudeDlg::IDD, {"돌출 솔리드",
                            {
                                res::PushButton(kOuterButton, "외측 선택"),
                                res::PushButton(kInnerButton, "내측 선택"),
                                res::RadioButton(kFromCoordinateSystemRadio, "좌표계로 부터", WS_GROUP),
                                res::RadioButton(kFromProfileRadio, "도형으로 부터"),
                                res::EditText(kStartHeightEdit, "돌출 시작 높이"),
                                res::EditText(kLengthEdit, "돌출 길이"),
                                res::CheckBox(kOuterTaperCheck, "외측 경사"),
                                res::RadioButton(kOuterWidensRadio, "확장 테이퍼", WS_GROUP),
                                res::RadioButton(kOuterNarrowsRadio, "축소 테이퍼"),
                                res::EditText(kOuterAngleEdit, "경사 각도"),
                                res::CheckBox(kInnerTaperCheck, "내측 경사"),
                                res::RadioButton(kInnerWidensRadio, "확장 테이퍼", WS_GROUP),
                                res::RadioButton(kInnerNarrowsRadio, "축소 테이퍼"),
                                res::EditText(kInnerAngleEdit, "경사 각도"),
                                res::CheckBox(kInnerThroughCheck, "내측관통"),
                                res::EditText(kInnerDepthEdit, "내측 깊이"),
                                res::CheckBox(kEraseSourcesCheck, "원본 삭제"),
                                res::DefPushButton(IDOK, "OK"),
                                res::PushButton(IDCANCEL, "Cancel"),
                            }});

void ShowInformation(const char* text) { ::MessageBox(nullptr, text, kInfoCaption, MB_OK | MB_ICONINFORMATION); }

bool IsFlatClosedCurve(const AcDbEntity& entity) {
  const AcDbCurve* curve = AcDbCurve::cast(&entity);
  return curve != nullptr && curve->isClosed() && curve->isPlanar();
}

bool IsLiveIn(const AcDbObjectId& id, const AcDbDatabase* db) {
  return !id.isNull() && id.isValid() && !id.isErased() && id.database() == db;
}

bool IsSolid(AcDbObjectId id) {
  OpenedObject<AcDb3dSolid> solid(id, AcDb::kForRead);
  return solid.openStatus() == Acad::eOk;
}

double EndPointZ(AcDbObjectId curveId) {
  OpenedObject<AcDbCurve> curve(curveId, AcDb::kForRead);
  AcGePoint3d end;
  if (curve.openStatus() != Acad::eOk || curve->getEndPoint(end) != Acad::eOk) return 0.0;
  return end.z;
}

bool MoveAlongZ(AcDbObjectId id, double offset) {
  if (offset == 0.0) return true;
  OpenedObject<AcDbEntity> entity(id, AcDb::kForWrite);
  if (entity.openStatus() != Acad::eOk) return false;
  return entity->transformBy(AcGeMatrix3d::translation(AcGeVector3d(0.0, 0.0, offset))) == Acad::eOk;
}

void EraseEntity(AcDbObjectId id) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForWrite);
  if (entity.openStatus() == Acad::eOk) entity->erase();
}

// Taper angles as the modeler takes them: positive narrows the solid.
double SignedAngle(int on, int direction, float degrees, int narrowingSign) {
  if (!on) return 0.0;
  return direction == kTaperNarrows ? narrowingSign * degrees : -narrowingSign * degrees;
}

}  // namespace

BEGIN_MESSAGE_MAP(CSolidExtrudeDlg, CAcUiDialog)
ON_BN_CLICKED(kOuterButton, &CSolidExtrudeDlg::OnPickOuter)
ON_BN_CLICKED(kInnerButton, &CSolidExtrudeDlg::OnPickInner)
ON_BN_CLICKED(kOuterTaperCheck, &CSolidExtrudeDlg::OnOuterTaper)
ON_BN_CLICKED(kInnerTaperCheck, &CSolidExtrudeDlg::OnInnerTaper)
END_MESSAGE_MAP()

CSolidExtrudeDlg::CSolidExtrudeDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) {}

void CSolidExtrudeDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  DDX_Radio(pDX, kFromCoordinateSystemRadio, m_StartBase);
  DDX_Limited(pDX, kStartHeightEdit, m_StartHeight, kSolidExtrudeLimits.startHeight);
  DDX_Limited(pDX, kLengthEdit, m_Length, kSolidExtrudeLimits.length);
  DDX_Check(pDX, kOuterTaperCheck, m_OuterTaperOn);
  DDX_Radio(pDX, kOuterWidensRadio, m_OuterTaperDirection);
  DDX_Limited(pDX, kOuterAngleEdit, m_OuterTaperAngle, kSolidExtrudeLimits.outerTaperAngle);
  DDX_Check(pDX, kInnerTaperCheck, m_InnerTaperOn);
  DDX_Radio(pDX, kInnerWidensRadio, m_InnerTaperDirection);
  DDX_Limited(pDX, kInnerAngleEdit, m_InnerTaperAngle, kSolidExtrudeLimits.innerTaperAngle);
  DDX_Check(pDX, kInnerThroughCheck, m_InnerThrough);
  DDX_Limited(pDX, kInnerDepthEdit, m_InnerDepth, kSolidExtrudeLimits.innerDepth);
  DDX_Check(pDX, kEraseSourcesCheck, m_EraseSources);
}

BOOL CSolidExtrudeDlg::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  ForgetStalePicks();
  m_ResultId.setNull();
  ShowTaperStates();
  return TRUE;
}

// Ids of another drawing name nothing here, or something else.
void CSolidExtrudeDlg::ForgetStalePicks() {
  const bool changed = m_DrawingWatch.CurrentDrawingChanged();
  const AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  if (changed || !IsLiveIn(m_OuterId, db)) m_OuterId.setNull();
  if (changed || !IsLiveIn(m_InnerId, db)) m_InnerId.setNull();
}

void CSolidExtrudeDlg::ShowTaperStates() {
  const BOOL outer = IsDlgButtonChecked(kOuterTaperCheck) ? TRUE : FALSE;
  const BOOL inner = IsDlgButtonChecked(kInnerTaperCheck) ? TRUE : FALSE;
  for (int id : {kOuterWidensRadio, kOuterNarrowsRadio, kOuterAngleEdit}) {
    if (CWnd* control = GetDlgItem(id)) control->EnableWindow(outer);
  }
  for (int id : {kInnerWidensRadio, kInnerNarrowsRadio, kInnerAngleEdit}) {
    if (CWnd* control = GetDlgItem(id)) control->EnableWindow(inner);
  }
}

void CSolidExtrudeDlg::OnOuterTaper() { ShowTaperStates(); }
void CSolidExtrudeDlg::OnInnerTaper() { ShowTaperStates(); }

AcDbObjectId CSolidExtrudeDlg::PickProfile(const char* prompt, bool solidAllowed) {
  BeginEditorCommand();
  ads_name name = {0, 0};
  ads_point picked = {0.0, 0.0, 0.0};
  AcDbObjectId id;
  if (acedEntSel(prompt, name, picked) != RTNORM || acdbGetObjectId(id, name) != Acad::eOk) {
    CancelEditorCommand();
    return AcDbObjectId::kNull;
  }
  CompleteEditorCommand();
  bool accepted = false;
  {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    accepted = entity.openStatus() == Acad::eOk &&
               (IsFlatClosedCurve(*entity) || (solidAllowed && AcDb3dSolid::cast(entity.object()) != nullptr));
  }
  if (accepted) return id;
  ShowInformation(solidAllowed ? "2D curve와 Solid만 선택할 수 있습니다..!!" : "2D curve만 선택할 수 있습니다..!!");
  return AcDbObjectId::kNull;
}

void CSolidExtrudeDlg::OnPickOuter() {
  const AcDbObjectId id = PickProfile("\nCircle, 타원, Spline, Polyline, Solid를 선택하시요.", true);
  if (!id.isNull()) m_OuterId = id;
}

void CSolidExtrudeDlg::OnPickInner() {
  const AcDbObjectId id = PickProfile("\nCircle, 타원, Spline, Polyline을 선택하시요.", false);
  if (!id.isNull()) m_InnerId = id;
}

void CSolidExtrudeDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  ForgetStalePicks();
  if (m_OuterId.isNull()) {
    ShowInformation(MsgNoOuterProfile);
    return;
  }
  CAcUiDialog::OnOK();
}

bool CSolidExtrudeDlg::ExtrudeProfile(AcDbObjectId curveId, double height, double taperDegrees, AcDbObjectId& solidId) {
  if (height == 0.0 || !ExtrudeRegion(curveId, solidId, height, taperDegrees)) return false;
  const double offset =
      m_StartBase == kFromCoordinateSystem ? m_StartHeight - EndPointZ(curveId) : static_cast<double>(m_StartHeight);
  if (MoveAlongZ(solidId, offset)) return true;
  EraseEntity(solidId);
  solidId.setNull();
  return false;
}

bool CSolidExtrudeDlg::MakeOuterSolid(AcDbObjectId& solidId, bool& made) {
  made = false;
  if (IsSolid(m_OuterId)) {
    solidId = m_OuterId;
    return true;
  }
  const double angle = SignedAngle(m_OuterTaperOn, m_OuterTaperDirection, m_OuterTaperAngle, 1);
  made = ExtrudeProfile(m_OuterId, static_cast<double>(m_Length) - m_StartHeight, angle, solidId);
  return made;
}

bool CSolidExtrudeDlg::CutInnerSolid(AcDbObjectId outerSolidId) {
  double height = 0.0;
  if (m_InnerThrough) {
    height = m_Length >= 0.0f ? m_Length + 1.0 : m_Length - 1.0;
  } else {
    height = m_Length < 0.0f ? -m_InnerDepth : m_InnerDepth;
  }
  const double angle = SignedAngle(m_InnerTaperOn, m_InnerTaperDirection, m_InnerTaperAngle, -1);
  AcDbObjectId innerSolidId;
  if (!ExtrudeProfile(m_InnerId, height, angle, innerSolidId)) return false;
  Acad::ErrorStatus status = Acad::eOk;
  {
    OpenedObject<AcDb3dSolid> outer(outerSolidId, AcDb::kForWrite);
    OpenedObject<AcDb3dSolid> inner(innerSolidId, AcDb::kForWrite);
    status = outer.openStatus() != Acad::eOk ? outer.openStatus() : inner.openStatus();
    if (status == Acad::eOk) status = outer->booleanOper(AcDb::kBoolSubtract, inner);
  }
  // The cut is used up, or never became part of the result.
  EraseEntity(innerSolidId);
  return status == Acad::eOk;
}

void CSolidExtrudeDlg::EraseSources(bool outerWasCurve) {
  if (outerWasCurve) EraseEntity(m_OuterId);
  if (!m_InnerId.isNull()) EraseEntity(m_InnerId);
  m_OuterId.setNull();
  m_InnerId.setNull();
}

bool CSolidExtrudeDlg::MakeSolid() {
  m_ResultId.setNull();
  AcDbObjectId solidId;
  bool outerMade = false;
  if (m_OuterId.isNull() || !MakeOuterSolid(solidId, outerMade)) {
    acutPrintf("%s", MsgSolidNotMade.GetString());
    ReportCommandFailed(MsgSolidNotMade);
    return false;
  }
  if (!m_InnerId.isNull() && !CutInnerSolid(solidId)) {
    // All or nothing: the drawing stays as it was, the picks stay for another try.
    if (outerMade) EraseEntity(solidId);
    acutPrintf("%s", MsgSolidNotMade.GetString());
    ReportCommandFailed(MsgSolidNotMade);
    return false;
  }
  m_ResultId = solidId;
  if (m_EraseSources) EraseSources(outerMade);
  return true;
}
