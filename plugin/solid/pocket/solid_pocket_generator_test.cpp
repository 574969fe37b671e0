#include "plugin/solid/pocket/solid_pocket_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <vector>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/tool_shape_dlg.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/manager/toolpath_operation.h"
#include "plugin/shell/manager/toolpath_simulation.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/rapid_linetype.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/pocket/solid_pocket_command.h"
#include "plugin/solid/pocket/solid_pocket_dlg.h"
#include "plugin/solid/slices/mould_solids_test.h"
#include "plugin/solid/slices/solid_slices.h"

namespace {

struct ScopedInfoClass {
  ScopedInfoClass() { CToolPathInfo::rxInit(); }
  ~ScopedInfoClass() { deleteAcRxClass(CToolPathInfo::gpDesc); }
};

double Base(int type, float diameter, float corner) {
  CToolShapeDlg tool;
  tool.m_ToolType = type;
  tool.m_Diameter = diameter;
  tool.m_CornerRadius = corner;
  return SolidLevelBaseOffset(tool);
}

double Lift(int type, float diameter, float corner) {
  CToolShapeDlg tool;
  tool.m_ToolType = type;
  tool.m_Diameter = diameter;
  tool.m_CornerRadius = corner;
  return SolidSectionLift(tool);
}

TEST(SolidPocketLevels, EqualStepsFromOneBelowTheTopDownToTheBottom) {
  EXPECT_EQ(SolidPocketLevels(30, 0, 10), (std::vector<double>{20, 10, 0}));
  const std::vector<double> sevens = SolidPocketLevels(30, 0, 7);
  ASSERT_EQ(sevens.size(), 5u);
  EXPECT_DOUBLE_EQ(sevens[0], 24.0);
  EXPECT_DOUBLE_EQ(sevens[3], 6.0);
  EXPECT_EQ(sevens[4], 0.0);
  EXPECT_EQ(SolidPocketLevels(30, 0, 0), std::vector<double>{0});
  EXPECT_EQ(SolidPocketLevels(30, 0, -10).size(), 3u);
  // The modeler's extents are a hair wider than the solid: still six levels.
  EXPECT_EQ(SolidPocketLevels(30.0000001, -0.0000001, 5).size(), 6u);
  EXPECT_EQ(SolidPocketLevels(1e-5, 0, 1e-6), std::vector<double>{0});
}

TEST(SolidPocketLevels, EachToolKeepsItsCentreOffTheSectionItIsCutFrom) {
  EXPECT_DOUBLE_EQ(Base(kFlatEndMill, 10, 0), 5.0);
  EXPECT_DOUBLE_EQ(Lift(kFlatEndMill, 10, 0), 0.0);
  EXPECT_DOUBLE_EQ(Base(kBallEndMill, 6, 0), 0.0);
  EXPECT_DOUBLE_EQ(Lift(kBallEndMill, 6, 0), 3.0);
  // The flat of a corner-radius tool reaches D/2 - r from its axis.
  EXPECT_DOUBLE_EQ(Base(kRadiusEndMill, 8, 2), 2.0);
  EXPECT_DOUBLE_EQ(Lift(kRadiusEndMill, 8, 2), 2.0);
}

class SolidPocketRun : public ::testing::Test {
 protected:
  SolidPocketRun() : session_("ok\nok\nok\nok\nok\nok\n") { LoadMessageTable(); }

  AcDbObjectId Square(double x0, double y0, double x1, double y1) {
    auto* polyline = new AcDbPolyline();
    polyline->addVertexAt(0, AcGePoint2d(x0, y0));
    polyline->addVertexAt(1, AcGePoint2d(x1, y0));
    polyline->addVertexAt(2, AcGePoint2d(x1, y1));
    polyline->addVertexAt(3, AcGePoint2d(x0, y1));
    polyline->setClosed(true);
    return session_.add(polyline);
  }

  int Count(int kind) {
    AcDbBlockTableRecord* space = OpenCurrentSpace(AcDb::kForRead, &session_.db());
    AcDbBlockTableRecordIterator* it = nullptr;
    space->newIterator(it);
    int count = 0;
    for (; !it->done(); it->step()) {
      AcDbObjectId id;
      it->getEntityId(id);
      if (kind < 0 || GetEntityKind(id) == kind) ++count;
    }
    delete it;
    space->close();
    return count;
  }

  void Roughing(float diameter) {
    dlg_.m_MachiningMethod = kSolidPocketCavity;
    dlg_.m_RoughTool.m_Diameter = diameter;
    dlg_.m_RoughAllowance = 0.0f;
    dlg_.m_RoughStepover = diameter / 2.0f;
    dlg_.m_ZStep = 10.0f;
    dlg_.m_ToolpathName = "Mould";
  }

