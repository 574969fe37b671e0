// AcDbPolyline: the lightweight polyline. Vertices are 2D points in the entity's
// coordinate system (that of the normal) at one elevation, each with the bulge and
// the start and end widths of the segment that leaves it. Segment i runs from vertex
// i to vertex i + 1, the last one of a closed polyline back to vertex 0. Parameter
// i + f lies on segment i: at fraction f of its length on a line, of its sweep on an arc.
#pragma once

#include <vector>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/object_memory.h"
#include "platform/cad/ge/ge_point2d.h"

class AcGeCircArc2d;
class AcGeCircArc3d;
class AcGeLineSeg2d;
class AcGeLineSeg3d;

class AcDbPolyline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolyline);

  enum SegType { kLine, kArc, kCoincident, kPoint, kEmpty };

  AcDbPolyline();
  // Room for numVerts vertices; the polyline starts empty.
  explicit AcDbPolyline(unsigned int numVerts);
  ~AcDbPolyline() override;

  unsigned int numVerts() const;
  // An index at or beyond the end appends. Negative widths take the constant width.
  Acad::ErrorStatus addVertexAt(unsigned int index, const AcGePoint2d& point, double bulge = 0.0,
                                double startWidth = -1.0, double endWidth = -1.0);
  Acad::ErrorStatus removeVertexAt(unsigned int index);
  // reuse keeps the first numVerts vertices; otherwise all go.
  Acad::ErrorStatus reset(Adesk::Boolean reuse, unsigned int numVerts);

  Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint2d& point) const;
  // World coordinates.
  Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint3d& point) const;
  Acad::ErrorStatus setPointAt(unsigned int index, const AcGePoint2d& point);
  Acad::ErrorStatus getBulgeAt(unsigned int index, double& bulge) const;
  Acad::ErrorStatus setBulgeAt(unsigned int index, double bulge);
  Acad::ErrorStatus getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const;
  Acad::ErrorStatus setWidthsAt(unsigned int index, double startWidth, double endWidth);
  Acad::ErrorStatus getStartWidthAt(unsigned int index, double& startWidth) const;
  Acad::ErrorStatus setStartWidthAt(unsigned int index, double startWidth);
  Acad::ErrorStatus getEndWidthAt(unsigned int index, double& endWidth) const;
  Acad::ErrorStatus setEndWidthAt(unsigned int index, double endWidth);
  // eNotApplicable when the vertices' widths differ.
  Acad::ErrorStatus getConstantWidth(double& width) const;
  // Every vertex gets the width at both ends.
  Acad::ErrorStatus setConstantWidth(double width);

  double elevation() const;
  Acad::ErrorStatus setElevation(double elevation);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  Acad::ErrorStatus setClosed(Adesk::Boolean closed);
  Adesk::Boolean hasPlinegen() const;
  Acad::ErrorStatus setPlinegen(Adesk::Boolean plinegen);
  // True when no segment has a bulge.
  Adesk::Boolean isOnlyLines() const;

  // kEmpty without vertices or for an index out of range, kPoint for a single vertex
  // and for the last vertex of an open polyline, kCoincident for a segment whose ends
  // meet.
  SegType segType(unsigned int index) const;
  // eInvalidIndex out of range; eNotApplicable when the segment is not of that kind.
  Acad::ErrorStatus getLineSegAt(unsigned int index, AcGeLineSeg2d& line) const;
  Acad::ErrorStatus getLineSegAt(unsigned int index, AcGeLineSeg3d& line) const;
  // The arc runs the polyline's way: clockwise for a negative bulge.
  Acad::ErrorStatus getArcSegAt(unsigned int index, AcGeCircArc2d& arc) const;
  Acad::ErrorStatus getArcSegAt(unsigned int index, AcGeCircArc3d& arc) const;
  // True when the point lies on segment index; param is its polyline parameter.
  Adesk::Boolean onSegAt(unsigned int index, const AcGePoint2d& point, double& param) const;
  Adesk::Boolean onSegAt(unsigned int index, const AcGePoint3d& point, double& param) const;
  // Runs the same path the other way (vertices reversed, bulges and widths moved along).
  Acad::ErrorStatus reverseCurve();

  Adesk::Boolean isClosed() const override;
  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point, double& param) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;
  Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point, double& dist) const override;
  Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getFirstDeriv(const AcGePoint3d& point, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getSecondDeriv(double param, AcGeVector3d& secDeriv) const override;
  Acad::ErrorStatus getSecondDeriv(const AcGePoint3d& point, AcGeVector3d& secDeriv) const override;
  Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                      Adesk::Boolean extend = false) const override;
  // Pieces between the sorted parameters; on a closed polyline the last piece runs
  // through the start to the first cut.
  Acad::ErrorStatus getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const override;
  using AcDbCurve::getSplitCurves;  // the by-point form: parameters of the points
  // The area enclosed with the closing segment, arcs included; never negative.
  Acad::ErrorStatus getArea(double& area) const override;

  Adesk::Boolean isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  // Non-uniform scaling only for a polyline without arcs (eCannotScaleNonUniformly).
  // A mirror keeps the transformed normal and negates the bulges.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  // New AcDbLine and AcDbArc entities with the polyline's properties, normal and
  // thickness; segments of zero length give nothing; widths are not carried.
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  struct Vertex {
    AcGePoint2d point;
    double bulge = 0.0;
    double startWidth = 0.0;
    double endWidth = 0.0;
  };
  struct Segment;

  bool validIndex(unsigned int index) const { return index < vertices_.size(); }
  unsigned int numSegments() const;
  Segment segmentAt(unsigned int index) const;
  double segmentLength(unsigned int index) const;
  // Segment index and fraction of a parameter; false outside the polyline.
  bool splitParam(double param, unsigned int& index, double& fraction) const;
  AcGePoint2d pointAt2d(unsigned int index, double fraction) const;
  AcGePoint3d toWorld(const AcGePoint2d& point) const;
  AcGeVector3d toWorld(const AcGeVector2d& vector) const;
  AcGePoint2d toPlane(const AcGePoint3d& point, double* height = nullptr) const;
  double onTolerance() const;
  bool paramOnSegment(unsigned int index, const AcGePoint2d& point, double& param) const;
  // Vertices of the stretch between two parameters (to may pass the end of a closed polyline).
  std::vector<Vertex> stretch(double from, double to) const;

  std::vector<Vertex, object_memory::Allocator<Vertex>> vertices_;
  double constantWidth_ = 0.0;
  double elevation_ = 0.0;
  double thickness_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  bool closed_ = false;
  bool plinegen_ = false;
};
