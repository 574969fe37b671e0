// The entity that keeps a captured facet shell in the drawing: it draws the
// shell with its face colours and files it in drawings and DXF files.
#pragma once

#include "platform/cad/db/entities/db_entity.h"
#include "plugin/solid/facet_shell.h"

class OstCustomDrawEntity : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(OstCustomDrawEntity);

  OstCustomDrawEntity();
  ~OstCustomDrawEntity() override;

  const FacetShell& shell() const { return shell_; }
  // Takes the shell over; eInvalidInput (nothing changed) for one that does not
  // hold together.
  Acad::ErrorStatus setShell(FacetShell shell);

  // One shell with the face colours; nothing without shell data.
  Adesk::Boolean worldDraw(AcGiWorldDraw* mode) override;
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;

  // A damaged record (counts that do not match the data, indexes out of range)
  // is refused with eInvalidInput or the filer's error and leaves the shell as it was.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  FacetShell shell_;
};
