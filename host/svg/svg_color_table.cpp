#include "host/svg/svg_color_table.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace {

// 10-249: 24 hues 15 degrees apart; within each group of ten, five brightness steps,
// each full and half saturated.
SvgRgb hueWheelColor(int index) {
  constexpr std::array<double, 5> kBrightness = {1.0, 0.65, 0.5, 0.3, 0.15};
  const int hueStep = index / 10 - 1;
  const int shade = index % 10;
  const double value = 255.0 * kBrightness[shade / 2];
  const double saturation = (shade % 2 == 0) ? 1.0 : 0.5;
  const double hue = hueStep * 15.0;
  const double low = value * (1.0 - saturation);
  const int sector = static_cast<int>(hue / 60.0);
  const double fraction = hue / 60.0 - sector;
  const double rising = low + (value - low) * fraction;
  const double falling = value - (value - low) * fraction;
  double r = 0, g = 0, b = 0;
  switch (sector) {
    case 0:
      r = value, g = rising, b = low;
      break;
    case 1:
      r = falling, g = value, b = low;
      break;
    case 2:
      r = low, g = value, b = rising;
      break;
    case 3:
      r = low, g = falling, b = value;
      break;
    case 4:
      r = rising, g = low, b = value;
      break;
    default:
      r = value, g = low, b = falling;
      break;
  }
  auto channel = [](double v) { return static_cast<std::uint8_t>(std::floor(v)); };
  return {channel(r), channel(g), channel(b)};
}

SvgRgb grey(std::uint8_t level) { return {level, level, level}; }

}  // namespace

SvgRgb ColorIndexToRgb(int index) {
  switch (index) {
    case 1:
      return {255, 0, 0};
    case 2:
      return {255, 255, 0};
    case 3:
      return {0, 255, 0};
    case 4:
      return {0, 255, 255};
    case 5:
      return {0, 0, 255};
    case 6:
      return {255, 0, 255};
    case 8:
      return grey(128);
    case 9:
      return grey(192);
    case 250:
      return grey(51);
    case 251:
      return grey(80);
    case 252:
      return grey(105);
    case 253:
      return grey(130);
    case 254:
      return grey(190);
    case 255:
      return grey(255);
    default:
      break;
  }
  if (index >= 10 && index <= 249) return hueWheelColor(index);
  return grey(0);
}

std::string ColorIndexToSvg(int index) {
  const SvgRgb rgb = ColorIndexToRgb(index);
  char text[8];
  std::snprintf(text, sizeof(text), "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
  return text;
}
