#include <gtest/gtest.h>

#include <string>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_line.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/geometry_commands/overlap_search.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection/curve_chain_select.h"
#include "plugin/shell/shell_session_test.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

AcDbObjectId AddLine(ShellSession& session, double x1, double y1, double x2, double y2) {
  return session.add(new AcDbLine(AcGePoint3d(x1, y1, 0.0), AcGePoint3d(x2, y2, 0.0)));
}

AcDbObjectId AddArc(ShellSession& session) { return session.add(new AcDbArc(AcGePoint3d(50, 50, 0), 10.0, 0.0, 2.0)); }

TEST(OverLapDel, TwoSameLinesAndAnArcDrawnTwiceLoseOneOfEach) {
  ShellSession session("-10,-10\n100,100\nok\n");
  const AcDbObjectId line = AddLine(session, 0, 0, 20, 0);
  const AcDbObjectId lineAgain = AddLine(session, 20, 0, 0, 0);
  const AcDbObjectId arc = AddArc(session);
  const AcDbObjectId arcAgain = AddArc(session);
  const AcDbObjectId alone = AddLine(session, 0, 10, 20, 10);
  OverLapDelCommand();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "[Message] 겹처진 형상이 2개 벌견 되었습니다.")) << shown;
  EXPECT_FALSE(line.isErased());
  EXPECT_TRUE(lineAgain.isErased());
  EXPECT_FALSE(arc.isErased());
  EXPECT_TRUE(arcAgain.isErased());
  EXPECT_FALSE(alone.isErased());
  EXPECT_FALSE(session.failed()) << shown;
}

TEST(OverLapDel, ACurveLyingOverSeveralIsCountedOnceAndCancelErasesNothing) {
  ShellSession session("-10,-10\n100,100\ncancel\n");
  const AcDbObjectId first = AddLine(session, 0, 0, 20, 0);
  const AcDbObjectId second = AddLine(session, 0, 0, 20, 0);
  const AcDbObjectId third = AddLine(session, 0, 0, 20, 0);
  OverLapDelCommand();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "겹처진 형상이 2개 벌견 되었습니다.")) << shown;
  for (const AcDbObjectId& id : {first, second, third}) {
    EXPECT_FALSE(id.isErased());
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    EXPECT_FALSE(entity->isHighlighted());
  }
}

TEST(OverLapDel, NoDuplicateAskNothingAndACancelledCornerEndsTheCommand) {
  ShellSession session("-10,-10\n100,100\n^C\n");
  AddLine(session, 0, 0, 20, 0);
  AddLine(session, 0, 5, 20, 5);
  const Adesk::UInt64 changes = session.db().changeCount();
  OverLapDelCommand();
  OverLapDelCommand();
  EXPECT_FALSE(Contains(session.transcript(), "[Message]")) << session.transcript();
  EXPECT_EQ(session.db().changeCount(), changes);
}

TEST(OverlapSearch, EachLaterCurveThatMatchesAnEarlierOneIsListedOnceInOrder) {
  ShellSession session;
  AcDbObjectIdArray curves;
  for (int i = 0; i < 3; ++i) curves.append(AddLine(session, 0, 0, 20, 0));
  curves.append(AddLine(session, 0, 1, 20, 1));
  curves.append(AddLine(session, 0, 1, 20, 1));
  const AcDbObjectIdArray found = FindOverlappingCurves(curves, CurvesDuplicate);
  ASSERT_EQ(found.length(), 3);
  EXPECT_EQ(found[0], curves[1]);
  EXPECT_EQ(found[1], curves[2]);
  EXPECT_EQ(found[2], curves[4]);
}

}  // namespace
