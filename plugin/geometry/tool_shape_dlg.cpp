#include "plugin/geometry/tool_shape_dlg.h"

#include "plugin/geometry/forms/operation_limits.h"

namespace {

constexpr int kFlatButton = 272;
constexpr int kBallButton = 273;
constexpr int kRadiusButton = 274;
constexpr int kDiameterEdit = 275;
constexpr int kLengthEdit = 276;
constexpr int kCornerRadiusEdit = 277;
constexpr UINT kToolShapeBitmap = 226;

const DialogTemplateRegistration kToolShapeTemplate(CToolShapeDlg::IDD,
                                                    {"공구형상",
                                                     {
                                                         res::GroupBox(IDC_STATIC, "<< 공구 형상 >>"),
                                                         res::RadioButton(kFlatButton, "평 엔드밀"),
                                                         res::RadioButton(kBallButton, "볼 엔드밀"),
                                                         res::RadioButton(kRadiusButton, "래디우스"),
                                                         res::EditText(kDiameterEdit, "공구직경"),
                                                         res::EditText(kLengthEdit, "공구길이"),
                                                         res::EditText(kCornerRadiusEdit, "코너반경"),
                                                         res::Picture(IDC_STATIC, kToolShapeBitmap),
                                                         res::DefPushButton(IDOK, "OK"),
                                                         res::PushButton(IDCANCEL, "Cancel"),
                                                     }});

}  // namespace

BEGIN_MESSAGE_MAP(CToolShapeDlg, CDialog)
ON_BN_CLICKED(kFlatButton, &CToolShapeDlg::OnFlatEndMill)
ON_BN_CLICKED(kBallButton, &CToolShapeDlg::OnBallEndMill)
ON_BN_CLICKED(kRadiusButton, &CToolShapeDlg::OnRadiusEndMill)
END_MESSAGE_MAP()

CToolShapeDlg::CToolShapeDlg(CWnd* pParent) : CDialog(IDD, pParent) { FormatToolName(); }

void CToolShapeDlg::FormatToolName() {
  m_ToolName.Empty();
  if (m_BallOnly == 1) m_ToolType = kBallEndMill;
  m_ToolName = ToolName(m_ToolType, m_Diameter, m_CornerRadius, m_Length);
}

void CToolShapeDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Limited(pDX, kDiameterEdit, m_Diameter, kToolShapeLimits.diameter);
  DDX_Limited(pDX, kLengthEdit, m_Length, kToolShapeLimits.length);
  DDX_Limited(pDX, kCornerRadiusEdit, m_CornerRadius, kToolShapeLimits.cornerRadius);
}

BOOL CToolShapeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_BallOnly == 1) FormatToolName();
  // The radio handlers change the type at once; Cancel gives it back.
  m_TypeBeforeOpening = m_ToolType;
  CheckToolTypeButton();
  return TRUE;
}

void CToolShapeDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  FormatToolName();
  EndDialog(IDOK);
}

void CToolShapeDlg::OnCancel() {
  m_ToolType = m_TypeBeforeOpening;
  CDialog::OnCancel();
}

void CToolShapeDlg::OnFlatEndMill() { ChooseToolType(kFlatEndMill); }

void CToolShapeDlg::OnBallEndMill() { ChooseToolType(kBallEndMill); }

void CToolShapeDlg::OnRadiusEndMill() { ChooseToolType(kRadiusEndMill); }

void CToolShapeDlg::ChooseToolType(int toolType) {
  if (m_BallOnly == 1 && toolType != kBallEndMill) {
    CheckRadioButton(kFlatButton, kRadiusButton, kBallButton);
    return;
  }
  m_ToolType = toolType;
}

void CToolShapeDlg::CheckToolTypeButton() {
  switch (m_ToolType) {
    case kFlatEndMill:
      CheckRadioButton(kFlatButton, kRadiusButton, kFlatButton);
      break;
    case kBallEndMill:
      CheckRadioButton(kFlatButton, kRadiusButton, kBallButton);
      break;
    case kRadiusEndMill:
      CheckRadioButton(kFlatButton, kRadiusButton, kRadiusButton);
      break;
    default:
      break;
  }
}
