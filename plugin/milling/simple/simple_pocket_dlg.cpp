#include "plugin/milling/simple/simple_pocket_dlg.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/classlib/dialogs/dialog_template.h"
#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/field_limits.h"
#include "plugin/geometry/forms/form_controls.h"

namespace {

constexpr int kStartPointButton = 303;
constexpr int kStartPointCheck = 305;
constexpr int kPlungeButton = 308;
constexpr int kXCentreEdit = 429;
constexpr int kYCentreEdit = 430;
constexpr int kFirstTypeRadio = 463;   // 463-465
constexpr int kFirstShapeRadio = 466;  // 466-468
constexpr int kXSizeEdit = 469;
constexpr int kXMinimumEdit = 470;
constexpr int kXMaximumEdit = 471;
constexpr int kStartHeightEdit = 472;
constexpr int kYSizeEdit = 473;
constexpr int kYMinimumEdit = 474;
constexpr int kYMaximumEdit = 475;
constexpr int kDepthEdit = 476;
constexpr int kCornerRadiusEdit = 477;
constexpr int kCircleRadiusEdit = 478;
constexpr int kZStepoverEdit = 480;
constexpr int kSingleTaperAngleEdit = 482;
constexpr int kXPlusTaperEdit = 483;
constexpr int kXMinusTaperEdit = 484;
constexpr int kYPlusTaperEdit = 485;
constexpr int kYMinusTaperEdit = 486;
constexpr int kSingleTaperCheck = 487;
constexpr int kXYStepoverEdit = 488;

constexpr const char* kStartPointPrompt = "\n 포켓 경로의 시작점을 지정하시요 !!";

const SimpleCycleLimits& L = kSimpleCycleLimits;
const SimplePocketLimits& P = kSimplePocketLimits;

// The allowance has the pocket's own range.
const SimpleCycleControlIds kCommonIds{.allowance = 0};
constexpr int kAllowanceEdit = 481;
const ShapeControlIds kShapeIds{kXMaximumEdit, kXMinimumEdit, kXSizeEdit,   kYMaximumEdit,   kYMinimumEdit,
                                kYSizeEdit,    kXCentreEdit,  kYCentreEdit, kFirstShapeRadio};

const DialogTemplateRegistration kPocketTemplate(
    CSimplePocketDlg::IDD,
    {"단순 포켓 가공",
     JoinControls({
         {
             res::EditText(kCommonIds.name, "공구경로 이름"),
             res::GroupBox(IDC_STATIC, "<< Pocket Type >>"),
             res::RadioButton(kFirstTypeRadio, "사각형", WS_GROUP),
             res::RadioButton(kFirstTypeRadio + 1, "라운드 사각형"),
             res::RadioButton(kFirstTypeRadio + 2, "원형"),
         },
         ShapeInputTypeControls(kShapeIds),
         {
             res::GroupBox(IDC_STATIC, "<< Pocket size >>"),
         },
         ShapeFieldControls(kShapeIds),
         {
             res::EditText(kCornerRadiusEdit, "코너반경"),  res::EditText(kCircleRadiusEdit, "원형 반경"),
             res::GroupBox(IDC_STATIC, "<< Z 값 >>"),       res::EditText(kCommonIds.returnHeight, "복귀 높이"),
             res::EditText(kStartHeightEdit, "시작 높이"),  res::EditText(kDepthEdit, "Z 깊이"),
             res::EditText(kZStepoverEdit, "Z Stepover"),   res::EditText(kXYStepoverEdit, "XY Stepoever"),
             res::EditText(kAllowanceEdit, "가공 여유"),    res::CheckBox(kSingleTaperCheck, "단일 taper"),
             res::EditText(kSingleTaperAngleEdit, ""),      res::GroupBox(IDC_STATIC, "<< 다중 taper angle >>"),
             res::EditText(kXMinusTaperEdit, "X -  taper"), res::EditText(kXPlusTaperEdit, "X + taper"),
             res::EditText(kYMinusTaperEdit, "Y -  taper"), res::EditText(kYPlusTaperEdit, "Y + taper"),
             res::CheckBox(kStartPointCheck, "시작점"),     res::PushButton(kStartPointButton, ""),
             res::GroupBox(IDC_STATIC, "<< 공구 >>"),
         },
         SimpleCycleToolControls(kCommonIds),
         {
             res::EditText(kCommonIds.feed, "가공 피드"),
             res::PushButton(kPlungeButton, "진입 / 복귀"),
             res::DefPushButton(IDOK, "OK"),
             res::PushButton(IDCANCEL, "Cancel"),
         },
     })});

}  // namespace

