// AcDbRegion: flat faces, bounded by loops of lines, arcs, ellipses and splines;
// a face may have holes. DXF name REGION.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/modeler/modeler_entity.h"

class AcGePlane;

class AcDbRegion : public ModelerEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRegion);

  AcDbRegion();
  ~AcDbRegion() override;

  // One new region (the caller owns it) for each closed loop the curves make: a
  // closed curve alone, or curves that meet end to end (in any direction). Loops
  // inside loops make regions of their own. Curves that close no loop are passed
  // over. eInvalidInput (no region) when no loop closes or a pointer is no curve.
  static Acad::ErrorStatus createFromCurves(const AcDbVoidPtrArray& curveSegments, AcDbVoidPtrArray& regions);

  // This region becomes the union, intersection or difference with the other,
  // which is left empty (null); an empty result is a null region. The regions must
  // lie in one plane (eNonCoplanarGeometry, both unchanged).
  Acad::ErrorStatus booleanOper(AcDb::BoolOperType operation, AcDbRegion* otherRegion);

  Acad::ErrorStatus getArea(double& regionArea) const;
  Acad::ErrorStatus getPerimeter(double& perimeter) const;
  Acad::ErrorStatus getNormal(AcGeVector3d& normal) const;
  Adesk::Boolean isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  // One face: its boundary curves (outer loop first, each loop end to end) in the
  // region's plane. Several faces: a region for each. The caller owns them.
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
};
