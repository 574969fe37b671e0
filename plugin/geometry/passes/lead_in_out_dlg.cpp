#include "plugin/geometry/passes/lead_in_out_dlg.h"

#include "plugin/geometry/forms/operation_limits.h"
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
  DDX_Limited(pDX, kEntryLineLengthEdit, m_EntryLineLength, kLeadInOutLimits.entryLineLength);
  DDX_Limited(pDX, kEntryLineAngleEdit, m_EntryLineAngle, kLeadInOutLimits.entryLineAngle);
  DDX_Check(pDX, kEntryArcOnCheck, m_EntryArcOn);
  DDX_Limited(pDX, kEntryArcRadiusEdit, m_EntryArcRadius, kLeadInOutLimits.entryArcRadius);
  DDX_Limited(pDX, kEntryArcAngleEdit, m_EntryArcAngle, kLeadInOutLimits.entryArcAngle);
  DDX_Check(pDX, kEntryFeedOnCheck, m_EntryFeedOn);
  DDX_Limited(pDX, kEntryFeedEdit, m_EntryFeed, kLeadInOutLimits.entryFeed);
  DDX_Check(pDX, kExitOnCheck, m_ExitOn);
  DDX_Check(pDX, kExitArcOnCheck, m_ExitArcOn);
  DDX_Limited(pDX, kExitArcRadiusEdit, m_ExitArcRadius, kLeadInOutLimits.exitArcRadius);
  DDX_Limited(pDX, kExitArcAngleEdit, m_ExitArcAngle, kLeadInOutLimits.exitArcAngle);
  DDX_Check(pDX, kExitLineOnCheck, m_ExitLineOn);
  DDX_Limited(pDX, kExitLineLengthEdit, m_ExitLineLength, kLeadInOutLimits.exitLineLength);
  DDX_Limited(pDX, kExitLineAngleEdit, m_ExitLineAngle, kLeadInOutLimits.exitLineAngle);
  DDX_Check(pDX, kExitFeedOnCheck, m_ExitFeedOn);
  DDX_Limited(pDX, kExitFeedEdit, m_ExitFeed, kLeadInOutLimits.exitFeed);
  DDX_Limited(pDX, kZEntryLengthEdit, m_ZEntryLength, kLeadInOutLimits.zEntryLength);
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
  CString text;
  AppendRecordLine(text, " %d %d %d %d\n", dlg.m_Side != 0 ? 1 : 0, dlg.m_ZEntryMode, dlg.m_EntryFeedOn, dlg.m_EntryOn);
  AppendRecordLine(text, " %d %d %d %d\n", dlg.m_EntryFeed, dlg.m_ExitFeedOn, dlg.m_ExitOn, dlg.m_ExitFeed);
  AppendRecordLine(text, " %d %d\n", dlg.m_EntryLineOn, dlg.m_ExitLineOn);
  AppendRecordLine(text, " %d %.2f %.2f %.2f %.2f\n", dlg.m_EntryArcOn, dlg.m_EntryArcAngle, dlg.m_EntryLineLength,
                   dlg.m_EntryArcRadius, dlg.m_ExitArcAngle);
  AppendRecordLine(text, " %d %.2f %.2f %.2f %.2f %.2f\n", dlg.m_ExitArcOn, dlg.m_ExitLineLength, dlg.m_ExitArcRadius,
                   dlg.m_EntryLineAngle, dlg.m_ExitLineAngle, dlg.m_ZEntryLength);
  return text;
}

bool ReadLeadMoveLines(RecordReader& reader, CLeadInOutDlg& dlg) {
  const LeadInOutLimits& l = kLeadInOutLimits;
  return reader.Line({RecordField::Flag(dlg.m_Side, l.side),
                      {dlg.m_ZEntryMode, l.zEntryMode},
                      {dlg.m_EntryFeedOn, l.entryFeedOn},
                      {dlg.m_EntryOn, l.entryOn}}) &&
         reader.Line({{dlg.m_EntryFeed, l.entryFeed},
                      {dlg.m_ExitFeedOn, l.exitFeedOn},
                      {dlg.m_ExitOn, l.exitOn},
                      {dlg.m_ExitFeed, l.exitFeed}}) &&
         reader.Line({{dlg.m_EntryLineOn, l.entryLineOn}, {dlg.m_ExitLineOn, l.exitLineOn}}) &&
         reader.Line({{dlg.m_EntryArcOn, l.entryArcOn},
                      {dlg.m_EntryArcAngle, l.entryArcAngle},
                      {dlg.m_EntryLineLength, l.entryLineLength},
                      {dlg.m_EntryArcRadius, l.entryArcRadius},
                      {dlg.m_ExitArcAngle, l.exitArcAngle}}) &&
         reader.Line({{dlg.m_ExitArcOn, l.exitArcOn},
                      {dlg.m_ExitLineLength, l.exitLineLength},
                      {dlg.m_ExitArcRadius, l.exitArcRadius},
                      {dlg.m_EntryLineAngle, l.entryLineAngle},
                      {dlg.m_ExitLineAngle, l.exitLineAngle},
                      {dlg.m_ZEntryLength, l.zEntryLength}});
}

bool ReadLeadMoveRecordText(const char*& cursor, CLeadInOutDlg& dlg, CString* refusal) {
  RecordReader reader(cursor);
  if (!ReadLeadMoveLines(reader, dlg)) {
    if (refusal != nullptr) *refusal = reader.Refusal();
    return false;
  }
  reader.Apply();
  cursor = reader.cursor();
  return true;
}
