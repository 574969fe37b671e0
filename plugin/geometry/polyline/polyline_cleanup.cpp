#include "plugin/geometry/polyline/polyline_cleanup.h"

#include <cmath>

#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/shell/opened_object.h"

namespace {

constexpr double kCoincidentTolerance = 0.000001;
constexpr double kShortStepTolerance = 0.0001;
constexpr double kShortArcTolerance = 0.01;
constexpr std::size_t kMaxDuplicateScanVertices = 100000;
constexpr double kDegree = curve::kPi / 180.0;

using Vertices = std::vector<PolylineVertex>;

bool IsStraight(const Vertices& v, std::size_t segment) { return v[segment].bulge == 0.0; }

// Difference of two directions brought into -pi .. pi, so that directions either
// side of the X axis compare as the small turn they are.
double TurnBetween(double from, double to) {
  double turn = to - from;
  while (turn > curve::kPi) turn -= curve::kTwoPi;
  while (turn < -curve::kPi) turn += curve::kTwoPi;
  return turn;
}

bool RunsStraightOn(const AcGePoint2d& before, const AcGePoint2d& at, const AcGePoint2d& after, double degrees) {
  return std::fabs(TurnBetween(DirectionRadians(before, at), DirectionRadians(at, after))) < degrees * kDegree;
}

void RemoveZeroLengthSteps(Vertices& v, double tolerance) {
  for (std::size_t i = 1; i < v.size() && v.size() > 2;) {
    if (v[i - 1].point.distanceTo(v[i].point) < tolerance && IsStraight(v, i)) {
      v.erase(v.begin() + static_cast<long>(i - 1));
    } else {
      ++i;
    }
  }
}

void RemoveInnerCollinear(Vertices& v, double degrees) {
  for (std::size_t j = 1; j + 1 < v.size() && v.size() > 2;) {
    if (IsStraight(v, j - 1) && IsStraight(v, j) &&
        RunsStraightOn(v[j - 1].point, v[j].point, v[j + 1].point, degrees)) {
      v.erase(v.begin() + static_cast<long>(j));
      if (j > 1) --j;
    } else {
      ++j;
    }
  }
}

void RemoveCollinearAroundClosing(Vertices& v, double degrees) {
  if (v.size() > 3 && IsStraight(v, v.size() - 1) && IsStraight(v, 0) &&
      RunsStraightOn(v.back().point, v[0].point, v[1].point, degrees)) {
    v.erase(v.begin());
  }
  const std::size_t last = v.size() - 1;
  if (v.size() > 3 && IsStraight(v, last - 1) && IsStraight(v, last) &&
      RunsStraightOn(v[last - 1].point, v[last].point, v[0].point, degrees)) {
    v.pop_back();
  }
}

bool RemoveCollinear(AcDbObjectId id, double tolerance, bool aroundClosing) {
  return EditPolylineVertices(id, [&](Vertices& v, bool closed) {
    RemoveZeroLengthSteps(v, tolerance);
    RemoveInnerCollinear(v, tolerance);
    if (aroundClosing && closed) RemoveCollinearAroundClosing(v, tolerance);
  });
}

double DistanceToChord(const AcGePoint2d& p, const AcGePoint2d& a, const AcGePoint2d& b) {
  return curve::BulgeSeg{a, b, 0.0}.distanceTo(p);
}

}  // namespace

void RemoveClosingVertex(AcDbPolyline* polyline, double tolerance) {
  const unsigned int count = polyline->numVerts();
  if (count > 2) {
    AcGePoint2d first, last;
    polyline->getPointAt(0, first);
    polyline->getPointAt(count - 1, last);
    if (last.distanceTo(first) <= tolerance) polyline->removeVertexAt(count - 1);
  }
  if (!polyline->isClosed()) polyline->setClosed(true);
}

bool CloseWithTolerance(AcDbObjectId id, double tolerance) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForWrite);
  if (polyline.openStatus() != Acad::eOk) return false;
  RemoveClosingVertex(polyline, tolerance);
  return true;
}

bool RemoveCoincidentVertices(AcDbObjectId id) { return CloseWithTolerance(id, kCoincidentTolerance); }

void RemoveShortSegmentsInList(AcDbObjectIdArray ids, double tolerance) {
  for (int i = 0; i < ids.length(); ++i) CloseWithTolerance(ids[i], tolerance);
}

bool RemoveCollinearVertices(AcDbObjectId id, double tolerance) { return RemoveCollinear(id, tolerance, true); }

bool RemoveCollinearVerticesOpen(AcDbObjectId id, double tolerance) { return RemoveCollinear(id, tolerance, false); }

void RemoveCollinearVerticesInList(AcDbObjectIdArray ids, double tolerance) {
  for (int i = 0; i < ids.length(); ++i) RemoveCollinearVertices(ids[i], tolerance);
}

bool RemoveShortArcs(AcDbObjectId id) {
  return EditPolylineVertices(id, [](Vertices& v, bool closed) {
    for (std::size_t i = 0; v.size() > 2; ++i) {
      const std::size_t segments = closed ? v.size() : v.size() - 1;
      if (i >= segments) break;
      const double length = v[i].point.distanceTo(v[(i + 1) % v.size()].point);
      if (length < kShortStepTolerance) {
        v.erase(v.begin() + static_cast<long>(i));
      } else if (length < kShortArcTolerance) {
        v[i].bulge = 0.0;
      }
    }
  });
}

bool SimplifyPolyline(AcDbObjectId id, double tolerance) {
  return EditPolylineVertices(id, [&](Vertices& v, bool) {
    for (std::size_t b = 1; b + 1 < v.size() && v.size() >= 3; ++b) {
      if (IsStraight(v, b - 1) && IsStraight(v, b) &&
          DistanceToChord(v[b].point, v[b - 1].point, v[b + 1].point) < tolerance) {
        v.erase(v.begin() + static_cast<long>(b));
      }
    }
  });
}

void SimplifyPolylines(AcDbObjectIdArray ids, double tolerance) {
  for (int i = 0; i < ids.length(); ++i) SimplifyPolyline(ids[i], tolerance);
}

bool RemoveDuplicateVertices(AcDbObjectId id) {
  return EditPolylineVertices(id, [](Vertices& v, bool) {
    if (v.size() > kMaxDuplicateScanVertices) return;
    Vertices kept;
    kept.reserve(v.size());
    for (const PolylineVertex& vertex : v) {
      if (!kept.empty() && vertex.point.distanceTo(kept.back().point) < kShortStepTolerance) {
        // The step to the duplicate has no length; the segment that leaves it is
        // the real one, so its bulge and widths stay.
        const AcGePoint2d keptPoint = kept.back().point;
        kept.back() = vertex;
        kept.back().point = keptPoint;
      } else {
        kept.push_back(vertex);
      }
    }
    v = std::move(kept);
  });
}

void RemoveDuplicateVerticesInList(AcDbObjectIdArray ids) {
  for (int i = 0; i < ids.length(); ++i) RemoveDuplicateVertices(ids[i]);
}
