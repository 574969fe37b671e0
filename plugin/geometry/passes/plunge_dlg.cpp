#include "plugin/geometry/passes/plunge_dlg.h"

#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/geometry/record_lines.h"

namespace {

constexpr int kAngleRadio = 232;
constexpr int kCircularRadio = 233;
constexpr int kStraightSlotRadio = 234;
constexpr int kWholeRadio = 235;
constexpr int kNoneRadio = 236;
constexpr int kLengthRadio = 237;

constexpr int kZAngleEdit = 238;
constexpr int kAnglePlungeLengthEdit = 239;
constexpr int kXYAngleEdit = 240;
constexpr int kHelixRadiusEdit = 241;
constexpr int kHelixPitchAngleEdit = 242;
constexpr int kHelixLengthEdit = 243;
constexpr int kHelixCircleLengthEdit = 244;
constexpr int kSlotPlungeLengthEdit = 245;
constexpr int kSlotDepthEdit = 246;
constexpr int kSlotLengthEdit = 247;
constexpr int kSlotPitchAngleEdit = 248;
constexpr int kPlungeFeedOnCheck = 249;
constexpr int kPlungeFeedEdit = 250;
constexpr int kReturnAtCuttingFeedCheck = 251;

// Edits without a label of their own stand beside the radio or check box that switches them.
const DialogTemplateRegistration kPlungeTemplate(CPlungeDlg::IDD,
                                                 {"진입 조건을 입력하시요!!",
                                                  {
                                                      res::GroupBox(IDC_STATIC, "<< 플런지 방식 >>"),
                                                      res::RadioButton(kAngleRadio, "각도", WS_GROUP),
                                                      res::RadioButton(kCircularRadio, "원형"),
                                                      res::RadioButton(kStraightSlotRadio, "직선 홈"),
                                                      res::GroupBox(IDC_STATIC, "<< 각도 플런지 >>"),
                                                      res::RadioButton(kWholeRadio, "전체", WS_GROUP),
                                                      res::RadioButton(kNoneRadio, "없음"),
                                                      res::RadioButton(kLengthRadio, "길이"),
                                                      res::EditText(kAnglePlungeLengthEdit, ""),
                                                      res::EditText(kZAngleEdit, "Z각도"),
                                                      res::EditText(kXYAngleEdit, "XY 각도"),
                                                      res::GroupBox(IDC_STATIC, "<< 원형 플런지 >>"),
                                                      res::EditText(kHelixRadiusEdit, "반 경"),
                                                      res::EditText(kHelixLengthEdit, "길 이"),
                                                      res::EditText(kHelixPitchAngleEdit, "피치 각도"),
                                                      res::EditText(kHelixCircleLengthEdit, "원형길이"),
                                                      res::GroupBox(IDC_STATIC, "<< 직선 홈 플런지 >>"),
                                                      res::EditText(kSlotPlungeLengthEdit, "플런지 길이"),
                                                      res::EditText(kSlotLengthEdit, "홈 길이"),
                                                      res::EditText(kSlotDepthEdit, "홈 깊이"),
                                                      res::EditText(kSlotPitchAngleEdit, "피치 각도"),
                                                      res::CheckBox(kPlungeFeedOnCheck, "플런지 피드"),
                                                      res::EditText(kPlungeFeedEdit, ""),
                                                      res::CheckBox(kReturnAtCuttingFeedCheck, "절삭이송 복귀"),
                                                      res::DefPushButton(IDOK, "OK"),
                                                      res::PushButton(IDCANCEL, "Cancel"),
                                                  }});

}  // namespace

BEGIN_MESSAGE_MAP(CPlungeDlg, CDialog)
ON_BN_CLICKED(kAngleRadio, &CPlungeDlg::OnMethodAngle)
ON_BN_CLICKED(kCircularRadio, &CPlungeDlg::OnMethodCircular)
ON_BN_CLICKED(kStraightSlotRadio, &CPlungeDlg::OnMethodStraightSlot)
ON_BN_CLICKED(kWholeRadio, &CPlungeDlg::OnExtentWhole)
ON_BN_CLICKED(kNoneRadio, &CPlungeDlg::OnExtentNone)
ON_BN_CLICKED(kLengthRadio, &CPlungeDlg::OnExtentLength)
END_MESSAGE_MAP()

