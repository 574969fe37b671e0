// Small queries and setters on single entities, given by id or by selection
// name (the OfName forms), and the filters that keep selection sets to
// machining geometry. A query on an entity that cannot be opened gives false or 0.
#pragma once

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_object_id.h"
#include "platform/cad/db/filing/resbuf.h"
#include "platform/cad/ge/ge_arrays.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector3d.h"
#include "platform/classlib/cstring.h"

// Visible and on a layer that is on.
bool IsEntityShown(AcDbObjectId id);
bool IsEntityShownOfName(const ads_name name);
// Names compare without regard to case; a layer that does not exist counts as on.
// The working drawing when db is null.
bool IsLayerOn(const char* layerName, AcDbDatabase* db = nullptr);
bool GetEntityLayer(AcDbObjectId id, CString& layerName);
bool SetEntityLayer(AcDbObjectId id, const char* layerName);
// Flag 1 visible, anything else invisible.
bool SetEntityVisibility(AcDbObjectId id, int flag);
// Each in order; then the array is freed.
void SetEntitiesVisibility(AcDbObjectIdArray& ids, int flag);
void SetEntitiesLayer(AcDbObjectIdArray& ids, const char* layerName);
// Every entity of the named toolpath; false when there is no such toolpath.
bool SetToolpathLayer(const char* toolpathName, const char* layerName);

int GetEntityKind(AcDbObjectId id);
int GetEntityKindOfName(const ads_name name);
bool IsPointEntity(AcDbObjectId id);
bool IsPolylineEntity(AcDbObjectId id);
// Start and end Z differ by at most 1e-8.
bool IsFlatCurve(AcDbObjectId id);
bool IsFlatCurveOfName(const ads_name name);
bool IsClosedCurve(AcDbObjectId id);
bool IsClosedCurveOfName(const ads_name name);
// Distance between a line's end points; 0 for other entities.
double LineLength(AcDbObjectId id);
double LineLengthOfName(const ads_name name);

bool GetCircleCenter(AcDbObjectId id, AcGePoint3d& center);
bool GetCircleCenterRadius(AcDbObjectId id, AcGePoint3d& center, double& radius);
bool GetCircleCenterRadiusOfName(const ads_name name, AcGePoint3d& center, double& radius);
bool GetArcGeometry(AcDbObjectId id, AcGePoint3d& start, AcGePoint3d& end, AcGePoint3d& center, double& radius,
                    AcGeVector3d& normal);

// Thickness = n x 1.000001e-7, the way feeds are tagged; 0 leaves it.
bool SetCurveTagNumber(AcDbObjectId id, int n);
void SetCurvesTagNumber(AcDbObjectIdArray& ids, int n);

// Points touch when they are less than the join tolerance apart.
bool PointsTouch(const AcGePoint3d& a, const AcGePoint3d& b);
// 1 when the point touches the entity's start, else 2 when it touches its end,
// else 0 (also for entities without end points).
int ClassifyPointToCurveEnds(const AcGePoint3d& point, const ads_name name);
int ClassifyPointToCurveEnds(const AcGePoint3d& point, AcDbObjectId id);
// Entities of the set with their start or end within the tolerance (strictly
// closer), one count per entity.
int CountEndpointsNear(const ads_name set, const AcGePoint3d& point, double tolerance);
// The same over parallel start and end lists of count entries. The lists stay
// the caller's, unchanged.
int CountPointPairsNear(const AcGePoint3dArray& starts, const AcGePoint3dArray& ends, int count,
                        const AcGePoint3d& point, double tolerance);

// Deletes from the set what is not shown, is of kind 0, or is a line shorter
// than 1e-6; then the entities of stored toolpaths.
void FilterSelectionToVisibleCurves(ads_name set);
void RemoveToolpathEntities(ads_name set);
