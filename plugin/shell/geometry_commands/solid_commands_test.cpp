#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <sstream>
#include <string>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_region.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/message_table.h"
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

// Which of the faces that a pick offers is the flat face whose normal is given
// (a pick on an edge offers the faces along it); -1 when none is.
int OfferOfFace(AcDbObjectId id, const AcGePoint3d& pick, const AcGeVector3d& normal) {
  OpenedObject<AcDb3dSolid> solid(id, AcDb::kForRead);
  const Adesk::GsMarker marker = solid->gsMarkerAtPick(pick, -AcGeVector3d::kZAxis, 3.0);
  int count = 0;
  AcDbFullSubentPath* paths = nullptr;
  if (solid->getSubentPathsAtGsMarker(AcDb::kFaceSubentType, marker, pick, AcGeMatrix3d::kIdentity, count, paths) !=
      Acad::eOk) {
    return -1;
  }
  int found = -1;
  for (int i = 0; i < count && found < 0; ++i) {
    std::unique_ptr<AcDbEntity> face(solid->subentPtr(paths[i]));
    AcGeVector3d faceNormal;
    const AcDbRegion* region = AcDbRegion::cast(face.get());
    if (region != nullptr && region->getNormal(faceNormal) == Acad::eOk && faceNormal.isEqualTo(normal)) found = i;
  }
  delete[] paths;
  return found;
}

// The answers that take the offered face at offer and taper it by the angle.
std::string TaperAnswers(const AcGePoint3d& pick, int offer, const std::string& angle) {
  std::string answers = std::to_string(pick.x) + "," + std::to_string(pick.y) + "\n";
  for (int i = 0; i < offer; ++i) answers += "No\n";
  return answers + "\n" + angle + "\n";
}

// A pick on the outline of a box seen from above offers the side face along
// the edge; each side leans in by the angle about its bottom edge, and the
// box loses the wedge that the draft cuts off: half of height squared times
// tan(angle) times the side's width.
TEST(SolTaper, EverySideOfABoxLeansInByTheAngle) {
  struct Side {
    AcGePoint3d pick;
    AcGeVector3d normal;
  };
  const Side sides[] = {{{10.5, 3, 0}, AcGeVector3d::kXAxis},
                        {{-3, 10.5, 0}, AcGeVector3d::kYAxis},
                        {{-10.5, -3, 0}, -AcGeVector3d::kXAxis},
                        {{3, -10.5, 0}, -AcGeVector3d::kYAxis}};
  for (const double degrees : {1.0, 30.0, 60.0, -10.0}) {
    for (const Side& side : sides) {
      ShellSession probe;
      const int offer = OfferOfFace(AddBox(probe), side.pick, side.normal);
      ASSERT_GE(offer, 0) << side.pick.x << "," << side.pick.y;
      std::ostringstream angle;
      angle << degrees;
      ShellSession session(TaperAnswers(side.pick, offer, angle.str()));
      LoadMessageTable();
      const AcDbObjectId box = AddBox(session);
      SolTaperCommand();
      const double cut = 0.5 * 10.0 * 10.0 * std::tan(degrees * std::numbers::pi / 180.0) * 20.0;
      EXPECT_NEAR(VolumeOf(box), 4000.0 - cut, 1e-6) << degrees << "\n" << session.transcript();
      EXPECT_FALSE(Contains(session.transcript(), "구배를 줄 수 없습니다")) << session.transcript();
    }
  }
}

// A face that cannot lean says why and the solid stays as it was: the top (the
// edge picked is the top one, nearest the eye) is across the draft direction, a right angle turns a side over, and a draft
// that would run the side through the opposite one fails in the modeler.
TEST(SolTaper, AFaceThatCannotLeanSaysWhy) {
  struct Case {
    AcGePoint3d pick;
    AcGeVector3d normal;
    const char* angle;
    const char* said;
  };
  const AcGePoint3d edge(10.5, 3, 0);
  const Case cases[] = {
      {edge, AcGeVector3d::kZAxis, "10", "구배 방향(현재 UCS의 Z축)에 수직"},
      {edge, AcGeVector3d::kXAxis, "90", "구배 각도 90는"},
      {edge, AcGeVector3d::kXAxis, "0", "구배 각도 0는"},
      {edge, AcGeVector3d::kXAxis, "89.9", "옆의 면들과 이어지는 구배 면을 만들 수 없습니다 (eGeneralModelingFailure)"},
  };
  for (const Case& c : cases) {
    ShellSession probe;
    const int offer = OfferOfFace(AddBox(probe), c.pick, c.normal);
    ASSERT_GE(offer, 0);
    ShellSession session(TaperAnswers(c.pick, offer, c.angle));
    LoadMessageTable();
    const AcDbObjectId box = AddBox(session);
    SolTaperCommand();
    EXPECT_TRUE(Contains(session.transcript(), "구배를 줄 수 없습니다: ")) << session.transcript();
    EXPECT_TRUE(Contains(session.transcript(), c.said)) << session.transcript();
    EXPECT_DOUBLE_EQ(VolumeOf(box), 4000.0);
  }
}

}  // namespace
