// Points where two curves in space meet: exact for lines and arcs in one plane,
// found by chords and refined by Newton steps otherwise.
#pragma once

#include <vector>

#include "platform/cad/curve/curve_piece.h"

namespace curve {

struct Hit3 {
  AcGePoint3d point;
  int pieceA = 0;
  double ta = 0.0;
  int pieceB = 0;
  double tb = 0.0;
};

// Extended lines and arcs (Piece3::extended) count as whole lines and circles.
// Points nearer to each other than 1e-8 of the curves' size are one.
std::vector<Hit3> intersectPaths(const PiecePath& a, const PiecePath& b);

}  // namespace curve
