// What the built-in commands share to work on the drawing: where new entities
// go (the current space, with the drawing's defaults), points typed in the
// current UCS turned into world points, selections and keywords.
#pragma once

#include <string>
#include <vector>

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/db/filing/resbuf.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_point3d.h"

class AcDbDatabase;
class AcDbEntity;

namespace host {

// Takes the new entity (it is deleted when it cannot be appended), gives it the
// drawing's defaults and appends it to the current space. Its id; a null id,
// with the reason printed, when that failed.
AcDbObjectId AppendToCurrentSpace(AcDbDatabase& database, AcDbEntity* entity);

// Erases an entity the command made (its Undo option).
void EraseEntity(AcDbObjectId id);

// The current UCS of the working drawing.
class UcsFrame {
 public:
  UcsFrame();
  AcGePoint3d ToWorld(const ads_point point) const;
  AcGePoint3d ToWorld(const AcGePoint3d& point) const;
  // The UCS Z axis: the normal of planar entities drawn now.
  AcGeVector3d Normal() const;

 private:
  AcGeMatrix3d to_world_;
};

// An interactive selection ("Select objects: "); false when it was cancelled
// or found nothing. The set itself is freed again.
bool SelectEntities(std::vector<AcDbObjectId>& ids);

// The keyword of the last RTKWORD answer, as acedGetInput gives it.
std::string LastKeyword();
bool IsKeyword(const std::string& answer, const char* keyword);  // case-insensitive

}  // namespace host
