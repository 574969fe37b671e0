#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "plugin/shell/manager/manager_drawing_test.h"
#include "plugin/shell/manager/toolpath_operation.h"
#include "plugin/shell/manager/toolpath_simulation.h"
#include "plugin/solid/machining/solid_cut_dlg.h"
#include "plugin/solid/machining/solid_cut_generator.h"
#include "plugin/solid/machining/z_profile_dlg.h"
#include "plugin/solid/machining/z_profile_generator.h"
#include "plugin/solid/slices/mould_solids_test.h"

namespace {

// The lowest Z the replay showed and how many positions it showed.
void ReplayedPositions(const std::string& transcript, int& count, double& lowest) {
  count = 0;
  lowest = 1e300;
  for (std::size_t at = transcript.find("X:"); at != std::string::npos; at = transcript.find("X:", at + 1)) {
    double x = 0.0, y = 0.0, z = 0.0;
    if (std::sscanf(transcript.c_str() + at, "X: %lf, Y: %lf, Z: %lf", &x, &y, &z) != 3) continue;
    ++count;
    lowest = std::min(lowest, z);
  }
}

// The manager replays both kinds with their own tool, down into the pocket.
TEST(SolidMachiningSimulation, BothKindsReplayWithTheirToolAlongTheirMoves) {
  ManagerDrawing drawing;
  const AcDbObjectId block = mould::Block(drawing.session());
  CSolidCutDlg cut;
  cut.m_ModelId = block;
  cut.m_ToolpathName = "SolMill_1";
  cut.m_Tool.m_Diameter = 6.0f;
  cut.m_Tool.FormatToolName();
  cut.m_Stepover = 8.0f;
  CreateSolidCutToolpath(cut);
  CZProfileDlg levels;
  levels.m_ModelId = block;
  levels.m_ToolpathName = "ZProfile_1";
  levels.m_Tool.m_Diameter = 8.0f;
  levels.m_Tool.FormatToolName();
  levels.m_Method = kZProfileCavity;
  CreateZProfileToolpath(levels);
  ASSERT_TRUE(IsToolpathGroupName("SolMill_1") && IsToolpathGroupName("ZProfile_1")) << drawing.transcript();

  ToolpathOperations operations;
  SimulateToolpath("SolMill_1", operations);
  int count = 0;
  double lowest = 0.0;
  ReplayedPositions(drawing.transcript(), count, lowest);
  EXPECT_GT(count, 100) << drawing.transcript();
  EXPECT_NEAR(lowest, 10.0, 0.01);  // the pocket's floor
  EXPECT_TRUE(ToolpathNameExists("B6.0-3.0-50.0")) << drawing.transcript();

  SimulateToolpath("ZProfile_1", operations);
  EXPECT_TRUE(ToolpathNameExists("F8.0-0.0-50.0")) << drawing.transcript();
  int both = 0;
  ReplayedPositions(drawing.transcript(), both, lowest);
  EXPECT_GT(both, count);
  EXPECT_FALSE(drawing.session().failed());
}

}  // namespace
