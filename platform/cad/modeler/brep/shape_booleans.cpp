#include <BRepAlgoAPI_Common.hxx>
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <Standard_Failure.hxx>

#include <memory>

#include "platform/cad/modeler/brep/brep_shape.h"
#include "platform/cad/modeler/modeler_operations.h"

namespace brep {

Acad::ErrorStatus booleanOf(AcDb::BoolOperType operation, const TopoDS_Shape& first, const TopoDS_Shape& second,
                            TopoDS_Shape& result) {
  const bool solids = hasSolids(first) || hasSolids(second);
  if (first.IsNull() || second.IsNull()) {
    const bool keepFirst = operation == AcDb::kBoolSubtract || (operation == AcDb::kBoolUnite && !first.IsNull());
    result = operation == AcDb::kBoolIntersect ? TopoDS_Shape() : keepFirst ? first : second;
    return Acad::eOk;
  }
  try {
    std::unique_ptr<BRepAlgoAPI_BooleanOperation> op;
    switch (operation) {
      case AcDb::kBoolUnite:
        op = std::make_unique<BRepAlgoAPI_Fuse>(first, second);
        break;
      case AcDb::kBoolIntersect:
        op = std::make_unique<BRepAlgoAPI_Common>(first, second);
        break;
      case AcDb::kBoolSubtract:
        op = std::make_unique<BRepAlgoAPI_Cut>(first, second);
        break;
      default:
        return Acad::eInvalidInput;
    }
    if (!op->IsDone() || op->HasErrors()) return Acad::eGeneralModelingFailure;
    const TopoDS_Shape merged = unified(op->Shape());
    result = solids ? solidsCompound(merged) : facesCompound(merged);
    return Acad::eOk;
  } catch (const Standard_Failure&) {
    return Acad::eGeneralModelingFailure;
  }
}

}  // namespace brep
