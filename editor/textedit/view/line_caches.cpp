#include "editor/textedit/view/line_caches.h"

#include <algorithm>

namespace {
constexpr int kUnknown = -1;
}  // namespace

void LineCaches::Clear() {
  cookies_.clear();
  cookies_known_ = 0;
  lengths_.clear();
  max_length_ = kUnknown;
}

void LineCaches::Fit(int line_count) {
  const auto size = static_cast<size_t>(std::max(line_count, 0));
  if (lengths_.size() < size) lengths_.resize(size, kUnknown);
  if (cookies_.size() < size) cookies_.resize(size, 0);
}

void LineCaches::Resize(int line_count, int first) {
  const auto size = static_cast<size_t>(std::max(line_count, 0));
  first = std::max(first, 0);
  lengths_.resize(size, kUnknown);
  cookies_.resize(size, 0);
  if (static_cast<size_t>(first) < lengths_.size()) {
    std::fill(lengths_.begin() + first, lengths_.end(), kUnknown);
  }
  cookies_known_ = std::min({cookies_known_, first, line_count});
  max_length_ = kUnknown;
}

void LineCaches::ForgetLine(int line) {
  if (line < 0) return;
  if (static_cast<size_t>(line) < lengths_.size()) lengths_[static_cast<size_t>(line)] = kUnknown;
  // A line's cookie flows into every later line.
  cookies_known_ = std::min(cookies_known_, line);
  max_length_ = kUnknown;
}

DWORD LineCaches::CookieAfter(int line, const CookieParser& parse) {
  if (line < 0) return 0;
  Fit(line + 1);
  while (cookies_known_ <= line) {
    const DWORD before = cookies_known_ == 0 ? 0 : cookies_[static_cast<size_t>(cookies_known_ - 1)];
    cookies_[static_cast<size_t>(cookies_known_)] = parse(before, cookies_known_);
    ++cookies_known_;
  }
  return cookies_[static_cast<size_t>(line)];
}

void LineCaches::StoreCookie(int line, DWORD cookie) {
  if (line < 0) return;
  Fit(line + 1);
  const DWORD old = cookies_[static_cast<size_t>(line)];
  cookies_[static_cast<size_t>(line)] = cookie;
  if (line < cookies_known_ && old != cookie) {
    cookies_known_ = line + 1;  // the lines behind were parsed with the old cookie
  } else if (line == cookies_known_) {
    ++cookies_known_;
  }
}

int LineCaches::ExpandedLength(int line, const LengthMeasure& measure) {
  Fit(line + 1);
  int& length = lengths_[static_cast<size_t>(line)];
  if (length == kUnknown) length = measure(line);
  return length;
}

int LineCaches::MaxLength(int line_count, const LengthMeasure& measure) {
  if (max_length_ == kUnknown) {
    int longest = 0;
    for (int line = 0; line < line_count; ++line) longest = std::max(longest, ExpandedLength(line, measure));
    max_length_ = longest;
  }
  return max_length_;
}
