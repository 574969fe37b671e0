// The order in which drill holes are machined: column or row sweeps (one way or
// back and forth) and nearest-next, each grouping points whose X (or Y) lie
// within a tolerance of the sweep's current line.
#pragma once

#include "platform/cad/ge/ge_arrays.h"

enum PointSortMethod {
  kSortColumnsUp = 1,          // columns from the left, each from the bottom
  kSortColumnsZigzagUp = 2,    // columns from the left, back and forth, starting upwards
  kSortRowsRight = 3,          // rows from the bottom, each from the left
  kSortRowsZigzag = 4,         // rows from the bottom, back and forth
  kSortColumnsDown = 5,        // columns from the left, each from the top
  kSortColumnsZigzagDown = 6,  // columns from the left, back and forth, starting downwards
  kSortRowsFromTop = 7,        // rows from the top, each from the left
  kSortRowsFromTopZigzag = 8,  // rows from the top, back and forth
  kSortNearestNext = 17,
};

bool IsPointSortMethod(int method);

// Reorders points in place. A method outside the nine leaves the list as it was.
void OrderDrillPoints(AcGePoint3dArray& points, int method, double tolerance);
