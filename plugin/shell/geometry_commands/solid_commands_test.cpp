#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/shell_session_test.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A 20 x 20 x 10 box standing on the XY plane around the origin.
AcDbObjectId AddBox(ShellSession& session) {
  auto solid = std::make_unique<AcDb3dSolid>();
  solid->createBox(20.0, 20.0, 10.0);
  solid->transformBy(AcGeMatrix3d::translation(AcGeVector3d(0, 0, 5)));
  return session.add(solid.release());
}

double VolumeOf(AcDbObjectId id) {
  OpenedObject<AcDb3dSolid> solid(id, AcDb::kForRead);
  return solid.openStatus() == Acad::eOk ? solid->volume() : 0.0;
}

int SolidCount(AcDbDatabase& db) {
  AcDbObjectIdArray ids;
  db.getAllObjectIds(ids);
  int count = 0;
  for (const AcDbObjectId& id : ids) count += OpenedObject<AcDb3dSolid>(id, AcDb::kForRead).openStatus() == Acad::eOk;
  return count;
}

TEST(SolOff, AnOffsetCopyStandsBesideTheSolid) {
  ShellSession session("10,0\n1\n");
  const AcDbObjectId box = AddBox(session);
  SolOffCommand();
  EXPECT_EQ(SolidCount(session.db()), 2) << session.transcript();
  EXPECT_NEAR(VolumeOf(box), 4000.0, 1e-6);
  EXPECT_FALSE(session.failed()) << session.transcript();
}

TEST(SolOff, AnotherEntityOrACancelledLengthChangesNothing) {
  ShellSession session("0,30\n10,0\n^C\n");
  AddBox(session);
  session.add(new AcDbLine(AcGePoint3d(-5, 30, 0), AcGePoint3d(5, 30, 0)));
  const Adesk::UInt64 changes = session.db().changeCount();
  SolOffCommand();
  SolOffCommand();
  EXPECT_TRUE(Contains(session.transcript(), "Solid가 아닙니다.")) << session.transcript();
  EXPECT_EQ(session.db().changeCount(), changes);
  EXPECT_EQ(SolidCount(session.db()), 1);
}

// A 20 x 20 x 10 wedge whose slope falls from the top at -X to the floor at +X.
AcDbObjectId AddWedge(ShellSession& session) {
  auto solid = std::make_unique<AcDb3dSolid>();
  solid->createWedge(20.0, 20.0, 10.0);
  solid->transformBy(AcGeMatrix3d::translation(AcGeVector3d(0, 0, 5)));
  return session.add(solid.release());
}

// A pick from above names the face it meets first: the wedge's slope, which
// tilts on about its lowest edge and grows the wedge.
TEST(SolTaper, TheAcceptedFaceIsTiltedByTheAngle) {
  ShellSession session("0,9.99\n\n10\n");
  const AcDbObjectId wedge = AddWedge(session);
  const double volume = VolumeOf(wedge);
  SolTaperCommand();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "선택된 면에 구배를 주겠습니디까 ? <Yes>/No: ")) << shown;
  EXPECT_TRUE(Contains(shown, "구배 각도를 입력하시요. : 10")) << shown;
  EXPECT_FALSE(session.failed()) << shown;
  EXPECT_GT(std::abs(VolumeOf(wedge) - volume), 1.0) << shown;
}

// No offers the next face (the same one, as the pick names only one); a
// cancelled question then ends the command.
TEST(SolTaper, ACancelledQuestionEndsWithoutChangeOrHighlight) {
  ShellSession session("0,9.99\nNo\n^C\n");
  const AcDbObjectId box = AddWedge(session);
  const double volume = VolumeOf(box);
  const Adesk::UInt64 changes = session.db().changeCount();
  SolTaperCommand();
  EXPECT_EQ(session.db().changeCount(), changes) << session.transcript();
  EXPECT_DOUBLE_EQ(VolumeOf(box), volume);
  OpenedObject<AcDb3dSolid> solid(box, AcDb::kForRead);
  EXPECT_TRUE(solid->highlightedSubents().empty());
  const std::string shown = session.transcript();
  EXPECT_FALSE(Contains(shown, "구배 각도")) << shown;
  const std::size_t first = shown.find("구배를 주겠습니디까");
  EXPECT_NE(shown.find("구배를 주겠습니디까", first + 1), std::string::npos) << shown;
}

TEST(SolTaper, APickOnAnotherEntityIsReported) {
  ShellSession session("0,30\n\n");
  session.add(new AcDbLine(AcGePoint3d(-5, 30, 0), AcGePoint3d(5, 30, 0)));
  SolTaperCommand();
  EXPECT_TRUE(Contains(session.transcript(), "Failed: Errorcode for gsMarkerToSubentIds() is:"))
      << session.transcript();
}

}  // namespace
