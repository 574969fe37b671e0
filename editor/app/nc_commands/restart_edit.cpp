#include "editor/app/nc_commands/restart_edit.h"

#include <charconv>
#include <system_error>

#include "editor/app/nc_commands/coordinate_dialogs.h"
#include "editor/app/nc_commands/coordinate_search.h"
#include "editor/app/nc_commands/nc_block_parser.h"

namespace nc {

namespace {

struct RestartSettings {
  CoordinateValues values;
  int from_caret = 0;
};

RestartSettings& Settings() {
  static RestartSettings settings;
  return settings;
}

// The words of a line outside its comments, as (letter, number text) pairs, in order.
template <typename Visit>
void ForEachWord(std::string_view line, Visit visit) {
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '(') {
      i = CommentEnd(line, i) - 1;
      continue;
    }
    size_t end = i + 1;
    while (end < line.size() && (IsDigit(line[end]) || line[end] == '.' || line[end] == '-')) ++end;
    if (end > i + 1) visit(line[i], line.substr(i + 1, end - i - 1));
  }
}

// The feed in force after the lines up to and including last.
std::string FeedBefore(const Lines& lines, int last) {
  std::string feed;
  for (int i = 0; i <= last; ++i) {
    ForEachWord(lines[static_cast<size_t>(i)], [&](char letter, std::string_view number) {
      if (letter == 'F') feed = number;
    });
  }
  return feed;
}

// What the machine holds after a stretch of the program: the tool in the
// spindle, the spindle's speed and turn, and the tool length offset.
struct MachineSetup {
  std::string tool;           // T number of the last tool change
  std::string speed;          // S number
  std::string turn;           // "M03" or "M04"
  std::string length_offset;  // H number while G43 is in force

  bool operator==(const MachineSetup&) const = default;
};

// M3 and M03 alike; a number too long for an int is no such word.
bool IsWord(char letter, std::string_view number, char wanted, int value) {
  int read = 0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, read);
  return letter == wanted && error == std::errc() && stop == end && read == value;
}

MachineSetup SetupAfter(const Lines& lines, int last) {
  MachineSetup setup;
  std::string selected;
  bool tool_changes = false;
  for (int i = 0; i <= last; ++i) {
    std::string h;
    bool g43 = false;
    bool g49 = false;
    bool m06 = false;
    ForEachWord(lines[static_cast<size_t>(i)], [&](char letter, std::string_view number) {
      if (letter == 'T') selected = number;
      if (letter == 'S') setup.speed = number;
      if (letter == 'H') h = number;
      if (IsWord(letter, number, 'M', 3)) setup.turn = "M03";
      if (IsWord(letter, number, 'M', 4)) setup.turn = "M04";
      m06 = m06 || IsWord(letter, number, 'M', 6);
      g43 = g43 || IsWord(letter, number, 'G', 43);
      g49 = g49 || IsWord(letter, number, 'G', 49);
    });
    if (m06) {
      setup.tool = selected;
      tool_changes = true;
    }
    if (g43) setup.length_offset = h.empty() ? setup.tool : h;
    if (g49) setup.length_offset.clear();
  }
  // A program without tool changes works with the tool it selects.
  if (!tool_changes) setup.tool = selected;
  return setup;
}

// The blocks that bring the machine from the head's setup to the restart block's.
Lines SetupBlocks(const MachineSetup& head, const MachineSetup& at_restart) {
  Lines blocks;
  const bool new_tool = !at_restart.tool.empty() && at_restart.tool != head.tool;
  if (new_tool) blocks.push_back("T" + at_restart.tool + " M06");
  if (new_tool || at_restart.speed != head.speed || at_restart.turn != head.turn) {
    blocks.push_back("S" + at_restart.speed + " " + (at_restart.turn.empty() ? "M03" : at_restart.turn));
  }
  return blocks;
}

// TRUE when the program runs in G91 after the lines up to and including last.
bool IncrementalAfter(const Lines& lines, int last) {
  ResetNcParserState();
  for (int i = 0; i <= last; ++i) {
    float aux[3];
    float end[3];
    ParseNcBlock((lines[static_cast<size_t>(i)] + "\n").c_str(), aux, end);
  }
  return TheNcParserState().incremental != 0;
}

enum class Choice { kCancel, kSearchOn, kApply };

