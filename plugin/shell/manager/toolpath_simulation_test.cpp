#include "plugin/shell/manager/toolpath_simulation.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_block_reference.h"
#include "platform/cad/db/tables/db_layer_table.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/milling/simple/simple_pocket_dlg.h"
#include "plugin/milling/simple/simple_pocket_generator.h"
#include "plugin/shell/manager/manager_drawing_test.h"
#include "plugin/shell/manager/tool_solid_block.h"
#include "plugin/shell/selection/selection_queries.h"

namespace {

struct Visit {
  bool stepMode;
  double x, y, z;
};

// The positions the replay showed, in order, with the mode of each prompt.
std::vector<Visit> Visits(const std::string& transcript) {
  std::vector<Visit> visits;
  std::size_t at = 0;
  while ((at = transcript.find("중단(ESC), ", at)) != std::string::npos) {
    const std::size_t line = transcript.find('\n', at);
    const std::string text = transcript.substr(at, line - at);
    Visit visit{text.find("이동(F9)") != std::string::npos, 0, 0, 0};
    const std::size_t numbers = text.find("X:");
    if (std::sscanf(text.c_str() + numbers, "X: %lf, Y: %lf, Z: %lf", &visit.x, &visit.y, &visit.z) == 3) {
      visits.push_back(visit);
    }
    at = line;
  }
  return visits;
}

// Where each entity of the toolpath ends, from its first point on.
std::vector<AcGePoint3d> MoveEnds(const char* name) {
  std::vector<AcGePoint3d> ends;
  bool started = false;
  for (const AcDbObjectId& id : ManagerDrawing::Members(name)) {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    started = started || EntityKindCodeOf(entity.object()) == kEntityPoint;
    if (!started) continue;
    if (const AcDbPolyline* polyline = AcDbPolyline::cast(entity.object())) {
      const unsigned int last = polyline->isClosed() ? polyline->numVerts() : polyline->numVerts() - 1;
      for (unsigned int i = 1; i <= last; ++i) {
        AcGePoint3d point;
        polyline->getPointAt(i % polyline->numVerts(), point);
        ends.push_back(point);
      }
    } else if (const AcDbCurve* curve = AcDbCurve::cast(entity.object())) {
      AcGePoint3d end;
      curve->getEndPoint(end);
      ends.push_back(end);
    }
  }
  return ends;
}

void Simulate(const char* name) {
  ToolpathOperations operations;
  SimulateToolpath(name, operations);
}

bool ReferenceShown(const char* toolName) {
  AcDbObjectId reference;
  return SelectToolpathInserts(toolName, reference) && IsEntityShown(reference);
}

constexpr const char* kPocketTool = "F10.0-0.0-50.0";

TEST(ToolpathSimulation, APocketReplayVisitsTheEndOfEveryMoveInOrderAndHidesTheTool) {
  ManagerDrawing drawing;
  drawing.AddPocket("Pocket_1");
  Simulate("Pocket_1");
  const std::vector<Visit> visits = Visits(drawing.transcript());
  const std::vector<AcGePoint3d> ends = MoveEnds("Pocket_1");
  ASSERT_GT(ends.size(), 4u);
  ASSERT_EQ(visits.size(), ends.size()) << drawing.transcript();
  for (std::size_t i = 0; i < ends.size(); ++i) {
    EXPECT_NEAR(visits[i].x, ends[i].x, 0.0005) << i;
    EXPECT_NEAR(visits[i].y, ends[i].y, 0.0005) << i;
    EXPECT_NEAR(visits[i].z, ends[i].z, 0.0005) << i;
    EXPECT_FALSE(visits[i].stepMode);
  }
  EXPECT_TRUE(ToolpathNameExists(kPocketTool)) << "the tool is kept as a block of its name";
  EXPECT_FALSE(ReferenceShown(kPocketTool));
  EXPECT_FALSE(drawing.session().failed());
}

TEST(ToolpathSimulation, APassMarkerTakesThatPassesTool) {
  ManagerDrawing drawing;
  drawing.AddPocket("Pocket_1", 0.0, 5.0, true);
  Simulate("Pocket_1");
  EXPECT_EQ(Visits(drawing.transcript()).size(), MoveEnds("Pocket_1").size());
  EXPECT_TRUE(ToolpathNameExists(kPocketTool));
  EXPECT_TRUE(ToolpathNameExists("F6.0-0.0-50.0")) << "the finishing tool was made on its marker";
  EXPECT_FALSE(ReferenceShown(kPocketTool));
  EXPECT_FALSE(ReferenceShown("F6.0-0.0-50.0"));
}

TEST(ToolpathSimulation, EscapeStopsAtOnce) {
  ManagerDrawing drawing("key ESC\n");
  drawing.AddPocket("Pocket_1");
  Simulate("Pocket_1");
  EXPECT_EQ(Visits(drawing.transcript()).size(), 1u) << drawing.transcript();
  EXPECT_FALSE(ReferenceShown(kPocketTool));
  EXPECT_FALSE(drawing.session().failed());
}

TEST(ToolpathSimulation, F10PausesEachF9PressStepsAndF10PlaysOn) {
  ManagerDrawing drawing("key F10\nkey F9\nkey F9\nkey F10\n");
  drawing.AddPocket("Pocket_1");
  Simulate("Pocket_1");
  const std::vector<Visit> visits = Visits(drawing.transcript());
  const std::size_t ends = MoveEnds("Pocket_1").size();
  // Continuous at the first end, paused there, stepped on to the second and the
  // third, waiting at the fourth until F10 plays on.
  ASSERT_EQ(visits.size(), ends + 2) << drawing.transcript();
  EXPECT_FALSE(visits[0].stepMode);
  EXPECT_TRUE(visits[1].stepMode);
  EXPECT_EQ(visits[1].x, visits[0].x) << "F10 shows the position again in its new mode";
  for (std::size_t i = 2; i <= 4; ++i) EXPECT_TRUE(visits[i].stepMode) << i;
  EXPECT_FALSE(visits[5].stepMode);
  EXPECT_EQ(visits[5].x, visits[4].x);
  for (std::size_t i = 6; i < visits.size(); ++i) EXPECT_FALSE(visits[i].stepMode);
}

TEST(ToolpathSimulation, StepModeWithoutFurtherKeysStopsInsteadOfWaitingForever) {
  ManagerDrawing drawing("key F10\nkey F9\nshow\n");
  drawing.AddPocket("Pocket_1");
  Simulate("Pocket_1");
  // Paused at the first end, stepped to the second, waiting at the third.
  EXPECT_EQ(Visits(drawing.transcript()).size(), 4u) << drawing.transcript();
  EXPECT_TRUE(Contains(drawing.transcript(), "더 이상 입력되는 키가 없어 모의 동작을 중단합니다."))
      << drawing.transcript();
}

TEST(ToolpathSimulation, ASimplePocketReplayRunsItsOwnToolAlongEveryMove) {
  ManagerDrawing drawing;
  CSimplePocketDlg pocket;
  pocket.m_ToolpathName = "SimpPock_1";
  pocket.m_Depth = -10.0f;
  pocket.m_Tool.m_Diameter = 16.0f;
  pocket.m_Tool.FormatToolName();
  CreateSimplePocketToolpath(pocket);
  Simulate("SimpPock_1");
  const std::vector<AcGePoint3d> ends = MoveEnds("SimpPock_1");
  ASSERT_GT(ends.size(), 4u);
  EXPECT_EQ(Visits(drawing.transcript()).size(), ends.size()) << drawing.transcript();
  EXPECT_TRUE(ToolpathNameExists("F16.0-0.0-50.0")) << drawing.transcript();
}

TEST(ToolpathSimulation, AKindWithoutItsOperationSaysSo) {
  ManagerDrawing drawing;
  drawing.AddRecordGroup("Newer_1", 14, {drawing.AddLine(0, 0, 10, 0)});
  Simulate("Newer_1");
  EXPECT_TRUE(
      Contains(drawing.transcript(), "\"Newer_1\" (kind 14): 이 프로그램이 모르는 종류의 공구경로입니다.!!"))
      << drawing.transcript();
}

// A profile toolpath of one arc on a layer that is off.
void AddProfileOnLayerThatIsOff(ManagerDrawing& drawing) {
  {
    OpenedObject<AcDbLayerTable> layers(drawing.session().db().layerTableId(), AcDb::kForWrite);
    auto* layer = new AcDbLayerTableRecord();
    layer->setName("Hidden");
    layer->setIsOff(true);
    AcDbObjectId layerId;
    ASSERT_EQ(layers->add(layerId, layer), Acad::eOk);
    layer->close();
  }
  const AcDbObjectId arc = drawing.session().add(new AcDbArc(AcGePoint3d(0, 0, 0), 10.0, 0.0, 1.0));
  AcDbObjectId point;
  ASSERT_TRUE(AddMarkerPoint(kMarkerTool, point, 0.0, arc));
  AcDbObjectIdArray ids;
  ids.append(point);
  ids.append(arc);
  AcDbObjectIdArray onLayer = ids;
  SetEntitiesLayer(onLayer, "Hidden");
  CProfileDlg profile;
  profile.m_Tool.FormatToolName();
  CString record;
  profile.WriteParamRecord(record);
  ASSERT_TRUE(CreateToolpathGroup("Profile_1", record, ids));
}

// The tool shown joins the toolpath's layer; once both are off, the user is asked.
TEST(ToolpathSimulation, AToolpathOnALayerThatIsOffAsksWhetherToStop) {
  ManagerDrawing drawing("yes\n");
  AddProfileOnLayerThatIsOff(drawing);
  Simulate("Profile_1");
  const std::string first = drawing.transcript();
  EXPECT_EQ(Visits(first).size(), 1u) << first;
  AcDbObjectId reference;
  ASSERT_TRUE(SelectToolpathInserts("F20.0-0.0-50.0", reference));
  CString layer;
  GetEntityLayer(reference, layer);
  EXPECT_EQ(layer, "Hidden");
  Simulate("Profile_1");
  const std::string second = drawing.transcript().substr(first.size());
  EXPECT_TRUE(Contains(second, "레이어(Hidden)가 off 되어 있습니다.")) << second;
  EXPECT_TRUE(Visits(second).empty()) << second;
  EXPECT_FALSE(drawing.session().failed());
}

}  // namespace
