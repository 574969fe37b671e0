#include "plugin/post/quick/quick_number_text.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kMostDecimals = 6;
}

std::string Printed(const char* format, ...) {
  va_list args, copy;
  va_start(args, format);
  va_copy(copy, args);
  const int size = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(size > 0 ? static_cast<size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  return text;
}

std::string FormatIncrement(double value, int decimals) {
  if (decimals < 0 || decimals > kMostDecimals) return std::string();
  std::string text = Printed("%.*f", decimals, value);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
  }
  if (text == "-0." || text == "-0") text = text.substr(1);
  if (text.rfind("0.", 0) == 0) text.erase(0, 1);
  if (text.rfind("-0.", 0) == 0) text.erase(1, 1);
  return text;
}

double RoundedIncrement(double value, int decimals) {
  if (decimals < 0 || decimals > kMostDecimals) return value;
  return std::strtod(Printed("%.*f", decimals, value).c_str(), nullptr);
}

bool FormatIncrements(double& dx, double& dy, double& dz, int decimals, std::string texts[3]) {
  double* values[3] = {&dx, &dy, &dz};
  for (int i = 0; i < 3; ++i) {
    texts[i] = FormatIncrement(*values[i], decimals);
    if (texts[i].empty()) return false;
    *values[i] = RoundedIncrement(*values[i], decimals);
  }
  return true;
}
