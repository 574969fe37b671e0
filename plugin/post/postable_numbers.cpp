#include "plugin/post/postable_numbers.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

std::string NumberText(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

// The first of the values that cannot be posted; empty when none.
std::string FirstUnpostable(std::initializer_list<double> values) {
  for (double value : values) {
    if (!IsPostable(value)) return NumberText(value);
  }
  return {};
}

std::string FirstUnpostable(const AcGePoint3d& point) { return FirstUnpostable({point.x, point.y, point.z}); }

}  // namespace

bool IsPostable(double value) { return std::isfinite(value) && std::fabs(value) <= kLargestPostedNumber; }

std::string UnpostableNumber(const EntitySnapshot& e) {
  std::string bad = FirstUnpostable({e.thickness * ToolpathMoveEncoding::kReadScale, e.markerValue, e.info.value,
                                     e.info.diameter, e.info.cornerRadius, e.info.length});
  for (const AcGePoint3d* point : {&e.start, &e.end, &e.arc.centre}) {
    if (bad.empty()) bad = FirstUnpostable(*point);
  }
  for (const PolylineSegmentSnapshot& segment : e.segments) {
    if (!bad.empty()) break;
    bad = FirstUnpostable({segment.start.x, segment.start.y, segment.start.z, segment.end.x, segment.end.y,
                           segment.end.z, segment.arc.centre.x, segment.arc.centre.y, segment.arc.centre.z,
                           segment.width * ToolpathMoveEncoding::kReadScale});
  }
  for (const AcGePoint3d& vertex : e.vertices) {
    if (!bad.empty()) break;
    bad = FirstUnpostable(vertex);
  }
  return bad;
}
