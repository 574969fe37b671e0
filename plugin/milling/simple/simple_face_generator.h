// The simple face generator: parallel passes across the dialog's rectangle at
// its start height, one-way and linked by the entry and return moves, or one
// back-and-forth polyline, stored as a toolpath of kind 9.
#pragma once

#include <vector>

#include "platform/cad/ge/ge_point2d.h"

class CSimpleFaceDlg;

struct FacePass {
  AcGePoint2d from, to;
};

// The passes in cutting order; false, with none, when the rectangle after
// tool compensation has no width or no height.
bool MakeSimpleFacePasses(const CSimpleFaceDlg& dlg, std::vector<FacePass>& passes);

// Makes and stores the toolpath under the dialog's name; says why when it cannot.
void CreateSimpleFaceToolpath(CSimpleFaceDlg& dlg);
