#include "plugin/shell/held_drawing_ids.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/cad/db/entities/db_line.h"
#include "plugin/milling/drill/drill_dlg.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/shell/shell_session_test.h"

namespace {

TEST(DrawingChangeWatch, ToldOnceOfEachDrawingThatOpensClosesOrBecomesCurrent) {
  ShellSession session;
  DrawingChangeWatch watch;
  EXPECT_FALSE(watch.CurrentDrawingChanged()) << "a new keeper holds nothing yet";
  EXPECT_FALSE(watch.CurrentDrawingChanged());
  NoteDrawingChange();
  EXPECT_TRUE(watch.CurrentDrawingChanged());
  EXPECT_FALSE(watch.CurrentDrawingChanged());
  session.host().documents().appendDocument(std::make_unique<AcDbDatabase>(), "");
  EXPECT_TRUE(watch.CurrentDrawingChanged()) << "another drawing became current without a message";
  EXPECT_FALSE(watch.CurrentDrawingChanged());
}

TEST(DrawingChangeWatch, TheDialogsForgetTheirPicksOutlinesAndHoles) {
  ShellSession session;
  const AcDbObjectId line = session.add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  CPocketDlg pocket;
  pocket.m_Selection.append(line);
  pocket.m_Boundary = line;
  pocket.m_Islands.append(line);
  DropDrawingIds(pocket);
  EXPECT_TRUE(pocket.m_Selection.isEmpty());
  EXPECT_TRUE(pocket.m_Boundary.isNull());
  EXPECT_TRUE(pocket.m_Islands.isEmpty());
  CProfileDlg profile;
  profile.m_Selection.append(line);
  profile.m_Curves.append(line);
  DropDrawingIds(profile);
  EXPECT_TRUE(profile.m_Selection.isEmpty());
  EXPECT_TRUE(profile.m_Curves.isEmpty());
  CDrillDlg drill;
  drill.m_Points.append(AcGePoint3d(1, 2, 3));
  drill.m_CircleIds.append(line);
  DropDrawingIds(drill);
  EXPECT_TRUE(drill.m_Points.isEmpty());
  EXPECT_TRUE(drill.m_CircleIds.isEmpty());
}

}  // namespace
