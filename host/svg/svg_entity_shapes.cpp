#include "host/svg/svg_entity_shapes.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>
#include <set>

#include "platform/cad/db/db_object_iterator.h"
#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_entity_math.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/db/entities/db_text.h"
#include "platform/cad/ge/ge_ecs.h"

namespace {

constexpr double kTwoPi = 2.0 * 3.14159265358979323846;
// Spline sampling: at least this many points per knot span and per spline, at most
// this many in all.
constexpr int kSplineSamplesPerSpan = 16;
constexpr int kSplineMinSamples = 128;
constexpr int kSplineMaxSamples = 4096;

AcGeVector3d unit(const AcGeVector3d& normal) {
  return normal.isZeroLength() ? AcGeVector3d::kZAxis : normal / normal.length();
}

// A circle of the plane of the normal, from t0 to t1 of its ECS angle.
void addCircular(SvgPath& path, const AcGeMatrix3d& xform, const AcGePoint3d& center, const AcGeVector3d& normal,
                 double radius, double t0, double t1) {
  const AcGeVector3d n = unit(normal);
  path.conicArcTo(xform * center, xform * (acgeEcsXAxis(n) * radius), xform * (acgeEcsYAxis(n) * radius), t0, t1);
}

void linePath(const AcDbLine& line, const AcGeMatrix3d& xform, SvgPath& path) {
  path.moveTo(xform * line.startPoint());
  path.lineTo(xform * line.endPoint());
}

void arcPath(const AcDbArc& arc, const AcGeMatrix3d& xform, SvgPath& path) {
  addCircular(path, xform, arc.center(), arc.normal(), arc.radius(), arc.startAngle(),
              arc.startAngle() + arc.totalAngle());
}

void circlePath(const AcDbCircle& circle, const AcGeMatrix3d& xform, SvgPath& path) {
  addCircular(path, xform, circle.center(), circle.normal(), circle.radius(), 0.0, kTwoPi);
  path.close();
}

void ellipsePath(const AcDbEllipse& ellipse, const AcGeMatrix3d& xform, SvgPath& path) {
  double t0 = 0.0, t1 = kTwoPi;
  ellipse.getStartParam(t0);
  ellipse.getEndParam(t1);
  path.conicArcTo(xform * ellipse.center(), xform * ellipse.majorAxis(), xform * ellipse.minorAxis(), t0, t1);
  if (ellipse.isClosed()) path.close();
}

void polylinePath(const AcDbPolyline& polyline, const AcGeMatrix3d& xform, SvgPath& path) {
  const unsigned int count = polyline.numVerts();
  if (count == 0) return;
  const AcGeVector3d normal = unit(polyline.normal());
  const AcGeMatrix3d toWorld = xform * acgeEcsToWorld(normal);
  const double elevation = polyline.elevation();
  auto vertex = [&](unsigned int i) {
    AcGePoint2d point;
    polyline.getPointAt(i, point);
    return point;
  };
  auto place = [&](const AcGePoint2d& p) { return toWorld * AcGePoint3d(p.x, p.y, elevation); };
  path.moveTo(place(vertex(0)));
  const bool closed = polyline.isClosed() && count > 1;
  const unsigned int segments = closed ? count : count - 1;
  for (unsigned int i = 0; i < segments; ++i) {
    const AcGePoint2d start = vertex(i), end = vertex((i + 1) % count);
    double bulge = 0.0;
    polyline.getBulgeAt(i, bulge);
    entity_math::BulgeArc arc;
    if (entity_math::arcFromBulge(start, end, bulge, arc)) {
      path.conicArcTo(place(arc.center), toWorld * AcGeVector3d(arc.radius, 0, 0),
                      toWorld * AcGeVector3d(0, arc.radius, 0), arc.startAngle, arc.startAngle + arc.sweep);
    } else {
      path.lineTo(place(end));
    }
  }
  if (closed) path.close();
}

void polyline3dPath(const AcDb3dPolyline& polyline, const AcGeMatrix3d& xform, SvgPath& path) {
  std::unique_ptr<AcDbObjectIterator> vertices(polyline.newIterator());
  if (!vertices) return;
  for (vertices->start(); !vertices->done(); vertices->step()) {
    const AcDb3dPolylineVertex* vertex = AcDb3dPolylineVertex::cast(vertices->entity());
    if (vertex != nullptr) path.lineTo(xform * vertex->position());
  }
  if (polyline.isClosed()) path.close();
}

// Sampled by parameter, evenly within each knot span so that short spans get their share.
void splinePath(const AcDbSpline& spline, const AcGeMatrix3d& xform, SvgPath& path) {
  double start = 0.0, end = 0.0;
  if (spline.getStartParam(start) != Acad::eOk || spline.getEndParam(end) != Acad::eOk) return;
  if (!std::isfinite(start) || !std::isfinite(end) || !(end > start)) return;
  std::set<double> breaks = {start, end};
  const AcGeNurbCurve3d& curve = spline.nurbCurve();
  for (int i = 0; i < curve.numKnots(); ++i) {
    const double knot = curve.knotAt(i);
    if (knot > start && knot < end) breaks.insert(knot);
  }
  const int spans = static_cast<int>(breaks.size()) - 1;
  const int wanted = std::max(kSplineSamplesPerSpan, (kSplineMinSamples + spans - 1) / spans);
  const int perSpan = std::clamp(kSplineMaxSamples / spans, 1, wanted);
  auto add = [&](double param) {
    AcGePoint3d point;
    if (spline.getPointAtParam(param, point) == Acad::eOk) path.lineTo(xform * point);
  };
  add(start);
  for (auto it = breaks.begin(); std::next(it) != breaks.end(); ++it) {
    const double from = *it, to = *std::next(it);
    for (int k = 1; k <= perSpan; ++k) add(from + (to - from) * k / perSpan);
  }
  if (spline.isClosed()) path.close();
}

}  // namespace

