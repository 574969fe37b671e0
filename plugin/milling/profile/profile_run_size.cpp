#include "plugin/milling/profile/profile_run_size.h"

#include "plugin/geometry/forms/run_size.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/milling/profile/profile_generator.h"

bool ProfileRunFits(const CProfileDlg& dlg) {
  if (!CheckGeometryExtent(GeometryDiagonal(dlg.m_Curves))) return false;
  double top = 0.0, depth = 0.0;
  // The depth does not hang on the curve's elevation.
  ProfileZRange(dlg, 0.0, top, depth);
  const double curves = dlg.m_Curves.isEmpty() ? 1.0 : static_cast<double>(dlg.m_Curves.length());
  return CheckRunSize(LevelCount(depth, dlg.m_ZStepover), curves * dlg.m_Passes);
}
