#include "platform/classlib/cstring.h"

#include <locale.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/classlib/diagnostics.h"
#include "platform/classlib/string_table.h"

namespace {

std::string_view ViewOf(const char* text) { return text == nullptr ? std::string_view() : std::string_view(text); }

bool IsAsciiSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f'; }

char AsciiUpper(char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch; }
char AsciiLower(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }

// Bytes of the UTF-8 character that starts at text[index]. A stray or
// truncated sequence counts as single bytes, so nothing is ever skipped.
size_t CharLength(std::string_view text, size_t index) {
  const auto lead = static_cast<unsigned char>(text[index]);
  size_t length = 1;
  if (lead >= 0xF0 && lead <= 0xF4)
    length = 4;
  else if (lead >= 0xE0)
    length = 3;
  else if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  if (length == 1 || index + length > text.size()) return 1;
  for (size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[index + i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

// True when the character text[index, index+length) is one of the characters of set.
bool SetHoldsChar(std::string_view set, std::string_view character) {
  for (size_t i = 0; i < set.size(); i += CharLength(set, i)) {
    if (set.substr(i, CharLength(set, i)) == character) return true;
  }
  return false;
}

// Bytes of the leading run of characters whose membership in set equals wanted.
size_t LeadingSpan(std::string_view text, std::string_view set, bool wanted) {
  size_t i = 0;
  while (i < text.size()) {
    const size_t length = CharLength(text, i);
    if (SetHoldsChar(set, text.substr(i, length)) != wanted) break;
    i += length;
  }
  return i;
}

// Byte offset where the trailing run of characters of set begins.
size_t TrailingSpanStart(std::string_view text, std::string_view set) {
  size_t keep = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t length = CharLength(text, i);
    i += length;
    if (!SetHoldsChar(set, text.substr(i - length, length))) keep = i;
  }
  return keep;
}

int CompareBytes(std::string_view a, std::string_view b) {
  const int result = a.compare(b);
  return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

int CompareFolded(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(AsciiLower(a[i]));
    const auto y = static_cast<unsigned char>(AsciiLower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

// Numbers are written in the "C" locale whatever the process locale is.
class CLocaleScope {
 public:
  CLocaleScope() : previous_(c_locale() ? uselocale(c_locale()) : nullptr) {}
  ~CLocaleScope() {
    if (previous_ != nullptr) uselocale(previous_);
  }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  static locale_t c_locale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
  }
  locale_t previous_;
};

std::string FormatToString(const char* format, va_list args) {
  if (format == nullptr) return {};
  CLocaleScope c_locale;
  char small[256];
  va_list copy;
  va_copy(copy, args);
  const int needed = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (needed < 0) return {};
  if (static_cast<size_t>(needed) < sizeof small) return std::string(small, static_cast<size_t>(needed));
  std::string result(static_cast<size_t>(needed), '\0');
  std::vsnprintf(result.data(), result.size() + 1, format, args);
  return result;
}

}  // namespace

CString::CString(const char* text) : text_(ViewOf(text)) {}

CString::CString(const char* text, int length) {
  if (text != nullptr && length > 0) text_.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat) : text_(static_cast<size_t>(std::max(repeat, 0)), ch) {}

CString::CString(const std::string& text) : text_(text) {}

CString::CString(std::string_view text) : text_(text) {}

CString& CString::operator=(const char* text) {
  text_ = ViewOf(text);
  return *this;
}

CString& CString::operator=(char ch) {
  text_.assign(1, ch);
  return *this;
}

char CString::GetAt(int index) const {
  ASSERT(index >= 0 && index <= GetLength());
  if (index < 0 || index > GetLength()) return '\0';
  return text_.c_str()[index];
}

void CString::SetAt(int index, char ch) {
  ASSERT(index >= 0 && index < GetLength());
  if (index < 0 || index >= GetLength()) return;
  text_[static_cast<size_t>(index)] = ch;
}

CString& CString::operator+=(const CString& text) {
  text_ += text.text_;
  return *this;
}

CString& CString::operator+=(const char* text) {
  text_ += ViewOf(text);
  return *this;
}

CString& CString::operator+=(char ch) {
  text_ += ch;
  return *this;
}

CString operator+(const CString& a, const CString& b) { return CString(a.text_ + b.text_); }
CString operator+(const CString& a, const char* b) {
  CString result(a);
  result += b;
  return result;
}
CString operator+(const char* a, const CString& b) {
  CString result(a);
  result += b;
  return result;
}
CString operator+(const CString& a, char b) {
  CString result(a);
  result += b;
  return result;
}
CString operator+(char a, const CString& b) {
  CString result(a);
  result += b;
  return result;
}

int CString::Compare(const char* text) const { return CompareBytes(text_, ViewOf(text)); }
int CString::CompareNoCase(const char* text) const { return CompareFolded(text_, ViewOf(text)); }
// UTF-8 byte order is code point order, which is the "C" locale's collation.
int CString::Collate(const char* text) const { return Compare(text); }
int CString::CollateNoCase(const char* text) const { return CompareNoCase(text); }

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  first = std::clamp(first, 0, GetLength());
  count = std::clamp(count, 0, GetLength() - first);
  return CString(text_.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Right(int count) const {
  count = std::clamp(count, 0, GetLength());
  return Mid(GetLength() - count, count);
}

CString CString::SpanIncluding(const char* set) const {
  return CString(text_.substr(0, LeadingSpan(text_, ViewOf(set), true)));
}

CString CString::SpanExcluding(const char* set) const {
  return CString(text_.substr(0, LeadingSpan(text_, ViewOf(set), false)));
}

CString& CString::MakeUpper() {
  for (char& ch : text_) ch = AsciiUpper(ch);
  return *this;
}

CString& CString::MakeLower() {
  for (char& ch : text_) ch = AsciiLower(ch);
  return *this;
}

CString& CString::MakeReverse() {
  std::string reversed(text_.size(), '\0');
  for (size_t i = 0; i < text_.size();) {
    const size_t length = CharLength(text_, i);
    text_.copy(reversed.data() + text_.size() - i - length, length, i);
    i += length;
  }
  text_ = std::move(reversed);
  return *this;
}

int CString::Replace(char old_ch, char new_ch) {
  int count = 0;
  for (char& ch : text_) {
    if (ch == old_ch) {
      ch = new_ch;
      ++count;
    }
  }
  return count;
}

int CString::Replace(const char* old_text, const char* new_text) {
  const std::string_view from = ViewOf(old_text);
  const std::string_view to = ViewOf(new_text);
  if (from.empty()) return 0;
  int count = 0;
  std::string result;
  size_t done = 0;
  for (size_t hit = text_.find(from); hit != std::string::npos; hit = text_.find(from, done)) {
    result.append(text_, done, hit - done);
    result += to;
    done = hit + from.size();
    ++count;
  }
  if (count == 0) return 0;
  result.append(text_, done, std::string::npos);
  text_ = std::move(result);
  return count;
}

int CString::Remove(char ch) {
  const auto removed = std::erase(text_, ch);
  return static_cast<int>(removed);
}

int CString::Insert(int index, char ch) {
  const char text[2] = {ch, '\0'};
  if (ch == '\0') return GetLength();
  return Insert(index, text);
}

int CString::Insert(int index, const char* text) {
  index = std::clamp(index, 0, GetLength());
  text_.insert(static_cast<size_t>(index), ViewOf(text));
  return GetLength();
}

int CString::Delete(int index, int count) {
  index = std::max(index, 0);
  if (index < GetLength() && count > 0) {
    count = std::min(count, GetLength() - index);
    text_.erase(static_cast<size_t>(index), static_cast<size_t>(count));
  }
  return GetLength();
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char ch) { return TrimRight(ch).TrimLeft(ch); }
CString& CString::Trim(const char* set) { return TrimRight(set).TrimLeft(set); }

CString& CString::TrimLeft() {
  size_t first = 0;
  while (first < text_.size() && IsAsciiSpace(text_[first])) ++first;
  text_.erase(0, first);
  return *this;
}

CString& CString::TrimLeft(char ch) {
  const char set[2] = {ch, '\0'};
  return TrimLeft(set);
}

CString& CString::TrimLeft(const char* set) {
  text_.erase(0, LeadingSpan(text_, ViewOf(set), true));
  return *this;
}

CString& CString::TrimRight() {
  size_t end = text_.size();
  while (end > 0 && IsAsciiSpace(text_[end - 1])) --end;
  text_.erase(end);
  return *this;
}

CString& CString::TrimRight(char ch) {
  const char set[2] = {ch, '\0'};
  return TrimRight(set);
}

CString& CString::TrimRight(const char* set) {
  text_.erase(TrailingSpanStart(text_, ViewOf(set)));
  return *this;
}

int CString::Find(char ch) const { return Find(ch, 0); }

int CString::Find(char ch, int start) const {
  start = std::max(start, 0);
  if (start >= GetLength()) return -1;
  const size_t hit = text_.find(ch, static_cast<size_t>(start));
  return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

int CString::Find(const char* text) const { return Find(text, 0); }

int CString::Find(const char* text, int start) const {
  start = std::max(start, 0);
  if (text == nullptr || start > GetLength()) return -1;
  const size_t hit = text_.find(text, static_cast<size_t>(start));
  return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

int CString::ReverseFind(char ch) const {
  const size_t hit = text_.rfind(ch);
  return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

int CString::FindOneOf(const char* set) const {
  const size_t span = LeadingSpan(text_, ViewOf(set), false);
  return span == text_.size() ? -1 : static_cast<int>(span);
}

CString CString::Tokenize(const char* set, int& start) const {
  const std::string_view delimiters = ViewOf(set);
  if (start < 0 || start >= GetLength()) {
    start = -1;
    return CString();
  }
  std::string_view rest = std::string_view(text_).substr(static_cast<size_t>(start));
  const size_t skipped = LeadingSpan(rest, delimiters, true);
  rest.remove_prefix(skipped);
  if (rest.empty()) {
    start = -1;
    return CString();
  }
  const size_t token = LeadingSpan(rest, delimiters, false);
  // Step over the delimiter that ended the token, as the class library does.
  size_t next = static_cast<size_t>(start) + skipped + token;
  if (next < text_.size()) next += CharLength(text_, next);
  start = static_cast<int>(next);
  return CString(rest.substr(0, token));
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CString::FormatV(const char* format, va_list args) { text_ = FormatToString(format, args); }

void CString::AppendFormat(const char* format, ...) {
  va_list args;
  va_start(args, format);
  text_ += FormatToString(format, args);
  va_end(args);
}

BOOL CString::LoadString(UINT id) {
  const std::string* text = string_table::Find(id);
  if (text == nullptr) return FALSE;
  text_ = *text;
  return TRUE;
}

char* CString::GetBuffer(int min_length) {
  if (min_length > GetLength()) text_.resize(static_cast<size_t>(min_length));
  return text_.data();
}

char* CString::GetBufferSetLength(int length) {
  text_.resize(static_cast<size_t>(std::max(length, 0)));
  return text_.data();
}

void CString::ReleaseBuffer(int new_length) {
  if (new_length < 0) {
    text_.resize(std::strlen(text_.c_str()));
  } else {
    text_.resize(std::min(static_cast<size_t>(new_length), text_.size()));
  }
}

bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const char* b) { return !(a == b); }
bool operator!=(const char* a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
bool operator<(const CString& a, const char* b) { return a.Compare(b) < 0; }
bool operator<(const char* a, const CString& b) { return b.Compare(a) > 0; }
bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
bool operator>(const CString& a, const char* b) { return a.Compare(b) > 0; }
bool operator>(const char* a, const CString& b) { return b.Compare(a) < 0; }
bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
bool operator<=(const CString& a, const char* b) { return a.Compare(b) <= 0; }
bool operator<=(const char* a, const CString& b) { return b.Compare(a) >= 0; }
bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
bool operator>=(const CString& a, const char* b) { return a.Compare(b) >= 0; }
bool operator>=(const char* a, const CString& b) { return b.Compare(a) <= 0; }
