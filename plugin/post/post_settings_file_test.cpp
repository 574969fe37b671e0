#include "plugin/post/post_settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/win/scoped_temp_folder.h"
#include "plugin/post/post_values.h"
#include "plugin/shell/settings/message_table.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Sample(const char* name) {
  const char* root = std::getenv("VELMORA_TEST_SOURCE");
  return ReadFile(std::string(root != nullptr ? root : ".") + "/samples/posts/" + name);
}

PostValues Parsed(const std::string& defineText) {
  PostSettingsFile file;
  file.LoadText("[Define]\n" + defineText + "[End]\n");
  PostValues values;
  InitialiseCurrentValues(values);
  ParseDefineSettings(file.block(kDefineBlock), values);
  return values;
}

TEST(PostSettingsFile, TheDefaultWrittenAndReadBackIsByteIdenticalAndIsTheShippedDefault) {
  PostSettingsFile file;
  file.UseDefaults();
  const std::string saved = file.SaveText();
  PostSettingsFile again;
  again.LoadText(saved);
  EXPECT_EQ(again.SaveText(), saved);
  // Many cycles: [Define] gains no blank line.
  for (int i = 0; i < 5; ++i) again.LoadText(again.SaveText());
  EXPECT_EQ(again.SaveText(), saved);
  EXPECT_EQ(Sample("default.ppr"), saved);
  EXPECT_NE(saved.find("\r\n[Define]\r\n//  default setting\r\n"), std::string::npos);
  EXPECT_NE(saved.find("\r\n[Cycle_Cancel]\r\nG80\r\n[End]\r\n"), std::string::npos);
  for (int id = kStartBlock; id < kPostBlockCount; ++id) EXPECT_TRUE(again.block(id).present) << id;
}

TEST(PostSettingsFile, EverySampleReadsBackAsItWasWritten) {
  for (const char* name : {"iso_mill.ppr", "iso_mill_numbered.ppr"}) {
    const std::string text = Sample(name);
    ASSERT_FALSE(text.empty()) << name;
    PostSettingsFile file;
    file.LoadText(text);
    EXPECT_EQ(file.SaveText(), text) << name;
  }
}

TEST(PostSettingsFile, ADefineWithEveryKeySetsEveryValue) {
  const PostValues v = Parsed(
      "$F=1500 // feed\n$H=7\n$I=1.5\n$J=-2.25\n$K=3\n$N=100\n$O=1234\n$S=8000\n$T=12\n$R=4.5\n"
      "$X=10\n$Y=20\n$Z=30\n$arc_plane=18\n$rapid_mode=R0\n$cut_mode=L1\n$cw_arc=C2\n$ccw_arc=C3\n"
      "$xy_plane=P17\n$zx_plane=P18\n$yz_plane=P19\n$ArcHelix=1\n$cyc_init=I98\n$cyc_r=I99\n$drill=D81\n"
      "$peck_drill=D83\n$chip_drill=D73\n$tap_cyc=D84\n$bor_feed=D89\n$bor_spindle=D86\n$bor_shift=D76\n"
      "$user_cycle1=U1\n$user_cycle2=U2\n$user_cycle3=U3\n$user_cycle4=U4\n$user_cycle5=U5\n");
  EXPECT_EQ(v.F, 1500);
  EXPECT_EQ(v.H, 7);
  EXPECT_DOUBLE_EQ(v.I, 1.5);
  EXPECT_DOUBLE_EQ(v.J, -2.25);
  EXPECT_DOUBLE_EQ(v.K, 3.0);
  EXPECT_EQ(v.N, 100);
  EXPECT_EQ(v.O, 1234);
  EXPECT_EQ(v.S, 8000);
  EXPECT_EQ(v.T, 12);
  EXPECT_DOUBLE_EQ(v.R, 4.5);
  EXPECT_DOUBLE_EQ(v.X, 10.0);
  EXPECT_DOUBLE_EQ(v.Y, 20.0);
  EXPECT_DOUBLE_EQ(v.Z, 30.0);
  EXPECT_EQ(v.plane, kPlaneZX);
  EXPECT_EQ(v.helixSwitch, 1);
  const char* modes[] = {"R0", "L1", "C2", "C3", "P17", "P18", "P19"};
  for (int i = 0; i < kPostModeWordCount; ++i) EXPECT_EQ(v.modeWords[i], modes[i]);
  const char* cycles[] = {"I98", "I99", "D81", "D83", "D73", "D84", "D89", "D86", "D76"};
  for (int i = 0; i < kPostCycleWordCount; ++i) EXPECT_EQ(v.cycleWords[i], cycles[i]);
  for (int i = 0; i < kUserCycleWordCount; ++i) EXPECT_EQ(v.userCycleWords[i], "U" + std::to_string(i + 1));
}

