// AcDbBody: faces that need not close a solid (a curved face taken from a solid,
// a shell read from another program). DXF name BODY.
#pragma once

#include "platform/cad/modeler/modeler_entity.h"

class AcDbBody : public ModelerEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBody);

  AcDbBody();
  ~AcDbBody() override;

  // This body becomes the union, intersection or difference with the other, which
  // is left empty (null).
  Acad::ErrorStatus booleanOper(AcDb::BoolOperType operation, AcDbBody* otherBody);
  Acad::ErrorStatus getArea(double& area) const;
};
