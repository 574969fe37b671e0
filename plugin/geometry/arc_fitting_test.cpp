#include "plugin/geometry/arc_fitting.h"

#include <cmath>

#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_spline.h"
#include "plugin/geometry/curve_chaining.h"
#include "plugin/geometry/curve_chords.h"
#include "plugin/geometry/polyline/chain_polyline_build.h"
#include "plugin/geometry/polyline/polyline_fixture_test.h"
#include "plugin/shell/settings/configuration_settings.h"

namespace {

// Largest distance of points along the curve from the polyline.
double WorstMiss(const AcDbCurve& curve, const AcDbPolyline& polyline) {
  double from = 0.0;
  double to = 0.0;
  curve.getStartParam(from);
  curve.getEndParam(to);
  double worst = 0.0;
  constexpr int kSteps = 2000;
  for (int k = 0; k <= kSteps; ++k) {
    AcGePoint3d p;
    AcGePoint3d onPolyline;
    curve.getPointAtParam(from + (to - from) * k / kSteps, p);
    polyline.getClosestPointTo(p, onPolyline);
    worst = std::max(worst, p.distanceTo(onPolyline));
  }
  return worst;
}

int ArcCount(const AcDbPolyline& polyline) {
  int arcs = 0;
  for (unsigned int i = 0; i < polyline.numVerts(); ++i) {
    double bulge = 0.0;
    polyline.getBulgeAt(i, bulge);
    if (bulge != 0.0) ++arcs;
  }
  return arcs;
}

AcDbSpline Wave() {
  AcGePoint3dArray fit;
  for (int k = 0; k <= 8; ++k) fit.append(AcGePoint3d(5.0 * k, 4.0 * std::sin(k * 0.8), 0.0));
  return AcDbSpline(fit);
}

TEST(ArcFitting, SplineBecomesFewArcsCloseToIt) {
  const AcDbSpline spline = Wave();
  AcDbPolyline arcs;
  ASSERT_TRUE(FitArcsToSpline(&spline, &arcs, 0.01));
  EXPECT_GT(ArcCount(arcs), 0);
  // Samples lie within the tolerance; between samples the curve may stray a little more.
  EXPECT_LT(WorstMiss(spline, arcs), 0.02);
  AcDbPolyline chords;
  ASSERT_TRUE(ApproximateSplineByChords(&spline, &chords, 0.0));
  EXPECT_EQ(ArcCount(chords), 0);
  // Chords are checked at four points each, so the curve may stray a hair past 0.01.
  EXPECT_LE(WorstMiss(spline, chords), 0.011);
  EXPECT_LT(arcs.numVerts(), chords.numVerts());
}

TEST(ArcFitting, CircularPartsOfACurveFitOneArcEach) {
  // A half ellipse of ratio 1 is a half circle.
  const AcDbEllipse half(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(10, 0, 0), 1.0, 0.0,
                         3.14159265358979);
  AcDbPolyline arcs;
  EXPECT_FALSE(FitArcsToEllipse(&half, &arcs, 0.01));  // one arc: two vertices
  EXPECT_EQ(arcs.numVerts(), 2u);
  double bulge = 0.0;
  arcs.getBulgeAt(0, bulge);
  EXPECT_NEAR(bulge, 1.0, 1e-6);
}

TEST(ArcFitting, CurveWithoutLengthGivesNothing) {
  AcGePoint3dArray fit;
  fit.append(AcGePoint3d(1, 1, 0));
  fit.append(AcGePoint3d(1, 1, 0));
  const AcDbSpline dot(fit);
  AcDbPolyline polyline;
  EXPECT_FALSE(ApproximateCurveByChords(&dot, &polyline, 0.0));
  EXPECT_FALSE(FitArcsToCurve(&dot, &polyline, 0.01));
}

class ApproximatedChains : public PolylineFixture {};

TEST_F(ApproximatedChains, ClosedEllipseFollowsTheArcSetting) {
  const AcDbObjectId ellipse =
      add(new AcDbEllipse(AcGePoint3d(0, 0, 2), AcGeVector3d::kZAxis, AcGeVector3d(20, 0, 0), 0.5));
  AcDbObjectIdArray curves;
  curves.append(ellipse);
  PluginSettings& settings = ConfigurationSettings();
  const double kept = settings.ConvToArcChk;
  settings.ConvToArcChk = 1.0;
  AcDbObjectIdArray fitted;
  ASSERT_TRUE(ChainCurvesToPolyline(curves, fitted));
  settings.ConvToArcChk = 0.0;
  AcDbObjectIdArray chorded;
  ASSERT_TRUE(ChainCurvesToPolyline(curves, chorded));
  settings.ConvToArcChk = kept;

  bool closed = false;
  const auto arcs = vertices(fitted[0], &closed);
  EXPECT_TRUE(closed);
  const auto chords = vertices(chorded[0]);
  EXPECT_LT(arcs.size(), chords.size());
  for (const auto& v : chords) EXPECT_EQ(v.bulge, 0.0);
  // The ellipse's top stays where it was.
  EXPECT_NEAR(pointAtParam(fitted[0], 0.0).z, 2.0, 1e-9);
}

TEST_F(ApproximatedChains, ChordBuilderTurnsACircleIntoChords) {
  const AcDbObjectId circle = add(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 10.0));
  AcDbObjectIdArray curves;
  curves.append(circle);
  AcDbObjectIdArray out;
  ASSERT_TRUE(ChainCurvesToPolylineLines(curves, out, 0.01));
  bool closed = false;
  const auto v = vertices(out[0], &closed);
  EXPECT_TRUE(closed);
  EXPECT_GT(v.size(), 20u);
  for (const auto& vertex : v) {
    EXPECT_EQ(vertex.bulge, 0.0);
    EXPECT_NEAR(vertex.point.asVector().length(), 10.0, 1e-9);
  }
}

}  // namespace