bool CurvePathOf(const AcDbEntity& entity, const AcGeMatrix3d& xform, SvgPath& path) {
  if (const AcDbLine* line = AcDbLine::cast(&entity)) {
    linePath(*line, xform, path);
  } else if (const AcDbArc* arc = AcDbArc::cast(&entity)) {
    arcPath(*arc, xform, path);
  } else if (const AcDbCircle* circle = AcDbCircle::cast(&entity)) {
    circlePath(*circle, xform, path);
  } else if (const AcDbEllipse* ellipse = AcDbEllipse::cast(&entity)) {
    ellipsePath(*ellipse, xform, path);
  } else if (const AcDbPolyline* polyline = AcDbPolyline::cast(&entity)) {
    polylinePath(*polyline, xform, path);
  } else if (const AcDb3dPolyline* polyline3d = AcDb3dPolyline::cast(&entity)) {
    polyline3dPath(*polyline3d, xform, path);
  } else if (const AcDbSpline* spline = AcDbSpline::cast(&entity)) {
    splinePath(*spline, xform, path);
  } else {
    return false;
  }
  return true;
}

double ConstantWidthOf(const AcDbEntity& entity, const AcGeMatrix3d& xform) {
  const AcDbPolyline* polyline = AcDbPolyline::cast(&entity);
  double width = 0.0;
  if (polyline == nullptr || polyline->getConstantWidth(width) != Acad::eOk) return 0.0;
  if (!std::isfinite(width) || width <= 0.0) return 0.0;
  // The width lies in the polyline's plane; seen from above it shrinks with the tilt.
  const AcGeVector3d normal = unit(polyline->normal());
  const AcGeVector3d across = xform * (acgeEcsXAxis(normal) * width);
  const AcGeVector3d along = xform * (acgeEcsYAxis(normal) * width);
  return std::sqrt(std::fabs(across.x * along.y - across.y * along.x));
}

