#include "plugin/milling/simple/simple_profile_dlg.h"

#include "platform/classlib/dialogs/dialog_template.h"
#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/form_controls.h"
#include "plugin/geometry/forms/simple_shape_limits.h"

namespace {

constexpr int kRectangleRadio = 491;
constexpr int kRoundedRadio = 492;
constexpr int kCircleRadio = 493;
constexpr int kOnRadio = 494;
constexpr int kInsideRadio = 495;
constexpr int kOutsideRadio = 496;
constexpr int kCentreSizeRadio = 497;
constexpr int kMinimumMaximumRadio = 499;
constexpr int kXCentreEdit = 500;
constexpr int kYCentreEdit = 501;
constexpr int kXSizeEdit = 502;
constexpr int kYSizeEdit = 503;
constexpr int kXMinimumEdit = 504;
constexpr int kYMinimumEdit = 505;
constexpr int kXMaximumEdit = 506;
constexpr int kYMaximumEdit = 507;
constexpr int kCornerRadiusEdit = 508;
constexpr int kCircleRadiusEdit = 509;
constexpr int kStepoverEdit = 510;
constexpr int kZStepoverEdit = 511;
constexpr int kSingleTaperEdit = 512;
constexpr int kStartHeightEdit = 513;
constexpr int kDepthEdit = 514;
constexpr int kAllowanceEdit = 515;
constexpr int kPassCountEdit = 516;
constexpr int kXPlusTaperEdit = 517;
constexpr int kXMinusTaperEdit = 518;
constexpr int kYPlusTaperEdit = 519;
constexpr int kSingleTaperCheck = 520;
constexpr int kYMinusTaperEdit = 429;
constexpr int kLeadButton = 308;

const SimpleCycleControlIds kCommonIds{.allowance = 0};
const ShapeControlIds kShapeIds{kXMaximumEdit, kXMinimumEdit, kXSizeEdit,   kYMaximumEdit,   kYMinimumEdit,
                                kYSizeEdit,    kXCentreEdit,  kYCentreEdit, kCentreSizeRadio};

const DialogTemplateRegistration kSimpleProfileTemplate(CSimpleProfileDlg::IDD,
                                                        {"단순 윤곽가공",
                                                         JoinControls({
                                                             {
                                                                 res::EditText(kCommonIds.name, "공구경로 이름"),
                                                                 res::GroupBox(IDC_STATIC, "<< Profile Type >>"),
                                                                 res::RadioButton(kRectangleRadio, "사각형", WS_GROUP),
                                                                 res::RadioButton(kRoundedRadio, "라운드 사각형"),
                                                                 res::RadioButton(kCircleRadio, "원형"),
                                                                 res::GroupBox(IDC_STATIC, "<< 방향 >>"),
                                                                 res::RadioButton(kOnRadio, "ON", WS_GROUP),
                                                                 res::RadioButton(kInsideRadio, "In side"),
                                                                 res::RadioButton(kOutsideRadio, "Out side"),
                                                             },
                                                             ShapeInputTypeControls(kShapeIds),
                                                             ShapeFieldControls(kShapeIds),
                                                             {
                                                                 res::EditText(kCornerRadiusEdit, "코너반경"),
                                                                 res::EditText(kCircleRadiusEdit, "원형 반경"),
                                                                 res::EditText(kStartHeightEdit, "시작 높이"),
                                                                 res::EditText(kDepthEdit, "Z 깊이"),
                                                                 res::EditText(kZStepoverEdit, "Z Stepover"),
                                                                 res::EditText(kPassCountEdit, "Profile 횟수"),
                                                                 res::EditText(kStepoverEdit, "Stepoever"),
                                                                 res::EditText(kAllowanceEdit, "가공 여유"),
                                                                 res::CheckBox(kSingleTaperCheck, "단일 taper"),
                                                                 res::EditText(kSingleTaperEdit, ""),
                                                                 res::EditText(kXMinusTaperEdit, "X -  taper"),
                                                                 res::EditText(kXPlusTaperEdit, "X + taper"),
                                                                 res::EditText(kYMinusTaperEdit, "Y -  taper"),
                                                                 res::EditText(kYPlusTaperEdit, "Y + taper"),
                                                             },
                                                             SimpleCycleToolControls(kCommonIds),
                                                             {
                                                                 res::EditText(kCommonIds.returnHeight, "복귀 높이"),
                                                                 res::EditText(kCommonIds.feed, "가공 피드"),
                                                                 res::PushButton(kLeadButton, "진입 / 복귀"),
                                                                 res::DefPushButton(IDOK, "OK"),
                                                                 res::PushButton(IDCANCEL, "Cancel"),
                                                             },
                                                         })});

}  // namespace

