// Which of two closed outlines holds the other, and whether a circle fits in one.
#pragma once
#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point3d.h"
#include "plugin/geometry/plan_outline.h"

// -2 when the outlines touch (closer than 1e-9). With area(A) <= area(B): -1 when
// A lies in B (its start inside B, or the two within 0.00001), else 0. Otherwise
// 1 when B lies in A by the same test, else 0. 0 when an area cannot be read.
int ClassifyCurveContainment(AcDbObjectId first, AcDbObjectId second);
// The same for outlines read once, for callers that weigh one against many: outlines
// whose boxes lie apart are told apart by their boxes alone. Both must face up.
int ClassifyOutlineContainment(const PlanOutline& first, const PlanOutline& second);

// An outline read once and classified against many others.
class ContainmentOutline {
 public:
  explicit ContainmentOutline(AcDbObjectId id);
  // As ClassifyCurveContainment(this outline, other).
  int classify(const ContainmentOutline& other) const;
  int classify(AcDbObjectId other) const { return classify(ContainmentOutline(other)); }

 private:
  AcDbObjectId id_;
  PlanOutline outline_;
  bool read_ = false;
};

// True when the circle lies in the closed outline (measured in plan): its
// centre inside and no part of the outline nearer than the radius; touching
// counts as fitting. False for an open outline or what cannot be read.
bool CircleFitsInBoundary(const AcGePoint3d& center, double radius, AcDbObjectId boundaryId);
