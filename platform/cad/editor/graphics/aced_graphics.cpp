#include "platform/cad/editor/graphics/aced_graphics.h"

#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/editor/aced_ucs.h"

namespace {

constexpr int kComplementInk = -1;

std::vector<cadeditor::TemporaryVector>& Vectors() {
  static std::vector<cadeditor::TemporaryVector> vectors;
  return vectors;
}

bool SameSegment(const cadeditor::TemporaryVector& v, const AcGePoint3d& from, const AcGePoint3d& to) {
  return (v.from.isEqualTo(from) && v.to.isEqualTo(to)) || (v.from.isEqualTo(to) && v.to.isEqualTo(from));
}

// Complementing ink over a complementing vector restores what was under it.
void DrawVector(const AcGePoint3d& from_ucs, const AcGePoint3d& to_ucs, int color, bool highlighted) {
  const AcGeMatrix3d to_world = cadeditor::UcsToWorld();
  const AcGePoint3d from = to_world * from_ucs;
  const AcGePoint3d to = to_world * to_ucs;
  std::vector<cadeditor::TemporaryVector>& vectors = Vectors();
  if (color == kComplementInk) {
    for (auto it = vectors.rbegin(); it != vectors.rend(); ++it) {
      if (it->color == kComplementInk && SameSegment(*it, from, to)) {
        vectors.erase(std::next(it).base());
        return;
      }
    }
  }
  vectors.push_back({from, to, color, highlighted});
}

AcGePoint3d PointOf(const resbuf& rb) { return {rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]}; }

bool IsPoint(const resbuf* rb) { return rb != nullptr && (rb->restype == RTPOINT || rb->restype == RT3DPOINT); }

AcGeMatrix3d MatrixOf(const ads_matrix mat) {
  AcGeMatrix3d matrix;
  if (mat == nullptr) return matrix;
  for (unsigned int row = 0; row < 4; ++row) {
    for (unsigned int column = 0; column < 4; ++column) matrix(row, column) = mat[row][column];
  }
  return matrix;
}

}  // namespace

int acedGrDraw(const ads_point from, const ads_point to, int color, int hl) {
  if (from == nullptr || to == nullptr) return RTERROR;
  DrawVector({from[0], from[1], from[2]}, {to[0], to[1], to[2]}, color, hl != 0);
  return RTNORM;
}

int acedGrVecs(const resbuf* vlist, ads_matrix mat) {
  const AcGeMatrix3d matrix = MatrixOf(mat);
  int color = 7;
  for (const resbuf* rb = vlist; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == RTSHORT) {
      color = rb->resval.rint;
      continue;
    }
    if (!IsPoint(rb) || !IsPoint(rb->rbnext)) return RTERROR;
    const resbuf* end = rb->rbnext;
    // Colours from 256 up ask for highlighted vectors.
    const bool highlighted = color >= 256;
    DrawVector(matrix * PointOf(*rb), matrix * PointOf(*end), highlighted ? color - 256 : color, highlighted);
    rb = end;
  }
  return RTNORM;
}

int acedRedraw(const ads_name ent, int mode) {
  if (ent == nullptr) {
    if (mode == 1 || mode == 0) cadeditor::ClearTemporaryVectors();
    return RTNORM;
  }
  AcDbObjectId id;
  if (acdbGetObjectId(id, ent) != Acad::eOk) return RTERROR;
  AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
  if (entity.openStatus() != Acad::eOk) return RTERROR;
  if (mode == 3) entity->highlight();
  if (mode == 4) entity->unhighlight();
  return (mode >= 1 && mode <= 4) ? RTNORM : RTERROR;
}

void acedUpdateDisplay() {}

namespace cadeditor {

const std::vector<TemporaryVector>& TemporaryVectors() { return Vectors(); }

void ClearTemporaryVectors() { Vectors().clear(); }

}  // namespace cadeditor
