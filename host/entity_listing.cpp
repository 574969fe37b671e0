#include "host/entity_listing.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "host/svg/svg_modeler_shapes.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_region.h"

namespace host {

namespace {

std::string Number(double value) {
  if (std::abs(value) < 5e-5) value = 0.0;  // no "-0.0000"
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", value);
  return text;
}

std::string Point(const AcGePoint3d& p) { return Number(p.x) + "," + Number(p.y) + "," + Number(p.z); }
std::string Vector(const AcGeVector3d& v) { return Number(v.x) + "," + Number(v.y) + "," + Number(v.z); }
std::string Degrees(double radians) { return Number(radians * 180.0 / M_PI); }

std::string Field(const char* name, const std::string& value) { return std::string("  ") + name + ": " + value + "\n"; }

// A malloc'ed name from the database, freed here.
std::string TakeName(char* name) {
  std::unique_ptr<char, decltype(&std::free)> owned(name, &std::free);
  return name != nullptr ? std::string(name) : std::string("?");
}

std::string NormalField(const AcGeVector3d& normal) {
  return normal.isCodirectionalTo(AcGeVector3d::kZAxis) ? std::string() : Field("normal", Vector(normal));
}

std::string CurveLength(const AcDbCurve& curve) {
  double end_param = 0.0, length = 0.0;
  if (curve.getEndParam(end_param) != Acad::eOk || curve.getDistAtParam(end_param, length) != Acad::eOk) return {};
  return Field("length", Number(length));
}

std::string CurveArea(const AcDbCurve& curve) {
  double area = 0.0;
  if (!curve.isClosed() || curve.getArea(area) != Acad::eOk) return {};
  return Field("area", Number(area));
}

std::string LineGeometry(const AcDbLine& line) {
  return Field("from point", Point(line.startPoint())) + Field("to point", Point(line.endPoint())) +
         Field("length", Number(line.startPoint().distanceTo(line.endPoint()))) + NormalField(line.normal());
}

std::string ArcGeometry(const AcDbArc& arc) {
  return Field("center", Point(arc.center())) + Field("radius", Number(arc.radius())) +
         Field("start angle", Degrees(arc.startAngle())) + Field("end angle", Degrees(arc.endAngle())) +
         Field("length", Number(arc.length())) + NormalField(arc.normal());
}

std::string CircleGeometry(const AcDbCircle& circle) {
  const double r = circle.radius();
  return Field("center", Point(circle.center())) + Field("radius", Number(r)) +
         Field("circumference", Number(2.0 * M_PI * r)) + Field("area", Number(M_PI * r * r)) +
         NormalField(circle.normal());
}

std::string PointGeometry(const AcDbPoint& point) {
  return Field("at point", Point(point.position())) + NormalField(point.normal());
}

std::string PolylineGeometry(const AcDbPolyline& polyline) {
  std::string text = Field("closed", polyline.isClosed() ? "yes" : "no");
  if (std::abs(polyline.elevation()) > 0.0) text += Field("elevation", Number(polyline.elevation()));
  for (unsigned int i = 0; i < polyline.numVerts(); ++i) {
    AcGePoint2d p;
    double bulge = 0.0;
    polyline.getPointAt(i, p);
    polyline.getBulgeAt(i, bulge);
    text += "  vertex " + std::to_string(i) + ": " + Number(p.x) + "," + Number(p.y);
    if (bulge != 0.0) text += "  bulge " + Number(bulge);
    text += "\n";
  }
  return text + CurveLength(polyline) + CurveArea(polyline) + NormalField(polyline.normal());
}

std::string EllipseGeometry(const AcDbEllipse& ellipse) {
  std::string text = Field("center", Point(ellipse.center())) + Field("major axis", Vector(ellipse.majorAxis())) +
                     Field("minor axis", Vector(ellipse.minorAxis())) +
                     Field("radius ratio", Number(ellipse.radiusRatio()));
  if (!ellipse.isClosed()) {
    text += Field("start angle", Degrees(ellipse.startAngle())) + Field("end angle", Degrees(ellipse.endAngle()));
  }
  return text + CurveLength(ellipse) + CurveArea(ellipse) + NormalField(ellipse.normal());
}

std::string SplineGeometry(const AcDbSpline& spline) {
  std::string text = Field("degree", std::to_string(spline.degree()));
  for (int i = 0; i < spline.numFitPoints(); ++i) {
    AcGePoint3d p;
    spline.getFitPointAt(i, p);
    text += "  fit point " + std::to_string(i) + ": " + Point(p) + "\n";
  }
  for (int i = 0; i < spline.numControlPoints(); ++i) {
    AcGePoint3d p;
    spline.getControlPointAt(i, p);
    text += "  control point " + std::to_string(i) + ": " + Point(p) + "\n";
  }
  return text + CurveLength(spline);
}

std::string ExtentsField(const AcDbEntity& entity) {
  AcDbExtents extents;
  if (entity.getGeomExtents(extents) != Acad::eOk) return {};
  return Field("extents", Point(extents.minPoint()) + " to " + Point(extents.maxPoint()));
}

std::string RegionGeometry(const AcDbRegion& region) {
  double area = 0.0, perimeter = 0.0;
  AcGeVector3d normal;
  if (region.isNull() || region.getArea(area) != Acad::eOk) return Field("shape", "none");
  std::string text = Field("area", Number(area));
  if (region.getPerimeter(perimeter) == Acad::eOk) text += Field("perimeter", Number(perimeter));
  if (region.getNormal(normal) == Acad::eOk) text += NormalField(normal);
  return text + ExtentsField(region);
}

std::string SolidGeometry(const AcDb3dSolid& solid) {
  if (solid.isNull()) return Field("shape", solid.hasForeignData() ? "another program's data, kept as read" : "none");
  return Field("volume", Number(solid.volume())) + ExtentsField(solid);
}

// An entity of another kind (a plug-in's own) that draws faces: how many, and in which colour.
std::string DrawnFacesFields(const AcDbEntity& entity) {
  SvgPath plan;
  DrawnFaces drawn;
  if (!WorldDrawPathOf(entity, AcGeMatrix3d::kIdentity, plan, drawn) || drawn.faces == 0) return {};
  std::string text =
      Field("faces", std::to_string(drawn.faces) + " on " + std::to_string(drawn.vertices) + " vertices");
  if (drawn.colorIndex >= 0) text += Field("face color", ColorText(drawn.colorIndex));
  return text;
}

std::string Geometry(const AcDbEntity& entity) {
  if (const auto* line = AcDbLine::cast(&entity)) return LineGeometry(*line);
  if (const auto* arc = AcDbArc::cast(&entity)) return ArcGeometry(*arc);
  if (const auto* circle = AcDbCircle::cast(&entity)) return CircleGeometry(*circle);
  if (const auto* point = AcDbPoint::cast(&entity)) return PointGeometry(*point);
  if (const auto* polyline = AcDbPolyline::cast(&entity)) return PolylineGeometry(*polyline);
  if (const auto* ellipse = AcDbEllipse::cast(&entity)) return EllipseGeometry(*ellipse);
  if (const auto* spline = AcDbSpline::cast(&entity)) return SplineGeometry(*spline);
  if (const auto* region = AcDbRegion::cast(&entity)) return RegionGeometry(*region);
  if (const auto* solid = AcDb3dSolid::cast(&entity)) return SolidGeometry(*solid);
  return DrawnFacesFields(entity) + ExtentsField(entity);
}

std::string TypeName(const AcDbEntity& entity) {
  const AcRxClass* type = entity.isA();
  if (type == nullptr) return "ENTITY";
  return type->dxfName()[0] != '\0' ? type->dxfName() : type->name();
}

}  // namespace

std::string ColorText(int color_index) {
  static const char* const kNames[] = {"red", "yellow", "green", "cyan", "blue", "magenta", "white"};
  if (color_index == 0) return "BYBLOCK";
  if (color_index == 256) return "BYLAYER";
  std::string text = std::to_string(color_index);
  if (color_index >= 1 && color_index <= 7) text += std::string(" (") + kNames[color_index - 1] + ")";
  return text;
}

std::string DescribeEntity(const AcDbEntity& entity) {
  AcDbHandle handle;
  entity.getAcDbHandle(handle);
  char handle_text[AcDbHandle::kStrSiz] = {};
  handle.getIntoAsciiBuffer(handle_text);
  std::string text = TypeName(entity) + "  Handle = " + handle_text + "\n";
  text += Field("layer", "\"" + TakeName(entity.layer()) + "\"");
  text += Field("color", ColorText(entity.colorIndex()));
  text += Field("linetype", "\"" + TakeName(entity.linetype()) + "\"");
  if (entity.visibility() != AcDb::kVisible) text += Field("visibility", "invisible");
  return text + Geometry(entity);
}

}  // namespace host
