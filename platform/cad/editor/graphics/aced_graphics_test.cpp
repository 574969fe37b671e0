#include "platform/cad/editor/graphics/aced_graphics.h"

#include <gtest/gtest.h>

#include "platform/cad/editor/aced_sysvars.h"
#include "platform/cad/editor/aced_ucs.h"
#include "platform/cad/editor/editor_test_support_test.h"

namespace {

TEST(TemporaryGraphics, ComplementingInkTwiceRemovesAVector) {
  EditorSession session;
  const ads_point a = {0, 0, 0}, b = {5, 0, 0}, c = {5, 5, 0};
  acedGrDraw(a, b, -1, 0);
  acedGrDraw(b, c, -1, 0);
  acedGrDraw(a, b, 1, 0);
  ASSERT_EQ(cadeditor::TemporaryVectors().size(), 3u);
  acedGrDraw(b, a, -1, 0);  // either direction
  acedGrDraw(c, b, -1, 0);
  ASSERT_EQ(cadeditor::TemporaryVectors().size(), 1u);
  EXPECT_EQ(cadeditor::TemporaryVectors().front().color, 1);
  acedRedraw(nullptr, 1);
  EXPECT_TRUE(cadeditor::TemporaryVectors().empty());
}

TEST(SystemVariables, DrawingVariablesLiveInTheWorkingDrawing) {
  EditorSession session;
  session.addLayer("PATH", false);
  EXPECT_EQ(cadeditor::SystemVariableText("clayer"), "0");
  EXPECT_EQ(cadeditor::SetSystemVariableFromText("CLAYER", "path"), "");
  EXPECT_EQ(cadeditor::SystemVariableText("CLAYER"), "PATH");
  EXPECT_NE(cadeditor::SetSystemVariableFromText("CLAYER", "NOPE"), "");
  EXPECT_NE(cadeditor::SetSystemVariableFromText("WORLDUCS", "0"), "");
  EXPECT_NE(cadeditor::SetSystemVariableFromText("PICKBOX", "x"), "");
  resbuf value{nullptr, RTREAL, {}};
  value.resval.rreal = 2.5;
  EXPECT_EQ(acedSetVar("PICKBOX", &value), RTERROR);  // a short takes no real
  EXPECT_EQ(acedSetVar("LTSCALE", &value), RTNORM);
  EXPECT_EQ(session.db().ltscale(), 2.5);
  EXPECT_EQ(acedSetVar("NOSUCHVAR", &value), RTERROR);
  resbuf text{};
  ASSERT_EQ(acedGetVar("DWGNAME", &text), RTNORM);
  EXPECT_STREQ(text.resval.rstring, "Drawing1.dxf");
  free(text.resval.rstring);
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_EQ(acedGetVar("CLAYER", &text), RTERROR);
  EXPECT_EQ(acedGetVar("PICKBOX", &text), RTNORM);
}

TEST(Ucs, OnlyOrthonormalRightHandedAxesAreTaken) {
  EditorSession session;
  AcGeMatrix3d turned;
  turned.setCoordSystem({1, 2, 3}, AcGeVector3d::kYAxis, -AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
  ASSERT_EQ(acedSetCurrentUCS(turned), RTNORM);
  AcGeMatrix3d back;
  ASSERT_EQ(acedGetCurrentUCS(back), RTNORM);
  EXPECT_TRUE(back.isEqualTo(turned));
  EXPECT_EQ(cadeditor::SystemVariableText("UCSORG"), "1.0000,2.0000,3.0000");
  AcGeMatrix3d mirrored;
  mirrored.setCoordSystem({0, 0, 0}, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis, -AcGeVector3d::kZAxis);
  EXPECT_EQ(acedSetCurrentUCS(mirrored), RTERROR);
  EXPECT_EQ(acedSetCurrentUCS(AcGeMatrix3d::scaling(2.0)), RTERROR);
  EXPECT_TRUE(session.db().ucsorg().isEqualTo({1, 2, 3}));
}

}  // namespace
