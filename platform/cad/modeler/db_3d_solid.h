// AcDb3dSolid: a closed solid (or several) bounded by faces. DXF name 3DSOLID.
#pragma once

#include "platform/cad/db/db_subent.h"
#include "platform/cad/modeler/modeler_entity.h"

class AcDbRegion;
class AcGePlane;

class AcDb3dSolid : public ModelerEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3dSolid);

  AcDb3dSolid();
  ~AcDb3dSolid() override;

  // Primitives centred on the origin, replacing what the solid held; eInvalidInput
  // for sizes that are not above 0.
  Acad::ErrorStatus createBox(double xLen, double yLen, double zLen);
  // The sloped face falls from the top edge at -X to the bottom edge at +X.
  Acad::ErrorStatus createWedge(double xLen, double yLen, double zLen);
  // A cylinder or cone along Z from -height/2 to height/2; the top radius may be 0.
  Acad::ErrorStatus createFrustum(double height, double xRadius, double yRadius, double topXRadius);
  Acad::ErrorStatus createSphere(double radius);
  Acad::ErrorStatus createTorus(double majorRadius, double minorRadius);

  // This solid becomes the union, intersection or difference with the other, which
  // is left empty (null); an empty result is a null solid.
  Acad::ErrorStatus booleanOper(AcDb::BoolOperType operation, AcDb3dSolid* solid);

  // The region swept along its normal by height (negative: the other way), its
  // sides leaning in by the taper angle (radians; negative leans them out).
  Acad::ErrorStatus extrude(const AcDbRegion* region, double height, double taperAngle = 0.0);

  // A new region (the caller owns it) where the plane cuts the solid, facing the
  // plane's normal; null and eInvalidInput when the plane misses the solid.
  Acad::ErrorStatus getSection(const AcGePlane& plane, AcDbRegion*& sectionRegion) const;

  // Every face moved out (positive) or in by the distance; convex edges become
  // round. An offset that cannot be made leaves the solid unchanged and gives
  // eGeneralModelingFailure.
  Acad::ErrorStatus offsetBody(double offsetDistance);

  // Tilts the faces by the angle (radians) about the plane through basePoint across
  // draftVector: a positive angle leans them in along the draft vector.
  Acad::ErrorStatus taperFaces(const AcArray<AcDbSubentId*>& faceSubentIds, const AcGePoint3d& basePoint,
                               const AcGeVector3d& draftVector, double draftAngle);

  Acad::ErrorStatus getArea(double& area) const;
  // Volume, centroid and the inertia about the centroid (world axes), and the extents.
  Acad::ErrorStatus getMassProp(double& volume, AcGePoint3d& centroid, double momInertia[3], double prodInertia[3],
                                double prinMoments[3], AcGeVector3d prinAxes[3], double radiiGyration[3],
                                AcDbExtents& extents) const;
  double volume() const;
};
