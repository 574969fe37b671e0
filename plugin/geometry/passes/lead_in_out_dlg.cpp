#include "plugin/geometry/passes/lead_in_out_dlg.h"

#include <cstdio>
#include <string>

#include "plugin/geometry/record_lines.h"

namespace {

constexpr int kZEntryWholeRadio = 235;
constexpr int kZEntryNoneRadio = 236;
constexpr int kZEntryLengthRadio = 237;
constexpr int kZEntryLengthEdit = 239;

constexpr int kEntryOnCheck = 286;
constexpr int kEntryLineOnCheck = 287;
constexpr int kEntryLineLengthEdit = 288;
constexpr int kEntryLineAngleEdit = 289;
constexpr int kEntryArcOnCheck = 377;
constexpr int kEntryArcRadiusEdit = 290;
constexpr int kEntryArcAngleEdit = 291;
constexpr int kEntryFeedOnCheck = 295;
constexpr int kEntryFeedEdit = 292;

constexpr int kExitOnCheck = 294;
constexpr int kExitArcOnCheck = 378;
constexpr int kExitArcRadiusEdit = 296;
constexpr int kExitArcAngleEdit = 297;
constexpr int kExitLineOnCheck = 301;
constexpr int kExitLineLengthEdit = 298;
constexpr int kExitLineAngleEdit = 299;
constexpr int kExitFeedOnCheck = 302;
constexpr int kExitFeedEdit = 300;

// Edits without a label of their own stand beside the check box or radio that switches them.
const DialogTemplateRegistration kLeadInOutTemplate(CLeadInOutDlg::IDD,
                                                    {"진입 / 복귀 조건",
                                                     {
                                                         res::CheckBox(kEntryOnCheck, "진입"),
                                                         res::CheckBox(kEntryLineOnCheck, "직선길이"),
                                                         res::EditText(kEntryLineLengthEdit, ""),
                                                         res::EditText(kEntryLineAngleEdit, "직선 각도"),
                                                         res::CheckBox(kEntryArcOnCheck, "Arc 반경"),
                                                         res::EditText(kEntryArcRadiusEdit, ""),
                                                         res::EditText(kEntryArcAngleEdit, "ARC 각도"),
                                                         res::CheckBox(kEntryFeedOnCheck, "Feed"),
                                                         res::EditText(kEntryFeedEdit, ""),
                                                         res::CheckBox(kExitOnCheck, "복귀"),
                                                         res::CheckBox(kExitArcOnCheck, "Arc 반경"),
                                                         res::EditText(kExitArcRadiusEdit, ""),
                                                         res::EditText(kExitArcAngleEdit, "ARC 각도"),
                                                         res::CheckBox(kExitLineOnCheck, "직선길이"),
                                                         res::EditText(kExitLineLengthEdit, ""),
                                                         res::EditText(kExitLineAngleEdit, "직선 각도"),
                                                         res::CheckBox(kExitFeedOnCheck, "Feed"),
                                                         res::EditText(kExitFeedEdit, ""),
                                                         res::GroupBox(IDC_STATIC, "<< Z 진입 >>"),
                                                         res::RadioButton(kZEntryWholeRadio, "전체", WS_GROUP),
                                                         res::RadioButton(kZEntryNoneRadio, "없음"),
                                                         res::RadioButton(kZEntryLengthRadio, "길이"),
                                                         res::EditText(kZEntryLengthEdit, ""),
                                                         res::DefPushButton(IDOK, "OK"),
                                                         res::PushButton(IDCANCEL, "Cancel"),
                                                     }});

struct LeadValues {
  int side = 0, zEntryMode = 0, entryFeedOn = 0, entryOn = 0;
  int entryFeed = 0, exitFeedOn = 0, exitOn = 0, exitFeed = 0;
  int entryLineOn = 0, exitLineOn = 0;
  int entryArcOn = 0;
  float entryArcAngle = 0, entryLineLength = 0, entryArcRadius = 0, exitArcAngle = 0;
  int exitArcOn = 0;
  float exitLineLength = 0, exitArcRadius = 0, entryLineAngle = 0, exitLineAngle = 0, zEntryLength = 0;
};

}  // namespace

