#include "plugin/geometry/polyline/chain_polyline_build.h"

#include <cmath>
#include <memory>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/curves/ge_composite_curve.h"
#include "platform/cad/ge/curves/ge_line.h"
#include "plugin/geometry/arc_fitting.h"
#include "plugin/geometry/composite_curves.h"
#include "plugin/geometry/curve_chords.h"
#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/polyline/polyline_cleanup.h"
#include "plugin/geometry/polyline/polyline_segments.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr double kTwoPi = curve::kTwoPi;

enum class CurveStyle { Exact, Chords };

AcGePoint2d Flat(const AcGePoint3d& p) { return AcGePoint2d(p.x, p.y); }

// Ends are compared in the plane: the result is a plane polyline at one level.
double Apart(const AcGePoint3d& a, const AcGePoint3d& b) { return Flat(a).distanceTo(Flat(b)); }

// Owns the pieces until they are handed to a composite curve.
class SegmentList {
 public:
  SegmentList() = default;
  SegmentList(const SegmentList&) = delete;
  SegmentList& operator=(const SegmentList&) = delete;
  ~SegmentList() { DeletePolylineSegments2d(segments_); }

  void add(AcGeCurve2d* segment) { segments_.append(segment); }
  void addLine(const AcGePoint3d& from, const AcGePoint3d& to) {
    if (Apart(from, to) > 0.0) add(new AcGeLineSeg2d(Flat(from), Flat(to)));
  }
  void addBulged(const AcGePoint3d& from, const AcGePoint3d& to, double bulge) {
    const AcGePoint2d a = Flat(from);
    const AcGePoint2d b = Flat(to);
    if (a.distanceTo(b) <= 0.0) return;
    if (bulge == 0.0 || !std::isfinite(bulge)) {
      add(new AcGeLineSeg2d(a, b));
      return;
    }
    const curve::Arc2 arc = curve::ArcOfBulge(a, b, bulge);
    add(new AcGeCircArc2d(a, arc.pointAt(0.5), b));
  }
  void addPolyline(const AcDbPolyline* polyline) { GetPolylineSegments2d(polyline, segments_); }
  int count() const { return segments_.length(); }

  // The one segment itself, or a composite of all; the list is left empty.
  std::unique_ptr<AcGeCurve2d> takeCurve() {
    std::unique_ptr<AcGeCurve2d> curve;
    if (segments_.length() == 1) {
      curve.reset(static_cast<AcGeCurve2d*>(segments_[0]));
    } else {
      curve = std::make_unique<AcGeCompositeCurve2d>(segments_);
    }
    segments_.setLogicalLength(0);
    return curve;
  }

 private:
  PolylineSegments2d segments_;
};

struct ChainWalk {
  SegmentList segments;
  AcGePoint3d running;
  double tolerance = 0.0;
  bool single = false;
  CurveStyle style = CurveStyle::Exact;
};

void AddLine(ChainWalk& walk, const AcDbLine* line) {
  AcGePoint3d from = line->startPoint();
  AcGePoint3d to = line->endPoint();
  if (!walk.single && Apart(from, walk.running) > walk.tolerance) std::swap(from, to);
  walk.segments.addLine(from, to);
  walk.running = to;
}

// The signed bulge of the arc run from its start (forward) or from its end.
double ArcBulge(const AcDbArc* arc, bool forward) {
  AcGePoint3d start;
  AcGePoint3d end;
  arc->getStartPoint(start);
  arc->getEndPoint(end);
  if (arc->normal().isEqualTo(AcGeVector3d::kZAxis)) {
    double sweep = forward ? arc->endAngle() - arc->startAngle() : arc->startAngle() - arc->endAngle();
    if (forward && sweep < 0.0) sweep += kTwoPi;
    if (!forward && sweep > 0.0) sweep -= kTwoPi;
    if (sweep > kTwoPi) sweep -= kTwoPi;
    if (sweep < -kTwoPi) sweep += kTwoPi;
    return std::tan(sweep / 4.0);
  }
  // Any other plane: the arc as seen from above, by its height over the chord.
  double from = 0.0;
  double to = 0.0;
  AcGePoint3d mid;
  arc->getStartParam(from);
  arc->getEndParam(to);
  arc->getPointAtParam((from + to) / 2.0, mid);
  const AcGePoint2d a = Flat(start);
  const AcGePoint2d b = Flat(end);
  const AcGePoint2d m = Flat(mid);
  const double halfChord = a.distanceTo(b) / 2.0;
  if (halfChord <= 0.0) return 0.0;
  const double height = m.distanceTo(a + (b - a) * 0.5);
  const double cross = (b - a).crossProduct(m - a);
  // Counter-clockwise from start to end bows to the right of the chord.
  const double bulge = (cross < 0.0 ? height : -height) / halfChord;
  return forward ? bulge : -bulge;
}

