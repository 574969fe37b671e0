#include "plugin/milling/pocket/pocket_run_size.h"

#include "plugin/geometry/forms/run_size.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_levels.h"

bool PocketRunFits(const CPocketDlg& dlg) {
  double top = 0.0, depth = 0.0;
  if (!PocketDepthRange(dlg, top, depth)) return true;  // the generator says what is missing
  const double levels = LevelCount(depth, dlg.m_RoughZStep) + dlg.m_FinishZPasses;
  // No pass of a level is farther from another than the boundary's diagonal.
  AcDbObjectIdArray outlines = dlg.m_Islands;
  outlines.append(dlg.m_Boundary);
  const double diagonal = GeometryDiagonal(outlines);
  if (!CheckGeometryExtent(diagonal)) return false;
  double passes = 1.0;
  if (dlg.m_RoughOn != 0) passes += PassCount(diagonal, dlg.m_RoughStepover);
  if (dlg.m_FinishOn != 0) passes += dlg.m_FinishPasses;
  return CheckRunSize(levels, passes);
}
