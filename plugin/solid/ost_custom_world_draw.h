// The facet capture: a world draw that records the shells an entity draws into
// it (its faces, within the deviation asked) instead of showing them. Every
// method leaves a trace line on the prompt line.
#pragma once

#include "platform/cad/db/graphics/gi_world_draw.h"
#include "plugin/solid/facet_shell.h"

class OstCustomWorldGeometry : public AcGiWorldGeometry {
 public:
  OstCustomWorldGeometry(FacetShell& shell, const short& colorIndex) : shell_(shell), colorIndex_(colorIndex) {}

  // Appends the shell's vertices and faces to the captured ones.
  Adesk::Boolean shell(const Adesk::UInt32 nbVertex, const AcGePoint3d* pVertexList, const Adesk::UInt32 faceListSize,
                       const Adesk::Int32* pFaceList, const AcGiEdgeData* pEdgeData = nullptr,
                       const AcGiFaceData* pFaceData = nullptr, const AcGiVertexData* pVertexData = nullptr,
                       const resbuf* pResBuf = nullptr, const bool bAutoGenerateNormals = true) const override;

  // The other primitives are not faces: nothing is recorded.
  Adesk::Boolean circle(const AcGePoint3d& center, const double radius, const AcGeVector3d& normal) const override;
  Adesk::Boolean circle(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& p3) const override;
  Adesk::Boolean circularArc(const AcGePoint3d& center, const double radius, const AcGeVector3d& normal,
                             const AcGeVector3d& startVector, const double sweepAngle,
                             const AcGiArcType arcType = kAcGiArcSimple) const override;
  Adesk::Boolean circularArc(const AcGePoint3d& start, const AcGePoint3d& point, const AcGePoint3d& end,
                             const AcGiArcType arcType = kAcGiArcSimple) const override;
  Adesk::Boolean polyline(const Adesk::UInt32 nbPoints, const AcGePoint3d* pVertexList,
                          const AcGeVector3d* pNormal = nullptr, Adesk::LongPtr lBaseSubEntMarker = -1) const override;
  Adesk::Boolean polygon(const Adesk::UInt32 nbPoints, const AcGePoint3d* pVertexList) const override;
  Adesk::Boolean mesh(const Adesk::UInt32 rows, const Adesk::UInt32 columns, const AcGePoint3d* pVertexList,
                      const AcGiEdgeData* pEdgeData = nullptr, const AcGiFaceData* pFaceData = nullptr,
                      const AcGiVertexData* pVertexData = nullptr,
                      const bool bAutoGenerateNormals = true) const override;
  Adesk::Boolean text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction,
                      const double height, const double width, const double oblique, const char* pMsg) const override;
  Adesk::Boolean xline(const AcGePoint3d& p1, const AcGePoint3d& p2) const override;
  Adesk::Boolean ray(const AcGePoint3d& p1, const AcGePoint3d& p2) const override;
  Adesk::Boolean draw(AcGiDrawable* pDrawable) const override;
  Adesk::Boolean pushModelTransform(const AcGeVector3d& normal) override;
  Adesk::Boolean pushModelTransform(const AcGeMatrix3d& xMat) override;
  Adesk::Boolean popModelTransform() override;
  Adesk::Boolean pushClipBoundary(AcGiClipBoundary* pBoundary) override;
  void popClipBoundary() override;
  void setExtents(AcGePoint3d* pNewExtents) const override;

 private:
  FacetShell& shell_;
  const short& colorIndex_;
};

class OstCustomSubEntityTraits : public AcGiSubEntityTraits {
 public:
  void setColor(const Adesk::UInt16 color) override;
  void setLayer(const AcDbObjectId layerId) override;
  void setLineType(const AcDbObjectId linetypeId) override;
  void setSelectionMarker(const Adesk::GsMarker marker) override;
  void setFillType(const AcGiFillType fillType) override;
  void setLineWeight(const AcDb::LineWeight lineWeight) override;
  void setLineTypeScale(double scale = 1.0) override;
  void setThickness(double thickness) override;

  Adesk::UInt16 color() const override;
  AcDbObjectId layerId() const override;
  AcDbObjectId lineTypeId() const override;
  AcGiFillType fillType() const override;
  AcDb::LineWeight lineWeight() const override;
  double lineTypeScale() const override;
  double thickness() const override;
};

class OstCustomContext : public AcGiContext {};

class OstCustomWorldDraw : public AcGiWorldDraw {
 public:
  OstCustomWorldDraw(double deviation, short colorIndex);
  OstCustomWorldDraw(const OstCustomWorldDraw&) = delete;
  OstCustomWorldDraw& operator=(const OstCustomWorldDraw&) = delete;

  AcGiRegenType regenType() const override;
  Adesk::Boolean regenAbort() const override;
  AcGiSubEntityTraits& subEntityTraits() const override;
  AcGiGeometry* rawGeometry() const override;
  AcGiWorldGeometry& geometry() const override;
  Adesk::Boolean isDragging() const override;
  AcGiContext* context() override;
  Adesk::UInt32 numberOfIsolines() const override;
  double deviation(const AcGiDeviationType type, const AcGePoint3d& point) const override;

  // Gives every captured face the colour index.
  void setColor(short colorIndex);
  const FacetShell& shell() const { return shell_; }
  // Hands the captured shell over; the capture is empty afterwards.
  FacetShell takeShell();

 private:
  FacetShell shell_;
  double deviation_;
  short colorIndex_;
  mutable OstCustomWorldGeometry geometry_;
  mutable OstCustomSubEntityTraits traits_;
  OstCustomContext context_;
};
