#include "platform/classlib/backend/window_backend.h"

#include "platform/classlib/backend/headless_backend.h"

namespace afx {
namespace {

WindowBackend*& Installed() {
  static WindowBackend* installed = nullptr;
  return installed;
}

}  // namespace

int CommonSystemMetric(int index) {
  switch (index) {
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
      return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
      return 16;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG:
      return 4;
    case SM_CXMIN:
    case SM_CXMINTRACK:
      return 112;
    case SM_CYMIN:
    case SM_CYMINTRACK:
      return 27;
    case SM_MOUSEWHEELPRESENT:
      return 1;
    default:
      return 0;
  }
}

WindowBackend& Backend() {
  if (Installed() != nullptr) return *Installed();
  static HeadlessBackend headless;
  return headless;
}

void SetBackend(WindowBackend* backend) { Installed() = backend; }

}  // namespace afx
