// The passes of a simple pocket, layer by layer, as vertex lists: closed
// spirals of rings cut from the inside out, rectangular (with corner arcs that
// share their centres) or circular. Nothing here touches a drawing.
#pragma once

#include <vector>

#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/milling/simple/simple_cycle_form.h"

class CSimplePocketDlg;

// One depth layer: its Z and its polyline's vertices, the first where the tool
// enters. No vertices when the tool does not fit in at that layer.
struct SimplePocketLayer {
  double z = 0.0;
  std::vector<PolylineVertex> vertices;
  // The start point lay outside the layer's outermost ring: the tool could not
  // reach it without cutting the wall, so the layer is entered at the centre.
  bool startPointMoved = false;
};

// The rectangle layers: each side moved in by the wall offset e (or already
// moved by the taper), rings with corner radius b about the outermost ring's
// corner centres.
SimplePocketLayer MakeRectangleRingPass(const CSimplePocketDlg& dlg, const ShapeRectangle& rect, double e, double b,
                                        double z);
std::vector<SimplePocketLayer> MakeRectanglePocketLayers(const CSimplePocketDlg& dlg);
std::vector<SimplePocketLayer> MakeRoundedPocketLayers(const CSimplePocketDlg& dlg);
std::vector<SimplePocketLayer> MakeCirclePocketLayers(const CSimplePocketDlg& dlg);
// By the dialog's pocket type.
std::vector<SimplePocketLayer> MakeSimplePocketLayers(const CSimplePocketDlg& dlg);

// How many layers and how many rings at most a run would make.
double SimplePocketLayerCount(const CSimplePocketDlg& dlg);
double SimplePocketRingCount(const CSimplePocketDlg& dlg);