void AddArc(ChainWalk& walk, const AcDbArc* arc) {
  AcGePoint3d start;
  AcGePoint3d end;
  arc->getStartPoint(start);
  arc->getEndPoint(end);
  const bool forward = walk.single || Apart(end, walk.running) >= Apart(start, walk.running);
  if (forward) {
    walk.segments.addBulged(start, end, ArcBulge(arc, true));
    walk.running = end;
  } else {
    walk.segments.addBulged(end, start, ArcBulge(arc, false));
    walk.running = start;
  }
}

void AddCircle(ChainWalk& walk, const AcDbCircle* circle) {
  const double pi = curve::kPi;
  AcGePoint3d p[5];
  for (int k = 0; k < 4; ++k) circle->getPointAtParam(k * pi / 2.0, p[k]);
  circle->getEndPoint(p[4]);
  walk.segments.add(new AcGeCircArc2d(Flat(p[0]), Flat(p[1]), Flat(p[2])));
  walk.segments.add(new AcGeCircArc2d(Flat(p[2]), Flat(p[3]), Flat(p[4])));
}

void FillApproximation(const AcDbCurve* curve, AcDbPolyline* polyline, CurveStyle style) {
  const PluginSettings& settings = ConfigurationSettings();
  const double tolerance = settings.ConvArcTol;
  if (style == CurveStyle::Chords) {
    ApproximateCurveByChords(curve, polyline, tolerance);
    return;
  }
  const bool fitArcs = settings.ConvToArcChk == 1.0;
  if (const AcDbEllipse* ellipse = AcDbEllipse::cast(curve)) {
    fitArcs ? FitArcsToEllipse(ellipse, polyline, tolerance) : ApproximateEllipseByChords(ellipse, polyline, tolerance);
  } else if (const AcDbSpline* spline = AcDbSpline::cast(curve)) {
    fitArcs ? FitArcsToSpline(spline, polyline, tolerance) : ApproximateSplineByChords(spline, polyline, tolerance);
  } else {
    fitArcs ? FitArcsToCurve(curve, polyline, tolerance) : ApproximateCurveByChords(curve, polyline, tolerance);
  }
}

void AddApproximatedCurve(ChainWalk& walk, const AcDbCurve* curve) {
  AcDbPolyline stand;
  FillApproximation(curve, &stand, walk.style);
  if (stand.numVerts() == 0) return;
  AcGePoint2d first;
  AcGePoint2d last;
  stand.getPointAt(0, first);
  stand.getPointAt(stand.numVerts() - 1, last);
  const AcGePoint3d start(first.x, first.y, 0.0);
  const AcGePoint3d end(last.x, last.y, 0.0);
  if (walk.single || Apart(end, walk.running) > walk.tolerance) {
    walk.running = end;
  } else {
    ReversePolylineVertices(&stand);
    walk.running = start;
  }
  walk.segments.addPolyline(&stand);
}

// A polyline whose end is away from where the walk stands is added as it runs; else it is reversed first.
bool RunsOn(const ChainWalk& walk, const AcDbPolyline* polyline) {
  AcGePoint3d end;
  polyline->getEndPoint(end);
  return walk.single || Apart(end, walk.running) > walk.tolerance;
}

void AddPolylineAsItRuns(ChainWalk& walk, const AcDbPolyline* polyline) {
  polyline->getEndPoint(walk.running);
  walk.segments.addPolyline(polyline);
}

// False when the polyline could not be reopened after its reversal.
bool AddReversedPolyline(ChainWalk& walk, AcDbObjectId id) {
  ReverseCurve(id);
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) return false;
  AddPolylineAsItRuns(walk, polyline.object());
  return true;
}

