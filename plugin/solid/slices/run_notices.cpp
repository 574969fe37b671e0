#include "plugin/solid/slices/run_notices.h"

#include "platform/cad/editor/input/aced_input.h"

void RunNotices::Print(const char* text) {
  if (text == nullptr || !printed_.insert(text).second) return;
  acutPrintf("%s", text);
}
