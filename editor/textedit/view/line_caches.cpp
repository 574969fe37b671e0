#include "editor/textedit/view/line_caches.h"

#include <algorithm>

namespace {
constexpr std::uint16_t kUnknown = 0xFFFF;
constexpr std::uint16_t kLong = 0xFFFE;  // this long or longer: not kept

std::uint16_t Stored(int length) { return length >= kLong ? kLong : static_cast<std::uint16_t>(length); }
// Beyond this many forgotten lines one pass over the lengths is cheaper than the list.
constexpr size_t kMaxForgotten = 1 << 16;
constexpr int kShortLength = 1024;
}  // namespace

void LineCaches::Clear() {
  ForgetCookiesFrom(0);
  lengths_.clear();
  StopCounting();
}

void LineCaches::StopCounting() {
  counting_ = false;
  length_counts_.clear();
  forgotten_.clear();
  longest_long_ = 0;
  longest_long_known_ = true;
}

void LineCaches::Fit(int line_count) {
  const auto size = static_cast<size_t>(std::max(line_count, 0));
  if (lengths_.size() < size) lengths_.resize(size, kUnknown);
}

void LineCaches::ForgetCookiesFrom(int line) {
  cookies_known_ = std::min(cookies_known_, std::max(line, 0));
  checkpoints_.resize(static_cast<size_t>(cookies_known_ / kCookieStride));
}

bool LineCaches::RecentCookie(int line, DWORD& cookie) const {
  const LineCookie& entry = recent_[static_cast<size_t>(line % kRecentCookies)];
  if (entry.line != line || line >= cookies_known_) return false;
  cookie = entry.cookie;
  return true;
}

void LineCaches::Remember(int line, DWORD cookie) { recent_[static_cast<size_t>(line % kRecentCookies)] = {line, cookie}; }

void LineCaches::KnowNextCookie(int line, DWORD cookie) {
  if ((line + 1) % kCookieStride == 0) checkpoints_.push_back(cookie);
  cookies_known_ = line + 1;
}

void LineCaches::Know(size_t line, int length) {
  lengths_[line] = Stored(length);
  if (!counting_) return;
  if (length < kLong) {
    ++length_counts_[length];
  } else {
    longest_long_ = std::max(longest_long_, length);
  }
}

void LineCaches::Forget(size_t line) {
  std::uint16_t& length = lengths_[line];
  if (length == kUnknown) return;
  if (counting_) {
    const auto count = length_counts_.find(length);
    if (length == kLong) {
      longest_long_known_ = false;
    } else if (count != length_counts_.end() && --count->second == 0) {
      length_counts_.erase(count);
    }
    if (forgotten_.size() < kMaxForgotten) forgotten_.push_back(static_cast<int>(line));
  }
  length = kUnknown;
}

void LineCaches::LinesChanged(int line_count, int first) {
  const auto size = static_cast<size_t>(std::max(line_count, 0));
  first = std::max(first, 0);
  ForgetCookiesFrom(std::min(first, line_count));
  const auto at = static_cast<size_t>(first);
  if (!counting_ || at >= lengths_.size() || at >= size) {
    // Nothing counted yet: forget from first on and let the next call measure.
    StopCounting();
    lengths_.resize(size, kUnknown);
    if (at < lengths_.size()) std::fill(lengths_.begin() + first, lengths_.end(), kUnknown);
    return;
  }
  Forget(at);
  const size_t old_size = lengths_.size();
  if (size > old_size) {
    const size_t added = size - old_size;
    lengths_.insert(lengths_.begin() + static_cast<std::ptrdiff_t>(at + 1), added, kUnknown);
    for (int& line : forgotten_) {
      if (line > first) line += static_cast<int>(added);
    }
    for (size_t line = at + 1; line <= at + added && forgotten_.size() < kMaxForgotten; ++line) {
      forgotten_.push_back(static_cast<int>(line));
    }
  } else if (size < old_size) {
    const size_t removed = old_size - size;
    for (size_t line = at + 1; line <= at + removed; ++line) Forget(line);
    lengths_.erase(lengths_.begin() + static_cast<std::ptrdiff_t>(at + 1),
                   lengths_.begin() + static_cast<std::ptrdiff_t>(at + 1 + removed));
    const int last_removed = first + static_cast<int>(removed);
    std::erase_if(forgotten_, [&](int line) { return line > first && line <= last_removed; });
    for (int& line : forgotten_) {
      if (line > last_removed) line -= static_cast<int>(removed);
    }
  }
}

