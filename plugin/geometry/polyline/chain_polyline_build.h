// One chain of curves, ordered end to end, made into a new lightweight polyline
// in model space. Curves may be drawn either way round; each is run in the
// direction that continues the chain.
#pragma once

#include "platform/cad/db/db_object_id.h"

// Arcs and circles stay exact arcs; ellipses, splines and other curves become
// fitted arcs or chords as the settings say. A lightweight polyline of the chain
// that has to run backwards is reversed in the drawing. The join tolerance decides
// which end of a curve continues the chain; the result is closed when its ends
// meet within the settings' join tolerance. False, with nothing appended, for an
// empty list, a curve that cannot be opened, a non-entity, or fewer than 2
// vertices.
bool BuildPolylineFromCurves(const AcDbObjectIdArray& ids, AcDbObjectId& polylineId, double joinTolerance);
// With the settings' join tolerance.
bool BuildPolylineFromCurves(const AcDbObjectIdArray& ids, AcDbObjectId& polylineId);

// Only lines and lightweight polylines are kept as they are; every other curve,
// arcs included, becomes chords. The result is closed within joinTolerance.
bool BuildPolylineFromCurvesByChords(const AcDbObjectIdArray& ids, AcDbObjectId& polylineId, double joinTolerance);
