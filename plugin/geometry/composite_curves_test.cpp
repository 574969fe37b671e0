#include "plugin/geometry/composite_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/curves/ge_composite_curve.h"
#include "platform/cad/ge/curves/ge_line.h"
#include "platform/cad/ge/curves/ge_polyline.h"

namespace {

double Clean(double v) { return std::fabs(v) < 5e-7 ? 0.0 : v; }

// "x,y,bulge" per vertex, rounded so that noise does not show.
std::string VerticesOf(const AcDbPolyline& polyline) {
  std::string text;
  for (unsigned int i = 0; i < polyline.numVerts(); ++i) {
    AcGePoint2d p;
    double bulge = 0.0;
    polyline.getPointAt(i, p);
    polyline.getBulgeAt(i, bulge);
    char vertex[96];
    std::snprintf(vertex, sizeof vertex, "%s%.6f,%.6f,%.6f", i ? " " : "", Clean(p.x), Clean(p.y), Clean(bulge));
    text += vertex;
  }
  return text;
}

// Converts the pieces through a composite that takes them over.
std::string Convert(const std::vector<AcGeCurve2d*>& pieces, bool expectOk = true) {
  AcGeVoidPointerArray list;
  for (AcGeCurve2d* piece : pieces) list.append(piece);
  const AcGeCompositeCurve2d composite(list);
  AcDbPolyline* out = nullptr;
  EXPECT_EQ(CompositeCurveToPolyline(&composite, out), expectOk);
  std::unique_ptr<AcDbPolyline> owned(out);
  return out ? VerticesOf(*out) : "no polyline";
}

AcGeLineSeg2d* Line(double x1, double y1, double x2, double y2) {
  return new AcGeLineSeg2d(AcGePoint2d(x1, y1), AcGePoint2d(x2, y2));
}

TEST(CompositeCurves, LineAndHalfCircleTakeTheArcsSignOnTheMiddleVertex) {
  EXPECT_EQ(Convert({Line(0, 0, 5, 0), new AcGeCircArc2d(AcGePoint2d(5, 0), AcGePoint2d(5, 4), 1.0)}),
            "0.000000,0.000000,0.000000 5.000000,0.000000,1.000000 5.000000,4.000000,0.000000");
  EXPECT_EQ(Convert({Line(0, 0, 5, 0), new AcGeCircArc2d(AcGePoint2d(5, 0), AcGePoint2d(5, 4), -1.0)}),
            "0.000000,0.000000,0.000000 5.000000,0.000000,-1.000000 5.000000,4.000000,0.000000");
}

TEST(CompositeCurves, TinyArcsDropOtherKindsFail) {
  EXPECT_EQ(Convert({Line(0, 0, 5, 0), new AcGeCircArc2d(AcGePoint2d(5, 0), AcGePoint2d(5.000001, 0), 0.00001),
                     Line(5.000001, 0, 5, 5)}),
            "0.000000,0.000000,0.000000 5.000001,0.000000,0.000000 5.000000,5.000000,0.000000");
  // The vertices before the unknown piece stay in the handed-out polyline.
  EXPECT_EQ(Convert({Line(0, 0, 1, 0), new AcGeLine2d(AcGePoint2d(1, 0), AcGeVector2d(0, 1))}, false),
            "0.000000,0.000000,0.000000");
  EXPECT_EQ(Convert({}, false), "");
}

TEST(CompositeCurves, ClosedPolylineRoundTripKeepsPointsAndBulges) {
  AcDbPolyline source;
  source.addVertexAt(0, AcGePoint2d(0, 0));
  source.addVertexAt(1, AcGePoint2d(10, 0), 0.3);
  source.addVertexAt(2, AcGePoint2d(10, 6), -0.7);
  source.addVertexAt(3, AcGePoint2d(4, 8));
  source.addVertexAt(4, AcGePoint2d(0, 5), 2.5);
  source.setClosed(true);

  AcGeCurve2d* curve = nullptr;
  PolylineToCompositeCurve(&source, curve);
  std::unique_ptr<AcGeCurve2d> owned(curve);
  EXPECT_EQ(curve->type(), AcGe::kCompositeCrv2d);
  AcDbPolyline* raw = nullptr;
  ASSERT_TRUE(CompositeCurveToPolyline(curve, raw));
  std::unique_ptr<AcDbPolyline> back(raw);
  // The same vertices, and one more on top of the first.
  EXPECT_EQ(VerticesOf(*back), VerticesOf(source) + " 0.000000,0.000000,0.000000");

  // A lone bulged segment comes back as the arc itself.
  AcDbPolyline lone;
  lone.addVertexAt(0, AcGePoint2d(0, 0), 0.4);
  lone.addVertexAt(1, AcGePoint2d(4, 0));
  PolylineToCompositeCurve(&lone, curve);
  owned.reset(curve);
  ASSERT_EQ(curve->type(), AcGe::kCircArc2d);
  EXPECT_NEAR(BulgeOfArc2d(static_cast<const AcGeCircArc2d&>(*curve)), 0.4, 1e-12);
}

TEST(CompositeCurves, FullCircleBecomesTwoHalves) {
  EXPECT_EQ(Convert({new AcGeCircArc2d(AcGePoint2d(0, 0), 2.0, 0.0, curve::kTwoPi, AcGeVector2d::kXAxis, true)}),
            "2.000000,0.000000,-1.000000 -2.000000,0.000000,-1.000000 2.000000,0.000000,0.000000");
}

TEST(CompositeCurves, ArcAfterAFitPolylineKeepsItsBulgeWithoutDoubledVertices) {
  AcGePoint2dArray fit, onward;
  fit.append(AcGePoint2d(0, 0));
  fit.append(AcGePoint2d(2, 0));
  onward.append(AcGePoint2d(2, 2));
  onward.append(AcGePoint2d(0, 2));
  EXPECT_EQ(Convert({new AcGePolyline2d(fit), new AcGeCircArc2d(AcGePoint2d(2, 0), AcGePoint2d(2, 2), 1.0),
                     new AcGePolyline2d(onward)}),
            "0.000000,0.000000,0.000000 2.000000,0.000000,1.000000 2.000000,2.000000,0.000000 "
            "0.000000,2.000000,0.000000");
}

}  // namespace
