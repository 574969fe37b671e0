// The 255 colours of the CAD colour index, as drawn on a white sheet.
#pragma once

#include <cstdint>
#include <string>

struct SvgRgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

// Indexes 1-255; 7 (white on a dark screen) comes out black, and anything outside the
// table (by layer, by block) black too.
SvgRgb ColorIndexToRgb(int index);
// "#rrggbb".
std::string ColorIndexToSvg(int index);