BEGIN_MESSAGE_MAP(CLeadInOutDlg, CDialog)
ON_BN_CLICKED(kZEntryWholeRadio, &CLeadInOutDlg::OnZEntryWhole)
ON_BN_CLICKED(kZEntryNoneRadio, &CLeadInOutDlg::OnZEntryNone)
ON_BN_CLICKED(kZEntryLengthRadio, &CLeadInOutDlg::OnZEntryLength)
END_MESSAGE_MAP()

CLeadInOutDlg::CLeadInOutDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CLeadInOutDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Check(pDX, kEntryOnCheck, m_EntryOn);
  DDX_Check(pDX, kEntryLineOnCheck, m_EntryLineOn);
  DDX_Text(pDX, kEntryLineLengthEdit, m_EntryLineLength);
  DDX_Text(pDX, kEntryLineAngleEdit, m_EntryLineAngle);
  DDX_Check(pDX, kEntryArcOnCheck, m_EntryArcOn);
  DDX_Text(pDX, kEntryArcRadiusEdit, m_EntryArcRadius);
  DDX_Text(pDX, kEntryArcAngleEdit, m_EntryArcAngle);
  DDX_Check(pDX, kEntryFeedOnCheck, m_EntryFeedOn);
  DDX_Text(pDX, kEntryFeedEdit, m_EntryFeed);
  DDX_Check(pDX, kExitOnCheck, m_ExitOn);
  DDX_Check(pDX, kExitArcOnCheck, m_ExitArcOn);
  DDX_Text(pDX, kExitArcRadiusEdit, m_ExitArcRadius);
  DDX_Text(pDX, kExitArcAngleEdit, m_ExitArcAngle);
  DDX_Check(pDX, kExitLineOnCheck, m_ExitLineOn);
  DDX_Text(pDX, kExitLineLengthEdit, m_ExitLineLength);
  DDX_Text(pDX, kExitLineAngleEdit, m_ExitLineAngle);
  DDX_Check(pDX, kExitFeedOnCheck, m_ExitFeedOn);
  DDX_Text(pDX, kExitFeedEdit, m_ExitFeed);
  DDX_Text(pDX, kZEntryLengthEdit, m_ZEntryLength);
  DDV_MinMaxFloat(pDX, m_ZEntryLength, 0.0f, 9999.0f);
}

BOOL CLeadInOutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // The radio handlers change the mode at once; Cancel gives it back.
  m_ZEntryModeBeforeOpening = m_ZEntryMode;
  switch (m_ZEntryMode) {
    case kZEntryWhole:
      CheckRadioButton(kZEntryWholeRadio, kZEntryLengthRadio, kZEntryWholeRadio);
      break;
    case kZEntryNone:
      CheckRadioButton(kZEntryWholeRadio, kZEntryLengthRadio, kZEntryNoneRadio);
      break;
    case kZEntryLength:
      CheckRadioButton(kZEntryWholeRadio, kZEntryLengthRadio, kZEntryLengthRadio);
      break;
    default:
      break;
  }
  return TRUE;
}

void CLeadInOutDlg::OnCancel() {
  m_ZEntryMode = m_ZEntryModeBeforeOpening;
  CDialog::OnCancel();
}

void CLeadInOutDlg::OnZEntryWhole() { m_ZEntryMode = kZEntryWhole; }

void CLeadInOutDlg::OnZEntryNone() { m_ZEntryMode = kZEntryNone; }

void CLeadInOutDlg::OnZEntryLength() { m_ZEntryMode = kZEntryLength; }

