// Pocket outlines read once into plain plane paths, so that the generator's
// many geometric questions need no further trips to the drawing.
#pragma once

#include <vector>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/db_object_id.h"

class AcDbPolyline;

// False, with an empty path, when the id is no lightweight polyline.
bool ReadPlanPath(AcDbObjectId id, curve::BulgePath& path);
void ReadPlanPath(const AcDbPolyline& polyline, curve::BulgePath& path);
// The box of every segment, arcs included; an empty box when unreadable.
curve::Box2 PlanBoxOf(AcDbObjectId id);
curve::Box2 PlanBoxOf(const curve::BulgePath& path);

// The closed path from one parameter (segment index plus fraction) to the other
// in the path's own direction, going round past the start where needed.
std::vector<curve::BulgeVertex> PathPiece(const curve::BulgePath& loop, double from, double to);
// The point halfway along an open run of vertices.
AcGePoint2d PieceMidPoint(const std::vector<curve::BulgeVertex>& piece);

// Whether the two closed outlines come closer than limit in plan (a limit of 0:
// whether they touch or cross). Only segments whose boxes meet are measured.
bool PlanOutlinesMeet(AcDbObjectId a, AcDbObjectId b, double limit);
