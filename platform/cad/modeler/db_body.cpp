#include "platform/cad/modeler/db_body.h"

#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/modeler/brep/brep_shape.h"
#include "platform/cad/modeler/modeler_operations.h"

// A class of the host's own drawing database: known from its first use.
CADDB_DEFINE_BUILTIN_MEMBERS(AcDbBody, AcDbEntity, "BODY")

AcDbBody::AcDbBody() = default;
AcDbBody::~AcDbBody() = default;

Acad::ErrorStatus AcDbBody::booleanOper(AcDb::BoolOperType operation, AcDbBody* otherBody) {
  if (otherBody == nullptr || otherBody == this) return Acad::eInvalidInput;
  if (!isWriteEnabled() || !otherBody->isWriteEnabled()) return Acad::eNotOpenForWrite;
  TopoDS_Shape result;
  const Acad::ErrorStatus es = brep::booleanOf(operation, brep().shape, otherBody->brep().shape, result);
  if (es != Acad::eOk) return es;
  setBrep(BrepShape{result});
  otherBody->setBrep(BrepShape{});
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBody::getArea(double& area) const {
  assertReadEnabled();
  area = brep::areaOf(brep().shape);
  return Acad::eOk;
}