CString LeadMoveRecordText(const CLeadInOutDlg& dlg) {
  CString line;
  CString text;
  line.Format(" %d %d %d %d\n", dlg.m_Side != 0 ? 1 : 0, dlg.m_ZEntryMode, dlg.m_EntryFeedOn, dlg.m_EntryOn);
  text += line;
  line.Format(" %d %d %d %d\n", dlg.m_EntryFeed, dlg.m_ExitFeedOn, dlg.m_ExitOn, dlg.m_ExitFeed);
  text += line;
  line.Format(" %d %d\n", dlg.m_EntryLineOn, dlg.m_ExitLineOn);
  text += line;
  line.Format(" %d %.2f %.2f %.2f %.2f\n", dlg.m_EntryArcOn, dlg.m_EntryArcAngle, dlg.m_EntryLineLength,
              dlg.m_EntryArcRadius, dlg.m_ExitArcAngle);
  text += line;
  line.Format(" %d %.2f %.2f %.2f %.2f %.2f\n", dlg.m_ExitArcOn, dlg.m_ExitLineLength, dlg.m_ExitArcRadius,
              dlg.m_EntryLineAngle, dlg.m_ExitLineAngle, dlg.m_ZEntryLength);
  text += line;
  return text;
}

bool ReadLeadMoveRecordText(const char*& cursor, CLeadInOutDlg& dlg) {
  const char* at = cursor;
  std::string l[5];
  for (std::string& line : l) {
    if (!TakeRecordLine(at, line)) return false;
  }
  // Parsed aside first, so that a broken block changes nothing.
  LeadValues v;
  const bool complete =
      std::sscanf(l[0].c_str(), "%d %d %d %d", &v.side, &v.zEntryMode, &v.entryFeedOn, &v.entryOn) == 4 &&
      std::sscanf(l[1].c_str(), "%d %d %d %d", &v.entryFeed, &v.exitFeedOn, &v.exitOn, &v.exitFeed) == 4 &&
      std::sscanf(l[2].c_str(), "%d %d", &v.entryLineOn, &v.exitLineOn) == 2 &&
      std::sscanf(l[3].c_str(), "%d %f %f %f %f", &v.entryArcOn, &v.entryArcAngle, &v.entryLineLength,
                  &v.entryArcRadius, &v.exitArcAngle) == 5 &&
      std::sscanf(l[4].c_str(), "%d %f %f %f %f %f", &v.exitArcOn, &v.exitLineLength, &v.exitArcRadius,
                  &v.entryLineAngle, &v.exitLineAngle, &v.zEntryLength) == 6;
  if (!complete) return false;

  // The side is a byte flag: any other number means the right side.
  dlg.m_Side = v.side != 0 ? 1 : 0;
  dlg.m_ZEntryMode = v.zEntryMode;
  dlg.m_EntryFeedOn = v.entryFeedOn;
  dlg.m_EntryOn = v.entryOn;
  dlg.m_EntryFeed = v.entryFeed;
  dlg.m_ExitFeedOn = v.exitFeedOn;
  dlg.m_ExitOn = v.exitOn;
  dlg.m_ExitFeed = v.exitFeed;
  dlg.m_EntryLineOn = v.entryLineOn;
  dlg.m_ExitLineOn = v.exitLineOn;
  dlg.m_EntryArcOn = v.entryArcOn;
  dlg.m_EntryArcAngle = v.entryArcAngle;
  dlg.m_EntryLineLength = v.entryLineLength;
  dlg.m_EntryArcRadius = v.entryArcRadius;
  dlg.m_ExitArcAngle = v.exitArcAngle;
  dlg.m_ExitArcOn = v.exitArcOn;
  dlg.m_ExitLineLength = v.exitLineLength;
  dlg.m_ExitArcRadius = v.exitArcRadius;
  dlg.m_EntryLineAngle = v.entryLineAngle;
  dlg.m_ExitLineAngle = v.exitLineAngle;
  dlg.m_ZEntryLength = v.zEntryLength;
  cursor = at;
  return true;
}
