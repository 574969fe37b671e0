// Tarnwick run headless on scripts as a person would use it: what the screen
// shows, what is saved, and what its first start leaves for the plug-in.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/tarnwick_run.h"

namespace {

using e2e::EditorRun;
using e2e::Quoted;
using e2e::ReadFile;

struct ScreenLine {
  std::string text;
  std::string runs;
};

// The numbered lines of the last `screen` of a transcript.
std::vector<ScreenLine> LastScreen(const std::string& transcript) {
  std::vector<ScreenLine> lines;
  const size_t at = transcript.rfind("[screen ");
  if (at == std::string::npos) return lines;
  std::istringstream rows(transcript.substr(at));
  std::string row;
  std::getline(rows, row);
  const std::regex numbered(R"(^\d{6}  (.*)  \{(.*)\}$)");
  for (std::smatch match; std::getline(rows, row) && std::regex_match(row, match, numbered);) {
    lines.push_back({match[1], match[2]});
  }
  return lines;
}

class TarnwickTest : public e2e::TarnwickFixture {
 protected:
  EditorRun Tarnwick(const std::string& script, const std::string& file) const { return RunTarnwick(script, file); }
};

constexpr char kProgram[] = "%\r\nN10 G01 X10. Y-5. Z2. F300 S1200 M03 T01 (ROUGH)\r\nN20 G00 X0\r\n%";

TEST_F(TarnwickTest, WhatTheScreenShowedIsSavedByteForByteAndShowsAgainWhenReopened) {
  const std::string path = Write("part.nc", kProgram);
  const EditorRun edit = Tarnwick("key Ctrl+End\ntype N30 M30\nkey Ctrl+S\nscreen\n", path);
  ASSERT_EQ(edit.status, 0) << edit.out;
  const std::vector<ScreenLine> shown = LastScreen(edit.out);
  ASSERT_EQ(shown.size(), 4u) << edit.out;

  std::string expected;
  for (size_t i = 0; i < shown.size(); ++i) expected += (i > 0 ? "\r\n" : "") + shown[i].text;
  EXPECT_EQ(ReadFile(path), expected);

  const EditorRun reopen = Tarnwick("screen\n", path);
  ASSERT_EQ(reopen.status, 0) << reopen.out;
  const std::vector<ScreenLine> again = LastScreen(reopen.out);
  ASSERT_EQ(again.size(), shown.size());
  for (size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(again[i].text, shown[i].text) << "line " << i + 1;
}

// A word typed letter by letter is one undo step, and a blank starts the next.
TEST_F(TarnwickTest, TypedTextIsSavedAndUndoAndRedoTakeItBackAndForth) {
  const std::string path = Write("part.nc", kProgram);
  const EditorRun one_undo = Tarnwick("key Ctrl+End\ntype N30 M30\nkey Ctrl+Z\nkey Ctrl+S\n", path);
  ASSERT_EQ(one_undo.status, 0) << one_undo.out;
  EXPECT_EQ(ReadFile(path), std::string(kProgram) + "N30");

  std::ofstream(path, std::ios::binary) << kProgram;
  const EditorRun undone = Tarnwick("key Ctrl+End\ntype N30 M30\nscreen\nkey Ctrl+Z\nkey Ctrl+Z\nkey Ctrl+S\n", path);
  ASSERT_EQ(undone.status, 0) << undone.out;
  EXPECT_EQ(LastScreen(undone.out).back().text, "%N30 M30");
  EXPECT_EQ(ReadFile(path), kProgram) << "undone to the original bytes";

  const EditorRun redone =
      Tarnwick("key Ctrl+End\ntype N30 M30\nkey Ctrl+Z\nkey Ctrl+Z\nkey Ctrl+Y\nkey Ctrl+Y\nkey Ctrl+S\n", path);
  ASSERT_EQ(redone.status, 0) << redone.out;
  EXPECT_EQ(ReadFile(path), std::string(kProgram) + "N30 M30");
}

// Ctrl+H opens the replace dialog of the NC view; whole words with the case matched.
TEST_F(TarnwickTest, ReplaceAllWithItsOptionsChangesOnlyMatchingWordsAndSays) {
  const std::string path = Write("part.nc", "%\r\nN10 G01 X1.\r\nN20 g01 X2.\r\nN30 G010 X3.\r\n%");
  const EditorRun run = Tarnwick(
      "key Ctrl+H\nset 8605 G01\nset 8609 G00\ncheck 8604\ncheck 8603\nclick 8608\nok\ncancel\nkey Ctrl+S\n", path);
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("1 occurrence(s) replaced"), std::string::npos) << run.out;
  EXPECT_EQ(ReadFile(path), "%\r\nN10 G00 X1.\r\nN20 g01 X2.\r\nN30 G010 X3.\r\n%");
}

// The edit menu's accelerators reach the NC view: a line cut, pasted elsewhere, then the edit undone.
TEST_F(TarnwickTest, CutAndPasteThroughTheAcceleratorsMoveALineAndUndoTakesItBack) {
  const std::string path = Write("part.nc", "%\r\nN10 X1.\r\nN20 X2.\r\n%");
  const EditorRun moved =
      Tarnwick("key Down\nkey Shift+Down\nkey Ctrl+X\nkey Ctrl+End\nkey Enter\nkey Ctrl+V\nkey Ctrl+S\n", path);
  ASSERT_EQ(moved.status, 0) << moved.out;
  EXPECT_EQ(ReadFile(path), "%\r\nN20 X2.\r\n%\r\nN10 X1.\r\n");

  const EditorRun undone = Tarnwick("key Down\nkey Shift+Down\nkey Ctrl+X\nkey Ctrl+Z\nkey Ctrl+S\n", path);
  ASSERT_EQ(undone.status, 0) << undone.out;
  EXPECT_EQ(ReadFile(path), "%\r\nN20 X2.\r\n%\r\nN10 X1.\r\n");
}

TEST_F(TarnwickTest, EachNcWordOfALineShowsInItsColour) {
  const EditorRun run = Tarnwick("screen\n", Write("part.nc", kProgram));
  ASSERT_EQ(run.status, 0) << run.out;
  const std::vector<ScreenLine> shown = LastScreen(run.out);
  ASSERT_GE(shown.size(), 2u) << run.out;
  // Cells from 8 (behind the margin): N10 black, G01 magenta, X Y Z blue with black values,
  // F S M green, T red, the comment orange.
  EXPECT_EQ(shown[1].runs,
            "0 000000/C0C0C0; 8 000000/FFFFFF; 12 FF00FF/FFFFFF; 16 0000FF/FFFFFF; 17 000000/FFFFFF; "
            "21 0000FF/FFFFFF; 22 000000/FFFFFF; 26 0000FF/FFFFFF; 27 000000/FFFFFF; 30 00B700/FFFFFF; "
            "31 000000/FFFFFF; 35 00B700/FFFFFF; 36 000000/FFFFFF; 41 00B700/FFFFFF; 42 000000/FFFFFF; "
            "45 FF0000/FFFFFF; 46 000000/FFFFFF; 49 E18C1A/FFFFFF; 56 000000/FFFFFF");
}

TEST_F(TarnwickTest, TheHighlightToggleShowsThePlainTextAndLeavesTheFileByteIdentical) {
  const std::string path = Write("part.nc", kProgram);
  const EditorRun run = Tarnwick("menu 32866\nscreen\nkey Ctrl+S\nmenu 32866\nscreen\n", path);
  ASSERT_EQ(run.status, 0) << run.out;
  const size_t first = run.out.find("[screen ");
  ASSERT_NE(first, std::string::npos) << run.out;
  const std::vector<ScreenLine> plain = LastScreen(run.out.substr(0, run.out.find("menu 32866", first)));
  ASSERT_GE(plain.size(), 2u) << run.out;
  EXPECT_EQ(plain[1].runs, "0 000000/C0C0C0; 8 000000/FFFFFF");
  EXPECT_EQ(plain[1].text, "N10 G01 X10. Y-5. Z2. F300 S1200 M03 T01 (ROUGH)");
  EXPECT_EQ(ReadFile(path), kProgram);
  EXPECT_NE(LastScreen(run.out)[1].runs.find("FF00FF"), std::string::npos) << "coloured again";
}

TEST_F(TarnwickTest, TheFirstStartRecordsWhereThePluginFindsTheProgram) {
  const EditorRun run = Tarnwick("", Write("part.nc", kProgram));
  ASSERT_EQ(run.status, 0) << run.out;
  const std::string registry = ReadFile(Path("registry.reg"));
  const std::string program = TARNWICK_PATH;
  const std::string folder = program.substr(0, program.rfind('/'));
  EXPECT_NE(registry.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Quellpad]"), std::string::npos) << registry;
  std::string escaped;
  for (char c : folder) escaped += c == '\\' ? "\\\\" : std::string(1, c);
  EXPECT_NE(registry.find("\"CfgDir\"=\"" + escaped + "\""), std::string::npos) << registry;
}

// The build's install step, into a folder of the test's own.
TEST_F(TarnwickTest, TheInstallStepPlacesTheProgramItsDesktopEntryAndItsIcon) {
  const std::string prefix = Path("usr");
  const std::string install =
      Quoted(CMAKE_PATH) + " --install " + Quoted(BUILD_PATH) + " --prefix " + Quoted(prefix) + " >/dev/null 2>&1";
  ASSERT_EQ(std::system(install.c_str()), 0);

  const std::string program = prefix + "/bin/Tarnwick";
  EXPECT_EQ(::access(program.c_str(), X_OK), 0) << program;
  const std::string entry = prefix + "/share/applications/tarnwick.desktop";
  const std::string text = ReadFile(entry);
  EXPECT_NE(text.find("\nExec=Tarnwick %f\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nIcon=tarnwick\n"), std::string::npos) << text;
  if (std::system("command -v desktop-file-validate >/dev/null 2>&1") == 0) {
    EXPECT_EQ(std::system(("desktop-file-validate " + Quoted(entry) + " >/dev/null").c_str()), 0);
  }
  EXPECT_NE(ReadFile(prefix + "/share/icons/hicolor/scalable/apps/tarnwick.svg").find("<svg"), std::string::npos);

  // The installed program runs, and its first start records its own folder for the plug-in.
  const std::string script = Write("nothing.txt", "");
  const std::string run = "HOME=" + Quoted(folder_) + " VELMORA_REGISTRY=" + Quoted(Path("installed.reg")) + " " +
                          Quoted(program) + " --script " + Quoted(script) + " >/dev/null 2>&1 </dev/null";
  ASSERT_EQ(std::system(run.c_str()), 0);
  EXPECT_NE(ReadFile(Path("installed.reg")).find("\"CfgDir\"=\"" + prefix + "/bin\""), std::string::npos);
}

TEST_F(TarnwickTest, AScriptThatCannotBeReadIsRefused) {
  const std::string command = Quoted(TARNWICK_PATH) + " --script " + Quoted(Path("none.txt")) + " >/dev/null 2>&1";
  const int raw = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2);
}

}  // namespace

// A FIFO as the document blocked the open for ever: it is refused at once, and
// the program goes on without it.
TEST_F(TarnwickTest, AFifoAsTheDocumentIsRefusedAtOnce) {
  ASSERT_EQ(::mkfifo(Path("pipe.nc").c_str(), 0600), 0);
  const EditorRun run = Tarnwick("screen\n", Path("pipe.nc"));
  EXPECT_NE(run.out.find("pipe.nc"), std::string::npos) << run.out;
  EXPECT_TRUE(LastScreen(run.out).empty()) << run.out;
}
