// FACETFACES, SETCOLORINDEX and SETDEVIATION: faces of regions and bodies
// captured as facet shells, with the colour and deviation of the current drawing.
#include <cstdio>
#include <memory>

#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/modeler/db_body.h"
#include "platform/cad/modeler/db_region.h"
#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/shell/command_failure.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/solid/face_picker.h"
#include "plugin/solid/facet_settings_reactor.h"
#include "plugin/solid/ost_custom_draw_entity.h"
#include "plugin/solid/ost_custom_world_draw.h"
#include "plugin/solid/solid_commands.h"

namespace {

FacetSettingsNode* CurrentSettings() {
  CFacetSettingsReactor* reactor = FacetSettingsReactor();
  return reactor != nullptr ? reactor->Current() : nullptr;
}

// The face's shell in the settings' deviation and colour; the face entity is
// erased. False when the entity is neither a region nor a body (it is erased
// too: a piece the command posted is never left behind).
bool CaptureFace(AcDbObjectId faceId, const FacetSettingsNode& settings, OstCustomWorldDraw& capture) {
  OpenedObject<AcDbEntity> face(faceId, AcDb::kForWrite);
  if (face.openStatus() != Acad::eOk) {
    acutPrintf("\nFailed: Errorcode for acdbOpenAcDbEntity() is: %d\n", static_cast<int>(face.openStatus()));
    return false;
  }
  const bool faceKind = AcDbRegion::cast(face.object()) != nullptr || AcDbBody::cast(face.object()) != nullptr;
  if (!faceKind) {
    acutPrintf("\nNot a region or a body");
    acutPrintf("\nThe entity is %s\n", face->isA()->name());
  } else {
    face->worldDraw(&capture);
    capture.setColor(static_cast<short>(settings.colorIndex));
  }
  face->erase();
  return faceKind;
}

void PostShell(OstCustomWorldDraw& capture) {
  auto entity = std::make_unique<OstCustomDrawEntity>();
  entity->setDatabaseDefaults();
  entity->setShell(capture.takeShell());
  AcDbObjectId id;
  const Acad::ErrorStatus status = AppendToModelSpace(entity.get(), id);
  if (status != Acad::eOk) {
    CString why;
    why.Format("\nFailed: Errorcode for postToDb() is: %d\n", static_cast<int>(status));
    acutPrintf("%s", why.GetString());
    ReportCommandFailed(why);
    return;
  }
  entity.release();  // the drawing owns it
}

}  // namespace

void FacetFacesCommand() {
  for (;;) {
    FacetSettingsNode* settings = CurrentSettings();
    if (settings == nullptr) return;
    AcDbObjectId faceId;
    if (PickFace(faceId) != 0) return;
    OstCustomWorldDraw capture(settings->deviation, static_cast<short>(settings->colorIndex));
    if (!CaptureFace(faceId, *settings, capture)) return;
    PostShell(capture);
  }
}

void SetColorIndexCommand() {
  FacetSettingsNode* settings = CurrentSettings();
  if (settings == nullptr) return;
  char prompt[128];
  std::snprintf(prompt, sizeof prompt, "\nEnter color index[%d]: ", settings->colorIndex);
  int value = 0;
  if (acedGetInt(prompt, &value) != RTNORM) return;
  if (!IsWithin(value, kFacetSettingsLimits.colorIndex)) {
    acutPrintf("\nColor index must be between 1-256");
    return;
  }
  settings->colorIndex = value;
}

void SetDeviationCommand() {
  FacetSettingsNode* settings = CurrentSettings();
  if (settings == nullptr) return;
  char prompt[128];
  std::snprintf(prompt, sizeof prompt, "\nEnter facet deviation[%f]: ", settings->deviation);
  double value = 0.0;
  if (acedGetReal(prompt, &value) != RTNORM) return;
  if (!IsWithin(value, kFacetSettingsLimits.deviation)) {
    acutPrintf("\nUnacceptable value(0.005 <= Facet Deviation <= 0.1)");
    return;
  }
  settings->deviation = value;
}