BEGIN_MESSAGE_MAP(CSimpleProfileDlg, CDialog)
ON_CONTROL_RANGE(BN_CLICKED, kRectangleRadio, kCircleRadio, &CSimpleProfileDlg::OnProfileType)
ON_CONTROL_RANGE(BN_CLICKED, kOnRadio, kOutsideRadio, &CSimpleProfileDlg::OnSide)
ON_CONTROL_RANGE(BN_CLICKED, kCentreSizeRadio, kMinimumMaximumRadio, &CSimpleProfileDlg::OnShapeInputType)
ON_BN_CLICKED(kSingleTaperCheck, &CSimpleProfileDlg::OnSingleTaper)
ON_SIMPLE_CYCLE_FIELDS(CSimpleProfileDlg, kCommonIds)
ON_BN_CLICKED(kLeadButton, &CSimpleProfileDlg::OnLead)
END_MESSAGE_MAP()

CSimpleProfileDlg::CSimpleProfileDlg(CWnd* pParent) : SimpleCycleDialog(IDD, pParent, "SimpProf", kCommonIds) {}

void CSimpleProfileDlg::ExchangeOwnFields(CDataExchange* pDX) {
  const SimpleCycleLimits& c = kSimpleCycleLimits;
  const SimpleProfileLimits& p = kSimpleProfileLimits;
  ExchangeShapeFields(pDX, m_Shape, kShapeIds);
  DDX_Limited(pDX, kAllowanceEdit, m_Allowance, c.allowance);
  DDX_Limited(pDX, kZStepoverEdit, m_ZStepover, p.zStepover);
  DDX_Limited(pDX, kCornerRadiusEdit, m_CornerRadius, c.cornerRadius);
  DDX_Limited(pDX, kDepthEdit, m_Depth, c.depth);
  DDX_Limited(pDX, kCircleRadiusEdit, m_CircleRadius, c.circleRadius);
  DDX_Limited(pDX, kStartHeightEdit, m_StartHeight, c.startHeight);
  DDX_Limited(pDX, kStepoverEdit, m_Stepover, p.stepover);
  DDX_Limited(pDX, kSingleTaperEdit, m_SingleTaperAngle, c.singleTaperAngle);
  DDX_Limited(pDX, kPassCountEdit, m_PassCount, p.passCount);
  DDX_Check(pDX, kSingleTaperCheck, m_SingleTaper);
  DDX_Limited(pDX, kXMinusTaperEdit, m_XMinusTaper, c.xMinusTaper);
  DDX_Limited(pDX, kXPlusTaperEdit, m_XPlusTaper, c.xPlusTaper);
  DDX_Limited(pDX, kYMinusTaperEdit, m_YMinusTaper, c.yMinusTaper);
  DDX_Limited(pDX, kYPlusTaperEdit, m_YPlusTaper, c.yPlusTaper);
}

void CSimpleProfileDlg::RememberOwnClicks() {
  m_ClickedAtOpening = {m_ProfileType, m_Side, m_ShapeInputType, m_SingleTaper};
}

void CSimpleProfileDlg::RestoreOwnClicks() {
  const ClickedValues& was = m_ClickedAtOpening;
  m_ProfileType = was.profileType;
  m_Side = was.side;
  m_ShapeInputType = was.shapeInputType;
  m_SingleTaper = was.singleTaper;
}

