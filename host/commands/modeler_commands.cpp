#include "host/commands/modeler_commands.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "host/commands/modeler_command_support.h"
#include "host/drawing_space.h"
#include "host/host_session.h"
#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_region.h"

namespace host {

namespace {

constexpr double kEndTolerance = 1e-6;

struct CurveCopy {
  AcDbObjectId id;
  std::unique_ptr<AcDbCurve> curve;
};

std::vector<CurveCopy> CopiesOfCurves(const std::vector<AcDbObjectId>& ids) {
  std::vector<CurveCopy> copies;
  for (const AcDbObjectId& id : ids) {
    AcDbObjectPointer<AcDbCurve> curve(id, AcDb::kForRead);
    if (curve.openStatus() != Acad::eOk) continue;
    std::unique_ptr<AcDbCurve> copy(AcDbCurve::cast(curve->clone()));
    if (copy) copies.push_back({id, std::move(copy)});
  }
  return copies;
}

bool EndsMeet(const AcGePoint3d& a, const AcGePoint3d& b) { return a.distanceTo(b) <= kEndTolerance; }

// How many ends of the other curves lie at the point.
int EndsAt(const AcGePoint3d& point, const std::vector<const AcDbCurve*>& curves, const AcDbCurve* self) {
  int count = 0;
  for (const AcDbCurve* other : curves) {
    if (other == self) continue;
    AcGePoint3d start, end;
    other->getStartPoint(start);
    other->getEndPoint(end);
    count += EndsMeet(point, start) + EndsMeet(point, end);
  }
  return count;
}

// The open curves that can lie on a loop: an end that meets no other end cannot,
// and taking such a curve away may leave another end alone, so again until none goes.
std::vector<const AcDbCurve*> CurvesOnLoops(std::vector<const AcDbCurve*> curves) {
  for (bool dropped = true; dropped;) {
    dropped = false;
    for (auto it = curves.begin(); it != curves.end(); ++it) {
      AcGePoint3d start, end;
      (*it)->getStartPoint(start);
      (*it)->getEndPoint(end);
      if (EndsAt(start, curves, *it) == 0 || EndsAt(end, curves, *it) == 0) {
        curves.erase(it);
        dropped = true;
        break;
      }
    }
  }
  return curves;
}

// Appends the regions the curves make, like source; how many.
std::size_t AppendRegions(AcDbDatabase& database, const std::vector<const AcDbCurve*>& curves, AcDbObjectId source) {
  AcDbVoidPtrArray segments, regions;
  for (const AcDbCurve* curve : curves) segments.append(const_cast<AcDbCurve*>(curve));
  if (AcDbRegion::createFromCurves(segments, regions) != Acad::eOk) return 0;
  std::size_t added = 0;
  for (int i = 0; i < regions.length(); ++i) {
    added += !AppendLike(database, static_cast<AcDbRegion*>(regions[i]), source).isNull();
  }
  return added;
}

std::vector<AcDbObjectId> SelectModelerEntities() {
  std::vector<AcDbObjectId> picked;
  if (!SelectEntities(picked)) return {};
  std::vector<AcDbObjectId> kept;
  for (const AcDbObjectId& id : picked) {
    AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) continue;
    if (AcDbRegion::cast(entity.object()) != nullptr || AcDb3dSolid::cast(entity.object()) != nullptr) {
      kept.push_back(id);
    }
  }
  ReportFilteredOut(picked.size() - kept.size());
  return kept;
}

// eWrongObjectType when the two are not of one kind.
Acad::ErrorStatus BooleanOf(AcDbEntity* head, AcDbEntity* other, AcDb::BoolOperType operation) {
  if (AcDbRegion* region = AcDbRegion::cast(head)) {
    AcDbRegion* otherRegion = AcDbRegion::cast(other);
    return otherRegion != nullptr ? region->booleanOper(operation, otherRegion) : Acad::eWrongObjectType;
  }
  if (AcDb3dSolid* solid = AcDb3dSolid::cast(head)) {
    AcDb3dSolid* otherSolid = AcDb3dSolid::cast(other);
    return otherSolid != nullptr ? solid->booleanOper(operation, otherSolid) : Acad::eWrongObjectType;
  }
  return Acad::eWrongObjectType;
}

bool CannotPair(Acad::ErrorStatus status) {
  return status == Acad::eWrongObjectType || status == Acad::eNonCoplanarGeometry;
}

void ReportFailure(Acad::ErrorStatus status) {
  acutPrintf("\nThe operation failed (%s): the objects stay as they were.\n", acadErrorStatusText(status));
}

// other goes into head; it is erased when that worked.
Acad::ErrorStatus CombineInto(AcDbObjectId head, AcDbObjectId other, AcDb::BoolOperType operation) {
  AcDbObjectPointer<AcDbEntity> target(head, AcDb::kForWrite);
  AcDbObjectPointer<AcDbEntity> source(other, AcDb::kForWrite);
  if (target.openStatus() != Acad::eOk) return target.openStatus();
  if (source.openStatus() != Acad::eOk) return source.openStatus();
  const Acad::ErrorStatus status = BooleanOf(target.object(), source.object(), operation);
  if (status == Acad::eOk) source->erase();
  return status;
}

// A copy of the tool is taken from head, so that the tool can serve several heads.
Acad::ErrorStatus SubtractCopy(AcDbObjectId head, AcDbObjectId tool) {
  std::unique_ptr<AcDbEntity> copy;
  {
    AcDbObjectPointer<AcDbEntity> original(tool, AcDb::kForRead);
    if (original.openStatus() != Acad::eOk) return original.openStatus();
    copy.reset(AcDbEntity::cast(original->clone()));
  }
  if (!copy) return Acad::eOutOfMemory;
  AcDbObjectPointer<AcDbEntity> target(head, AcDb::kForWrite);
  if (target.openStatus() != Acad::eOk) return target.openStatus();
  return BooleanOf(target.object(), copy.get(), AcDb::kBoolSubtract);
}

// Heads the operation left empty are deleted.
void EraseNullResults(const std::vector<AcDbObjectId>& heads) {
  for (const AcDbObjectId& id : heads) {
    AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForWrite);
    const auto* modeler = dynamic_cast<const ModelerEntity*>(entity.object());
    if (modeler == nullptr || !modeler->isNull() || modeler->hasForeignData()) continue;
    acutPrintf("\nNull %s created - deleted.\n", AcDbRegion::cast(entity.object()) != nullptr ? "region" : "solid");
    entity->erase();
  }
}

