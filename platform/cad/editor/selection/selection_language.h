// One line of an interactive selection: a pick ("x,y" or "#HANDLE"), a window,
// crossing or polygon with its points, ALL, L, P, or a switch to remove or add mode.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cad/ge/ge_point3d.h"

namespace cadeditor {

struct SelectionLine {
  enum Kind {
    kPick,
    kHandle,
    kWindow,
    kCrossing,
    kWindowPolygon,
    kCrossingPolygon,
    kAll,
    kLast,
    kPrevious,
    kRemoveMode,
    kAddMode
  };
  Kind kind = kPick;
  std::vector<AcGePoint3d> points;  // UCS; a window or polygon without points asks for them
  std::string handle;               // hex, for kHandle
};

// nullopt when the line is no selection.
std::optional<SelectionLine> ParseSelectionLine(std::string_view text, const AcGePoint3d& last, double elevation);

}  // namespace cadeditor
