// CString: the class library's string with byte semantics over UTF-8 text.
// Lengths and indexes count bytes; case mapping and trimming touch ASCII only,
// so multi-byte characters pass through whole.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

#include "platform/wintypes/windows_types.h"

class CString {
 public:
  CString() = default;
  CString(const CString&) = default;
  CString(CString&&) noexcept = default;
  CString(const char* text);  // NOLINT: implicit, as the class library's
  CString(const char* text, int length);
  CString(char ch, int repeat = 1);
  CString(const std::string& text);  // NOLINT
  CString(std::string_view text);    // NOLINT

  CString& operator=(const CString&) = default;
  CString& operator=(CString&&) noexcept = default;
  CString& operator=(const char* text);
  CString& operator=(char ch);

  // Size and access.
  int GetLength() const { return static_cast<int>(text_.size()); }
  BOOL IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }
  char GetAt(int index) const;
  void SetAt(int index, char ch);
  char operator[](int index) const { return GetAt(index); }
  operator const char*() const { return text_.c_str(); }  // NOLINT
  const char* GetString() const { return text_.c_str(); }
  const std::string& str() const { return text_; }

  // Concatenation.
  CString& operator+=(const CString& text);
  CString& operator+=(const char* text);
  CString& operator+=(char ch);
  friend CString operator+(const CString& a, const CString& b);
  friend CString operator+(const CString& a, const char* b);
  friend CString operator+(const char* a, const CString& b);
  friend CString operator+(const CString& a, char b);
  friend CString operator+(char a, const CString& b);

  // Comparison: Compare is byte-wise (strcmp), CompareNoCase folds ASCII only.
  int Compare(const char* text) const;
  int CompareNoCase(const char* text) const;
  int Collate(const char* text) const;
  int CollateNoCase(const char* text) const;

  // Extraction; counts past either end are clamped, never an error.
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString Left(int count) const;
  CString Right(int count) const;
  CString SpanIncluding(const char* set) const;
  CString SpanExcluding(const char* set) const;

  // Changes in place.
  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();  // reverses characters, keeping each multi-byte sequence intact
  int Replace(char old_ch, char new_ch);
  int Replace(const char* old_text, const char* new_text);
  int Remove(char ch);
  int Insert(int index, char ch);
  int Insert(int index, const char* text);
  int Delete(int index, int count = 1);
  CString& Trim();
  CString& Trim(char ch);
  CString& Trim(const char* set);
  CString& TrimLeft();
  CString& TrimLeft(char ch);
  CString& TrimLeft(const char* set);
  CString& TrimRight();
  CString& TrimRight(char ch);
  CString& TrimRight(const char* set);

  // Searching; -1 when not found.
  int Find(char ch) const;
  int Find(char ch, int start) const;
  int Find(const char* text) const;
  int Find(const char* text, int start) const;
  int ReverseFind(char ch) const;
  int FindOneOf(const char* set) const;

  // Next token delimited by any character of set, starting at start; start
  // moves past it, and becomes -1 with an empty result when none is left.
  CString Tokenize(const char* set, int& start) const;

  // Formatting with printf formats; pass strings as const char* (GetString()).
  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void FormatV(const char* format, va_list args);
  void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));

  // Loads the text of a string-table entry (string_table.h); FALSE when absent.
  BOOL LoadString(UINT id);

  // Raw buffer access: GetBuffer makes room for at least min_length bytes plus
  // a terminating zero; ReleaseBuffer(-1) takes the length up to the first zero.
  char* GetBuffer(int min_length = 0);
  char* GetBufferSetLength(int length);
  void ReleaseBuffer(int new_length = -1);

 private:
  std::string text_;
};

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator==(const char* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const char* b);
bool operator!=(const char* a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator<(const CString& a, const char* b);
bool operator>(const CString& a, const CString& b);
bool operator<=(const CString& a, const CString& b);
bool operator>=(const CString& a, const CString& b);
// Mixed forms, so that comparing with a literal is never ambiguous with the
// built-in pointer comparison.
bool operator<(const char* a, const CString& b);
bool operator>(const CString& a, const char* b);
bool operator>(const char* a, const CString& b);
bool operator<=(const CString& a, const char* b);
bool operator<=(const char* a, const CString& b);
bool operator>=(const CString& a, const char* b);
bool operator>=(const char* a, const CString& b);

template <>
struct std::hash<CString> {
  size_t operator()(const CString& text) const noexcept { return std::hash<std::string>()(text.str()); }
};
