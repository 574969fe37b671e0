// Runs LinuxCNC's rs274 interpreter on an NC program and reads back where
// each numbered block leaves the tool, for tests that check our reading of
// NC programs against a real interpreter.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace rs274_test {

using Point = std::array<double, 3>;

struct Motion {
  std::string label;  // the block's sequence number, "N12"
  std::string kind;   // STRAIGHT_TRAVERSE, STRAIGHT_FEED or ARC_FEED
  Point end{};
  // The tool, spindle and length offset in force at the move, as the interpreter set them.
  std::string setup;
};

constexpr char kToolTable[] = "T1 P1 D10 Z0\nT2 P2 D6 Z0\n";

inline bool Available() { return std::system("command -v rs274 >/dev/null 2>&1") == 0; }

inline std::string SourcePath(const std::string& relative) {
  const char* root = std::getenv("VELMORA_TEST_SOURCE");
  return std::string(root != nullptr ? root : ".") + "/" + relative;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The program's lines without their endings.
inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The interpreter's moves, in order; status receives its exit status.
inline std::vector<Motion> Interpret(const std::string& folder, const std::string& program, int& status,
                                     std::string& output, const char* tool_table = kToolTable) {
  std::ofstream(folder + "/tools.tbl") << tool_table;
  std::ofstream(folder + "/program.nc", std::ios::binary) << program;
  // rs274 maps its tool table through a file in $HOME that every run truncates: one home per run.
  const std::string command = "cd '" + folder + "' && HOME=. rs274 -t tools.tbl -g program.nc >canon.txt 2>&1 </dev/null";
  const int raw = std::system(command.c_str());
  status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  output = ReadFile(folder + "/canon.txt");
  std::vector<Motion> motions;
  const std::regex move(R"(^\s*\d+\s+(N\S*)\s+(STRAIGHT_TRAVERSE|STRAIGHT_FEED|ARC_FEED)\((.*)\)\s*$)");
  const std::regex setting(
      R"(^\s*\d+\s+N\S*\s+(CHANGE_TOOL|SET_SPINDLE_SPEED|START_SPINDLE_\w+|USE_TOOL_LENGTH_OFFSET)(\(.*\)))");
  std::string tool;
  std::string speed;
  std::string turn;
  std::string offset;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    if (std::regex_search(line, match, setting)) {
      const std::string call = match[1];
      if (call == "CHANGE_TOOL") {
        tool = match[2];
      } else if (call == "SET_SPINDLE_SPEED") {
        speed = match[2];
      } else if (call == "USE_TOOL_LENGTH_OFFSET") {
        offset = match[2];
      } else {
        turn = call;
      }
      continue;
    }
    if (!std::regex_match(line, match, move)) continue;
    std::vector<double> values;
    std::istringstream arguments(match[3].str());
    for (std::string value; std::getline(arguments, value, ',');) values.push_back(std::stod(value));
    Motion motion{match[1], match[2], {}, "tool" + tool + " speed" + speed + " " + turn + " offset" + offset};
    // An arc in the XY plane: first and second end, centre, turn, then Z.
    motion.end = motion.kind == "ARC_FEED" ? Point{values.at(0), values.at(1), values.at(5)}
                                           : Point{values.at(0), values.at(1), values.at(2)};
    motions.push_back(motion);
  }
  return motions;
}

// The sequence number a program line starts with ("N12"), or empty.
inline std::string LabelOf(const std::string& line) {
  size_t end = 1;
  if (line.empty() || line[0] != 'N') return "";
  while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
  return end > 1 ? line.substr(0, end) : "";
}

// Where the interpreter leaves the tool after each line of a numbered program
// (the point before the first move for lines ahead of it).
inline std::vector<Point> EndPointsByLine(const std::vector<std::string>& lines, const std::vector<Motion>& motions) {
  std::vector<Point> ends;
  Point at{0, 0, 0};
  size_t next = 0;
  for (const std::string& line : lines) {
    const std::string label = LabelOf(line);
    while (!label.empty() && next < motions.size() && motions[next].label == label) at = motions[next++].end;
    ends.push_back(at);
  }
  return ends;
}

using Lines = std::vector<std::string>;

// A posted program of the test data; a reference return ends at the
// machine's home, which no program text tells, so tests may leave them out.
inline Lines Posted(const std::string& name, bool reference_returns = false) {
  Lines lines = SplitLines(ReadFile(SourcePath("editor/app/nc_commands/testdata/" + name)));
  if (!reference_returns) {
    std::erase_if(lines, [](const std::string& line) { return line.find("G28") != std::string::npos; });
  }
  return lines;
}

inline std::string Joined(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The same program in G91: every X, Y and Z word becomes the move the interpreter made.
inline Lines Incremental(const Lines& lines, const std::vector<Point>& ends) {
  Lines out;
  Point before{0, 0, 0};
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = lines[i];
    for (size_t at = line.find("G90"); at != std::string::npos; at = line.find("G90", at)) line[at + 2] = '1';
    std::string rewritten;
    for (size_t c = 0; c < line.size();) {
      const int axis = line[c] == 'X' ? 0 : line[c] == 'Y' ? 1 : line[c] == 'Z' ? 2 : -1;
      size_t end = c + 1;
      while (end < line.size() &&
             (std::isdigit(static_cast<unsigned char>(line[end])) || line[end] == '.' || line[end] == '-')) {
        ++end;
      }
      if (axis < 0 || end == c + 1 || line[0] == '(') {
        rewritten += line[c++];
        continue;
      }
      char number[48];
      std::snprintf(number, sizeof number, "%c%.4f", line[c], ends[i][static_cast<size_t>(axis)] - before[axis]);
      rewritten += number;
      c = end;
    }
    out.push_back(rewritten);
    before = ends[i];
  }
  return out;
}

class Rs274Folder : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!Available()) GTEST_SKIP() << "linuxcnc-uspace (rs274) is not installed";
    std::string pattern = ::testing::TempDir() + "rs274_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    if (!folder_.empty() && !HasFailure()) std::system(("rm -rf '" + folder_ + "'").c_str());
  }
  std::vector<Motion> Run(const std::string& program) {
    int status = 0;
    std::string output;
    std::vector<Motion> motions = Interpret(folder_, program, status, output);
    EXPECT_EQ(status, 0) << output << "\n" << program;
    return motions;
  }
  std::string folder_;
};

}  // namespace rs274_test
