#include "host/commands/solid_commands.h"

#include <cmath>
#include <memory>
#include <vector>

#include "host/commands/modeler_command_support.h"
#include "host/drawing_space.h"
#include "host/host_session.h"
#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/editor/aced_ucs.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/ge/ge_plane.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_region.h"

namespace host {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct OwnedRegions {
  std::vector<std::unique_ptr<AcDbRegion>> regions;
};

// The regions an extrusion sweeps for the entity: a copy of a region, or those a
// closed curve makes. Empty when it gives none.
OwnedRegions ProfilesOf(const AcDbEntity& entity) {
  OwnedRegions profiles;
  if (const AcDbRegion* region = AcDbRegion::cast(&entity)) {
    profiles.regions.emplace_back(AcDbRegion::cast(region->clone()));
    if (!profiles.regions.back()) profiles.regions.clear();
    return profiles;
  }
  const AcDbCurve* curve = AcDbCurve::cast(&entity);
  if (curve == nullptr || !curve->isClosed()) return profiles;
  AcDbVoidPtrArray segments, made;
  segments.append(const_cast<AcDbCurve*>(curve));
  if (AcDbRegion::createFromCurves(segments, made) != Acad::eOk) return profiles;
  for (int i = 0; i < made.length(); ++i) profiles.regions.emplace_back(static_cast<AcDbRegion*>(made[i]));
  return profiles;
}

bool IsProfile(AcDbObjectId id) {
  AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
  if (entity.openStatus() != Acad::eOk) return false;
  if (AcDbRegion::cast(entity.object()) != nullptr) return true;
  const AcDbCurve* curve = AcDbCurve::cast(entity.object());
  return curve != nullptr && curve->isClosed();
}

// A taper that closes the profile before the height is reached ends the solid
// early: that is not the extrusion asked for.
bool ReachesHeight(const AcDb3dSolid& solid, const AcDbRegion& profile, double height) {
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  AcGeVector3d normal;
  if (profile.getPlane(plane, planarity) != Acad::eOk || profile.getNormal(normal) != Acad::eOk) return true;
  const AcGePlane nearTop(plane.pointOnPlane() + normal.normal() * (height * (1.0 - 1e-6)), normal.normal());
  AcDbRegion* cut = nullptr;
  const bool reached = solid.getSection(nearTop, cut) == Acad::eOk && cut != nullptr;
  delete cut;
  return reached;
}

// The solids of one source; false, with the reason printed, when any cannot be made.
bool ExtrudeSource(AcDbObjectId id, double height, double taper, std::vector<std::unique_ptr<AcDb3dSolid>>& solids) {
  OwnedRegions profiles;
  {
    AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) return false;
    profiles = ProfilesOf(*entity);
  }
  if (profiles.regions.empty()) {
    acutPrintf("\nThe curve encloses no area: not extruded.\n");
    return false;
  }
  for (const auto& region : profiles.regions) {
    auto solid = std::make_unique<AcDb3dSolid>();
    Acad::ErrorStatus status = solid->extrude(region.get(), height, taper);
    if (status == Acad::eOk && !ReachesHeight(*solid, *region, height)) status = Acad::eGeneralModelingFailure;
    if (status != Acad::eOk) {
      acutPrintf("\nCannot extrude the profile (%s): the taper may be too steep for its height.\n",
                 acadErrorStatusText(status));
      return false;
    }
    solids.push_back(std::move(solid));
  }
  return true;
}

// The taper in radians; false when cancelled or out of range.
bool AskTaper(double& taper) {
  double degrees = 0.0;
  const int status = acedGetReal("\nSpecify angle of taper for extrusion <0>: ", &degrees);
  if (status == RTNONE)
    degrees = 0.0;
  else if (status != RTNORM)
    return false;
  if (!(std::fabs(degrees) < 90.0)) {
    acutPrintf("\nThe taper angle must lie between -90 and 90 degrees.\n");
    return false;
  }
  taper = degrees * kPi / 180.0;
  return true;
}

void UcsAxes(AcGePoint3d& origin, AcGeVector3d& x, AcGeVector3d& y, AcGeVector3d& z) {
  AcGeMatrix3d ucs;
  acedGetCurrentUCS(ucs);
  ucs.getCoordSystem(origin, x, y, z);
}

