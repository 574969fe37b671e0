#include <gtest/gtest.h>

#include <string>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/shell_session_test.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

AcDbObjectId AddRectangle(ShellSession& session, double x, double y, double w, double h) {
  auto* polyline = new AcDbPolyline();
  polyline->addVertexAt(0, AcGePoint2d(x, y));
  polyline->addVertexAt(1, AcGePoint2d(x + w, y));
  polyline->addVertexAt(2, AcGePoint2d(x + w, y + h));
  polyline->addVertexAt(3, AcGePoint2d(x, y + h));
  polyline->setClosed(true);
  return session.add(polyline);
}

int PolylineCount(AcDbDatabase& db) {
  AcDbObjectIdArray ids;
  db.getAllObjectIds(ids);
  int count = 0;
  for (const AcDbObjectId& id : ids) {
    OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
    if (polyline.openStatus() == Acad::eOk) ++count;
  }
  return count;
}

TEST(MergePL, TwoOverlappingRectanglesGiveOneOutlineBesideThem) {
  ShellSession session("0,2\n30,10\n");
  const AcDbObjectId first = AddRectangle(session, 0, 0, 20, 10);
  const AcDbObjectId second = AddRectangle(session, 10, 5, 20, 10);
  MergePLCommand();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "합쳐진 Polyline 1개를 만들었습니다.")) << shown;
  EXPECT_EQ(PolylineCount(session.db()), 3);
  EXPECT_FALSE(first.isErased());
  EXPECT_FALSE(second.isErased());
  EXPECT_FALSE(session.failed()) << shown;
}

TEST(MergePL, PolylinesApartOrCurvesThatAreNoClosedPolylinesAreRefused) {
  ShellSession session("0,2\n50,2\n0,30\n");
  AddRectangle(session, 0, 0, 10, 10);
  AddRectangle(session, 50, 0, 10, 10);
  session.add(new AcDbLine(AcGePoint3d(0, 30, 0), AcGePoint3d(10, 30, 0)));
  MergePLCommand();
  MergePLCommand();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "두 Polyline은 겹치지 않아 합칠 수 없습니다.")) << shown;
  EXPECT_TRUE(Contains(shown, "닫힌 Polyline이 아닙니다.")) << shown;
  EXPECT_EQ(PolylineCount(session.db()), 2);
}

// Picking one polyline twice merges nothing and says why, once.
TEST(MergePL, TheSamePolylineTwiceIsRefusedForWhatItIs) {
  ShellSession session("0,2\n20,8\n");
  LoadMessageTable();
  AddRectangle(session, 0, 0, 20, 10);
  MergePLCommand();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "같은 폴리라인을 두 번 선택했습니다.")) << shown;
  EXPECT_FALSE(Contains(shown, "겹치지 않아")) << shown;
  EXPECT_EQ(PolylineCount(session.db()), 1);
}

}  // namespace
