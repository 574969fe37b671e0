// Text and numbers as an SVG document carries them.
#pragma once

#include <string>
#include <string_view>

// For element content and attribute values: &, <, >, and both quotes escaped,
// characters XML cannot carry dropped, broken UTF-8 replaced by U+FFFD.
std::string XmlEscape(std::string_view text);
// The body of a comment: no "--" inside and no '-' at the end.
std::string XmlCommentText(std::string_view text);

// Numbers in the C locale with a fixed number of decimals, trailing zeros cut.
class SvgNumberFormat {
 public:
  explicit SvgNumberFormat(int decimals = 6);
  // About seven significant digits for coordinates of a drawing this big.
  static SvgNumberFormat forSize(double size);

  std::string operator()(double value) const;
  int decimals() const { return decimals_; }

 private:
  int decimals_;
};
