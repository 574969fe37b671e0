// The world-draw interface: an entity's worldDraw(AcGiWorldDraw*) asks it why it
// is drawn (regenType), how finely (deviation), and draws primitives into its
// geometry with the attributes set in its sub-entity traits. Whoever wants the
// graphics (a display, a facet capture, a test) implements these classes.
//
// Each primitive answers true when the drawing should stop (the regen was aborted).
#pragma once

#include "platform/cad/db/graphics/gi_sub_entity_traits.h"
#include "platform/cad/db/graphics/gi_types.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector3d.h"

class AcGiDrawable;
struct AcGiClipBoundary;
struct resbuf;

class AcGiGeometry {
 public:
  virtual ~AcGiGeometry() = default;

  virtual Adesk::Boolean circle(const AcGePoint3d& center, const double radius, const AcGeVector3d& normal) const = 0;
  virtual Adesk::Boolean circle(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& p3) const {
    (void)p1, (void)p2, (void)p3;
    return false;
  }
  // Counter-clockwise about the normal from the start vector through the sweep.
  virtual Adesk::Boolean circularArc(const AcGePoint3d& center, const double radius, const AcGeVector3d& normal,
                                     const AcGeVector3d& startVector, const double sweepAngle,
                                     const AcGiArcType arcType = kAcGiArcSimple) const = 0;
  virtual Adesk::Boolean circularArc(const AcGePoint3d& start, const AcGePoint3d& point, const AcGePoint3d& end,
                                     const AcGiArcType arcType = kAcGiArcSimple) const {
    (void)start, (void)point, (void)end, (void)arcType;
    return false;
  }
  virtual Adesk::Boolean polyline(const Adesk::UInt32 nbPoints, const AcGePoint3d* pVertexList,
                                  const AcGeVector3d* pNormal = nullptr,
                                  Adesk::LongPtr lBaseSubEntMarker = -1) const = 0;
  virtual Adesk::Boolean polygon(const Adesk::UInt32 nbPoints, const AcGePoint3d* pVertexList) const = 0;
  // rows x columns vertices, row by row.
  virtual Adesk::Boolean mesh(const Adesk::UInt32 rows, const Adesk::UInt32 columns, const AcGePoint3d* pVertexList,
                              const AcGiEdgeData* pEdgeData = nullptr, const AcGiFaceData* pFaceData = nullptr,
                              const AcGiVertexData* pVertexData = nullptr,
                              const bool bAutoGenerateNormals = true) const = 0;
  // The face list holds, for each face, its vertex count n and then n indexes into
  // the vertex list; a negative count starts a hole of the face before it.
  virtual Adesk::Boolean shell(const Adesk::UInt32 nbVertex, const AcGePoint3d* pVertexList,
                               const Adesk::UInt32 faceListSize, const Adesk::Int32* pFaceList,
                               const AcGiEdgeData* pEdgeData = nullptr, const AcGiFaceData* pFaceData = nullptr,
                               const AcGiVertexData* pVertexData = nullptr, const resbuf* pResBuf = nullptr,
                               const bool bAutoGenerateNormals = true) const = 0;
  virtual Adesk::Boolean text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction,
                              const double height, const double width, const double oblique, const char* pMsg) const {
    (void)position, (void)normal, (void)direction, (void)height, (void)width, (void)oblique, (void)pMsg;
    return false;
  }
  virtual Adesk::Boolean xline(const AcGePoint3d& p1, const AcGePoint3d& p2) const {
    (void)p1, (void)p2;
    return false;
  }
  virtual Adesk::Boolean ray(const AcGePoint3d& p1, const AcGePoint3d& p2) const {
    (void)p1, (void)p2;
    return false;
  }
  virtual Adesk::Boolean draw(AcGiDrawable* pDrawable) const {
    (void)pDrawable;
    return false;
  }
  virtual Adesk::Boolean pushModelTransform(const AcGeVector3d& normal) {
    (void)normal;
    return false;
  }
  virtual Adesk::Boolean pushModelTransform(const AcGeMatrix3d& xMat) {
    (void)xMat;
    return false;
  }
  virtual Adesk::Boolean popModelTransform() { return false; }
  virtual Adesk::Boolean pushClipBoundary(AcGiClipBoundary* pBoundary) {
    (void)pBoundary;
    return false;
  }
  virtual void popClipBoundary() {}
};

class AcGiWorldGeometry : public AcGiGeometry {
 public:
  // The entity's extents, when it knows them better than its primitives tell.
  virtual void setExtents(AcGePoint3d* pNewExtents) const { (void)pNewExtents; }
};

class AcGiCommonDraw {
 public:
  virtual ~AcGiCommonDraw() = default;
  virtual AcGiRegenType regenType() const = 0;
  virtual Adesk::Boolean regenAbort() const = 0;
  virtual AcGiSubEntityTraits& subEntityTraits() const = 0;
  virtual AcGiGeometry* rawGeometry() const = 0;
  virtual Adesk::Boolean isDragging() const = 0;
  virtual AcGiContext* context() = 0;
  virtual Adesk::UInt32 numberOfIsolines() const = 0;
  // The largest distance allowed between a curve or surface and its facets, in
  // drawing units at the point; 0 or less lets the entity choose.
  virtual double deviation(const AcGiDeviationType type, const AcGePoint3d& point) const = 0;
};

class AcGiWorldDraw : public AcGiCommonDraw {
 public:
  virtual AcGiWorldGeometry& geometry() const = 0;
};
