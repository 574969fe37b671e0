#include "plugin/post/post_block_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/post/post_number_text.h"

namespace {

class Engine : public ::testing::Test {
 protected:
  Engine() {
    InitialiseCurrentValues(current);
    ResetWrittenValues(written);
  }

  // Expands the lines as a block of the type and, when it wrote, records what it wrote.
  std::string Emit(const std::vector<std::string>& lines, int type = kOrdinaryBlockType,
                   PostValueAsker* asker = nullptr) {
    PostBlock block;
    block.type = type;
    block.present = true;
    for (const std::string& line : lines) block.AddLine(line + "\r\n");
    std::string out;
    PostWrittenWords words;
    if (EmitPostBlock(block, current, written, asker, out, words)) {
      RecordWrittenWords(words, type, current, written);
      written.moveType = current.moveType;
    }
    return out;
  }

  void MoveTo(double x, double y, double z, int type, int feed = 0) {
    current.X = x, current.Y = y, current.Z = z;
    current.moveType = type;
    current.F = feed;
  }

  PostValues current;
  PostValues written;
};

TEST_F(Engine, TheCutLineOfTheDefaultWritesOnlyWhatChanged) {
  const std::string cut = "[$cut_mode][$X][$Y][$Z][$F]";
  written.X = 0, written.Y = 0, written.Z = 5, written.F = 0, written.moveType = 1;
  MoveTo(10.5, 0, 5, 3, 300);
  EXPECT_EQ(Emit({cut}), "G01X10.5F300\r\n");
  MoveTo(20, 0, 5, 4, 300);
  EXPECT_EQ(Emit({cut}), "X20.\r\n");
}

TEST_F(Engine, BracketedWordsAreModalAndBareOnesAlwaysWritten) {
  written.X = 1, written.Y = 2, written.Z = 3, written.F = 100;
  MoveTo(1, 2.5, 3, 3, 100);
  EXPECT_EQ(Emit({"[$X][$Y] X$X Y$Y [$F]F$F T[$T] H$H"}), "Y2.5 X1. Y2.5 F100 T0 H0\r\n");
  // Both forms count as written: the next line finds Y unchanged.
  EXPECT_EQ(Emit({"[$Y]"}), "");
}

TEST_F(Engine, CoordinatesWithinTheToleranceAreLeftOutAndDoNotDrift) {
  written.X = 10.0;
  MoveTo(10.0009, 0, 0, 3);
  EXPECT_EQ(Emit({"[$X]"}), "");
  EXPECT_DOUBLE_EQ(written.X, 10.0) << "a word left out is not taken as written";
  MoveTo(10.0018, 0, 0, 3);
  EXPECT_EQ(Emit({"[$X]"}), "X10.002\r\n") << "small steps add up until they show";
  MoveTo(11.002, 0, 0, 3);
  EXPECT_EQ(Emit({"[$X]"}), "X11.002\r\n");
  written.X = 11.001;
  MoveTo(11.002, 0, 0, 3);
  EXPECT_EQ(Emit({"[$X]"}), "X11.002\r\n") << "a difference of exactly 0.001 is written";
  // Z is not named: it stays as last written.
  written.Z = 7;
  MoveTo(0, 0, 9, 3);
  Emit({"[$X]"});
  EXPECT_DOUBLE_EQ(written.Z, 7.0);
}

TEST_F(Engine, NumbersKeepTheirPointAndLoseTrailingZeros) {
  EXPECT_EQ(TrimmedNumber(0.0), "0.");
  EXPECT_EQ(TrimmedNumber(10.0), "10.");
  EXPECT_EQ(TrimmedNumber(0.5), "0.5");
  EXPECT_EQ(TrimmedNumber(-1.25), "-1.25");
  EXPECT_EQ(TrimmedNumber(-0.0002), "0.");
  EXPECT_EQ(TrimmedNumber(123.4567), "123.457");
}

TEST_F(Engine, SequenceNumbersWrapEachFormItsOwnWay) {
  current.N = 9999;
  EXPECT_EQ(Emit({"[$N]"}), "N9999\r\n");
  EXPECT_EQ(current.N, 1);
  current.N = 9999;
  EXPECT_EQ(Emit({"N$N"}), "N9999\r\n");
  EXPECT_EQ(current.N, 0);
  current.N = 5;
  EXPECT_EQ(Emit({"[$N]G00", "[$N]G01"}), "N5G00\r\nN6G01\r\n");
}

TEST_F(Engine, CycleValuesComeOnTheFirstHoleAndThenOnlyWhenTheyChange) {
  const std::string drill = "[$cyc_ret][$cyc_mode][$X][$Y][$Z][$R][$Q][$F]";
  current.cycleIndex = 1;
  current.cycleR = 2, current.cycleZ = -12, current.cycleQ = 4;
  MoveTo(20, 20, 20, 11, 100);
  current.firstCycle = true;
  EXPECT_EQ(Emit({drill}, kCycleBlockType), "G98G83X20.Y20.Z-12.R2.Q4.F100\r\n");
  current.firstCycle = false;
  MoveTo(40, 20, 20, 11, 100);
  EXPECT_EQ(Emit({drill}, kCycleBlockType), "X40.\r\n");
  current.cycleZ = -15;
  MoveTo(60, 20, 20, 11, 100);
  EXPECT_EQ(Emit({drill}, kCycleBlockType), "X60.Z-15.\r\n");
  current.cycleReturnInitial = false;
  current.firstCycle = true;
  EXPECT_EQ(Emit({"[$cyc_ret][$cyc_mode]"}, kCycleBlockType), "G99G83\r\n");
}

TEST_F(Engine, ArcsCarryTheCentreOfTheirPlaneOnEveryBlock) {
  const std::string arc = "[$arc_plane][$arc_mode][$X][$Y][$Z][$I][$J][$K][$F]";
  written.X = 10, written.Y = 0, written.Z = 0, written.F = 100;
  current.I = -10, current.J = 0, current.K = 0, current.plane = kPlaneXY;
  MoveTo(-10, 0, 0, 6, 100);
  EXPECT_EQ(Emit({arc}, kArcBlockType), "G17G03X-10.I-10.J0.\r\n");
  current.I = 10, current.J = 0;
  MoveTo(10, 0, 0, 6, 100);
  EXPECT_EQ(Emit({arc}, kArcBlockType), "X10.I10.J0.\r\n") << "the same offsets are written again";
  current.plane = kPlaneZX;
  current.I = 0, current.J = 0, current.K = 5;
  MoveTo(10, 0, 10, 8, 100);
  EXPECT_EQ(Emit({arc}, kArcBlockType), "G18G02Z10.I0.K5.\r\n");
  current.plane = kPlaneYZ;
  current.J = 2, current.K = 3;
  MoveTo(10, 4, 10, 8, 100);
  EXPECT_EQ(Emit({arc}, kArcBlockType), "G19Y4.J2.K3.\r\n");
  EXPECT_EQ(Emit({"[$R]"}, kArcBlockType), "R0.\r\n") << "R is written on every arc too";
}

TEST_F(Engine, ModeWordsFollowTheMoveType) {
  MoveTo(1, 0, 0, 1);
  EXPECT_EQ(Emit({"[$rapid_mode][$X]"}), "G00X1.\r\n");
  MoveTo(2, 0, 0, 2);
  EXPECT_EQ(Emit({"[$rapid_mode][$X]"}), "X2.\r\n") << "a rapid after a rapid carries no word";
  EXPECT_EQ(Emit({"$rapid_mode $cut_mode $arc_plane"}), "G00 G01 \r\n");
}

TEST_F(Engine, AWhiteSpaceBlockWritesNothingAndAnAbsentOneNothingAtAll) {
  written.X = 1;
  MoveTo(1, 0, 0, 3);
  EXPECT_EQ(Emit({"  [$X]  ", "[$X]"}), "");
  PostBlock absent;
  absent.AddLine("M08\r\n");
  std::string out = "old";
  PostWrittenWords words;
  EXPECT_FALSE(EmitPostBlock(absent, current, written, nullptr, out, words));
  EXPECT_EQ(out, "");
}

class CountingAsker : public PostValueAsker {
 public:
  bool Ask(const char* prompt, double& value) override {
    prompts.push_back(prompt);
    value = answer;
    return true;
  }
  std::vector<std::string> prompts;
  double answer = 0.0;
};

TEST_F(Engine, AnAskedValueIsAskedOnceStoredAndWritten) {
  CountingAsker asker;
  asker.answer = 2500.7;
  EXPECT_EQ(Emit({"S?S M03 (?S)"}, kOrdinaryBlockType, &asker), "S2500 M03 (2500)\r\n");
  EXPECT_EQ(asker.prompts, std::vector<std::string>{"S Code"});
  EXPECT_EQ(current.S, 2500);
  asker.answer = 1.5;
  EXPECT_EQ(Emit({"?J"}, kOrdinaryBlockType, &asker), "J1.500\r\n");
  EXPECT_EQ(asker.prompts.back(), "\tJ Code");
}

TEST_F(Engine, ToolWordsAreWrittenInSixPlaces) {
  current.toolDiameter = 8, current.toolCornerRadius = 0.5, current.toolLength = 120.25;
  EXPECT_EQ(Emit({"($tool_dia/$tool_cor_rad/$tool_len)"}), "( 8.000/ 0.500/120.250)\r\n");
}

}  // namespace
