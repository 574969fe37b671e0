// Temporary graphics: vectors drawn over the drawing and forgotten at the next
// redraw. Nothing is shown here; the vectors are recorded so that a command's
// rubber bands can be checked (complementing ink, colour -1, draws over a
// vector a second time to remove it).
#pragma once

#include <vector>

#include "platform/cad/db/filing/resbuf.h"
#include "platform/cad/ge/ge_point3d.h"

int acedGrDraw(const ads_point from, const ads_point to, int color, int hl);
// Points are in the UCS. A chain of RTSHORT colour / RTPOINT pairs as the host
// documents it (a colour from 256 up draws highlighted); a null matrix is identity.
int acedGrVecs(const resbuf* vlist, ads_matrix mat);
// ent null: the whole drawing is redrawn (modes 0 and 1 clear every temporary
// vector). Else modes 1-4 redraw, undraw, highlight and unhighlight the entity.
int acedRedraw(const ads_name ent, int mode);
void acedUpdateDisplay();

namespace cadeditor {
struct TemporaryVector {
  AcGePoint3d from;  // world coordinates
  AcGePoint3d to;
  int color;
  bool highlighted;
};
// The temporary vectors on the screen now, in drawing order.
const std::vector<TemporaryVector>& TemporaryVectors();
void ClearTemporaryVectors();
}  // namespace cadeditor
