#include "platform/win/message_box.h"

#include "platform/ui/ui_driver.h"

int MessageBox(HWND /*owner*/, LPCSTR text, LPCSTR caption, UINT type) {
  return ui::Ui().MessageBox(text ? text : "", caption ? caption : "Error", type);
}
