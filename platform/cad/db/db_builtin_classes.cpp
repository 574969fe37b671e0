#include "platform/cad/db/db_builtin_classes.h"

#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_attribute.h"
#include "platform/cad/db/entities/db_block_reference.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_hatch.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/db/entities/db_text.h"
#include "platform/cad/db/tables/db_block_table.h"
#include "platform/cad/db/tables/db_dictionary.h"
#include "platform/cad/db/tables/db_group.h"
#include "platform/cad/db/tables/db_layer_table.h"
#include "platform/cad/db/tables/db_linetype_table.h"

void acdbRegisterBuiltinClasses() {
  static const bool registered = [] {
    AcDbDictionary::desc();
    AcDbGroup::desc();
    AcDbBlockTable::desc();
    AcDbBlockTableRecord::desc();
    AcDbLayerTable::desc();
    AcDbLayerTableRecord::desc();
    AcDbLinetypeTable::desc();
    AcDbLinetypeTableRecord::desc();
    AcDbLine::desc();
    AcDbArc::desc();
    AcDbCircle::desc();
    AcDbEllipse::desc();
    AcDbSpline::desc();
    AcDbPoint::desc();
    AcDbPolyline::desc();
    AcDb3dPolyline::desc();
    AcDb3dPolylineVertex::desc();
    AcDbBlockReference::desc();
    AcDbText::desc();
    AcDbAttribute::desc();
    AcDbAttributeDefinition::desc();
    AcDbHatch::desc();
    return true;
  }();
  (void)registered;
}