bool TextShapeOf(const AcDbText& text, std::string_view content, const AcGeMatrix3d& xform, SvgText& shape,
                 SvgBounds& bounds) {
  const double height = text.height();
  if (content.empty() || !std::isfinite(height) || height <= 0.0) return false;
  const AcGeVector3d normal = unit(text.normal());
  const AcGeVector3d xAxis = acgeEcsXAxis(normal), yAxis = acgeEcsYAxis(normal);
  const double rotation = text.rotation();
  AcGeVector3d along = xAxis * std::cos(rotation) + yAxis * std::sin(rotation);
  AcGeVector3d up = yAxis * std::cos(rotation) - xAxis * std::sin(rotation);
  if (text.isMirroredInX()) along = -along;
  if (text.isMirroredInY()) up = -up;
  along = xform * (along * text.widthFactor());
  up = xform * up;
  // Seen edge on, the text is a line of no width: nothing to show.
  if (std::fabs(along.x * up.y - along.y * up.x) <= 1e-9 * along.length() * up.length()) return false;

  const AcDb::TextHorzMode horizontal = text.horizontalMode();
  const AcDb::TextVertMode vertical = text.verticalMode();
  AcGePoint3d anchor = text.position();
  if (!text.isDefaultAlignment()) {
    if (horizontal == AcDb::kTextAlign || horizontal == AcDb::kTextFit) {
      const double widthFactor = text.widthFactor() > 0.0 ? text.widthFactor() : 1.0;
      shape.fitLength = text.position().distanceTo(text.alignmentPoint()) / widthFactor;
    } else {
      anchor = text.alignmentPoint();
    }
  }
  if (horizontal == AcDb::kTextCenter || horizontal == AcDb::kTextMid) shape.anchor = "middle";
  if (horizontal == AcDb::kTextRight) shape.anchor = "end";
  if (horizontal == AcDb::kTextMid || vertical == AcDb::kTextVertMid) shape.baseline = "central";
  if (vertical == AcDb::kTextTop) shape.baseline = "hanging";

  const SvgPoint at = ToSvgPoint(xform * anchor);
  // Text space runs down where the drawing's up runs: Y of SVG is flipped.
  const double matrix[6] = {along.x, -along.y, -up.x, up.y, at.x, at.y};
  std::copy(std::begin(matrix), std::end(matrix), shape.matrix);
  shape.height = height;
  shape.text = PlainText(content);

  AcDbExtents extents;
  if (text.getGeomExtents(extents) == Acad::eOk && extents.transformBy(xform) == Acad::eOk) {
    bounds.add(extents.minPoint().x, -extents.maxPoint().y);
    bounds.add(extents.maxPoint().x, -extents.minPoint().y);
  } else {
    bounds.add(at.x, at.y);
  }
  return !shape.text.empty();
}

std::string PlainText(std::string_view text) {
  auto isDigit = [&](std::size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, 2, "%%") != 0 || i + 2 >= text.size()) {
      out += text[i++];
      continue;
    }
    const char code = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 2])));
    if (code == 'd') {
      out += "\xC2\xB0";  // degree
    } else if (code == 'p') {
      out += "\xC2\xB1";  // plus-minus
    } else if (code == 'c') {
      out += "\xE2\x8C\x80";  // diameter
    } else if (code == '%') {
      out += '%';
    } else if (code == 'o' || code == 'u') {
      // Over- and underline switches: plain text has neither.
    } else if (isDigit(i + 2) && isDigit(i + 3) && isDigit(i + 4)) {
      const int value = (text[i + 2] - '0') * 100 + (text[i + 3] - '0') * 10 + (text[i + 4] - '0');
      if (value >= 32 && value < 127) out += static_cast<char>(value);
      i += 5;
      continue;
    } else {
      out += text[i++];  // no code: the percent signs stay
      continue;
    }
    i += 3;
  }
  return out;
}
