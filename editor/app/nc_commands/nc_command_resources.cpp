// The dialog templates of the NC commands.
#include "editor/app/nc_commands/nc_command_ids.h"
#include "editor/app/nc_commands/nc_commands.h"
#include "platform/classlib/controls/tree_ctrl.h"
#include "platform/classlib/dialogs/dialog_template.h"

namespace {

std::vector<ControlTemplate> CoordinateControls() {
  return {res::CheckBox(IDC_USE_X, "X 좌표"),
          res::CheckBox(IDC_USE_Y, "Y 좌표"),
          res::CheckBox(IDC_USE_Z, "Z 좌표"),
          res::EditText(IDC_TARGET_X, "X"),
          res::EditText(IDC_TARGET_Y, "Y"),
          res::EditText(IDC_TARGET_Z, "Z"),
          res::EditText(IDC_TOLERANCE, "공차"),
          res::EditText(IDC_FOUND_X, "X :", ES_READONLY),
          res::EditText(IDC_FOUND_Y, "Y :", ES_READONLY),
          res::EditText(IDC_FOUND_Z, "Z :", ES_READONLY)};
}

void RegisterAll() {
  RegisterDialogTemplate(IDD_FIND_LINE_NUMBER,
                         {"Line 찾기",
                          {res::Text(IDC_STATIC, "Line number를 입력하세요."), res::EditText(IDC_NC_VALUE, "Line"),
                           res::DefPushButton(IDOK, "찾기"), res::PushButton(IDCANCEL, "취소")}});
  RegisterDialogTemplate(IDD_FIND_SEQUENCE_NUMBER,
                         {"일련번호 찾기",
                          {res::Text(IDC_STATIC, "일련번호를 입력하세요."), res::EditText(IDC_NC_VALUE, "N"),
                           res::DefPushButton(IDOK, "찾기"), res::PushButton(IDCANCEL, "취소")}});
  RegisterDialogTemplate(IDD_SELECT_RANGE, {"찾기",
                                            {res::ComboBox(IDC_RANGE_TEXT, "찾을 문자열:", CBS_DROPDOWN),
                                             res::DefPushButton(IDOK, "찾기"), res::PushButton(IDCANCEL, "취소")}});
  RegisterDialogTemplate(
      IDD_CODE_CHANGE,
      {"Dialog",
       {res::CheckBox(IDC_CHANGE_T, "공구번호(T)"), res::EditText(IDC_CHANGE_T_VALUE, "T"),
        res::CheckBox(IDC_CHANGE_H, "공구장(H)"), res::EditText(IDC_CHANGE_H_VALUE, "H"),
        res::CheckBox(IDC_CHANGE_G, "좌표계"), res::RadioButton(IDC_CHANGE_G54, "G54", WS_GROUP),
        res::RadioButton(IDC_CHANGE_G55, "G55"), res::RadioButton(IDC_CHANGE_G56, "G56"),
        res::RadioButton(IDC_CHANGE_G57, "G57"), res::CheckBox(IDC_CHANGE_S, "Spindle(S)"),
        res::EditText(IDC_CHANGE_S_VALUE, "S"), res::CheckBox(IDC_CHANGE_F, "Feed(F)"),
        res::EditText(IDC_CHANGE_F_VALUE, "F"), res::DefPushButton(IDOK, "변경"), res::PushButton(IDCANCEL, "취소")}});

  std::vector<ControlTemplate> search = CoordinateControls();
  search.push_back(res::EditText(IDC_HIT_LINE, "라인번호 :", ES_READONLY));
  search.push_back(res::DefPushButton(IDC_SEARCH_NEXT, "검색"));
  search.push_back(res::PushButton(IDOK, "OK"));
  search.push_back(res::PushButton(IDCANCEL, "취소"));
  RegisterDialogTemplate(IDD_FIND_COORDINATE, {"좌표로 찾기", search});

  std::vector<ControlTemplate> restart = CoordinateControls();
  restart.insert(restart.begin(), res::CheckBox(IDC_FROM_CARET, "현재 위치에서 검색"));
  restart.push_back(res::EditText(IDC_HIT_LINE, "라인 번호 :", ES_READONLY));
  restart.push_back(res::EditText(IDC_RESTART_SPARE1, ""));
  restart.push_back(res::EditText(IDC_RESTART_SPARE2, ""));
  restart.push_back(res::EditText(IDC_RESTART_SPARE3, ""));
  restart.push_back(res::EditText(IDC_RESTART_SEQUENCE, "시컨스 번호(N):", ES_READONLY));
  restart.push_back(res::DefPushButton(IDC_SEARCH_NEXT, "검색"));
  restart.push_back(res::PushButton(IDC_RESTART_APPLY, "OK"));
  restart.push_back(res::PushButton(IDC_RESTART_CANCEL, "취소"));
  RegisterDialogTemplate(IDD_RESTART_EDIT, {"재전송 편집", restart});

  RegisterDialogTemplate(
      IDD_NC_MERGE,
      {"Dialog",
       {res::Text(IDC_STATIC, "<< 파일 리스트 >>"),
        res::TreeView(IDC_MERGE_TREE, "", TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS),
        res::ComboBox(IDC_MERGE_PATTERN, "파일 확장자", CBS_DROPDOWN), res::ListBox(IDC_MERGE_LIST, "", LBS_NOTIFY),
        res::PushButton(IDC_MERGE_ADD, "->"), res::PushButton(IDC_MERGE_REMOVE, "<-"),
        res::CheckBox(IDC_MERGE_DROP, "자동삭제"), res::CheckBox(IDC_MERGE_START_EMPTY, "새로작성"),
        res::DefPushButton(IDOK, "OK"), res::PushButton(IDCANCEL, "Cancel")},
       420,
       360});
}

}  // namespace

void RegisterNcCommandDialogs() {
  static const bool registered = (RegisterAll(), true);
  (void)registered;
}
