// The solids the solid operations machine: which ids they accept, their Z
// extents, their sections at a level as closed curve loops, and the helper
// solids (offset copies, clones, differences) a run makes and must take out
// of the drawing again.
#pragma once

#include <vector>

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point3d.h"

class AcGePlane;

// A 3D solid with a body (an emptied solid is no model).
bool IsMachinableSolid(AcDbObjectId id);
// Model and, when not null, stock must both be machinable solids; otherwise the
// refusal is shown (message box) and false returned.
bool CheckSolidModelIds(AcDbObjectId model, AcDbObjectId stock);

bool GetSolidZRange(AcDbObjectId solid, double& bottom, double& top);

// The solid's section by the plane, appended to model space as a region.
bool GetSolidSection(AcDbObjectId solid, const AcGePlane& plane, AcDbObjectId& region);
// The section by the horizontal plane at z; tried again 0.0001 and 0.001 higher
// when the plane meets the solid where no section can be made (a face, an edge).
bool SectionSolidAtZ(double z, AcDbObjectId solid, AcDbObjectId& region);

// The loops of the solid's section at sectionZ, laid at loopZ: outer loops, and
// for each the loops of its holes (ExplodeToCurveLoops). The section region is
// erased. False, nothing left in the drawing, when there is no section.
struct SectionLoops {
  AcDbObjectIdArray outer;
  std::vector<AcDbObjectIdArray> holes;
};
bool SectionLoopsAtZ(AcDbObjectId solid, double sectionZ, double loopZ, SectionLoops& loops);
void EraseSectionLoops(SectionLoops& loops);

// target becomes target minus a clone of tool (the clone is used up). False when
// either cannot be opened or the modeler refuses.
bool SubtractSolidClone(AcDbObjectId target, AcDbObjectId tool);

// Solids a run makes for itself: erased when the holder goes unless released.
class HelperSolids {
 public:
  HelperSolids() = default;
  ~HelperSolids() { eraseAll(); }
  HelperSolids(const HelperSolids&) = delete;
  HelperSolids& operator=(const HelperSolids&) = delete;

  AcDbObjectId add(AcDbObjectId id) {
    if (!id.isNull()) ids_.append(id);
    return id;
  }
  // The ids leave the holder (they now belong to a toolpath group).
  void release(AcDbObjectIdArray& taken);
  void eraseAll();
  bool empty() const { return ids_.isEmpty(); }
  const AcDbObjectIdArray& ids() const { return ids_; }

 private:
  AcDbObjectIdArray ids_;
};

// Hidden clones (with their tool information) of the source solids, in order,
// into clones (appended). False, nothing left, when a clone cannot be made.
bool CloneHiddenSolids(const AcDbObjectIdArray& sources, HelperSolids& clones);