Choice AskAtHit(CVellumTextView* view, int hit, const float end[3]) {
  RestartSettings& settings = Settings();
  ShowHit(view, hit, end, settings.values);
  CRestartDialog dialog(settings.values, settings.from_caret);
  if (dialog.DoModal() != IDOK) return Choice::kCancel;
  return dialog.m_nApply == 1 ? Choice::kApply : Choice::kSearchOn;
}

void Apply(CVellumTextView* view, const RestartPoint& point) {
  std::string why;
  const Lines old = DocumentLines(view);
  const Lines program = RestartProgram(old, point, why);
  if (program.empty()) {
    ShowMessage(why);
    return;
  }
  if (!ReplaceDocumentLines(view, program)) return;
  // The caret at the end of the approach, before the block after the restarted one.
  const size_t after = old.size() - static_cast<size_t>(point.line) - 1;
  const int line = static_cast<int>(program.size() - after) - 1;
  const TextPosition caret{view->TextLineLength(line), line};
  Select(view, caret, caret, caret);
}

}  // namespace

BOOL HasSpindleWord(std::string_view line) {
  bool found = false;
  ForEachWord(line, [&](char letter, std::string_view number) {
    if (letter == 'S' && IsDigit(number[0])) found = true;
  });
  return found;
}

Lines RestartProgram(const Lines& lines, const RestartPoint& point, std::string& why) {
  const int hit = point.line;
  int head_end = -1;
  for (int i = 0; i < hit && head_end < 0; ++i) {
    if (HasSpindleWord(lines[static_cast<size_t>(i)])) head_end = i;
  }
  if (head_end < 0) {
    why = "찾은 블록 앞에 주축(S) 블록이 없어 재전송 편집을 할 수 없습니다.";
    return {};
  }
  Lines program(lines.begin(), lines.begin() + head_end + 1);
  // The tool, speed and length offset of the restart block, not of the head's first tool.
  const MachineSetup head = SetupAfter(lines, head_end);
  const MachineSetup at_restart = SetupAfter(lines, hit);
  const Lines setup = SetupBlocks(head, at_restart);
  program.insert(program.end(), setup.begin(), setup.end());
  const std::string x = CoordinateText(point.end[0]);
  const std::string y = CoordinateText(point.end[1]);
  const std::string z = CoordinateText(point.end[2]);
  const std::string clearance = CoordinateText(point.end[2] + 10.0f);
  // The approach is absolute; a program in G91 goes on in G91 after it.
  program.push_back(std::string(IncrementalAfter(lines, head_end) ? "G90" : "") + "G00X" + x + "Y" + y);
  const bool offset_wanted = !at_restart.length_offset.empty() &&
                             (at_restart.length_offset != head.length_offset || at_restart.tool != head.tool);
  program.push_back((offset_wanted ? "G43H" + at_restart.length_offset : std::string()) + "Z" + clearance);
  const std::string feed = FeedBefore(lines, hit);
  program.push_back("G01Z" + z + (feed.empty() ? "" : "F" + feed));
  if (point.incremental) program.push_back("G91");
  program.insert(program.end(), lines.begin() + hit + 1, lines.end());
  return program;
}

void RunRestartEdit(CVellumTextView* view) {
  if (RefuseReadOnly(view)) return;
  RestartSettings& settings = Settings();
  {
    CRestartDialog dialog(settings.values, settings.from_caret);
    if (dialog.DoModal() != IDOK || dialog.m_nApply == 1) return;
  }
  const int first = settings.from_caret ? view->GetCursorPosition().line : 0;
  for (int pass = 0; pass < 2; ++pass) {
    CoordinateScanner scanner(view, settings.values);
    scanner.SkipTo(first);
    float end[3];
    for (int hit = scanner.NextHit(end); hit >= 0; hit = scanner.NextHit(end)) {
      const Choice choice = AskAtHit(view, hit, end);
      if (choice == Choice::kCancel) return;
      if (choice == Choice::kSearchOn) continue;
      RestartPoint point;
      point.line = hit;
      std::copy(end, end + 3, point.end);
      point.incremental = scanner.Incremental();
      Apply(view, point);
      return;
    }
    if (pass == 0 && !AskQuestion(kNoMoreQuestion, " 질문")) return;
  }
  ShowMessage(kNoMoreMessage);
}

}  // namespace nc