// A plane of the UCS (XY, YZ or ZX) through a point.
bool AskUcsPlane(const std::string& keyword, AcGePlane& plane) {
  const std::string prompt = "\nSpecify a point on the " + keyword + "-plane <0,0,0>: ";
  ads_point point = {0, 0, 0};
  const int status = acedGetPoint(nullptr, prompt.c_str(), point);
  if (status == RTNONE)
    point[0] = point[1] = point[2] = 0.0;
  else if (status != RTNORM)
    return false;
  AcGePoint3d origin;
  AcGeVector3d x, y, z;
  UcsAxes(origin, x, y, z);
  const AcGeVector3d normal = IsKeyword(keyword, "XY") ? z : IsKeyword(keyword, "YZ") ? x : y;
  plane.set(UcsFrame().ToWorld(point), normal.normal());
  return true;
}

bool AskThreePointPlane(const ads_point first, AcGePlane& plane) {
  ads_point second, third;
  if (acedGetPoint(first, "\nSpecify second point on plane: ", second) != RTNORM) return false;
  if (acedGetPoint(second, "\nSpecify third point on plane: ", third) != RTNORM) return false;
  const UcsFrame ucs;
  const AcGePoint3d a = ucs.ToWorld(first), b = ucs.ToWorld(second), c = ucs.ToWorld(third);
  const AcGeVector3d normal = (b - a).crossProduct(c - a);
  if (normal.length() <= 1e-12 * std::max(1.0, (b - a).length() * (c - a).length())) {
    acutPrintf("\nThe three points lie on a line: no plane.\n");
    return false;
  }
  plane.set(a, normal.normal());
  return true;
}

bool AskSectionPlane(AcGePlane& plane) {
  ads_point first;
  acedInitGet(0, "XY YZ ZX 3points");
  int status = acedGetPoint(nullptr, "\nSpecify first point on Section plane by [XY/YZ/ZX/3points] <3points>: ", first);
  if (status == RTKWORD) {
    const std::string keyword = LastKeyword();
    if (!IsKeyword(keyword, "3points")) return AskUcsPlane(keyword, plane);
  }
  if (status == RTKWORD || status == RTNONE) status = acedGetPoint(nullptr, "\nSpecify first point on plane: ", first);
  return status == RTNORM && AskThreePointPlane(first, plane);
}

}  // namespace

void ExtrudeCommand(HostSession& session) {
  AcDbDatabase* database = session.CurrentDatabase();
  if (database == nullptr) return;
  std::vector<AcDbObjectId> picked;
  if (!SelectEntities(picked)) return;
  std::vector<AcDbObjectId> sources;
  for (const AcDbObjectId& id : picked) {
    if (IsProfile(id)) sources.push_back(id);
  }
  ReportFilteredOut(picked.size() - sources.size());
  if (sources.empty()) return;
  double height = 0.0;
  acedInitGet(RSG_NONULL | RSG_NOZERO, nullptr);
  if (acedGetDist(nullptr, "\nSpecify height of extrusion: ", &height) != RTNORM) return;
  double taper = 0.0;
  if (!AskTaper(taper)) return;
  for (const AcDbObjectId& id : sources) {
    std::vector<std::unique_ptr<AcDb3dSolid>> solids;
    if (!ExtrudeSource(id, height, taper, solids)) continue;
    for (auto& solid : solids) AppendLike(*database, solid.release(), id);
    EraseEntity(id);
  }
}

void SectionCommand(HostSession& session) {
  AcDbDatabase* database = session.CurrentDatabase();
  if (database == nullptr) return;
  std::vector<AcDbObjectId> picked;
  if (!SelectEntities(picked)) return;
  const std::vector<AcDbObjectId> solids = IdsOfClass(picked, AcDb3dSolid::desc());
  ReportFilteredOut(picked.size() - solids.size());
  AcGePlane plane;
  if (solids.empty() || !AskSectionPlane(plane)) return;
  std::size_t made = 0;
  for (const AcDbObjectId& id : solids) {
    AcDbRegion* section = nullptr;
    {
      AcDbObjectPointer<AcDb3dSolid> solid(id, AcDb::kForRead);
      if (solid.openStatus() != Acad::eOk || solid->getSection(plane, section) != Acad::eOk) continue;
    }
    if (section != nullptr) made += !AppendLike(*database, section, id).isNull();
  }
  if (made == 0) acutPrintf("\nThe plane cuts none of the solids.\n");
}

}  // namespace host
