// AcDb3dPolyline: straight segments through 3D vertices. As the host has it, the
// vertices are AcDb3dPolylineVertex entities owned by the polyline, added with
// appendVertex and walked with newIterator. Here they stay in the polyline's memory
// (they have no ids of their own) and are filed with it; their handles, and the one of
// the SEQEND closing them in a DXF file, are held in the drawing (SubEntityHandle).
// Parameter i lies on vertex i.
#pragma once

#include <memory>
#include <vector>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/db_sub_entity_handle.h"

class AcDbObjectIterator;

namespace AcDb {
enum Poly3dType { k3dSimplePoly = 0, k3dQuadSplinePoly = 1, k3dCubicSplinePoly = 2 };
enum Vertex3dType { k3dSimpleVertex = 0, k3dControlVertex = 1, k3dFitVertex = 2 };
}  // namespace AcDb

class AcDbVertex : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbVertex);
  ~AcDbVertex() override;

 protected:
  AcDbVertex();
};

class AcDb3dPolylineVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3dPolylineVertex);

  AcDb3dPolylineVertex();
  explicit AcDb3dPolylineVertex(const AcGePoint3d& position);
  ~AcDb3dPolylineVertex() override;

  AcDb::Vertex3dType vertexType() const { return type_; }
  AcGePoint3d position() const;
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);

  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // The VERTEX entity's data (subclasses AcDbVertex and AcDb3dPolylineVertex).
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // The handle of the VERTEX record (null until the polyline's drawing gives one).
  AcDbHandle subEntityHandle() const { return handle_.handle(); }

 private:
  friend class AcDb3dPolyline;

  AcGePoint3d position_;
  AcDb::Vertex3dType type_ = AcDb::k3dSimpleVertex;
  // Mutable: a save gives a missing handle even to a polyline opened for read.
  mutable SubEntityHandle handle_;
};

class AcDb3dPolyline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3dPolyline);

  AcDb3dPolyline();
  AcDb3dPolyline(AcDb::Poly3dType type, const AcGePoint3dArray& vertices, Adesk::Boolean closed = false);
  ~AcDb3dPolyline() override;

  // Takes ownership of the vertex (null: eNullObjectPointer).
  Acad::ErrorStatus appendVertex(AcDb3dPolylineVertex* vertex);
  Acad::ErrorStatus appendVertex(AcDbObjectId& vertexId, AcDb3dPolylineVertex* vertex);
  // Walks the vertices in order; the caller deletes the iterator.
  AcDbObjectIterator* newIterator() const;

  AcDb::Poly3dType polyType() const { return type_; }
  // Only simple polylines are supported: eNotImplemented for the spline kinds.
  Acad::ErrorStatus setPolyType(AcDb::Poly3dType type);
  Acad::ErrorStatus makeClosed();
  Acad::ErrorStatus makeOpen();
  Acad::ErrorStatus setClosed(Adesk::Boolean closed) { return closed ? makeClosed() : makeOpen(); }
  Acad::ErrorStatus length(double& length) const;

  Adesk::Boolean isClosed() const override { return closed_; }
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
  Acad::ErrorStatus getSecondDeriv(double param, AcGeVector3d& secDeriv) const override;
  Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                      Adesk::Boolean extend = false) const override;
  // The area of the closed outline projected on its best-fitting plane.
  Acad::ErrorStatus getArea(double& area) const override;

  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  // One AcDbLine per segment of non-zero length, with the polyline's properties.
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // The POLYLINE entity's own data; the DXF writer files the vertices after it as
  // VERTEX entities and a SEQEND.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // Joining a drawing claims the vertices' handles there.
  Acad::ErrorStatus setOwnerId(AcDbObjectId ownerId) override;
  // The handle of the SEQEND record after the vertices; a read one is claimed at once
  // when the polyline is in a drawing.
  AcDbHandle sequenceEndHandle() const { return sequenceEnd_.handle(); }
  void setSequenceEndHandle(const AcDbHandle& handle);
  // Gives the vertices and the SEQEND that lack one a handle of the drawing, so every
  // save writes the same handles.
  void holdSubEntityHandles() const;

 private:
  void holdHandles(bool giveSequenceEnd) const;
  std::vector<AcGePoint3d> points() const;
  unsigned int numSegments() const;
  bool splitParam(double param, unsigned int& index, double& fraction) const;

  std::vector<std::unique_ptr<AcDb3dPolylineVertex>> vertices_;
  AcDb::Poly3dType type_ = AcDb::k3dSimplePoly;
  bool closed_ = false;
  mutable SubEntityHandle sequenceEnd_;
};
