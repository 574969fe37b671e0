// A drawing's user coordinate system as matrices, points and axes. A drawing
// whose UCS is the world (or no drawing) gives the identity.
#pragma once

#include "platform/cad/db/db_database.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector3d.h"

// UCS to world.
void GetUcsMatrix(AcGeMatrix3d& matrix, AcDbDatabase* db);
AcGePoint3d UcsToWcsPoint(const AcGePoint3d& point, AcDbDatabase* db);
// Maps the UCS axes, with the origin moved by point, onto the world system.
void UcsAlignMatrix(AcGeMatrix3d& matrix, const AcGePoint3d& point, AcDbDatabase* db);
AcGeVector3d GetUcsZAxis(AcDbDatabase* db);
