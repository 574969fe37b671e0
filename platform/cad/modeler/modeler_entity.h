// ModelerEntity: what regions, 3D solids and bodies share. Each holds one
// boundary-representation shape (faces with their edges), files it as text in
// its DXF record and its DWG fields, and offers its faces and edges as
// sub-entities tagged by graphics markers.
//
// Sub-entities: faces are numbered 1..numFaces() and edges 1..numEdges() in an
// order fixed by the shape. A face's graphics marker is its number; an edge's is
// numFaces() + its number. Numbers hold until the shape changes.
//
// Modeler data of another program (a DXF record whose data is not ours) is kept
// as it came and written back unchanged; such an entity has a null shape.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/db/graphics/gi_types.h"
#include "platform/cad/modeler/modeler_enums.h"

struct BrepShape;
class AcGeVector3d;

using AcDbGsMarkerArray = AcArray<Adesk::GsMarker>;

class ModelerEntity : public AcDbEntity {
 public:
  ~ModelerEntity() override;

  // True when the entity holds no shape.
  Adesk::Boolean isNull() const;
  int numFaces() const;
  int numEdges() const;

  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  // Shells of the faces within the facet deviation when faces are asked for
  // (hide, shade, render); the edges as wires otherwise. Each primitive carries
  // the graphics marker of its face or edge.
  Adesk::Boolean worldDraw(AcGiWorldDraw* mode) override;

  // The sub-entities of the given type under a graphics marker: the face itself or
  // the faces along an edge; the edge itself or the edges around a face. The
  // array is new[]-allocated; the caller frees it with delete[]. eInvalidInput for
  // a marker that names nothing here.
  Acad::ErrorStatus getSubentPathsAtGsMarker(AcDb::SubentType type, Adesk::GsMarker gsMark,
                                             const AcGePoint3d& pickPoint, const AcGeMatrix3d& viewXform, int& numPaths,
                                             AcDbFullSubentPath*& subentPaths, int numInserts = 0,
                                             AcDbObjectId* entAndInsertStack = nullptr) const override;
  Acad::ErrorStatus getGsMarkersAtSubentPath(const AcDbFullSubentPath& subPath,
                                             AcDbGsMarkerArray& gsMarkers) const override;
  // A new entity (the caller owns it) for a face (a region when it is flat, a body
  // otherwise) or an edge (a line, arc, circle, ellipse or spline); null when the
  // path names nothing here.
  AcDbEntity* subentPtr(const AcDbFullSubentPath& id) const override;

  // The face under a pick: the line through point along the view direction (from the
  // eye into the drawing) meets faces; the one nearest the eye gives its marker. A
  // line that meets no face takes the face nearest to it within aperture.
  // eInvalidInput when nothing is that close.
  Acad::ErrorStatus pickFaceMarker(const AcGePoint3d& point, const AcGeVector3d& viewDirection, double aperture,
                                   Adesk::GsMarker& marker) const;
  // The marker of the edge nearest the pick within aperture, else pickFaceMarker's.
  Adesk::GsMarker gsMarkerAtPick(const AcGePoint3d& point, const AcGeVector3d& viewDirection,
                                 double aperture) const override;

  // Highlighting a sub-entity also records its path, until it is unhighlighted.
  Acad::ErrorStatus highlight(const AcDbFullSubentPath& subId = kNullSubent,
                              const Adesk::Boolean highlightAll = false) const override;
  Acad::ErrorStatus unhighlight(const AcDbFullSubentPath& subId = kNullSubent,
                                const Adesk::Boolean highlightAll = false) const override;
  const std::vector<AcDbFullSubentPath>& highlightedSubents() const { return highlightedSubents_; }

  // True when the entity keeps modeler data of another program that it cannot read.
  bool hasForeignData() const;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // For the module's operations: the shape, and replacing it (needs an open for write;
  // drops kept foreign data).
  const BrepShape& brep() const;
  Acad::ErrorStatus setBrep(const BrepShape& shape);

  struct KeptItem;

 protected:
  ModelerEntity();

 private:
  std::unique_ptr<BrepShape> shape_;
  std::vector<KeptItem> kept_;
  mutable std::vector<AcDbFullSubentPath> highlightedSubents_;
};