  ScopedInfoClass infoClass_;
  ShellSession session_;
  CSolidPocketDlg dlg_;
};

TEST_F(SolidPocketRun, EveryOpeningIsItsOwnBoundaryAndABossStandsOnlyInItsOwn) {
  SectionLoops loops;
  loops.outer.append(Square(0, 0, 100, 100));
  loops.outer.append(Square(20, 20, 30, 30));  // a boss in the first opening
  loops.holes.resize(2);
  loops.holes[0].append(Square(10, 10, 40, 40));
  loops.holes[0].append(Square(60, 10, 80, 30));

  const std::vector<SolidLevelRegion> cavity = FormSolidLevelRegions(loops, kSolidPocketCavity);
  ASSERT_EQ(cavity.size(), 2u);
  EXPECT_EQ(cavity[0].boundary, loops.holes[0][1]);  // smaller first
  EXPECT_TRUE(cavity[0].islands.isEmpty());
  EXPECT_EQ(cavity[1].boundary, loops.holes[0][0]);
  ASSERT_EQ(cavity[1].islands.length(), 1);
  EXPECT_EQ(cavity[1].islands[0], loops.outer[1]);

  const std::vector<SolidLevelRegion> core = FormSolidLevelRegions(loops, kSolidPocketCore);
  ASSERT_EQ(core.size(), 2u);
  EXPECT_EQ(core[0].boundary, loops.outer[0]);
  EXPECT_EQ(core[0].islands.length(), 2);
  EXPECT_EQ(core[1].boundary, loops.outer[1]);
  EXPECT_TRUE(core[1].islands.isEmpty());
  EraseSectionLoops(loops);
}

TEST_F(SolidPocketRun, TheGroupHoldsAHiddenCloneOfTheModelThenThePassesAndNothingElseIsLeft) {
  const AcDbObjectId block = mould::Block(session_);
  dlg_.m_ModelId = block;
  Roughing(10.0f);
  const int before = Count(-1);
  ASSERT_TRUE(CreateSolidPocketToolpath(dlg_)) << session_.transcript();
  AcDbObjectIdArray ids;
  ASSERT_TRUE(GetToolpathEntityIds("Mould", ids));
  ASSERT_GT(ids.length(), 10);
  EXPECT_EQ(GetEntityKind(ids[0]), kEntity3dSolid);
  EXPECT_FALSE(IsEntityShown(ids[0]));
  EXPECT_NE(ids[0], block);
  for (int i = 1; i < ids.length(); ++i) EXPECT_NE(GetEntityKind(ids[i]), kEntity3dSolid);
  // The group's members and nothing more: no section, loop or helper solid stayed.
  EXPECT_EQ(Count(-1), before + ids.length());
  EXPECT_EQ(Count(kEntity3dSolid), 2);
  // Z top and bottom follow the material.
  EXPECT_NEAR(dlg_.m_ZTop, 30.0, 1e-4);
  EXPECT_NEAR(dlg_.m_ZBottom, 0.0, 1e-4);
  EXPECT_EQ(dlg_.m_RoughOn, 1);

  // Replacing it under the same name (agreed at OK) leaves one toolpath.
  ASSERT_TRUE(CreateSolidPocketToolpath(dlg_));
  AcDbObjectIdArray again;
  ASSERT_TRUE(GetToolpathEntityIds("Mould", again));
  EXPECT_EQ(again.length(), ids.length());
  EXPECT_EQ(Count(-1), before + again.length());
}

TEST_F(SolidPocketRun, RegenerationClonesTheStoredModelAndLeavesNoCloneBehind) {
  dlg_.m_ModelId = mould::Block(session_);
  Roughing(10.0f);
  ASSERT_TRUE(CreateSolidPocketToolpath(dlg_));
  AcDbObjectIdArray stored;
  GetToolpathEntityIds("Mould", stored);
  CString record;
  AcDbObjectId group;
  ASSERT_TRUE(FindToolpathByName("Mould", group));
  ASSERT_EQ(ReadToolpathTypeCode(group, record), kToolpathSolidPocket);

  CSolidPocketDlg probe;
  DropSolidPocketIds(probe);  // the holder's registration comes with the command
  std::unique_ptr<ToolpathOperation> operation = MakeToolpathOperation(kToolpathSolidPocket);
  ASSERT_NE(operation, nullptr);
  ASSERT_TRUE(operation->ReadRecord(record, "Mould"));
  const int before = Count(-1);
  ASSERT_TRUE(operation->ReloadSource("Mould"));
  EXPECT_EQ(Count(kEntity3dSolid), 3);
  operation->SetToolpathName("Mould_regenerated");
  operation->Generate();
  AcDbObjectIdArray regenerated;
  ASSERT_TRUE(GetToolpathEntityIds("Mould_regenerated", regenerated));
  EXPECT_EQ(regenerated.length(), stored.length());
  // Model, the old toolpath's clone and the new one's: the reload's clone went.
  EXPECT_EQ(Count(kEntity3dSolid), 3);
  EXPECT_EQ(Count(-1), before + regenerated.length());

  SimulatedTool tool;
  ASSERT_TRUE(operation->ToolOf(0, tool));
  EXPECT_DOUBLE_EQ(tool.diameter, 10.0);
}

TEST_F(SolidPocketRun, ARunThatCannotCutOrIsGivenNoSolidLeavesTheDrawingAsItWas) {
  const AcDbObjectId block = mould::Block(session_);
  const AcDbObjectId line = session_.add(new AcDbLine(AcGePoint3d(200, 0, 0), AcGePoint3d(260, 0, 0)));
  Roughing(10.0f);
  const int before = Count(-1);
  dlg_.m_ModelId = line;
  EXPECT_FALSE(CreateSolidPocketToolpath(dlg_));
  EXPECT_FALSE(ToolpathNameExists("Mould"));
  EXPECT_EQ(Count(-1), before);

  // A tool wider than every opening: nothing on any level, told once.
  dlg_.m_ModelId = block;
  Roughing(40.0f);
  EXPECT_FALSE(CreateSolidPocketToolpath(dlg_));
  EXPECT_FALSE(ToolpathNameExists("Mould"));
  EXPECT_EQ(Count(-1), before);
  const std::string transcript = session_.transcript();
  std::size_t told = 0;
  for (std::size_t at = transcript.find("포켓 공구경로를"); at != std::string::npos;
       at = transcript.find("포켓 공구경로를", at + 1))
    ++told;
  EXPECT_LE(told, 1u) << transcript;

  // Levels by the hundred thousand are refused before anything is made.
  Roughing(10.0f);
  dlg_.m_ZStep = 0.0002f;
  EXPECT_FALSE(CreateSolidPocketToolpath(dlg_));
  EXPECT_EQ(Count(-1), before);

  // Core without a stock solid is refused before anything is made.
  dlg_.m_MachiningMethod = kSolidPocketCore;
  dlg_.m_StockId = line;
  EXPECT_FALSE(CreateSolidPocketToolpath(dlg_));
  EXPECT_EQ(Count(-1), before);
}

TEST_F(SolidPocketRun, TheSimulationTakesEachPassesToolAtItsMarker) {
  session_.db().loadLineTypeFile(kRapidLinetype, "acad.lin");
  dlg_.m_ModelId = mould::Block(session_);
  Roughing(10.0f);
  dlg_.m_RoughTool.FormatToolName();
  dlg_.m_FinishOn = 1;
  dlg_.m_FinishTool.m_ToolType = kBallEndMill;
  dlg_.m_FinishTool.m_Diameter = 6.0f;
  dlg_.m_FinishTool.FormatToolName();
  ASSERT_TRUE(CreateSolidPocketToolpath(dlg_));
  CSolidPocketDlg probe;
  DropSolidPocketIds(probe);
  ToolpathOperations operations;
  SimulateToolpath("Mould", operations);
  EXPECT_TRUE(ToolpathNameExists(dlg_.m_RoughTool.m_ToolName));
  EXPECT_TRUE(ToolpathNameExists(dlg_.m_FinishTool.m_ToolName)) << "the ball was taken on its pass marker";
  EXPECT_FALSE(session_.failed()) << session_.transcript();
}

TEST_F(SolidPocketRun, CoreMachiningCutsTheStockDownAroundTheModel) {
  dlg_.m_ModelId = mould::Box(session_, AcGePoint3d(20, 20, 0), AcGePoint3d(60, 50, 20));
  dlg_.m_StockId = mould::Box(session_, AcGePoint3d(0, 0, 0), AcGePoint3d(80, 70, 30));
  Roughing(10.0f);
  dlg_.m_MachiningMethod = kSolidPocketCore;
  ASSERT_TRUE(CreateSolidPocketToolpath(dlg_)) << session_.transcript();
  AcDbObjectIdArray ids;
  ASSERT_TRUE(GetToolpathEntityIds("Mould", ids));
  EXPECT_EQ(GetEntityKind(ids[0]), kEntity3dSolid);
  EXPECT_EQ(GetEntityKind(ids[1]), kEntity3dSolid);
  // Model and stock, and their clones: the offset stock and its difference went.
  EXPECT_EQ(Count(kEntity3dSolid), 4);
  // Levels 20 (over the model: the whole stock), 10 and 0 (around it).
  std::set<double> levels;
  for (const AcDbObjectId& id : ids)
    if (GetEntityKind(id) == kEntityPolyline) levels.insert(std::round(GetCurveEndZ(id) * 1000) / 1000);
  EXPECT_TRUE(levels.count(20.0) && levels.count(10.0) && levels.count(0.0)) << levels.size();
}

}  // namespace
