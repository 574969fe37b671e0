#include "editor/app/nc_commands/subprogram_merge.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "editor/app/editor_settings.h"
#include "platform/classlib/dialogs/file_dialog.h"
#include "platform/win/win_paths.h"

namespace nc {

namespace {

namespace fs = std::filesystem;

bool IsNumberChar(char c) { return IsDigit(c) || c == '+' || c == '-' || c == '.'; }

long NumberAt(std::string_view text) {
  size_t end = 0;
  while (end < text.size() && IsNumberChar(text[end])) ++end;
  const std::string number(text.substr(0, end));
  const double value = std::strtod(number.c_str(), nullptr);
  // No program has such a number: it stands for none.
  return std::fabs(value) < 1.0e9 ? static_cast<long>(value) : -1;
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Removes the whole words M30, M99, M02 and M2 outside comments.
std::string WithoutEndWords(const std::string& line) {
  std::string out;
  bool comment = false;
  for (size_t i = 0; i < line.size();) {
    const char c = line[i];
    if (c == '(') comment = true;
    if (c == ')') comment = false;
    if (!comment && c == 'M' && (i == 0 || !IsLetter(line[i - 1]))) {
      size_t end = i + 1;
      while (end < line.size() && IsDigit(line[end])) ++end;
      const std::string number = line.substr(i + 1, end - i - 1);
      if (number == "30" || number == "99" || number == "02" || number == "2") {
        i = end;
        continue;
      }
    }
    out += c;
    ++i;
  }
  return out;
}

bool HasProgramNumber(std::string_view line) {
  bool comment = false;
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    if (line[i] == '(') comment = true;
    if (line[i] == ')') comment = false;
    if (!comment && line[i] == 'O' && IsDigit(line[i + 1])) return true;
  }
  return false;
}

std::string TrimmedRight(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.pop_back();
  return text;
}

bool IsBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

std::string UpperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace

BOOL IsCallLine(std::string_view line) {
  const std::string_view examined = AsciiPart(line);
  if (examined.find('(') != std::string_view::npos || examined.find('/') != std::string_view::npos) return FALSE;
  return examined.find("M98P") != std::string_view::npos || examined.find("G10P") != std::string_view::npos;
}

SubprogramCall ParseCall(std::string_view line) {
  SubprogramCall call;
  const size_t p = line.find('P');
  if (p == std::string_view::npos) return call;
  const std::string_view after = line.substr(p + 1);
  call.number = NumberAt(after);
  const size_t l = after.find('L');
  if (l != std::string_view::npos) call.repeat = std::max(1L, NumberAt(after.substr(l + 1)));
  return call;
}

BOOL FilterSubprogramLine(std::string& line) {
  const bool was_blank = IsBlank(line);
  std::string filtered = WithoutEndWords(line);
  filtered.erase(std::remove(filtered.begin(), filtered.end(), '%'), filtered.end());
  if (HasProgramNumber(filtered)) {
    // Its own comment would close the new one early.
    std::erase_if(filtered, [](char c) { return c == '(' || c == ')'; });
    filtered = "(" + TrimmedRight(filtered) + ")";
  }
  if (!was_blank && IsBlank(filtered)) return FALSE;
  line = std::move(filtered);
  return TRUE;
}

std::string FindSubprogramFile(const std::string& folder, long number) {
  std::error_code error;
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(win::ToUnixPath(folder), error)) {
    if (entry.is_regular_file(error)) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const fs::path& path : files) {
    if (UpperCase(path.string()).find(".BAK") != std::string::npos) continue;
    std::string name = UpperCase(path.filename().string());
    if (!name.empty() && name[0] == 'O') name.erase(0, 1);
    if (!name.empty() && IsNumberChar(name[0]) && NumberAt(name) == number) return path.string();
  }
  return "";
}

std::string MacroFolder() {
  if (settings::Read("MacroDirSetChk") == "0") {
    const std::string last = settings::Read("LastOpenFileName");
    const size_t slash = last.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : last.substr(0, slash);
  }
  return settings::ReadOr("MacroDir", settings::MacroDefault());
}

SubprogramExpander::Result SubprogramExpander::Call(std::string_view call, int level, Lines& out) {
  const SubprogramCall parsed = ParseCall(AsciiPart(call));
  const auto known = paths_.find(parsed.number);
  const std::string path =
      known != paths_.end() ? known->second : (paths_[parsed.number] = FindSubprogramFile(folder_, parsed.number));
  if (path.empty()) return Result::kNotFound;
  if (level > kMaxDepth) {
    error_ = "서브프로그램 O" + std::to_string(parsed.number) + "의 호출이 " + std::to_string(kMaxDepth) +
             "단계를 넘습니다 (자기 자신을 부르는 프로그램일 수 있습니다).";
    return Result::kFailed;
  }
  return File(path, parsed.repeat, level, out);
}

const Lines* SubprogramExpander::Source(const std::string& path) {
  if (const auto known = sources_.find(path); known != sources_.end()) return &known->second;
  Lines lines;
  if (!ReadProgramLines(path, lines)) return nullptr;
  return &sources_.emplace(path, std::move(lines)).first->second;
}

SubprogramExpander::Result SubprogramExpander::File(const std::string& path, long repeat, int level, Lines& out) {
  const Lines* source = Source(path);
  if (source == nullptr) {
    error_ = path + " 파일을 읽을 수 없습니다.";
    return Result::kFailed;
  }
  const size_t start = out.size();
  for (long round = 0; round < repeat; ++round) {
    const size_t round_start = out.size();
    for (const std::string& line : *source) {
      if (IsCallLine(line)) {
        const Result nested = Call(line, level + 1, out);
        if (nested == Result::kFailed) return nested;
        if (nested != Result::kExpanded) out.push_back(line);
      } else {
        std::string copy = line;
        if (FilterSubprogramLine(copy)) out.push_back(std::move(copy));
      }
      if (out.size() > kMaxLines) {
        error_ = "서브프로그램을 펼친 결과가 " + std::to_string(kMaxLines) + "줄을 넘습니다.";
        return Result::kFailed;
      }
    }
    // Every round reads the same text: one that adds nothing ends the repeats.
    if (out.size() == round_start) break;
  }
  return out.size() > start ? Result::kExpanded : Result::kEmpty;
}

namespace {

constexpr int kPasses = 7;

struct MergeRun {
  Lines lines;
  std::vector<bool> declined;
  bool call_met = false;
  bool changed = false;
};

// The expansion of the call at line, asking the user for a file when the macro folder has none.
SubprogramExpander::Result ExpandAt(SubprogramExpander& expander, const std::string& call, Lines& expansion) {
  using Result = SubprogramExpander::Result;
  const Result result = expander.ExpandCall(call, expansion);
  if (result != Result::kNotFound) return result;
  if (!AskQuestion(call + "파일이 해당Dir에 존재하지 않습니다. 파일 찾기하시겠습니까?")) return result;
  CFileDialog dialog(TRUE, nullptr, "*.*", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "esp Files(*.*)|*.*|");
  if (dialog.DoModal() != IDOK) return result;
  expansion.clear();
  return expander.ExpandFile(dialog.GetPathName().str(), expansion);
}

// One pass over the text; FALSE when an expansion failed.
bool RunPass(SubprogramExpander& expander, MergeRun& run) {
  using Result = SubprogramExpander::Result;
  for (size_t i = 0; i < run.lines.size(); ++i) {
    if (run.declined[i] || !IsCallLine(run.lines[i])) continue;
    run.call_met = true;
    const std::string call(AsciiPart(run.lines[i]));
    Lines expansion;
    const Result result = ExpandAt(expander, call, expansion);
    if (result == Result::kFailed) return false;
    if (result != Result::kExpanded) {
      run.declined[i] = true;
      continue;
    }
    expansion.insert(expansion.begin(), "(" + call + " Start)");
    expansion.push_back("(" + call + "End)");
    run.lines.erase(run.lines.begin() + static_cast<long>(i));
    run.declined.erase(run.declined.begin() + static_cast<long>(i));
    run.lines.insert(run.lines.begin() + static_cast<long>(i), expansion.begin(), expansion.end());
    run.declined.insert(run.declined.begin() + static_cast<long>(i), expansion.size(), false);
    // Calls left in the inserted text wait for the next pass.
    i += expansion.size() - 1;
    run.changed = true;
    if (run.lines.size() > SubprogramExpander::kMaxLines) {
      ShowMessage("서브프로그램을 펼친 결과가 너무 큽니다. 문서는 바뀌지 않았습니다.");
      return false;
    }
  }
  return true;
}

}  // namespace

void RunSubprogramMerge(CVellumTextView* view) {
  if (RefuseReadOnly(view)) return;
  SubprogramExpander expander(MacroFolder());
  MergeRun run;
  run.lines = DocumentLines(view);
  run.declined.assign(run.lines.size(), false);
  for (int pass = 0; pass < kPasses; ++pass) {
    const bool before = run.changed;
    run.changed = false;
    if (!RunPass(expander, run)) {
      if (!expander.Error().empty()) ShowMessage(expander.Error() + " 문서는 바뀌지 않았습니다.");
      return;
    }
    const bool changed = run.changed;
    run.changed = before || changed;
    if (!changed) break;
  }
  if (!run.call_met) {
    ShowMessage("서브프로그램을 찾을 수 없습니다.");
    return;
  }
  if (run.changed) ReplaceDocumentLines(view, run.lines);
}

}  // namespace nc
