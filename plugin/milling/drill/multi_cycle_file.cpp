#include "plugin/milling/drill/multi_cycle_file.h"

#include <cstdint>
#include <string_view>

#include "platform/win/atomic_file_writer.h"
#include "platform/win/regular_file_reader.h"
#include "platform/win/win_paths.h"
#include "plugin/milling/drill/drill_record.h"

namespace {

constexpr std::string_view kStartTag = "[Cycle_Start]";
constexpr std::string_view kEndTag = "[Cycle_End]";
constexpr std::string_view kBlanks = " \t\r\n";
// A list of a few hundred cycles is some kilobytes.
constexpr std::uintmax_t kLargestFile = 4u << 20;

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

bool Holds(std::string_view line, std::string_view tag) { return line.find(tag) != std::string_view::npos; }

std::string_view TrimRight(std::string_view text) {
  const std::size_t last = text.find_last_not_of(kBlanks);
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// The record's own last line break is part of it.
std::string CycleText(std::string_view body) {
  const std::size_t first = body.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return std::string(TrimRight(body.substr(first))) + "\n";
}

bool IsCompleteDrillRecord(const std::string& text) {
  DrillRecordValues scratch;
  return ParseDrillRecord(text.c_str(), scratch) == DrillRecordRead::kComplete;
}

bool ReadWholeFile(const std::string& path, std::string& text) {
  return win::ReadRegularFile(path, kLargestFile, text) == win::FileRead::kRead;
}

}  // namespace

std::string MultiCycleFile::Text(const std::vector<MultiCycleEntry>& entries) {
  std::string text;
  for (const MultiCycleEntry& entry : entries) {
    text += "[Cycle_Start]\r\n";
    text += entry.name.GetString();
    text += "\r\n";
    text += entry.text.GetString();
    text += "\r\n[Cycle_End]\r\n";
  }
  return text;
}

MultiCycleFileContents MultiCycleFile::Parse(std::string_view text) {
  MultiCycleFileContents contents;
  const std::vector<std::string_view> lines = Lines(text);
  std::size_t i = 0;
  while (i < lines.size()) {
    if (!Holds(lines[i++], kStartTag)) continue;
    const std::string_view name = i < lines.size() ? TrimRight(lines[i++]) : std::string_view();
    std::string body;
    for (; i < lines.size() && !Holds(lines[i], kEndTag) && !Holds(lines[i], kStartTag); ++i) {
      body.append(lines[i]).append("\n");
    }
    if (i < lines.size() && Holds(lines[i], kEndTag)) ++i;
    const std::string cycle = CycleText(body);
    if (IsCompleteDrillRecord(cycle)) {
      contents.entries.push_back({CString(std::string(name).c_str()), CString(cycle.c_str())});
    } else {
      contents.skipped.emplace_back(std::string(name).c_str());
    }
  }
  return contents;
}

bool MultiCycleFile::Read(const char* path, MultiCycleFileContents& contents) {
  if (path == nullptr || *path == '\0') return false;
  const std::string given = win::ToUnixPath(path);
  std::string text;
  if (!ReadWholeFile(given, text) && !ReadWholeFile(given + ".mcp", text)) return false;
  contents = Parse(text);
  return true;
}

bool MultiCycleFile::Write(const char* path, const std::vector<MultiCycleEntry>& entries) {
  if (path == nullptr || *path == '\0') return false;
  std::string ignored;
  return ReplaceFileContents(win::ToUnixPath(path), Text(entries), {{".mcp-save-", ""}}, ignored);
}

CString MultiCycleFile::WithSingleExtension(const char* path) {
  std::string text = path != nullptr ? path : "";
  constexpr std::string_view kDoubled = "mcp.mcp";
  const std::size_t at = text.rfind(kDoubled);
  if (at != std::string::npos && at + kDoubled.size() == text.size()) text.erase(at + 3);
  return CString(text.c_str());
}
