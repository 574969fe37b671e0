#include "plugin/milling/simple/simple_face_dlg.h"

#include "platform/classlib/dialogs/dialog_template.h"
#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/field_limits.h"
#include "plugin/geometry/forms/form_controls.h"

namespace {

constexpr int kLeadButton = 308;
constexpr int kYCentreEdit = 430;
constexpr int kXCentreEdit = 429;
constexpr int kFirstDirectionRadio = 522;  // 522-525
constexpr int kFirstShapeRadio = 526;      // 526-528
constexpr int kXSizeEdit = 529;
constexpr int kXMinimumEdit = 530;
constexpr int kXMaximumEdit = 531;
constexpr int kStepoverEdit = 532;
constexpr int kYSizeEdit = 533;
constexpr int kYMinimumEdit = 534;
constexpr int kYMaximumEdit = 535;
constexpr int kStartHeightEdit = 536;
constexpr int kFirstCompensationRadio = 545;  // 545-547
constexpr int kTwoWayCheck = 548;

const SimpleCycleControlIds kCommonIds{};
const ShapeControlIds kShapeIds{kXMaximumEdit, kXMinimumEdit, kXSizeEdit,   kYMaximumEdit,   kYMinimumEdit,
                                kYSizeEdit,    kXCentreEdit,  kYCentreEdit, kFirstShapeRadio};

const DialogTemplateRegistration kFaceTemplate(CSimpleFaceDlg::IDD,
                                               {"단순 평면가공",
                                                JoinControls({
                                                    {
                                                        res::EditText(kCommonIds.name, "공구경로 이름"),
                                                        res::GroupBox(IDC_STATIC, "<< 방향 >>"),
                                                        res::RadioButton(kFirstDirectionRadio, "X+, Y+", WS_GROUP),
                                                        res::RadioButton(kFirstDirectionRadio + 1, "X+, Y-"),
                                                        res::RadioButton(kFirstDirectionRadio + 2, "Y+,  X+"),
                                                        res::RadioButton(kFirstDirectionRadio + 3, "Y+,  X-"),
                                                    },
                                                    ShapeInputTypeControls(kShapeIds),
                                                    {
                                                        res::GroupBox(IDC_STATIC, "<< 공구 경 보정 >>"),
                                                        res::RadioButton(kFirstCompensationRadio, "ON", WS_GROUP),
                                                        res::RadioButton(kFirstCompensationRadio + 1, "외부"),
                                                        res::RadioButton(kFirstCompensationRadio + 2, "내부"),
                                                    },
                                                    ShapeFieldControls(kShapeIds),
                                                    {
                                                        res::EditText(kStartHeightEdit, "시작 높이"),
                                                        res::EditText(kStepoverEdit, "Stepoever"),
                                                        res::EditText(kCommonIds.allowance, "가공 여유"),
                                                        res::CheckBox(kTwoWayCheck, "두방향 공구경로"),
                                                        res::GroupBox(IDC_STATIC, "<< 공구 >>"),
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

BEGIN_MESSAGE_MAP(CSimpleFaceDlg, CAcUiDialog)
ON_CONTROL_RANGE(BN_CLICKED, kFirstDirectionRadio, kFirstDirectionRadio + 3, &CSimpleFaceDlg::OnDirection)
ON_CONTROL_RANGE(BN_CLICKED, kFirstShapeRadio, kFirstShapeRadio + 2, &CSimpleFaceDlg::OnShapeInputType)
ON_CONTROL_RANGE(BN_CLICKED, kFirstCompensationRadio, kFirstCompensationRadio + 2, &CSimpleFaceDlg::OnToolCompensation)
ON_SIMPLE_CYCLE_FIELDS(CSimpleFaceDlg, kCommonIds)
ON_BN_CLICKED(kLeadButton, &CSimpleFaceDlg::OnLead)
END_MESSAGE_MAP()

CSimpleFaceDlg::CSimpleFaceDlg(CWnd* pParent) : SimpleCycleDialog(IDD, pParent, "SimpFace", kCommonIds) {}

void CSimpleFaceDlg::ExchangeOwnFields(CDataExchange* pDX) {
  ExchangeShapeFields(pDX, m_Shape, kShapeIds);
  DDX_Limited(pDX, kStartHeightEdit, m_StartHeight, kSimpleCycleLimits.startHeight);
  DDX_Limited(pDX, kStepoverEdit, m_Stepover, kSimpleCycleLimits.stepover);
  DDX_Check(pDX, kTwoWayCheck, m_TwoWay);
}

void CSimpleFaceDlg::RememberOwnClicks() { m_ClickedAtOpening = {m_Direction, m_ShapeInputType, m_ToolCompensation}; }

void CSimpleFaceDlg::ShowChoices() {
  if (m_Direction >= kFaceAlongXDownward && m_Direction <= kFaceAlongYLeftward) {
    CheckRadioButton(kFirstDirectionRadio, kFirstDirectionRadio + 3, kFirstDirectionRadio + m_Direction - 1);
  }
  if (m_ToolCompensation >= kFaceOnOutline && m_ToolCompensation <= kFaceInside) {
    CheckRadioButton(kFirstCompensationRadio, kFirstCompensationRadio + 2,
                     kFirstCompensationRadio + m_ToolCompensation - 1);
  }
  // On the outline the tool centre runs on the edges: no stock is left.
  SetControlReadOnly(*this, kCommonIds.allowance, m_ToolCompensation == kFaceOnOutline);
  ShowShapeInputType(*this, m_ShapeInputType, kShapeIds);
}

void CSimpleFaceDlg::RestoreOwnClicks() {
  m_Direction = m_ClickedAtOpening.direction;
  m_ShapeInputType = m_ClickedAtOpening.shapeInputType;
  m_ToolCompensation = m_ClickedAtOpening.toolCompensation;
}

void CSimpleFaceDlg::OnDirection(UINT id) {
  m_Direction = kFaceAlongXDownward + static_cast<int>(id) - kFirstDirectionRadio;
}

void CSimpleFaceDlg::OnShapeInputType(UINT id) {
  m_ShapeInputType = kShapeCentreSize + static_cast<int>(id) - kFirstShapeRadio;
  ShowChoices();
}

void CSimpleFaceDlg::OnToolCompensation(UINT id) {
  m_ToolCompensation = kFaceOnOutline + static_cast<int>(id) - kFirstCompensationRadio;
  ShowChoices();
}

void CSimpleFaceDlg::OnLead() { m_Lead.DoModal(); }