BEGIN_MESSAGE_MAP(CSimplePocketDlg, CAcUiDialog)
ON_CONTROL_RANGE(BN_CLICKED, kFirstTypeRadio, kFirstTypeRadio + 2, &CSimplePocketDlg::OnPocketType)
ON_CONTROL_RANGE(BN_CLICKED, kFirstShapeRadio, kFirstShapeRadio + 2, &CSimplePocketDlg::OnShapeInputType)
ON_BN_CLICKED(kSingleTaperCheck, &CSimplePocketDlg::OnSingleTaper)
ON_BN_CLICKED(kStartPointCheck, &CSimplePocketDlg::OnStartPointCheck)
ON_BN_CLICKED(kStartPointButton, &CSimplePocketDlg::OnStartPointButton)
ON_SIMPLE_CYCLE_FIELDS(CSimplePocketDlg, kCommonIds)
ON_BN_CLICKED(kPlungeButton, &CSimplePocketDlg::OnPlunge)
END_MESSAGE_MAP()

CSimplePocketDlg::CSimplePocketDlg(CWnd* pParent) : SimpleCycleDialog(IDD, pParent, "SimpPock", kCommonIds) {}

void CSimplePocketDlg::ExchangeOwnFields(CDataExchange* pDX) {
  DDX_Limited(pDX, kAllowanceEdit, m_Allowance, P.allowance);
  ExchangeShapeFields(pDX, m_Shape, kShapeIds);
  DDX_Limited(pDX, kZStepoverEdit, m_ZStepover, L.zStepover);
  DDX_Limited(pDX, kCornerRadiusEdit, m_CornerRadius, L.cornerRadius);
  DDX_Limited(pDX, kDepthEdit, m_Depth, L.depth);
  DDX_Limited(pDX, kCircleRadiusEdit, m_CircleRadius, L.circleRadius);
  DDX_Limited(pDX, kStartHeightEdit, m_StartHeight, L.startHeight);
  DDX_Limited(pDX, kXYStepoverEdit, m_XYStepover, P.xyStepover);
  DDX_Limited(pDX, kXMinusTaperEdit, m_XMinusTaper, L.xMinusTaper);
  DDX_Limited(pDX, kXPlusTaperEdit, m_XPlusTaper, L.xPlusTaper);
  DDX_Limited(pDX, kYMinusTaperEdit, m_YMinusTaper, L.yMinusTaper);
  DDX_Limited(pDX, kYPlusTaperEdit, m_YPlusTaper, L.yPlusTaper);
  DDX_Limited(pDX, kSingleTaperAngleEdit, m_SingleTaperAngle, L.singleTaperAngle);
  DDX_Check(pDX, kSingleTaperCheck, m_SingleTaper);
  DDX_Check(pDX, kStartPointCheck, m_StartPointOn);
}

void CSimplePocketDlg::ShowOwnStates() {
  ShowStartPoint();
  ShowChoices();
}

void CSimplePocketDlg::RememberOwnClicks() {
  m_ClickedAtOpening = {m_PocketType, m_ShapeInputType, m_SingleTaper, m_StartPointOn, m_StartX, m_StartY, m_StartZ};
}

