#include "plugin/geometry/passes/plunge_dlg.h"

#include <cstdio>
#include <string>

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

struct PlungeValues {
  int method = 0, extent = 0, plungeFeedOn = 0;
  int plungeFeed = 0;
  float anglePlungeLength = 0, zAngle = 0;
  float xyAngle = 0, helixRadius = 0, helixLength = 0, helixCircleLength = 0;
  float slotLength = 0, slotDepth = 0, slotPitchAngle = 0, slotPlungeLength = 0, helixPitchAngle = 0;
  int returnAtCuttingFeed = 0;
};

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
  DDX_Text(pDX, kAnglePlungeLengthEdit, m_AnglePlungeLength);
  DDX_Text(pDX, kZAngleEdit, m_ZAngle);
  DDX_Text(pDX, kXYAngleEdit, m_XYAngle);
  DDX_Text(pDX, kHelixRadiusEdit, m_HelixRadius);
  DDX_Text(pDX, kHelixLengthEdit, m_HelixLength);
  DDX_Text(pDX, kHelixPitchAngleEdit, m_HelixPitchAngle);
  DDX_Text(pDX, kHelixCircleLengthEdit, m_HelixCircleLength);
  DDX_Text(pDX, kSlotPlungeLengthEdit, m_SlotPlungeLength);
  DDX_Text(pDX, kSlotLengthEdit, m_SlotLength);
  DDX_Text(pDX, kSlotDepthEdit, m_SlotDepth);
  DDX_Text(pDX, kSlotPitchAngleEdit, m_SlotPitchAngle);
  DDX_Check(pDX, kPlungeFeedOnCheck, m_PlungeFeedOn);
  DDX_Text(pDX, kPlungeFeedEdit, m_PlungeFeed);
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
  CString line;
  CString text;
  line.Format(" %d %d %d\n", dlg.m_PlungeMethod, dlg.m_Extent, dlg.m_PlungeFeedOn);
  text += line;
  line.Format(" %d %.2f %.2f\n", dlg.m_PlungeFeed, dlg.m_AnglePlungeLength, dlg.m_ZAngle);
  text += line;
  line.Format(" %.2f %.2f %.2f %.2f %.2f\n", dlg.m_XYAngle, dlg.m_ZAngle, dlg.m_HelixRadius, dlg.m_HelixLength,
              dlg.m_HelixCircleLength);
  text += line;
  line.Format(" %.2f %.2f %.2f %.2f %.2f %d\n", dlg.m_SlotLength, dlg.m_SlotDepth, dlg.m_SlotPitchAngle,
              dlg.m_SlotPlungeLength, dlg.m_HelixPitchAngle, dlg.m_ReturnAtCuttingFeed);
  text += line;
  return text;
}

bool ReadPlungeRecordText(const char*& cursor, CPlungeDlg& dlg) {
  const char* at = cursor;
  std::string l[4];
  for (std::string& line : l) {
    if (!TakeRecordLine(at, line)) return false;
  }
  // Parsed aside first, so that a broken block changes nothing; the second
  // reading of the Z angle overwrites the first.
  PlungeValues v;
  const bool complete = std::sscanf(l[0].c_str(), "%d %d %d", &v.method, &v.extent, &v.plungeFeedOn) == 3 &&
                        std::sscanf(l[1].c_str(), "%d %f %f", &v.plungeFeed, &v.anglePlungeLength, &v.zAngle) == 3 &&
                        std::sscanf(l[2].c_str(), "%f %f %f %f %f", &v.xyAngle, &v.zAngle, &v.helixRadius,
                                    &v.helixLength, &v.helixCircleLength) == 5 &&
                        std::sscanf(l[3].c_str(), "%f %f %f %f %f %d", &v.slotLength, &v.slotDepth, &v.slotPitchAngle,
                                    &v.slotPlungeLength, &v.helixPitchAngle, &v.returnAtCuttingFeed) == 6;
  if (!complete) return false;

  dlg.m_PlungeMethod = v.method;
  dlg.m_Extent = v.extent;
  dlg.m_PlungeFeedOn = v.plungeFeedOn;
  dlg.m_PlungeFeed = v.plungeFeed;
  dlg.m_AnglePlungeLength = v.anglePlungeLength;
  dlg.m_ZAngle = v.zAngle;
  dlg.m_XYAngle = v.xyAngle;
  dlg.m_HelixRadius = v.helixRadius;
  dlg.m_HelixLength = v.helixLength;
  dlg.m_HelixCircleLength = v.helixCircleLength;
  dlg.m_SlotLength = v.slotLength;
  dlg.m_SlotDepth = v.slotDepth;
  dlg.m_SlotPitchAngle = v.slotPitchAngle;
  dlg.m_SlotPlungeLength = v.slotPlungeLength;
  dlg.m_HelixPitchAngle = v.helixPitchAngle;
  dlg.m_ReturnAtCuttingFeed = v.returnAtCuttingFeed;
  cursor = at;
  return true;
}
