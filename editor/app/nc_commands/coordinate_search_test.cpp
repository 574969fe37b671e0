// The coordinate search on a posted program: the hits are exactly the blocks
// that rs274 ends within the tolerance, shown with their absolute end points,
// also in G91 programs.
#include "editor/app/nc_commands/coordinate_search.h"

#include <cmath>
#include <regex>

#include "editor/app/nc_commands/nc_commands_test_support.h"
#include "editor/app/nc_commands/rs274_test_support.h"

namespace nc_test {
namespace {

using rs274_test::Point;

// The "라인번호" and found texts of every showing of the dialog, in order.
std::vector<std::string> ShownHits(const std::string& transcript) {
  std::vector<std::string> hits;
  const std::regex line_number(R"(1086 .*?"(-?\d+)\")");
  for (auto it = std::sregex_iterator(transcript.begin(), transcript.end(), line_number); it != std::sregex_iterator();
       ++it) {
    hits.push_back((*it)[1]);
  }
  return hits;
}

TEST(IsWithinTolerance, TruncatedDifferencesOfTheAxesInUseMustStayBelowTheTolerance) {
  CoordinateValues values;
  values.use[0] = values.use[1] = 1;
  values.use[2] = 0;
  values.target[0] = 10;
  values.target[1] = 20;
  values.tolerance = 1;
  const float near[3] = {10.4f, 20.9f, 500.0f};
  const float off[3] = {11.0f, 20.0f, 0.0f};
  EXPECT_TRUE(nc::IsWithinTolerance(near, values));
  EXPECT_FALSE(nc::IsWithinTolerance(off, values));
  values.tolerance = 2;
  EXPECT_TRUE(nc::IsWithinTolerance(off, values));
  const float far[3] = {3.0e38f, -3.0e38f, 0.0f};
  EXPECT_FALSE(nc::IsWithinTolerance(far, values));
  const float none[3] = {std::nanf(""), 20.0f, 0.0f};
  EXPECT_FALSE(nc::IsWithinTolerance(none, values));
  EXPECT_EQ(nc::CoordinateText(12.34567f), "12.346");
  EXPECT_EQ(nc::CoordinateText(-2.0f), "-2.000");
}

class CoordinateSearchTest : public NcCommandTest {};

TEST_F(CoordinateSearchTest, HitsAreExactlyTheBlocksTheInterpreterEndsWithinTheTolerance) {
  if (!rs274_test::Available()) GTEST_SKIP() << "rs274 is not installed";
  const std::vector<std::string> lines = rs274_test::Posted("profile_posted.nc");
  int status = 0;
  std::string output;
  const std::vector<Point> canon = rs274_test::EndPointsByLine(
      lines, rs274_test::Interpret(folder_.path(), rs274_test::Joined(lines), status, output));
  ASSERT_EQ(status, 0) << output;
  std::vector<std::string> expected;
  for (size_t i = 1; i < lines.size(); ++i) {
    const bool moved = canon[i] != canon[i - 1];
    const long dx = static_cast<long>(std::fabs(canon[i][0] - 10));
    const long dy = static_cast<long>(std::fabs(canon[i][1] - (-4)));
    if (moved && static_cast<long>(std::sqrt(static_cast<double>(dx * dx + dy * dy))) < 2) {
      expected.push_back(std::to_string(i + 1));
    }
  }
  ASSERT_GE(expected.size(), 3u);

  Open(rs274_test::Joined(lines));
  std::string script = "set 1088 10\nset 1089 -4\ncheck 1054\ncheck 1001\nuncheck 1002\nset 1091 2\nclick 1092\n";
  for (size_t i = 0; i < expected.size(); ++i) script += "show\nclick 1092\n";
  script += "no\n";
  Run(ID_FIND_COORDINATE, script);
  EXPECT_EQ(ShownHits(Transcript()), expected) << Transcript();
  EXPECT_TRUE(Said("처음부터 다시 검색"));
  EXPECT_FALSE(ActiveDoc()->IsModified());
}

TEST_F(CoordinateSearchTest, TheFoundTextsAreAbsoluteAfterIncrementalBlocksAndOkEndsTheSearch) {
  Open("%\r\nG90 G00 X10. Y20. Z5.\r\nG91 G01 X2.5 Y-1.25\r\nX0.125 Z-7.\r\nG90 X0 Y0\r\n%");
  Run(ID_FIND_COORDINATE,
      "set 1088 12\nset 1089 19\nset 1090 -2\ncheck 1054\ncheck 1001\nuncheck 1002\nset 1091 2\nclick 1092\n"
      "show\nclick 1092\nshow\nok\n");
  const std::string transcript = Transcript();
  EXPECT_EQ(ShownHits(transcript), (std::vector<std::string>{"3", "4"})) << transcript;
  EXPECT_NE(transcript.find("\"12.500\""), std::string::npos) << transcript;
  EXPECT_NE(transcript.find("\"18.750\""), std::string::npos);
  EXPECT_NE(transcript.find("\"12.625\""), std::string::npos);
  EXPECT_NE(transcript.find("\"-2.000\""), std::string::npos);
  EXPECT_EQ(transcript.find("처음부터"), std::string::npos) << "OK ended the search";
  EXPECT_EQ(Caret(), (TextPosition{0, 3}));
}

TEST_F(CoordinateSearchTest, EachSearchStartsFromAFreshParserAndCancelStopsIt) {
  Open("%\r\nG91\r\nX5.\r\nX5.\r\n%");
  const std::string search = "set 1088 5\nset 1089 0\ncheck 1054\nuncheck 1001\nuncheck 1002\nset 1091 1\nclick 1092\n";
  Run(ID_FIND_COORDINATE, search + "show\ncancel\n");
  EXPECT_EQ(ShownHits(Transcript()), (std::vector<std::string>{"3"}));
  Run(ID_FIND_COORDINATE, search + "show\ncancel\n");
  EXPECT_EQ(ShownHits(Transcript()), (std::vector<std::string>{"3"})) << "not X15 from the last search";
  Run(ID_FIND_COORDINATE, search + "show\nclick 1092\nyes\nshow\nclick 1092\nok\n");
  EXPECT_EQ(ShownHits(Transcript()), (std::vector<std::string>{"3", "3"}));
  EXPECT_TRUE(Said("공차범위에서 더이상 찾을 수 없습니다."));
}

}  // namespace
}  // namespace nc_test
