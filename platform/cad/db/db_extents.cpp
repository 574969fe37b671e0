#include "platform/cad/db/db_extents.h"

#include <algorithm>
#include <limits>

namespace {
constexpr double kHuge = std::numeric_limits<double>::max();
}

AcDbExtents::AcDbExtents() : min_(kHuge, kHuge, kHuge), max_(-kHuge, -kHuge, -kHuge) {}

AcDbExtents::AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max) : AcDbExtents() { set(min, max); }

Acad::ErrorStatus AcDbExtents::set(const AcGePoint3d& min, const AcGePoint3d& max) {
  if (min.x > max.x || min.y > max.y || min.z > max.z) return Acad::eInvalidExtents;
  min_ = min;
  max_ = max;
  return Acad::eOk;
}

bool AcDbExtents::isValid() const { return min_.x <= max_.x && min_.y <= max_.y && min_.z <= max_.z; }

void AcDbExtents::addPoint(const AcGePoint3d& point) {
  min_.set(std::min(min_.x, point.x), std::min(min_.y, point.y), std::min(min_.z, point.z));
  max_.set(std::max(max_.x, point.x), std::max(max_.y, point.y), std::max(max_.z, point.z));
}

void AcDbExtents::addExt(const AcDbExtents& other) {
  if (!other.isValid()) return;
  addPoint(other.min_);
  addPoint(other.max_);
}

Acad::ErrorStatus AcDbExtents::expandBy(const AcGeVector3d& vec) {
  if (!isValid()) return Acad::eInvalidExtents;
  addPoint(min_ + vec);
  addPoint(max_ + vec);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbExtents::transformBy(const AcGeMatrix3d& mat) {
  if (!isValid()) return Acad::eInvalidExtents;
  const AcGePoint3d lo = min_;
  const AcGePoint3d hi = max_;
  *this = AcDbExtents();
  for (int corner = 0; corner < 8; ++corner) {
    AcGePoint3d point((corner & 1) ? hi.x : lo.x, (corner & 2) ? hi.y : lo.y, (corner & 4) ? hi.z : lo.z);
    addPoint(mat * point);
  }
  return Acad::eOk;
}
