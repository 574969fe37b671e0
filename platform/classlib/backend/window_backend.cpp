#include "platform/classlib/backend/window_backend.h"

#include "platform/classlib/backend/headless_backend.h"

namespace afx {
namespace {

WindowBackend*& Installed() {
  static WindowBackend* installed = nullptr;
  return installed;
}

}  // namespace

WindowBackend& Backend() {
  if (Installed() != nullptr) return *Installed();
  static HeadlessBackend headless;
  return headless;
}

void SetBackend(WindowBackend* backend) { Installed() = backend; }

}  // namespace afx
