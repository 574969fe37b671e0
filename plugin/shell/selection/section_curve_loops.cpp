#include "plugin/shell/selection/section_curve_loops.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "platform/cad/modeler/db_region.h"
#include "plugin/geometry/curve_chaining.h"
#include "plugin/geometry/curve_containment.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

using LoopChainer = std::function<bool(AcDbObjectIdArray, AcDbObjectIdArray&)>;

// The pieces of one face (or of a section that is no region), in the drawing.
using FacePieces = std::vector<AcDbObjectIdArray>;

void DeleteParts(AcDbVoidPtrArray& parts, int from) {
  for (int i = from; i < parts.length(); ++i) delete static_cast<AcRxObject*>(parts[i]);
  parts.setLogicalLength(0);
}

// Parts that are no curve, points included, cannot be chained: they are erased.
AcDbObjectIdArray AppendCurves(AcDbVoidPtrArray& parts) {
  AcDbObjectIdArray appended;
  AppendEntitiesToModelSpace(appended, parts);
  AcDbObjectIdArray curves;
  for (int i = 0; i < appended.length(); ++i) {
    AcGePoint3d start, end;
    const int kind = GetCurveEndPoints(appended[i], start, end);
    if (kind == 0 || kind == kEntityPoint) {
      EraseObject(appended[i]);
    } else {
      curves.append(appended[i]);
    }
  }
  return curves;
}

// A region among the parts is one face: it is broken down once more into a
// group of its own. Regions below that are not broken down.
bool ExplodeIntoFaces(AcDbObjectId section, FacePieces& faces) {
  AcDbVoidPtrArray parts;
  {
    OpenedObject<AcDbEntity> entity(section, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) return false;
    if (entity->explode(parts) != Acad::eOk) {
      DeleteParts(parts, 0);
      return false;
    }
  }
  AcDbVoidPtrArray loose;
  for (int i = 0; i < parts.length(); ++i) {
    auto* part = static_cast<AcRxObject*>(parts[i]);
    const AcDbRegion* face = AcDbRegion::cast(part);
    if (face == nullptr) {
      loose.append(part);
      continue;
    }
    AcDbVoidPtrArray faceParts;
    if (face->explode(faceParts) == Acad::eOk) {
      faces.push_back(AppendCurves(faceParts));
    } else {
      DeleteParts(faceParts, 0);
    }
    delete part;
  }
  if (!loose.isEmpty()) faces.push_back(AppendCurves(loose));
  return true;
}

double Area(AcDbObjectId id) { return GetCurveArea(id); }

// The loops of one face, largest first: each lies in the first outer loop
// that holds it, or is an outer loop itself.
void SortIntoOuterAndInner(AcDbObjectIdArray faceLoops, AcDbObjectIdArray& loops,
                           std::vector<AcDbObjectIdArray>& innerLoops) {
  std::vector<std::pair<double, AcDbObjectId>> byArea;
  for (int i = 0; i < faceLoops.length(); ++i) byArea.emplace_back(Area(faceLoops[i]), faceLoops[i]);
  std::stable_sort(byArea.begin(), byArea.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  const int firstOuter = loops.length();
  for (const auto& [area, loop] : byArea) {
    int holder = -1;
    for (int k = firstOuter; k < loops.length() && holder < 0; ++k) {
      if (ClassifyCurveContainment(loops[k], loop) == 1) holder = k;
    }
    if (holder < 0) {
      loops.append(loop);
      innerLoops.emplace_back();
    } else {
      innerLoops[static_cast<std::size_t>(holder)].append(loop);
    }
  }
}

bool ExplodeAndCollect(AcDbObjectId section, AcDbObjectIdArray& loops, std::vector<AcDbObjectIdArray>& innerLoops,
                       double z, const LoopChainer& chain) {
  loops.setLogicalLength(0);
  innerLoops.clear();
  FacePieces faces;
  if (!ExplodeIntoFaces(section, faces)) return false;
  for (AcDbObjectIdArray& pieces : faces) {
    AcDbObjectIdArray faceLoops;
    if (!pieces.isEmpty()) chain(pieces, faceLoops);
    EraseEntityArray(pieces);
    for (int i = 0; i < faceLoops.length(); ++i) SetPolylineElevation(faceLoops[i], z);
    SortIntoOuterAndInner(faceLoops, loops, innerLoops);
  }
  return !loops.isEmpty();
}

}  // namespace

bool ExplodeToCurveLoops(AcDbObjectId section, AcDbObjectIdArray& loops, std::vector<AcDbObjectIdArray>& innerLoops,
                         double z) {
  const double closing = ConfigurationSettings().JoinToler;
  return ExplodeAndCollect(section, loops, innerLoops, z, [closing](AcDbObjectIdArray curves, AcDbObjectIdArray& out) {
    return ChainCurvesToPolyline(curves, out, closing);
  });
}

bool ExplodeToCurveLoopsForCut(AcDbObjectId section, AcDbObjectIdArray& loops,
                               std::vector<AcDbObjectIdArray>& innerLoops, double z, double tolerance) {
  return ExplodeAndCollect(section, loops, innerLoops, z,
                           [tolerance](AcDbObjectIdArray curves, AcDbObjectIdArray& out) {
                             return ChainCurvesToPolylineLines(curves, out, tolerance);
                           });
}
