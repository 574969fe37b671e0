// Transforming and copying drawing entities, copies carrying the tool
// information filed for their originals, and small curve measures.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/ge/ge_point2d.h"

// Opens the entity for write and applies the matrix. Feeds and marker values
// ride in thickness and polyline widths, so those stay as they were under
// scaling and mirroring; an info point's filed position follows the point.
// False when the entity cannot be opened or refuses the matrix.
bool TransformEntity(AcDbObjectId id, const AcGeMatrix3d& matrix);
// Each in order; then the array is freed. True when every entity took it.
bool TransformEntities(AcDbObjectIdArray& ids, const AcGeMatrix3d& matrix);

// Clones the entity into model space; when tool information is filed for it,
// a copy is filed for the clone. False, with a null id, when nothing was made.
bool CloneEntityWithInfo(AcDbObjectId id, AcDbObjectId& copyId);
// Clones each in order; copies holds the new ids (emptied first). True when
// every entity was copied.
bool CopyEntitiesWithInfo(const AcDbObjectIdArray& ids, AcDbObjectIdArray& copies);
// Copies with their information, then the matrix on each copy. The input array
// is freed. True when every copy was made and took the matrix.
bool CopyAndTransformEntities(AcDbObjectIdArray& ids, const AcGeMatrix3d& matrix, AcDbObjectIdArray& copies);

// Z of a curve's end point; 0 when it has none.
double GetCurveEndZ(AcDbObjectId id);
// Radius of an arc or circle; false for other entities.
bool GetArcRadius(AcDbObjectId id, double& radius);
// Direction from first to second in degrees, counter-clockwise from X, 0 to below 360.
double SegmentAngleDegrees(const AcGePoint2d& first, const AcGePoint2d& second);
