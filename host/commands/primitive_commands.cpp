#include "host/commands/primitive_commands.h"

#include <cmath>
#include <memory>

#include "host/drawing_space.h"
#include "host/host_session.h"
#include "host/quiet_output.h"
#include "platform/cad/editor/aced_ucs.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/step_import.h"
#include "platform/ui/ui_driver.h"

namespace host {

namespace {

constexpr int kPositive = RSG_NONULL | RSG_NOZERO | RSG_NONEG;

// The solid, made about the origin, moved to a point of the UCS (with the UCS's axes) and appended.
void Place(HostSession& session, std::unique_ptr<AcDb3dSolid> solid, const AcGePoint3d& ucsPoint) {
  AcGeMatrix3d ucs;
  acedGetCurrentUCS(ucs);
  solid->transformBy(ucs * AcGeMatrix3d::translation(ucsPoint - AcGePoint3d::kOrigin));
  AppendToCurrentSpace(*session.CurrentDatabase(), solid.release());
}

// Reports a primitive that could not be made; true when it was.
bool Made(Acad::ErrorStatus status) {
  if (status != Acad::eOk) acutPrintf("\nCannot make the solid: %s\n", acadErrorStatusText(status));
  return status == Acad::eOk;
}

// A radius, or a diameter after the Diameter keyword; false when cancelled.
bool AskRadius(const ads_point center, const char* prompt, double& radius) {
  acedInitGet(kPositive, "Diameter");
  int status = acedGetDist(center, prompt, &radius);
  if (status == RTKWORD) {
    double diameter = 0.0;
    acedInitGet(kPositive, nullptr);
    status = acedGetDist(center, "\nSpecify diameter: ", &diameter);
    radius = diameter / 2.0;
  }
  return status == RTNORM;
}

bool AskHeight(const ads_point base, double& height) {
  acedInitGet(RSG_NONULL | RSG_NOZERO, nullptr);
  return acedGetDist(base, "\nSpecify height: ", &height) == RTNORM;
}

}  // namespace

void BoxCommand(HostSession& session) {
  if (session.CurrentDatabase() == nullptr) return;
  ads_point first, other;
  if (acedGetPoint(nullptr, "\nSpecify first corner: ", first) != RTNORM) return;
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetCorner(first, "\nSpecify other corner: ", other) != RTNORM) return;
  const double xLength = std::fabs(other[0] - first[0]), yLength = std::fabs(other[1] - first[1]);
  if (xLength <= 0.0 || yLength <= 0.0) {
    acutPrintf("\nThe corners must differ in X and in Y: no box.\n");
    return;
  }
  double height = 0.0;
  if (!AskHeight(first, height)) return;
  auto solid = std::make_unique<AcDb3dSolid>();
  if (!Made(solid->createBox(xLength, yLength, std::fabs(height)))) return;
  Place(session, std::move(solid),
        AcGePoint3d((first[0] + other[0]) / 2.0, (first[1] + other[1]) / 2.0, first[2] + height / 2.0));
}

void CylinderCommand(HostSession& session) {
  if (session.CurrentDatabase() == nullptr) return;
  ads_point center;
  if (acedGetPoint(nullptr, "\nSpecify center point of base: ", center) != RTNORM) return;
  double radius = 0.0, height = 0.0;
  if (!AskRadius(center, "\nSpecify base radius or [Diameter]: ", radius) || !AskHeight(center, height)) return;
  auto solid = std::make_unique<AcDb3dSolid>();
  if (!Made(solid->createFrustum(std::fabs(height), radius, radius, radius))) return;
  Place(session, std::move(solid), AcGePoint3d(center[0], center[1], center[2] + height / 2.0));
}

void SphereCommand(HostSession& session) {
  if (session.CurrentDatabase() == nullptr) return;
  ads_point center;
  if (acedGetPoint(nullptr, "\nSpecify center point: ", center) != RTNORM) return;
  double radius = 0.0;
  if (!AskRadius(center, "\nSpecify radius or [Diameter]: ", radius)) return;
  auto solid = std::make_unique<AcDb3dSolid>();
  if (!Made(solid->createSphere(radius))) return;
  Place(session, std::move(solid), AcGePoint3d(center[0], center[1], center[2]));
}

void ImportCommand(HostSession& session) {
  AcDbDatabase* database = session.CurrentDatabase();
  if (database == nullptr) return;
  ui::FileDialogRequest request;
  request.open = true;
  request.title = "Import File";
  request.default_ext = "step";
  request.filter = "STEP (*.step;*.stp)|*.step;*.stp|All files (*.*)|*.*||";
  const std::optional<std::string> path = ui::Ui().AskFile(request);
  if (!path) return;
  std::vector<std::unique_ptr<AcDbEntity>> entities;
  std::string message;
  Acad::ErrorStatus status = Acad::eOk;
  {
    const QuietOutput quiet;  // the STEP reader talks on the console
    status = acmodelerImportStep(path->c_str(), entities, message);
  }
  if (status != Acad::eOk) {
    acutPrintf("\nNothing imported: %s.\n", message.c_str());
    return;
  }
  std::size_t added = 0;
  for (std::unique_ptr<AcDbEntity>& entity : entities) {
    added += !AppendToCurrentSpace(*database, entity.release()).isNull();
  }
  acutPrintf("\n%zu %s imported.\n", added, added == 1 ? "object" : "objects");
}

}  // namespace host
