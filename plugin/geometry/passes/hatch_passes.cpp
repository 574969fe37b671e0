#include "plugin/geometry/passes/hatch_passes.h"

#include <cmath>
#include <memory>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/entities/db_hatch.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/ucs_helpers.h"

namespace {

constexpr double kSpacingTolerance = 0.0001;
constexpr double kOnFirstLine = 0.00001;
// A hatch engine whose spacing follows the pattern space lands at the first
// correction; this bounds one that does not.
constexpr int kMaxSpacingCorrections = 8;

}  // namespace

bool HatchLoopLines(const std::vector<AcDbObjectIdArray>& loops, double angleDegrees, double space, double elevation,
                    AcGePoint2dArray& starts, AcGePoint2dArray& ends) {
  auto hatch = std::make_unique<AcDbHatch>();
  hatch->setDatabaseDefaults();
  hatch->setAssociative(false);
  hatch->setNormal(GetUcsZAxis(nullptr));
  hatch->setElevation(elevation);
  for (const AcDbObjectIdArray& loop : loops) {
    if (hatch->appendLoop(AcDbHatch::kExternal, loop) != Acad::eOk) return false;
  }
  hatch->setPatternScale(1.0);
  hatch->setPatternAngle(angleDegrees * 2.0 * curve::kPi * (1.0 / 360.0));
  if (hatch->setPatternSpace(space) != Acad::eOk) return false;
  hatch->setPattern(AcDbHatch::kPreDefined, "LINE");
  hatch->setPattern(AcDbHatch::kUserDefined, "LINE");
  if (hatch->evaluateHatch(false) != Acad::eOk) return false;
  return hatch->getHatchLinesData(starts, ends) == Acad::eOk;
}

bool HatchLoopsAtStepover(const std::vector<AcDbObjectIdArray>& loops, double angleDegrees, double stepover,
                          double elevation, double& factor, AcGePoint2dArray& starts, AcGePoint2dArray& ends,
                          double& spacing) {
  spacing = stepover;
  for (int attempt = 0; attempt <= kMaxSpacingCorrections; ++attempt) {
    starts.setLogicalLength(0);
    ends.setLogicalLength(0);
    if (!HatchLoopLines(loops, angleDegrees, stepover / factor, elevation, starts, ends)) return false;
    double measured = 0.0;
    if (!MeasureLineSpacing(starts, ends, measured) || std::fabs(stepover - measured) <= kSpacingTolerance) {
      if (measured > 0.0) spacing = measured;
      break;
    }
    spacing = measured;
    if (attempt == kMaxSpacingCorrections) break;
    factor = std::fabs(measured * factor / stepover);
  }
  return true;
}

bool MeasureLineSpacing(const AcGePoint2dArray& starts, const AcGePoint2dArray& ends, double& spacing) {
  spacing = 0.0;
  if (starts.length() < 2 || ends.length() < 1) return false;
  const AcGePoint2d P = starts[0];
  const AcGePoint2d Q = ends[0];
  const double dx = Q.x - P.x, dy = Q.y - P.y;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length <= 0.0) return false;
  for (int i = 1; i < starts.length(); ++i) {
    const AcGePoint2d& S = starts[i];
    const double distance = std::fabs(dx * (S.y - P.y) - dy * (S.x - P.x)) / length;
    if (distance > kOnFirstLine) {
      spacing = distance;
      return true;
    }
  }
  return false;
}

bool MeasureHatchLineSpacing(const AcDbObjectIdArray& lines, double& spacing) {
  AcGePoint2dArray starts, ends;
  for (const AcDbObjectId& id : lines) {
    AcGePoint3d start, end;
    if (GetCurveEndPoints(id, start, end) == kEntityOther) continue;
    starts.append(AcGePoint2d(start.x, start.y));
    ends.append(AcGePoint2d(end.x, end.y));
  }
  return MeasureLineSpacing(starts, ends, spacing);
}
