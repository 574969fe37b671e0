// AcDbExtents: an axis-aligned box in world coordinates. A new one is empty
// (minimum above maximum) until a point is added.
#pragma once

#include "platform/cad/db/error_status.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector3d.h"

class AcDbExtents {
 public:
  AcDbExtents();
  AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max);

  const AcGePoint3d& minPoint() const { return min_; }
  const AcGePoint3d& maxPoint() const { return max_; }
  // eInvalidExtents when min is above max in any coordinate.
  Acad::ErrorStatus set(const AcGePoint3d& min, const AcGePoint3d& max);
  bool isValid() const;
  void addPoint(const AcGePoint3d& point);
  void addExt(const AcDbExtents& other);
  Acad::ErrorStatus expandBy(const AcGeVector3d& vec);
  // The box around the transformed corners.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& mat);

 private:
  AcGePoint3d min_;
  AcGePoint3d max_;
};