TEST(PostSettingsFile, ASettingIsTheTextAfterItsKeyWhereverTheKeyStands) {
  EXPECT_EQ(Parsed("   feed $F=1500   // comment\n").F, 1500);
  EXPECT_EQ(Parsed("//$F=1500\n").F, 0) << "a commented setting sets nothing";
  EXPECT_EQ(Parsed("word $drill=G81.1  // drilling\n").cycleWords[kDrillWord], "G81.1");
  EXPECT_EQ(Parsed("$arc_plane=G18\n").plane, kNoPlane) << "only the two digits select a plane";
  EXPECT_EQ(Parsed("$arc_plane=19\n").plane, kPlaneYZ);
  EXPECT_EQ(Parsed("$rapid_mode=G00\\r\\n\n").modeWords[kRapidModeText], "G00") << "a trailing line break is blank";
}

TEST(PostSettingsFile, PresenceComesFromTheFileReadAlone) {
  PostSettingsFile file;
  file.LoadText("[Tool]\nT$T M06\n[End]\n[Cut]\n[End]\n");
  EXPECT_TRUE(file.block(kToolBlock).present);
  EXPECT_EQ(file.block(kToolBlock).fullText(), "T$T M06\r\n");
  EXPECT_FALSE(file.block(kCutBlock).present) << "a section without lines";
  EXPECT_EQ(file.block(kCutBlock).lineCount(), 0);
  EXPECT_FALSE(file.block(kRapidBlock).present) << "a section the file lacks";
  EXPECT_EQ(file.block(kRapidBlock).fullText(), DefaultPostBlockText(kRapidBlock)) << "keeps the default to edit";

  // A second file without [Tool] leaves no trace of the first one's.
  file.LoadText("[Term]\r\nM30\r\n[End]\r\n");
  EXPECT_FALSE(file.block(kToolBlock).present);
  EXPECT_TRUE(file.block(kTermBlock).present);

  // A section that comes twice keeps its last copy; lines outside sections are ignored.
  file.LoadText("junk\n[Term]\nM02\n[End]\nmore junk\n  [Term]  \n  M30  \n[End]\n");
  EXPECT_EQ(file.block(kTermBlock).fullText(), "M30\r\n");
}

TEST(PostSettingsFile, BlocksAndLinesAreAsLongAsTheFileHasThem) {
  std::string text = "[Cut]\n";
  for (int i = 0; i < 120; ++i) text += "G01 X" + std::to_string(i) + "\n";
  const std::string longLine = "(" + std::string(150, 'A') + ")";
  text += longLine + "\n[End]\n";
  PostSettingsFile file;
  file.LoadText(text);
  ASSERT_EQ(file.block(kCutBlock).lineCount(), 121);
  EXPECT_EQ(file.block(kCutBlock).lines()[119], "G01 X119\r\n");
  EXPECT_EQ(file.block(kCutBlock).lines()[120], longLine + "\r\n");
}

TEST(PostSettingsFile, AFileIsFoundWithItsExtensionAddedAndAMissingOneLeavesTheDefault) {
  win::ScopedTempFolder folder;
  const std::string path = folder / "mill.ppr";
  std::ofstream(path, std::ios::binary) << "[Spindle]\nS$S M04\n[End]\n";
  PostSettingsFile file;
  EXPECT_EQ(file.Load(folder / "mill"), PostSettingsFile::LoadResult::kReadWithExtension);
  EXPECT_EQ(file.block(kSpindleBlock).fullText(), "S$S M04\r\n");
  EXPECT_FALSE(file.block(kStartBlock).present);

  EXPECT_EQ(file.Load(folder / "missing.ppr"), PostSettingsFile::LoadResult::kDefaultsInForce);
  EXPECT_EQ(file.block(kSpindleBlock).fullText(), "S$SM03\r\n");
  EXPECT_TRUE(file.block(kStartBlock).present);
  EXPECT_FALSE(file.block(kDefineBlock).present);
}

