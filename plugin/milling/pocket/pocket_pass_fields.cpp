#include "plugin/milling/pocket/pocket_pass_fields.h"

using namespace pocket_pass_ids;

namespace {

constexpr const char* kPatternTexts[] = {
    "라운드 윤곽 가공(Round Countour)",
    "윤곽 가공(Countour)",
    "양방향 직선 가공(Twoway linear)",
    "일방향 직선 가공(Oneway linear)",
};

}  // namespace

std::vector<ControlTemplate> PocketPassControls(const char* finishSpindleCaption) {
  return {
      res::GroupBox(IDC_STATIC, "<< 황삭조건 >>"),
      res::CheckBox(kRoughOnCheck, "황삭가공"),
      res::PushButton(kRoughToolButton, ""),
      res::CheckBox(kRoughToolNumberCheck, "번호"),
      res::EditText(kRoughToolNumberEdit, ""),
      res::CheckBox(kRoughLengthOffsetCheck, "장보정"),
      res::EditText(kRoughLengthOffsetEdit, ""),
      res::ComboBox(kPatternList, "가공방법", CBS_DROPDOWNLIST),
      res::EditText(kRoughAngleEdit, "황삭가공각도"),
      res::EditText(kRoughStepoverEdit, "황삭 Stepover"),
      res::EditText(kRoughAllowanceEdit, "가공여유"),
      res::EditText(kRoughFeedEdit, "황삭 Feed"),
      res::CheckBox(kRoughSpindleCheck, "주축회전수"),
      res::EditText(kRoughSpindleEdit, ""),
      res::CheckBox(kLinkFeedCheck, "연결 Feed"),
      res::EditText(kLinkFeedEdit, ""),
      res::CheckBox(kStartOutsideCheck, "외곽 시작"),
      res::CheckBox(kRetractBetweenLevelsCheck, "레벨간 복귀"),
      res::PushButton(kRapidLinkButton, "Advance"),
      res::CheckBox(kStartPointCheck, "시작점"),
      res::PushButton(kStartPointButton, ""),
      res::PushButton(kPlungeButton, "진입 / 복귀"),
      res::GroupBox(IDC_STATIC, "<< 정삭조건 >>"),
      res::CheckBox(kFinishOnCheck, "정삭가공"),
      res::PushButton(kFinishToolButton, ""),
      res::CheckBox(kFinishToolNumberCheck, "번호"),
      res::EditText(kFinishToolNumberEdit, ""),
      res::CheckBox(kFinishLengthOffsetCheck, "장보정"),
      res::EditText(kFinishLengthOffsetEdit, ""),
      res::EditText(kFinishAllowanceEdit, "가공 여유"),
      res::EditText(kFinishStepoverEdit, "정삭 Stepover"),
      res::EditText(kFinishPassesEdit, "정삭 횟수"),
      res::EditText(kFinishFeedEdit, "정삭 Feed"),
      res::CheckBox(kFinishSpindleCheck, finishSpindleCaption),
      res::EditText(kFinishSpindleEdit, ""),
      res::CheckBox(kCornerRoundCheck, "코너 라운드"),
      res::PushButton(kFinishLeadButton, "진입 / 복귀"),
      res::GroupBox(IDC_STATIC, "<< 잔삭 조건 >>"),
      res::CheckBox(kRestOnCheck, "잔삭가공"),
      res::PushButton(kRestToolButton, ""),
      res::CheckBox(kRestToolNumberCheck, "번호"),
      res::EditText(kRestToolNumberEdit, ""),
      res::CheckBox(kRestLengthOffsetCheck, "장보정"),
      res::EditText(kRestLengthOffsetEdit, ""),
      res::EditText(kRestAllowanceEdit, "가공 여유"),
      res::EditText(kRestFeedEdit, "잔삭 Feed"),
      res::CheckBox(kRestSpindleCheck, "주축회전수"),
      res::EditText(kRestSpindleEdit, ""),
      res::CheckBox(kRestAfterFinishCheck, "정삭후 잔삭 "),
      res::PushButton(kRestLeadButton, "진입 / 복귀"),
  };
}

void ShowPocketPatterns(CWnd& dialog, int pattern) {
  auto* patterns = static_cast<CComboBox*>(dialog.GetDlgItem(kPatternList));
  if (patterns == nullptr) return;
  patterns->ResetContent();
  for (const char* text : kPatternTexts) patterns->AddString(text);
  patterns->SetCurSel(pattern);
}

bool PickPocketStartPointInto(CAcUiDialog& dialog, double point[3]) {
  return PickFormPoint(dialog, "\n 황삭경로의 시작점을 지정하시요 !!", true, point);
}

bool AskRaiseRestAllowance(CWnd& dialog, bool finishing, float referenceAllowance) {
  const char* question = finishing ? "정삭 가공여유가 잔삭 가공 여유보다 큰경우 잔삭을 할수 없습니다.!!\n"
                                     "잔삭 가공여유를 정삭과 동일하게 하겠습니까?"
                                   : "황삭 가공여유가 잔삭 가공 여유보다 큰경우 잔삭을 할수 없습니다.!!\n"
                                     "잔삭 가공여유를 황삭과 동일하게 하겠습니까?";
  if (!AskFormOkCancel(question)) return false;
  CString text;
  text.Format("%.2f", referenceAllowance);
  dialog.SetDlgItemText(kRestAllowanceEdit, text);
  return true;
}
