#include "plugin/milling/simple/simple_cycle_layers.h"

#include <cmath>

int SimpleStepCount(double width, double stepover) {
  if (!(width > 0.0) || !(stepover > 0.0)) return 0;
  const double whole = std::trunc(width / stepover);
  int m = static_cast<int>(whole);
  if (width > m * stepover) ++m;
  return m;
}

SimpleLayers MakeSimpleLayers(double startHeight, double depth, double zStepover) {
  SimpleLayers layers;
  layers.start = startHeight;
  const double total = startHeight - depth;
  layers.steps = SimpleStepCount(total, zStepover);
  layers.step = layers.steps > 0 ? total / layers.steps : 0.0;
  return layers;
}

double TaperInset(double layerDepth, double angleDegrees) {
  return layerDepth * std::tan(angleDegrees * kSimpleDegreeFactor);
}