void LineCaches::ForgetLine(int line) {
  if (line < 0) return;
  if (static_cast<size_t>(line) < lengths_.size()) Forget(static_cast<size_t>(line));
  // A line's cookie flows into every later line.
  ForgetCookiesFrom(line);
}

DWORD LineCaches::CookieAfter(int line, const CookieParser& parse) {
  if (line < 0) return 0;
  // Parsing starts at the nearest known cookie at or before line.
  const int nearest_known = std::min(line, cookies_known_ - 1);
  int from = (nearest_known + 1) / kCookieStride * kCookieStride - 1;
  DWORD cookie = from < 0 ? 0 : checkpoints_[static_cast<size_t>(from / kCookieStride)];
  for (int at = nearest_known; at > from; --at) {
    if (RecentCookie(at, cookie)) {
      from = at;
      break;
    }
  }
  for (int at = from + 1; at <= line; ++at) {
    cookie = parse(cookie, at);
    if (at == cookies_known_) KnowNextCookie(at, cookie);
    Remember(at, cookie);
  }
  return cookie;
}

void LineCaches::StoreCookie(int line, DWORD cookie) {
  if (line < 0 || line > cookies_known_) return;
  DWORD old = 0;
  if (line == cookies_known_) {
    KnowNextCookie(line, cookie);
  } else if (RecentCookie(line, old) ? old != cookie
                                     : (line + 1) % kCookieStride == 0 &&
                                           cookie != checkpoints_[static_cast<size_t>(line / kCookieStride)]) {
    // The lines behind were parsed with the old cookie.
    ForgetCookiesFrom(line);
    KnowNextCookie(line, cookie);
  }
  Remember(line, cookie);
}

int LineCaches::ExpandedLength(int line, const LengthMeasure& measure) {
  Fit(line + 1);
  const auto at = static_cast<size_t>(line);
  if (lengths_[at] == kUnknown) {
    const int measured = measure(line);
    // The measure may have asked these caches and stored the length itself.
    if (lengths_[at] == kUnknown) Know(at, measured);
    return measured;
  }
  return lengths_[at] == kLong ? measure(line) : lengths_[at];
}

int LineCaches::MaxLength(int line_count, const LengthMeasure& measure) {
  const auto size = static_cast<size_t>(std::max(line_count, 0));
  if (lengths_.size() != size) StopCounting();  // told of no change that explains the count
  Fit(line_count);
  lengths_.resize(size);
  if (!counting_ || forgotten_.size() >= kMaxForgotten) {
    // Not counting while measuring: a measure that asks these caches stores its length only.
    StopCounting();
    // Short lengths, nearly all of them, are tallied in an array first: one map entry a length, not a line.
    std::vector<int> short_counts(kShortLength);
    for (size_t line = 0; line < size; ++line) {
      int length = lengths_[line];
      if (length == kUnknown || length == kLong) {
        length = measure(static_cast<int>(line));
        lengths_[line] = Stored(length);
      }
      if (length >= kLong) {
        longest_long_ = std::max(longest_long_, length);
      } else if (length < kShortLength) {
        ++short_counts[static_cast<size_t>(length)];
      } else {
        ++length_counts_[length];
      }
    }
    for (int length = 0; length < kShortLength; ++length) {
      const int count = short_counts[static_cast<size_t>(length)];
      if (count > 0) length_counts_[length] = count;
    }
    counting_ = true;
  } else {
    for (const int line : forgotten_) ExpandedLength(line, measure);
    forgotten_.clear();
  }
  const int longest_kept = length_counts_.empty() ? 0 : length_counts_.rbegin()->first;
  return std::max(longest_kept, LongestLongLine(measure));
}

int LineCaches::LongestLongLine(const LengthMeasure& measure) {
  if (!longest_long_known_) {
    longest_long_ = 0;
    for (size_t line = 0; line < lengths_.size(); ++line) {
      if (lengths_[line] == kLong) longest_long_ = std::max(longest_long_, measure(static_cast<int>(line)));
    }
    longest_long_known_ = true;
  }
  return longest_long_;
}