CPlungeDlg::CPlungeDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CPlungeDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Limited(pDX, kAnglePlungeLengthEdit, m_AnglePlungeLength, kPlungeLimits.anglePlungeLength);
  DDX_Limited(pDX, kZAngleEdit, m_ZAngle, kPlungeLimits.zAngle);
  DDX_Limited(pDX, kXYAngleEdit, m_XYAngle, kPlungeLimits.xyAngle);
  DDX_Limited(pDX, kHelixRadiusEdit, m_HelixRadius, kPlungeLimits.helixRadius);
  DDX_Limited(pDX, kHelixLengthEdit, m_HelixLength, kPlungeLimits.helixLength);
  DDX_Limited(pDX, kHelixPitchAngleEdit, m_HelixPitchAngle, kPlungeLimits.helixPitchAngle);
  DDX_Limited(pDX, kHelixCircleLengthEdit, m_HelixCircleLength, kPlungeLimits.helixCircleLength);
  DDX_Limited(pDX, kSlotPlungeLengthEdit, m_SlotPlungeLength, kPlungeLimits.slotPlungeLength);
  DDX_Limited(pDX, kSlotLengthEdit, m_SlotLength, kPlungeLimits.slotLength);
  DDX_Limited(pDX, kSlotDepthEdit, m_SlotDepth, kPlungeLimits.slotDepth);
  DDX_Limited(pDX, kSlotPitchAngleEdit, m_SlotPitchAngle, kPlungeLimits.slotPitchAngle);
  DDX_Check(pDX, kPlungeFeedOnCheck, m_PlungeFeedOn);
  DDX_Limited(pDX, kPlungeFeedEdit, m_PlungeFeed, kPlungeLimits.plungeFeed);
  DDX_Check(pDX, kReturnAtCuttingFeedCheck, m_ReturnAtCuttingFeed);
}

BOOL CPlungeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // The radio handlers change the members at once; Cancel gives them back.
  m_MethodBeforeOpening = m_PlungeMethod;
  m_ExtentBeforeOpening = m_Extent;
  if (m_PlungeMethod >= kPlungeAngle && m_PlungeMethod <= kPlungeStraightSlot)
    CheckRadioButton(kAngleRadio, kStraightSlotRadio, kAngleRadio + m_PlungeMethod - kPlungeAngle);
  if (m_Extent >= kPlungeWhole && m_Extent <= kPlungeLength)
    CheckRadioButton(kWholeRadio, kLengthRadio, kWholeRadio + m_Extent - kPlungeWhole);
  return TRUE;
}

void CPlungeDlg::OnCancel() {
  m_PlungeMethod = m_MethodBeforeOpening;
  m_Extent = m_ExtentBeforeOpening;
  CDialog::OnCancel();
}

void CPlungeDlg::OnMethodAngle() { m_PlungeMethod = kPlungeAngle; }

void CPlungeDlg::OnMethodCircular() { m_PlungeMethod = kPlungeCircular; }

void CPlungeDlg::OnMethodStraightSlot() { m_PlungeMethod = kPlungeStraightSlot; }

void CPlungeDlg::OnExtentWhole() { m_Extent = kPlungeWhole; }

void CPlungeDlg::OnExtentNone() { m_Extent = kPlungeNone; }

void CPlungeDlg::OnExtentLength() { m_Extent = kPlungeLength; }

CString PlungeRecordText(const CPlungeDlg& dlg) {
  CString text;
  AppendRecordLine(text, " %d %d %d\n", dlg.m_PlungeMethod, dlg.m_Extent, dlg.m_PlungeFeedOn);
  AppendRecordLine(text, " %d %.2f %.2f\n", dlg.m_PlungeFeed, dlg.m_AnglePlungeLength, dlg.m_ZAngle);
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f %.2f\n", dlg.m_XYAngle, dlg.m_ZAngle, dlg.m_HelixRadius,
                   dlg.m_HelixLength, dlg.m_HelixCircleLength);
  AppendRecordLine(text, " %.2f %.2f %.2f %.2f %.2f %d\n", dlg.m_SlotLength, dlg.m_SlotDepth, dlg.m_SlotPitchAngle,
                   dlg.m_SlotPlungeLength, dlg.m_HelixPitchAngle, dlg.m_ReturnAtCuttingFeed);
  return text;
}

bool ReadPlungeLines(RecordReader& reader, CPlungeDlg& dlg) {
  const PlungeLimits& l = kPlungeLimits;
  // The Z angle stands in two lines; the later one is kept.
  return reader.Line(
             {{dlg.m_PlungeMethod, l.method}, {dlg.m_Extent, l.extent}, {dlg.m_PlungeFeedOn, l.plungeFeedOn}}) &&
         reader.Line({{dlg.m_PlungeFeed, l.plungeFeed},
                      {dlg.m_AnglePlungeLength, l.anglePlungeLength},
                      {dlg.m_ZAngle, l.zAngle}}) &&
         reader.Line({{dlg.m_XYAngle, l.xyAngle},
                      {dlg.m_ZAngle, l.zAngle},
                      {dlg.m_HelixRadius, l.helixRadius},
                      {dlg.m_HelixLength, l.helixLength},
                      {dlg.m_HelixCircleLength, l.helixCircleLength}}) &&
         reader.Line({{dlg.m_SlotLength, l.slotLength},
                      {dlg.m_SlotDepth, l.slotDepth},
                      {dlg.m_SlotPitchAngle, l.slotPitchAngle},
                      {dlg.m_SlotPlungeLength, l.slotPlungeLength},
                      {dlg.m_HelixPitchAngle, l.helixPitchAngle},
                      {dlg.m_ReturnAtCuttingFeed, l.returnAtCuttingFeed}});
}

bool ReadPlungeRecordText(const char*& cursor, CPlungeDlg& dlg, CString* refusal) {
  RecordReader reader(cursor);
  if (!ReadPlungeLines(reader, dlg)) {
    if (refusal != nullptr) *refusal = reader.Refusal();
    return false;
  }
  reader.Apply();
  cursor = reader.cursor();
  return true;
}
