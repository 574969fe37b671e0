// The block parser on single blocks: modal motion and mode, drilling cycles,
// comments, malformed words and long numbers.
#include "editor/app/nc_commands/nc_block_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Parsed {
  int result = 0;
  float aux[3] = {0, 0, 0};
  float end[3] = {0, 0, 0};
};

class NcBlockParserTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetNcParserState(); }
  static Parsed Parse(const std::string& text) {
    Parsed parsed;
    parsed.result = ParseNcBlock(text.c_str(), parsed.aux, parsed.end);
    return parsed;
  }
};

TEST_F(NcBlockParserTest, AbsoluteAndIncrementalBlocksEndWhereTheMachineWould) {
  EXPECT_EQ(Parse("G90 X5.0\n").result, 1);
  const Parsed incremental = Parse("G91 X1.0\n");
  EXPECT_EQ(incremental.result, 1);
  EXPECT_FLOAT_EQ(incremental.end[0], 6.0f);
  const Parsed more = Parse("Y2.5 Z-1\n");
  EXPECT_FLOAT_EQ(more.end[0], 6.0f);
  EXPECT_FLOAT_EQ(more.end[1], 2.5f);
  EXPECT_FLOAT_EQ(more.end[2], -1.0f);
  EXPECT_EQ(Parse("X0 Y0\n").result, 0) << "no increment, no move";
  const Parsed back = Parse("G90 X1\n");
  EXPECT_FLOAT_EQ(back.end[0], 1.0f);
  EXPECT_FLOAT_EQ(back.end[1], 2.5f) << "absolute again from where the tool is";
  EXPECT_EQ(Parse("X1\n").result, 0) << "same place in G90";
}

TEST_F(NcBlockParserTest, ArcsCountEvenAsFullCirclesAndCarryTheirCentre) {
  const Parsed circle = Parse("G02 X0 Y0 I5.0\n");
  EXPECT_EQ(circle.result, 1);
  EXPECT_FLOAT_EQ(circle.aux[0], 5.0f);
  EXPECT_EQ(Parse("G01 X0 Y0\n").result, 0);
  const Parsed lower = Parse("g03 x1.5 y-2 i0.5 j-1\n");
  EXPECT_EQ(lower.result, 1);
  EXPECT_EQ(TheNcParserState().motion, kNcLinearCarried) << "G is read in upper case only";
  EXPECT_FLOAT_EQ(lower.end[1], -2.0f);
  EXPECT_FLOAT_EQ(lower.aux[1], -1.0f);
}

TEST_F(NcBlockParserTest, DrillingCyclesKeepTheirZAndRAndMoveOnlyInThePlane) {
  Parse("G00 X0 Y0 Z50\n");
  const Parsed cycle = Parse("G81 Z-5.0 R2.0\n");
  EXPECT_EQ(cycle.result, 0);
  EXPECT_FLOAT_EQ(cycle.aux[0], -5.0f);
  EXPECT_FLOAT_EQ(cycle.aux[1], 2.0f);
  const Parsed hole = Parse("X10.0\n");
  EXPECT_EQ(hole.result, 1);
  EXPECT_FLOAT_EQ(hole.aux[0], -5.0f);
  EXPECT_FLOAT_EQ(hole.aux[1], 2.0f);
  EXPECT_FLOAT_EQ(hole.end[2], 50.0f) << "the cycle's Z is no end point";
  Parse("G80\n");
  const Parsed after = Parse("Z-3\n");
  EXPECT_FLOAT_EQ(after.end[2], -3.0f);
  EXPECT_FLOAT_EQ(after.aux[0], 0.0f);
}

TEST_F(NcBlockParserTest, CommentsAreSkippedButTheBlockAroundThemCounts) {
  Parse("G00 X1 Y1\n");
  const Parsed commented = Parse("G01 X10. (CUT TO X99 Y99) Y5.\n");
  EXPECT_EQ(commented.result, 1);
  EXPECT_FLOAT_EQ(commented.end[0], 10.0f);
  EXPECT_FLOAT_EQ(commented.end[1], 5.0f);
  const Parsed only = Parse("(X50 Y50)\n");
  EXPECT_EQ(only.result, 0);
  EXPECT_FLOAT_EQ(only.end[0], 10.0f);
  EXPECT_EQ(Parse("(황삭 가공 X5) X12.\n").result, 1);
  EXPECT_EQ(Parse("#1=5 X#1\n").result, 0);
  EXPECT_FLOAT_EQ(Parse("X12.\n").end[0], 12.0f) << "the macro line changed nothing";
}

TEST_F(NcBlockParserTest, MalformedWordsAndMissingLineFeedsRejectTheBlock) {
  EXPECT_EQ(Parse("X\n").result, 0);
  EXPECT_EQ(Parse("X=5\n").result, 0);
  EXPECT_EQ(Parse("G X5\n").result, 0) << "a bare G";
  EXPECT_EQ(TheNcParserState().modalMotion, kNcRapidNew);
  EXPECT_EQ(Parse("X5").result, 0) << "no line feed";
  EXPECT_EQ(Parse("X5\n").result, 1) << "the rejected blocks left the last point alone";
}

TEST_F(NcBlockParserTest, NumbersOfAnyLengthAreReadWhole) {
  const std::string digits(400, '0');
  const Parsed parsed = Parse("X" + digits + "1.5 Y0.000000000000000000000000000000012\n");
  EXPECT_EQ(parsed.result, 1);
  EXPECT_FLOAT_EQ(parsed.end[0], 1.5f);
  EXPECT_EQ(Parse("X1" + digits + ".5\n").result, 0) << "beyond any coordinate: rejected";
  EXPECT_FLOAT_EQ(Parse("Z1\n").end[0], 1.5f);
  const Parsed exact = Parse("G90 X12.345678901234567890123456789 Y-0.5\n");
  EXPECT_FLOAT_EQ(exact.end[0], 12.345679f);
  EXPECT_FLOAT_EQ(exact.end[1], -0.5f);
  const Parsed plus = Parse("X+3\n");
  EXPECT_EQ(plus.result, 0) << "a '+' ends the number: X without one";
}

TEST_F(NcBlockParserTest, ResettingTheStateStartsAtTheOriginInAbsoluteMode) {
  Parse("G91 X5\n");
  ResetNcParserState();
  const Parsed parsed = Parse("Y1\n");
  EXPECT_FLOAT_EQ(parsed.end[0], 0.0f);
  EXPECT_FLOAT_EQ(parsed.end[1], 1.0f);
  EXPECT_EQ(TheNcParserState().incremental, 0);
}

}  // namespace