// Each entity goes into the first earlier one it pairs with; those that pair with
// none are the heads, returned in order.
std::vector<AcDbObjectId> CombineAll(const std::vector<AcDbObjectId>& ids, AcDb::BoolOperType operation) {
  std::vector<AcDbObjectId> heads;
  for (const AcDbObjectId& id : ids) {
    bool head = true;
    for (const AcDbObjectId& earlier : heads) {
      const Acad::ErrorStatus status = CombineInto(earlier, id, operation);
      if (CannotPair(status)) continue;
      if (status != Acad::eOk) ReportFailure(status);
      head = false;
      break;
    }
    if (head) heads.push_back(id);
  }
  return heads;
}

void CombineCommand(HostSession& session, AcDb::BoolOperType operation) {
  if (session.CurrentDatabase() == nullptr) return;
  const std::vector<AcDbObjectId> ids = SelectModelerEntities();
  if (ids.empty()) return;
  EraseNullResults(CombineAll(ids, operation));
}

}  // namespace

void RegionCommand(HostSession& session) {
  AcDbDatabase* database = session.CurrentDatabase();
  if (database == nullptr) return;
  std::vector<AcDbObjectId> picked;
  if (!SelectEntities(picked)) return;
  const std::vector<CurveCopy> copies = CopiesOfCurves(IdsOfClass(picked, AcDbCurve::desc()));
  std::size_t made = 0;
  std::vector<const AcDbCurve*> open;
  for (const CurveCopy& copy : copies) {
    if (!copy.curve->isClosed()) {
      open.push_back(copy.curve.get());
      continue;
    }
    const std::size_t added = AppendRegions(*database, {copy.curve.get()}, copy.id);
    if (added > 0) EraseEntity(copy.id);
    made += added;
  }
  const std::vector<const AcDbCurve*> chained = CurvesOnLoops(open);
  if (!chained.empty()) {
    AcDbObjectId first;
    for (const CurveCopy& copy : copies) {
      if (copy.curve.get() == chained.front()) first = copy.id;
    }
    const std::size_t added = AppendRegions(*database, chained, first);
    made += added;
    for (const CurveCopy& copy : copies) {
      if (added > 0 && std::find(chained.begin(), chained.end(), copy.curve.get()) != chained.end()) {
        EraseEntity(copy.id);
      }
    }
  }
  acutPrintf("\n%s extracted.\n", Counted(made, "loop", "loops").c_str());
  acutPrintf("%s created.\n", Counted(made, "Region", "Regions").c_str());
}

void UnionCommand(HostSession& session) { CombineCommand(session, AcDb::kBoolUnite); }

void IntersectCommand(HostSession& session) { CombineCommand(session, AcDb::kBoolIntersect); }

void SubtractCommand(HostSession& session) {
  if (session.CurrentDatabase() == nullptr) return;
  acutPrintf("\nSelect solids and regions to subtract from ..\n");
  const std::vector<AcDbObjectId> from = SelectModelerEntities();
  if (from.empty()) return;
  acutPrintf("\nSelect solids and regions to subtract ..\n");
  std::vector<AcDbObjectId> tools = SelectModelerEntities();
  std::erase_if(tools, [&](const AcDbObjectId& id) { return std::find(from.begin(), from.end(), id) != from.end(); });
  if (tools.empty()) return;
  const std::vector<AcDbObjectId> heads = CombineAll(from, AcDb::kBoolUnite);
  for (const AcDbObjectId& tool : tools) {
    bool used = false;
    for (const AcDbObjectId& head : heads) {
      const Acad::ErrorStatus status = SubtractCopy(head, tool);
      if (status == Acad::eOk) {
        used = true;
      } else if (!CannotPair(status)) {
        ReportFailure(status);
      }
    }
    if (used) EraseEntity(tool);
  }
  EraseNullResults(heads);
}

}  // namespace host
