#include "plugin/geometry/composite_curves.h"

#include <cmath>

#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/curves/ge_composite_curve.h"
#include "platform/cad/ge/curves/ge_line.h"
#include "platform/cad/ge/curves/ge_polyline.h"
#include "plugin/geometry/polyline/polyline_segments.h"

namespace {

constexpr double kQuarterTurn = 1.57079632679489661923;
// Arcs this small between other pieces are offset noise.
constexpr double kTinyArcChord = 0.00001;
constexpr double kTinyArcBulge = 0.0001;
constexpr double kSamePoint = 1e-9;

double QuarterSweep(const AcGeCircArc2d& arc) {
  if (arc.isClockWise()) {
    double q = (arc.startAng() - arc.endAng()) / 4.0;
    if (q > 0.0) q -= kQuarterTurn;
    return q;
  }
  double q = (arc.endAng() - arc.startAng()) / 4.0;
  if (q < 0.0) q += kQuarterTurn;
  return q;
}

double ChordOf(const AcGeCircArc2d& arc) { return arc.startPoint().distanceTo(arc.endPoint()); }

bool IsTinyArc(const AcGeCircArc2d& arc) {
  return ChordOf(arc) < kTinyArcChord && std::fabs(std::tan(QuarterSweep(arc))) < kTinyArcBulge;
}

// A (nearly) full turn has no usable chord, and its bulge tends to infinity.
bool IsFullTurn(const AcGeCircArc2d& arc) {
  return ChordOf(arc) < kTinyArcChord && std::fabs(QuarterSweep(arc)) > kQuarterTurn / 2.0;
}

class VertexWriter {
 public:
  explicit VertexWriter(AcDbPolyline* polyline) : polyline_(polyline) {}

  void add(const AcGePoint2d& point, double bulge) { polyline_->addVertexAt(polyline_->numVerts(), point, bulge); }

  bool lastIsAt(const AcGePoint2d& point) const {
    if (polyline_->numVerts() == 0) return false;
    AcGePoint2d last;
    polyline_->getPointAt(polyline_->numVerts() - 1, last);
    return last.distanceTo(point) <= kSamePoint;
  }

  // An arc leaving `from`; onLastVertex when `from` is already the last vertex.
  void addArc(const AcGePoint2d& from, const AcGeCircArc2d& arc, bool onLastVertex) {
    const double q = QuarterSweep(arc);
    if (!IsFullTurn(arc)) {
      startArcAt(from, std::tan(q), onLastVertex);
      return;
    }
    // Two halves: a polyline segment cannot close on itself.
    const double halfBulge = std::tan(q / 2.0);
    startArcAt(from, halfBulge, onLastVertex);
    AcGeInterval interval;
    arc.getInterval(interval);
    add(arc.evalPoint((interval.lowerBound() + interval.upperBound()) / 2.0), halfBulge);
  }

 private:
  void startArcAt(const AcGePoint2d& from, double bulge, bool onLastVertex) {
    if (onLastVertex) {
      polyline_->setBulgeAt(polyline_->numVerts() - 1, bulge);
    } else {
      add(from, bulge);
    }
  }

  AcDbPolyline* polyline_;
};

void PiecesOf(const AcGeCurve2d* curve, AcGeVoidPointerArray& pieces) {
  if (curve->isKindOf(AcGe::kCompositeCrv2d)) {
    static_cast<const AcGeCompositeCurve2d*>(curve)->getCurveList(pieces);
  } else {
    pieces.append(const_cast<AcGeCurve2d*>(curve));
  }
}

}  // namespace

double BulgeOfArc2d(const AcGeCircArc2d& arc) { return std::tan(QuarterSweep(arc)); }

void PolylineToCompositeCurve(const AcDbPolyline* polyline, AcGeCurve2d*& curve) {
  PolylineSegments2d segments;
  GetPolylineSegments2d(polyline, segments);
  if (segments.length() == 1) {
    curve = static_cast<AcGeCurve2d*>(segments[0]);
  } else {
    curve = new AcGeCompositeCurve2d(segments);
  }
}

bool CompositeCurveToPolyline(const AcGeCurve2d* curve, AcDbPolyline*& polyline) {
  AcGeVoidPointerArray pieces;
  if (curve != nullptr) PiecesOf(curve, pieces);
  polyline = new AcDbPolyline(static_cast<unsigned int>(pieces.length()));
  if (pieces.isEmpty()) return false;

  VertexWriter writer(polyline);
  const AcGeCurve2d* previous = nullptr;
  // A 2D polyline piece writes its own end point; the next piece starts on it.
  bool previousEndWritten = false;
  for (int i = 0; i < pieces.length(); ++i) {
    const auto* piece = static_cast<const AcGeCurve2d*>(pieces[i]);
    if (piece->isKindOf(AcGe::kCircArc2d)) {
      const auto& arc = static_cast<const AcGeCircArc2d&>(*piece);
      if (previous == nullptr) {
        writer.addArc(arc.startPoint(), arc, false);
      } else if (IsTinyArc(arc)) {
        continue;
      } else {
        AcGePoint2d from;
        if (previous->hasEndPoint(from)) writer.addArc(from, arc, previousEndWritten);
      }
      previousEndWritten = false;
    } else if (piece->isKindOf(AcGe::kLineSeg2d)) {
      const AcGePoint2d start = static_cast<const AcGeLineSeg2d*>(piece)->startPoint();
      if (!(previousEndWritten && writer.lastIsAt(start))) writer.add(start, 0.0);
      previousEndWritten = false;
    } else if (piece->isKindOf(AcGe::kPolyline2d)) {
      const auto* fit = static_cast<const AcGePolyline2d*>(piece);
      for (int k = 0; k < fit->numFitPoints(); ++k) {
        const AcGePoint2d point = fit->fitPointAt(k);
        if (k == 0 && previousEndWritten && writer.lastIsAt(point)) continue;
        writer.add(point, 0.0);
      }
      previousEndWritten = fit->numFitPoints() > 0;
    } else {
      return false;
    }
    previous = piece;
  }
  AcGePoint2d end;
  if (previous != nullptr && !previousEndWritten && previous->hasEndPoint(end)) writer.add(end, 0.0);
  return true;
}
