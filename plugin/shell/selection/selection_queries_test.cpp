#include "plugin/shell/selection/selection_queries.h"

#include <gtest/gtest.h>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

void AddLayer(AcDbDatabase& db, const char* name, bool off) {
  AcDbLayerTable* table = nullptr;
  ASSERT_EQ(db.getLayerTable(table, AcDb::kForWrite), Acad::eOk);
  auto* record = new AcDbLayerTableRecord();
  record->setName(name);
  record->setIsOff(off);
  ASSERT_EQ(table->add(record), Acad::eOk);
  record->close();
  table->close();
}

AcDbObjectId AddLineOn(ShellSession& session, double x, double length, const char* layer = "0") {
  auto* line = new AcDbLine(AcGePoint3d(x, 0, 0), AcGePoint3d(x + length, 0, 0));
  line->setDatabaseDefaults(&session.db());
  line->setLayer(layer);
  return session.add(line);
}

TEST(SelectionQueries, LayersCountAsOnUnlessAnOffLayerOfThatNameExists) {
  ShellSession session;
  AddLayer(session.db(), "Hidden", true);
  EXPECT_FALSE(IsLayerOn("hIDDEN", &session.db()));
  EXPECT_TRUE(IsLayerOn("Nowhere", &session.db()));
  EXPECT_FALSE(IsEntityShown(AddLineOn(session, 0, 1, "Hidden")));
  const AcDbObjectId line = AddLineOn(session, 0, 1);
  EXPECT_TRUE(IsEntityShown(line));
  SetEntityVisibility(line, 0);
  EXPECT_FALSE(IsEntityShown(line));
  EXPECT_FALSE(IsEntityShown(AcDbObjectId::kNull));
}

TEST(SelectionQueries, PointPairCountsLeaveTheCallersListsAlone) {
  AcGePoint3dArray starts;
  AcGePoint3dArray ends;
  starts.append(AcGePoint3d(0, 0, 0));
  ends.append(AcGePoint3d(1, 0, 0));
  starts.append(AcGePoint3d(1.5, 0, 0));
  ends.append(AcGePoint3d(5, 0, 0));
  EXPECT_EQ(CountPointPairsNear(starts, ends, 2, AcGePoint3d(1, 0, 0), 0.6), 2);
  EXPECT_EQ(CountPointPairsNear(starts, ends, 2, AcGePoint3d(1, 0, 0), 0.5), 1);  // strictly closer
  EXPECT_EQ(starts.length(), 2);
  EXPECT_EQ(ends.length(), 2);
}

TEST(SelectionQueries, MachiningSelectionsLoseHiddenDegenerateAndToolpathEntities) {
  ShellSession session;
  AddLayer(session.db(), "Off", true);
  const AcDbObjectId kept = AddLineOn(session, 0, 10);
  AddLineOn(session, 20, 1e-7);
  AddLineOn(session, 40, 10, "Off");
  AcDbObjectIdArray toolpath;
  toolpath.append(AddLineOn(session, 60, 10));
  ASSERT_TRUE(CreateToolpathGroup("POCKET_1", "Ostrivo_ToolPath 1 1\n", toolpath));
  ads_name set = {0, 0};
  ASSERT_EQ(acedSSGet("_X", nullptr, nullptr, nullptr, set), RTNORM);
  FilterSelectionToVisibleCurves(set);
  long length = 0;
  acedSSLength(set, &length);
  ASSERT_EQ(length, 1);
  ads_name first = {0, 0};
  acedSSName(set, 0, first);
  AcDbObjectId id;
  acdbGetObjectId(id, first);
  EXPECT_EQ(id, kept);
  acedSSFree(set);
}

}  // namespace
