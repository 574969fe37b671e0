// What the plan view shows, gathered before the document is written (the view box,
// the number precision and the point markers depend on all of it).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/svg/svg_path.h"

struct SvgText {
  std::string text;  // plain UTF-8, not yet escaped
  double height = 0;
  // Text space (X along the baseline, Y down, in drawing units) to SVG coordinates.
  double matrix[6] = {1, 0, 0, 1, 0, 0};
  const char* anchor = nullptr;    // text-anchor; null: start
  const char* baseline = nullptr;  // dominant-baseline; null: alphabetic
  double fitLength = 0;            // above 0: squeezed or stretched to this length
};

struct SvgItem {
  enum class Kind { kPath, kText, kPoint };
  Kind kind = Kind::kPath;
  int colorIndex = 7;
  std::vector<double> dashes;  // empty for a solid line
  double width = 0;            // above 0: a stroke width in drawing units
  SvgPath path;
  SvgText text;
  SvgPoint point;
};

struct SvgScene {
  std::vector<SvgItem> items;
  SvgBounds bounds;
  std::map<std::string, int> notDrawn;  // entity kinds left out, with their counts
  std::vector<std::string> notes;       // other things left out, each said once
  int pointMode = 0;                    // the drawing's PDMODE and PDSIZE
  double pointSize = 0;

  void addNote(const std::string& note);
};
