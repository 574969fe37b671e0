#include "platform/cad/editor/command_outcome.h"

#include <utility>

namespace cadeditor {

namespace {

std::optional<std::string>& Reported() {
  static std::optional<std::string> reported;
  return reported;
}

}  // namespace

void ReportCommandFailure(const std::string& why) {
  if (!Reported()) Reported() = why;
}

std::optional<std::string> TakeCommandFailure() { return std::exchange(Reported(), std::nullopt); }

}  // namespace cadeditor
