#include "plugin/shell/manager/manager_boxes.h"

#include "platform/win/message_box.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

void ShowManagerBox(const char* text) { ::MessageBox(nullptr, text, kManagerCaption, MB_OK | MB_ICONINFORMATION); }

bool OfferToDeleteBrokenToolpath(const char* name) {
  const int answer = ::MessageBox(nullptr, "정상적인 공구경로가 아닙니다. \r\n이 공구경로를 삭제하겠습니까?",
                                  kManagerCaption, MB_YESNO | MB_ICONINFORMATION);
  if (answer != IDYES) return false;
  if (DeleteToolpath(name)) return true;
  ShowManagerBox(kCannotDeleteText);
  return false;
}
