// The plan-view shapes of the drawing's entities, placed by a transform (the block
// placements above them; identity in model space).
#pragma once

#include <string>
#include <string_view>

#include "host/svg/svg_scene.h"
#include "platform/cad/ge/ge_matrix3d.h"

class AcDbEntity;
class AcDbText;

// Lines, arcs, circles, ellipses, lightweight and 3D polylines, splines. False for an
// entity of another kind.
bool CurvePathOf(const AcDbEntity& entity, const AcGeMatrix3d& xform, SvgPath& path);
// A lightweight polyline's constant width in SVG units; 0 when it has none.
double ConstantWidthOf(const AcDbEntity& entity, const AcGeMatrix3d& xform);
// The text entity showing content; false when it shows nothing (no height, seen edge on).
bool TextShapeOf(const AcDbText& text, std::string_view content, const AcGeMatrix3d& xform, SvgText& shape,
                 SvgBounds& bounds);
// Text with the drawing's %% codes (degree, plus-minus, diameter, over- and underline
// switches, %%nnn) turned into plain characters.
std::string PlainText(std::string_view text);
