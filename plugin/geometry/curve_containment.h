// Which of two closed outlines holds the other.
#pragma once
#include "platform/cad/db/db_object_id.h"

// -2 when the outlines touch (closer than 1e-9). With area(A) <= area(B): -1 when
// A lies in B (its start inside B, or the two within 0.00001), else 0. Otherwise
// 1 when B lies in A by the same test, else 0. 0 when an area cannot be read.
int ClassifyCurveContainment(AcDbObjectId first, AcDbObjectId second);
