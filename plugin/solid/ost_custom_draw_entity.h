// The entity that keeps a captured facet shell in the drawing. For now only its
// run-time class exists; the shell data, drawing and filing come with the facet
// capture commands.
#pragma once

#include "platform/cad/db/entities/db_entity.h"

class OstCustomDrawEntity : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(OstCustomDrawEntity);

  OstCustomDrawEntity();
  ~OstCustomDrawEntity() override;
};
