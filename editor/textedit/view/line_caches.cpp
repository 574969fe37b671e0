#include "editor/textedit/view/line_caches.h"

#include <algorithm>

namespace {
constexpr int kUnknown = -1;
// Beyond this many forgotten lines one pass over the lengths is cheaper than the list.
constexpr size_t kMaxForgotten = 1 << 16;
constexpr int kShortLength = 1024;
}  // namespace

void LineCaches::Clear() {
  cookies_.clear();
  cookies_known_ = 0;
  lengths_.clear();
  StopCounting();
}

void LineCaches::StopCounting() {
  counting_ = false;
  length_counts_.clear();
  forgotten_.clear();
}

void LineCaches::Fit(int line_count) {
  const auto size = static_cast<size_t>(std::max(line_count, 0));
  if (lengths_.size() < size) lengths_.resize(size, kUnknown);
  if (cookies_.size() < size) cookies_.resize(size, 0);
}

void LineCaches::Know(size_t line, int length) {
  lengths_[line] = length;
  if (counting_) ++length_counts_[length];
}

void LineCaches::Forget(size_t line) {
  int& length = lengths_[line];
  if (length == kUnknown) return;
  if (counting_) {
    const auto count = length_counts_.find(length);
    if (count != length_counts_.end() && --count->second == 0) length_counts_.erase(count);
    if (forgotten_.size() < kMaxForgotten) forgotten_.push_back(static_cast<int>(line));
  }
  length = kUnknown;
}

void LineCaches::LinesChanged(int line_count, int first) {
  const auto size = static_cast<size_t>(std::max(line_count, 0));
  first = std::max(first, 0);
  cookies_.resize(size, 0);
  cookies_known_ = std::min({cookies_known_, first, line_count});
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
  cookies_known_ = std::min(cookies_known_, line);
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
  const auto at = static_cast<size_t>(line);
  if (lengths_[at] == kUnknown) {
    const int measured = measure(line);
    // The measure may have asked these caches and stored the length itself.
    if (lengths_[at] == kUnknown) Know(at, measured);
  }
  return lengths_[at];
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
      if (lengths_[line] == kUnknown) {
        const int measured = measure(static_cast<int>(line));
        lengths_[line] = measured;
      }
      const int length = lengths_[line];
      if (length < kShortLength) {
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
  return length_counts_.empty() ? 0 : length_counts_.rbegin()->first;
}
