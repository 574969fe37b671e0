// Programs posted by the plug-in, read block by block by our parser and by
// LinuxCNC's rs274: after every numbered block both put the tool at the same
// point, in absolute (G90) and in incremental (G91) programs.
#include "editor/app/nc_commands/nc_block_parser.h"
#include "editor/app/nc_commands/rs274_test_support.h"

namespace rs274_test {
namespace {

std::vector<Point> ParserEnds(const Lines& lines) {
  ResetNcParserState();
  std::vector<Point> ends;
  for (const std::string& line : lines) {
    float aux[3];
    float end[3];
    ParseNcBlock((line + "\n").c_str(), aux, end);
    const NcParserState& state = TheNcParserState();
    ends.push_back({state.lastPoint[0], state.lastPoint[1], state.lastPoint[2]});
    (void)end;
  }
  return ends;
}

class ParserAgainstRs274 : public Rs274Folder {
 protected:
  // Compares every numbered block; returns the interpreter's end points.
  std::vector<Point> ExpectSameEnds(const Lines& lines) {
    const std::vector<Point> canon = EndPointsByLine(lines, Run(Joined(lines)));
    const std::vector<Point> parsed = ParserEnds(lines);
    int compared = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (LabelOf(lines[i]).empty()) continue;
      ++compared;
      for (size_t axis = 0; axis < 3; ++axis) {
        EXPECT_NEAR(parsed[i][axis], canon[i][axis], 1e-3) << "axis " << axis << " after " << lines[i];
      }
    }
    EXPECT_GT(compared, 20);
    return canon;
  }
};

TEST_F(ParserAgainstRs274, AbsoluteProgramsEndEveryBlockWhereTheInterpreterDoes) {
  for (const char* name : {"profile_posted.nc", "pocket_posted.nc", "drill_posted.nc"}) {
    SCOPED_TRACE(name);
    ExpectSameEnds(Posted(name));
  }
}

TEST_F(ParserAgainstRs274, IncrementalProgramsEndEveryBlockWhereTheInterpreterDoes) {
  for (const char* name : {"profile_posted.nc", "pocket_posted.nc"}) {
    SCOPED_TRACE(name);
    const Lines absolute = Posted(name);
    const std::vector<Point> canon = EndPointsByLine(absolute, Run(Joined(absolute)));
    const Lines incremental = Incremental(absolute, canon);
    ASSERT_NE(Joined(incremental).find("G91"), std::string::npos);
    const std::vector<Point> again = ExpectSameEnds(incremental);
    for (size_t i = 0; i < absolute.size(); ++i) {
      for (size_t axis = 0; axis < 3; ++axis) ASSERT_NEAR(again[i][axis], canon[i][axis], 1e-3) << incremental[i];
    }
  }
}

}  // namespace
}  // namespace rs274_test
