#include "plugin/shell/copy_helpers.h"

#include <gtest/gtest.h>

#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_transform_dlg.h"

namespace {

// The plug-in registers the class at load and takes it away at unload; the
// drawing goes before the class does.
struct ScopedInfoClass {
  ScopedInfoClass() { CToolPathInfo::rxInit(); }
  ~ScopedInfoClass() { deleteAcRxClass(CToolPathInfo::gpDesc); }
};

constexpr double kFeedThickness = 1500 * 1.000001e-7;
constexpr double kFeedWidth = 800 * 1e-7;

AcDbObjectId AddFeedLine(ShellSession& session, const AcGePoint3d& from, const AcGePoint3d& to) {
  auto* line = new AcDbLine(from, to);
  line->setThickness(kFeedThickness);
  return session.add(line);
}

AcDbObjectId AddLeadPolyline(ShellSession& session) {
  auto* polyline = new AcDbPolyline();
  polyline->addVertexAt(0, AcGePoint2d(0, 0), 0.0, kFeedWidth, kFeedWidth);
  polyline->addVertexAt(1, AcGePoint2d(5, 5));
  polyline->setThickness(kFeedThickness);
  return session.add(polyline);
}

AcGePoint3d StartOf(AcDbObjectId id) {
  AcDbObjectPointer<AcDbCurve> curve(id, AcDb::kForRead);
  AcGePoint3d start;
  if (curve.openStatus() == Acad::eOk) curve->getStartPoint(start);
  return start;
}

double LineThickness(AcDbObjectId id) {
  AcDbObjectPointer<AcDbLine> line(id, AcDb::kForRead);
  return line.openStatus() == Acad::eOk ? line->thickness() : -1.0;
}

TEST(CopyAndTransformEntities, ThreeMovedCopiesStepAwayWithTheirToolInformation) {
  const ScopedInfoClass infoClass;
  ShellSession session;
  const AcDbObjectId cut = AddFeedLine(session, AcGePoint3d(0, 0, -2), AcGePoint3d(5, 0, -2));
  AcDbObjectId infoPoint;
  ASSERT_TRUE(AttachToolInfo12(infoPoint, cut, 2, 10.0, 75.0, 5.0, 4, 1, 24));
  CToolpathTransformDlg dlg;
  dlg.m_MoveX = 10.0;
  AcGeMatrix3d step;
  ASSERT_TRUE(dlg.BuildTransform(step, &session.db()));

  AcDbObjectIdArray source;
  source.append(infoPoint);
  source.append(cut);
  for (int copy = 1; copy <= 3; ++copy) {
    AcDbObjectIdArray transformed;
    ASSERT_TRUE(CopyAndTransformEntities(source, step, transformed));
    EXPECT_TRUE(source.isEmpty());
    ASSERT_EQ(transformed.length(), 2);
    EXPECT_TRUE(StartOf(transformed[1]).isEqualTo(AcGePoint3d(10.0 * copy, 0, -2))) << copy;
    EXPECT_DOUBLE_EQ(LineThickness(transformed[1]), kFeedThickness);
    CToolPathInfo* info = OpenToolPathInfoOf(transformed[0]);
    ASSERT_NE(info, nullptr) << copy;
    EXPECT_EQ(info->kind(), 12);
    EXPECT_EQ(info->toolType(), 2);
    EXPECT_EQ(info->firstNumber(), 4);
    EXPECT_EQ(info->secondNumber(), 24);
    EXPECT_DOUBLE_EQ(info->diameter(), 10.0);
    EXPECT_DOUBLE_EQ(info->length(), 75.0);
    EXPECT_DOUBLE_EQ(info->cornerRadius(), 5.0);
    EXPECT_TRUE(info->point().isEqualTo(AcGePoint3d(10.0 * copy, 0, -2)));
    info->close();
    source = transformed;
  }
  EXPECT_TRUE(StartOf(cut).isEqualTo(AcGePoint3d(0, 0, -2)));  // the original stays
}

TEST(TransformEntities, ScalingAndMirroringKeepFeedsAndDepths) {
  ShellSession session;
  const AcDbObjectId line = AddFeedLine(session, AcGePoint3d(2, 1, -5), AcGePoint3d(4, 1, -5));
  const AcDbObjectId lead = AddLeadPolyline(session);
  CToolpathTransformDlg dlg;
  dlg.m_Mode = CToolpathTransformDlg::kScale;
  dlg.m_ScaleFactor = 3.0;
  AcGeMatrix3d scale;
  ASSERT_TRUE(dlg.BuildTransform(scale, &session.db()));
  AcDbObjectIdArray ids;
  ids.append(line);
  ids.append(lead);
  ASSERT_TRUE(TransformEntities(ids, scale));
  EXPECT_TRUE(ids.isEmpty());
  EXPECT_DOUBLE_EQ(LineThickness(line), kFeedThickness);
  {
    AcDbObjectPointer<AcDbPolyline> polyline(lead, AcDb::kForRead);
    double startWidth = 0.0;
    double endWidth = 0.0;
    polyline->getWidthsAt(0, startWidth, endWidth);
    EXPECT_DOUBLE_EQ(endWidth, kFeedWidth);
    EXPECT_DOUBLE_EQ(polyline->thickness(), kFeedThickness);
  }

  dlg.m_Mode = CToolpathTransformDlg::kMirror;
  dlg.m_XAxisOn = 1;
  dlg.m_YAxisOn = 0;
  dlg.m_MirrorCenterX = 10.0;
  AcGeMatrix3d mirror;
  ASSERT_TRUE(dlg.BuildTransform(mirror, &session.db()));
  ASSERT_TRUE(TransformEntity(line, mirror));
  // Across the vertical plane x = 10: the depth stays below the part.
  EXPECT_TRUE(StartOf(line).isEqualTo(AcGePoint3d(14, 3, -15))) << StartOf(line).x << " " << StartOf(line).z;
  EXPECT_DOUBLE_EQ(LineThickness(line), kFeedThickness);

  dlg.m_YAxisOn = 1;  // both axes: across the diagonal through the centre
  dlg.m_MirrorCenterX = 0.0;
  ASSERT_TRUE(dlg.BuildTransform(mirror, &session.db()));
  EXPECT_TRUE((mirror * AcGePoint3d(2, 1, -5)).isEqualTo(AcGePoint3d(1, 2, -5)));

  dlg.m_XAxisOn = 0;
  dlg.m_YAxisOn = 0;
  EXPECT_FALSE(dlg.BuildTransform(mirror, &session.db()));
  EXPECT_TRUE(mirror.isEqualTo(AcGeMatrix3d::kIdentity));
}

TEST(BuildTransform, MovesTurnWithTheUcsButIgnoreItsOriginAndRotationsTurnAboutTheCentre) {
  ShellSession session;
  session.db().setUcs(AcGePoint3d(100, 50, 0), AcGeVector3d(0, 1, 0), AcGeVector3d(-1, 0, 0));
  CToolpathTransformDlg dlg;
  dlg.m_MoveX = 10.0;
  AcGeMatrix3d move;
  ASSERT_TRUE(dlg.BuildTransform(move, &session.db()));
  EXPECT_TRUE((move * AcGePoint3d(1, 1, 1)).isEqualTo(AcGePoint3d(1, 11, 1)));

  dlg.m_Mode = CToolpathTransformDlg::kRotate;
  dlg.m_RotateCenterX = 10.0;  // the world point (100, 60)
  AcGeMatrix3d turn;
  ASSERT_TRUE(dlg.BuildTransform(turn, &session.db()));
  EXPECT_TRUE((turn * AcGePoint3d(110, 60, -1)).isEqualTo(AcGePoint3d(100, 70, -1)));
}

}  // namespace
