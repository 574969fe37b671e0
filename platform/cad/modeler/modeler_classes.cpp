#include "platform/cad/modeler/modeler_classes.h"

#include "platform/cad/db/db_builtin_classes.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_body.h"
#include "platform/cad/modeler/db_region.h"

void acmodelerRegisterClasses() {
  acdbRegisterBuiltinClasses();
  AcDbRegion::desc();
  AcDb3dSolid::desc();
  AcDbBody::desc();
}