// A definition that does not parse is refused at its line, and a refused file
// leaves the definition in force as it was.
TEST(PostSettingsFile, ADefinitionThatDoesNotParseIsRefusedAtItsLine) {
  LoadMessageTable();
  struct Case {
    const char* text;
    int line;
    const char* names;  // part of the reason
  };
  const Case cases[] = {
      {"x7#q!!zz\nG01 hello\n", 1, ""},                                  // noise: no section at all
      {"[Start]\n%\n[Cut]\n[$cut_mode][$X]\n[End]\n", 3, "[Cut]"},    // [Start] never ended
      {"[Define]\n$F=100\n[End]\n[Cut]\nG01[$X]\n", 4, "[Cut]"},      // [Cut] runs to the end
      {"[Term]\nM30\n[End]\nM02\n[End]\n", 5, ""},                     // an [End] of no section
      {"[Start\n%\n[End]\n", 3, ""},                                    // a broken header leaves [End] alone
      {"[Cut]\n[$cut_mode][$X][$Y\n[End]\n", 2, "[$Y"},                  // a variable not closed
      {"[Cut]\nG01[$XX][$F]\n[End]\n", 2, "[$XX]"},                      // a variable no block knows
      {"[Rapid]\nG00\x01X\n[End]\n", 2, ""},                             // binary noise
  };
  for (const Case& c : cases) {
    const std::optional<PostDefinitionProblem> problem = CheckPostDefinition(c.text);
    ASSERT_TRUE(problem.has_value()) << c.text;
    EXPECT_EQ(problem->line, c.line) << c.text;
    EXPECT_FALSE(problem->why.empty()) << c.text;
    EXPECT_NE(problem->why.find(c.names), std::string::npos) << problem->why;
  }
  EXPECT_FALSE(CheckPostDefinition("junk\n[Term]\nM30\n[End]\n\n").has_value()) << "text outside sections";
  EXPECT_FALSE(CheckPostDefinition("[Define]\n$cut_mode=[$weird]\n[End]\n").has_value()) << "settings are text";
  for (const char* name : {"default.ppr", "iso_mill.ppr", "iso_mill_numbered.ppr"}) {
    EXPECT_FALSE(CheckPostDefinition(Sample(name)).has_value()) << name;
  }

  win::ScopedTempFolder folder;
  std::ofstream(folder / "junk.ppr", std::ios::binary) << "[Cut]\nG01[$X]\n[Tool]\nT$T\n[End]\n";
  PostSettingsFile file;
  file.LoadText("[Cut]\nG01 [$X]\n[End]\n");
  PostDefinitionProblem problem;
  EXPECT_EQ(file.Load(folder / "junk.ppr", &problem), PostSettingsFile::LoadResult::kRefused);
  EXPECT_EQ(problem.line, 3);
  EXPECT_EQ(file.block(kCutBlock).fullText(), "G01 [$X]\r\n");
  EXPECT_FALSE(file.block(kToolBlock).present);
}

TEST(PostBlock, TheEditorKeepsWhatEndsInALineBreakAndAnEmptyTextMakesTheBlockAbsent) {
  PostBlock block;
  block.SetEditedText("G80\r\nM09\nM05");
  EXPECT_EQ(block.fullText(), "G80\r\nM09\r\n") << "the last line without a break is dropped";
  EXPECT_TRUE(block.present);
  block.SetEditedText("");
  EXPECT_FALSE(block.present);
  EXPECT_EQ(block.lineCount(), 0);
}

TEST(PostBlock, LinesAreScannedForWhatTheyName) {
  const PostLineMasks masks = ScanPostLine("[$N][$cut_mode]X$X?S[$F] $tool_dia $cyc_ret\r\n");
  EXPECT_EQ(masks.bracketed, LetterBit('N') | LetterBit('F'));
  EXPECT_EQ(masks.bare, LetterBit('X'));
  EXPECT_EQ(masks.asked, LetterBit('S'));
  EXPECT_EQ(masks.bracketedWords, kCutModeWord);
  EXPECT_EQ(masks.bareWords, kCutModeWord | kCycleReturnWord | kToolSizeWords);
}

// A FIFO as the definition blocked the post for ever: it is refused at once and
// the defaults stand.
TEST(PostSettingsFile, AFifoAsTheDefinitionIsRefusedAtOnce) {
  win::ScopedTempFolder folder;
  ASSERT_EQ(::mkfifo((folder / "pipe.ppr").c_str(), 0600), 0);
  PostSettingsFile definition;
  EXPECT_EQ(definition.Load(folder / "pipe.ppr"), PostSettingsFile::LoadResult::kDefaultsInForce);
}

}  // namespace
