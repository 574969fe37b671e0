// The SVG document of a gathered plan view.
#pragma once

#include <string>

#include "host/svg/svg_scene.h"

// A white sheet fitted to the scene's bounds with a small margin (a small empty one
// for an empty scene), a comment for what was left out, then the items in order.
std::string SvgDocumentOf(const SvgScene& scene);