void CSimpleProfileDlg::ShowStates() {
  if (m_ProfileType >= kSimpleProfileRectangle && m_ProfileType <= kSimpleProfileCircle)
    CheckRadioButton(kRectangleRadio, kCircleRadio, kRectangleRadio + m_ProfileType - 1);
  if (m_Side >= kProfileSideOn && m_Side <= kProfileSideOutside)
    CheckRadioButton(kOnRadio, kOutsideRadio, kOnRadio + m_Side - kProfileSideOn);
  const bool circle = m_ProfileType == kSimpleProfileCircle;
  ShowShapeInputType(*this, m_ShapeInputType, kShapeIds);
  // A circle has a radius, not sizes.
  if (circle) {
    SetControlReadOnly(*this, kXSizeEdit, true);
    SetControlReadOnly(*this, kYSizeEdit, true);
  }
  SetControlReadOnly(*this, kCornerRadiusEdit, m_ProfileType != kSimpleProfileRounded);
  SetControlReadOnly(*this, kCircleRadiusEdit, !circle);
  const bool on = m_Side == kProfileSideOn;
  SetControlReadOnly(*this, kPassCountEdit, on);
  SetControlReadOnly(*this, kStepoverEdit, on);
  const bool single = m_SingleTaper != 0;
  SetControlReadOnly(*this, kSingleTaperEdit, !single);
  for (const int id : {kXPlusTaperEdit, kXMinusTaperEdit, kYPlusTaperEdit, kYMinusTaperEdit})
    SetControlReadOnly(*this, id, single);
}

void CSimpleProfileDlg::OnProfileType(UINT id) {
  m_ProfileType = static_cast<int>(id) - kRectangleRadio + kSimpleProfileRectangle;
  if (m_ProfileType == kSimpleProfileCircle) {
    // A circle is placed by its centre and leans evenly all round.
    m_ShapeInputType = kShapeCentreSize;
    m_SingleTaper = 1;
    CheckDlgButton(kSingleTaperCheck, BST_CHECKED);
  }
  ShowStates();
}

void CSimpleProfileDlg::OnSide(UINT id) {
  m_Side = static_cast<int>(id) - kOnRadio + kProfileSideOn;
  ShowStates();
}

void CSimpleProfileDlg::OnShapeInputType(UINT id) {
  if (m_ProfileType != kSimpleProfileCircle)
    m_ShapeInputType = static_cast<int>(id) - kCentreSizeRadio + kShapeCentreSize;
  ShowStates();
}

void CSimpleProfileDlg::OnSingleTaper() {
  m_SingleTaper = IsDlgButtonChecked(kSingleTaperCheck) ? 1 : 0;
  ShowStates();
}

void CSimpleProfileDlg::OnLead() { m_Lead.DoModal(); }

SimpleProfileShape SimpleProfileShapeOf(const CSimpleProfileDlg& dlg) {
  SimpleProfileShape s;
  s.type = dlg.m_ProfileType;
  s.side = dlg.m_Side;
  const int inputType = dlg.m_ProfileType == kSimpleProfileCircle ? kShapeCentreSize : dlg.m_ShapeInputType;
  const ShapeRectangle rectangle = ResolveShapeInput(inputType, dlg.m_Shape);
  s.centre = AcGePoint2d(rectangle.cx, rectangle.cy);
  s.sizeX = rectangle.width;
  s.sizeY = rectangle.height;
  s.cornerRadius = dlg.m_CornerRadius;
  s.circleRadius = dlg.m_CircleRadius;
  s.toolDiameter = dlg.m_Tool.m_Diameter;
  s.allowance = dlg.m_Allowance;
  s.stepover = dlg.m_Stepover;
  s.passCount = dlg.m_PassCount;
  s.singleTaper = dlg.m_SingleTaper != 0;
  s.taper = dlg.m_SingleTaperAngle;
  s.taperXMinus = dlg.m_XMinusTaper;
  s.taperXPlus = dlg.m_XPlusTaper;
  s.taperYMinus = dlg.m_YMinusTaper;
  s.taperYPlus = dlg.m_YPlusTaper;
  return s;
}
