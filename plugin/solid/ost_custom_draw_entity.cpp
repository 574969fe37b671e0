#include "plugin/solid/ost_custom_draw_entity.h"

#include "platform/cad/db/runtime/rx_class.h"

ACRX_DXF_DEFINE_MEMBERS(OstCustomDrawEntity, AcDbEntity, 23, 13, 0, OST_CUSTOM_DRAW_ENTITY, Ostfacet)

OstCustomDrawEntity::OstCustomDrawEntity() = default;
OstCustomDrawEntity::~OstCustomDrawEntity() = default;