void AddOtherCurve(ChainWalk& walk, const AcDbEntity* entity) {
  if (const auto* line = AcDbLine::cast(entity)) {
    AddLine(walk, line);
  } else if (const auto* arc = AcDbArc::cast(entity); arc != nullptr && walk.style == CurveStyle::Exact) {
    AddArc(walk, arc);
  } else if (const auto* circle = AcDbCircle::cast(entity); circle != nullptr && walk.style == CurveStyle::Exact) {
    AddCircle(walk, circle);
  } else if (const auto* curve = AcDbCurve::cast(entity)) {
    AddApproximatedCurve(walk, curve);
  }
}

bool AddCurve(ChainWalk& walk, AcDbObjectId id) {
  {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) return false;
    const auto* polyline = AcDbPolyline::cast(entity.object());
    if (polyline == nullptr) {
      AddOtherCurve(walk, entity.object());
      return true;
    }
    if (RunsOn(walk, polyline)) {
      AddPolylineAsItRuns(walk, polyline);
      return true;
    }
  }
  // Reversing opens the polyline for write, so ours is closed first.
  return AddReversedPolyline(walk, id);
}

// The first curve runs away from the second when its end cannot meet it.
bool FindFirstTravelPoint(const AcDbObjectIdArray& ids, double tolerance, AcGePoint3d& running, double& elevation) {
  AcGePoint3d start;
  AcGePoint3d end;
  if (GetCurveEndPoints(ids[0], start, end) == 0) return false;
  elevation = start.z;
  running = start;
  if (ids.length() < 2) return true;
  AcGePoint3d nextStart;
  AcGePoint3d nextEnd;
  if (GetCurveEndPoints(ids[1], nextStart, nextEnd) == 0) return false;
  if (Apart(end, nextStart) >= tolerance && Apart(end, nextEnd) >= tolerance) running = end;
  return true;
}

bool BuildChain(const AcDbObjectIdArray& ids, AcDbObjectId& polylineId, double tolerance, CurveStyle style,
                double closingTolerance) {
  polylineId = AcDbObjectId::kNull;
  if (ids.isEmpty()) return false;
  ChainWalk walk;
  walk.tolerance = tolerance;
  walk.single = ids.length() == 1;
  walk.style = style;
  double elevation = 0.0;
  if (!FindFirstTravelPoint(ids, tolerance, walk.running, elevation)) return false;
  for (int i = 0; i < ids.length(); ++i) {
    if (!AddCurve(walk, ids[i])) return false;
  }
  if (walk.segments.count() == 0) return false;

  const std::unique_ptr<AcGeCurve2d> curve = walk.segments.takeCurve();
  AcDbPolyline* made = nullptr;
  const bool converted = CompositeCurveToPolyline(curve.get(), made);
  std::unique_ptr<AcDbPolyline> polyline(made);
  if (!converted) return false;
  polyline->setElevation(elevation);
  AcGePoint3d start;
  AcGePoint3d end;
  if (polyline->getStartPoint(start) == Acad::eOk && polyline->getEndPoint(end) == Acad::eOk &&
      start.distanceTo(end) < closingTolerance) {
    RemoveClosingVertex(polyline.get(), closingTolerance);
  }
  if (polyline->numVerts() < 2) return false;
  AcDbObjectId id;
  if (AppendToModelSpace(polyline.get(), id) != Acad::eOk) return false;
  polyline.release();  // the drawing owns it now
  RemoveDuplicateVertices(id);
  polylineId = id;
  return true;
}

}  // namespace

bool BuildPolylineFromCurves(const AcDbObjectIdArray& ids, AcDbObjectId& polylineId, double joinTolerance) {
  return BuildChain(ids, polylineId, joinTolerance, CurveStyle::Exact, ConfigurationSettings().JoinToler);
}

bool BuildPolylineFromCurves(const AcDbObjectIdArray& ids, AcDbObjectId& polylineId) {
  return BuildPolylineFromCurves(ids, polylineId, ConfigurationSettings().JoinToler);
}

bool BuildPolylineFromCurvesByChords(const AcDbObjectIdArray& ids, AcDbObjectId& polylineId, double joinTolerance) {
  return BuildChain(ids, polylineId, joinTolerance, CurveStyle::Chords, joinTolerance);
}
