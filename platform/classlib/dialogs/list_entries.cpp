#include "platform/classlib/dialogs/list_entries.h"

#include <cctype>

namespace afx {
namespace {

int CompareFolded(const std::string& a, const std::string& b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const int ca = std::tolower(static_cast<unsigned char>(a[i]));
    const int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool StartsWithFolded(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && CompareFolded(text.substr(0, prefix.size()), prefix) == 0;
}

}  // namespace

bool ValidEntry(const WindowRecord& record, int index) {
  return index >= 0 && index < static_cast<int>(record.entries.size());
}

int AddEntry(WindowRecord& record, const std::string& text, bool sorted) {
  int index = static_cast<int>(record.entries.size());
  if (sorted) {
    index = 0;
    while (index < static_cast<int>(record.entries.size()) && CompareFolded(record.entries[index].text, text) <= 0) {
      ++index;
    }
  }
  return InsertEntry(record, index, text);
}

int InsertEntry(WindowRecord& record, int index, const std::string& text) {
  const int count = static_cast<int>(record.entries.size());
  if (index < 0) index = count;
  if (index > count) return -1;
  record.entries.insert(record.entries.begin() + index, ListEntry{text, 0, false});
  if (record.current >= index) ++record.current;
  return index;
}

int DeleteEntry(WindowRecord& record, int index) {
  if (!ValidEntry(record, index)) return -1;
  record.entries.erase(record.entries.begin() + index);
  if (record.current == index) {
    record.current = -1;
  } else if (record.current > index) {
    --record.current;
  }
  return static_cast<int>(record.entries.size());
}

int FindEntry(const WindowRecord& record, int start_after, const std::string& text, bool exact) {
  const int count = static_cast<int>(record.entries.size());
  if (count == 0) return -1;
  const int first = (start_after >= 0 && start_after < count) ? start_after + 1 : 0;
  for (int step = 0; step < count; ++step) {
    const int index = (first + step) % count;
    const std::string& entry = record.entries[index].text;
    if (exact ? CompareFolded(entry, text) == 0 : StartsWithFolded(entry, text)) return index;
  }
  return -1;
}

}  // namespace afx