void CSimplePocketDlg::ShowChoices() {
  if (m_PocketType >= kSimplePocketRectangle && m_PocketType <= kSimplePocketCircle) {
    CheckRadioButton(kFirstTypeRadio, kFirstTypeRadio + 2, kFirstTypeRadio + m_PocketType - 1);
  }
  ShowShapeInputType(*this, m_ShapeInputType, kShapeIds);
  SetControlReadOnly(*this, kCornerRadiusEdit, m_PocketType != kSimplePocketRounded);
  SetControlReadOnly(*this, kCircleRadiusEdit, m_PocketType != kSimplePocketCircle);
  CheckDlgButton(kSingleTaperCheck, m_SingleTaper ? BST_CHECKED : BST_UNCHECKED);
  SetControlReadOnly(*this, kSingleTaperAngleEdit, m_SingleTaper == 0);
  for (const int id : {kXPlusTaperEdit, kXMinusTaperEdit, kYPlusTaperEdit, kYMinusTaperEdit}) {
    SetControlReadOnly(*this, id, m_SingleTaper != 0);
  }
}

void CSimplePocketDlg::ShowStartPoint() {
  CString text;
  text.Format("%.1f, %.1f, %.1f", m_StartX, m_StartY, m_StartZ);
  SetDlgItemText(kStartPointButton, text);
}

void CSimplePocketDlg::RestoreOwnClicks() {
  const ClickedValues& was = m_ClickedAtOpening;
  m_PocketType = was.pocketType;
  m_ShapeInputType = was.shapeInputType;
  m_SingleTaper = was.singleTaper;
  m_StartPointOn = was.startPointOn;
  m_StartX = was.startX;
  m_StartY = was.startY;
  m_StartZ = was.startZ;
}

void CSimplePocketDlg::OnPocketType(UINT id) {
  m_PocketType = kSimplePocketRectangle + static_cast<int>(id) - kFirstTypeRadio;
  // A circle is given by its centre and leans one way all round.
  if (m_PocketType == kSimplePocketCircle) {
    m_ShapeInputType = kShapeCentreSize;
    m_SingleTaper = 1;
  }
  ShowChoices();
}

void CSimplePocketDlg::OnShapeInputType(UINT id) {
  if (m_PocketType != kSimplePocketCircle)
    m_ShapeInputType = kShapeCentreSize + static_cast<int>(id) - kFirstShapeRadio;
  ShowChoices();
}

void CSimplePocketDlg::OnSingleTaper() {
  m_SingleTaper = IsDlgButtonChecked(kSingleTaperCheck) ? 1 : 0;
  ShowChoices();
}

void CSimplePocketDlg::OnStartPointCheck() {
  if (m_StartPointOn != 0) {
    m_StartPointOn = 0;
    CheckDlgButton(kStartPointCheck, BST_UNCHECKED);
    return;
  }
  m_StartPointOn = 1;
  CheckDlgButton(kStartPointCheck, BST_CHECKED);
  PickStartPoint();
}

void CSimplePocketDlg::OnStartPointButton() {
  if (m_StartPointOn != 0) PickStartPoint();
}

bool CSimplePocketDlg::PickStartPoint() {
  BeginEditorCommand();
  ads_point picked = {0.0, 0.0, 0.0};
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(nullptr, kStartPointPrompt, picked) != RTNORM) {
    CancelEditorCommand();
    return false;
  }
  CompleteEditorCommand();
  // The point goes into the record: it passes the same limits.
  if (!IsWithin(picked[0], P.startX) || !IsWithin(picked[1], P.startY) || !IsWithin(picked[2], P.startZ)) return false;
  m_StartX = picked[0];
  m_StartY = picked[1];
  m_StartZ = picked[2];
  ShowStartPoint();
  return true;
}

void CSimplePocketDlg::OnPlunge() { m_Plunge.DoModal(); }
