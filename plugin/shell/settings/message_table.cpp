#include "plugin/shell/settings/message_table.h"

#include "plugin/shell/settings/configuration_settings.h"

CString MsgCannotOpenFile;
CString MsgInputValue;

namespace {

void FillKorean() {
  MsgCannotOpenFile = "화일을 열수 없습니다.\n";
  MsgInputValue = "값을   입력하시요 !!";
}

void FillJapanese() {
  MsgCannotOpenFile = "ファイルがopenできません.\n";
  MsgInputValue = "値を入力しなさい !!";
}

void FillEnglish() {
  MsgCannotOpenFile = " Can not open file !!.\n";
  MsgInputValue = "Input value !!";
}

}  // namespace

int LoadMessageTable() {
  switch (ConfigurationSettings().LanguageIndex) {
    case 1:
      FillKorean();
      break;
    case 2:
      FillJapanese();
      break;
    default:
      FillEnglish();
      break;
  }
  return 1;
}
