// What the headless backend keeps of a drawing: the operations drawn on a
// window, bitmap or page, in device pixels, with those hidden by a later
// opaque operation dropped. Text is laid out on a fixed character cell per
// font: the cell is |lfHeight| high (16 when 0) and lfWidth wide (half the
// height when 0); a wide (CJK) character takes two cells.
#pragma once

#include <string>
#include <vector>

#include "platform/classlib/gdi/char_cells.h"
#include "platform/classlib/gdi/surface.h"

namespace afx {

struct DrawOp {
  enum class Kind { kFill, kText, kLine, kInvert };
  Kind kind = Kind::kFill;
  CRect bounds;  // what it covers, before clipping
  CRect clip;    // what of it shows
  CPoint from;   // text origin, line start
  CPoint to;     // line end
  std::string text;
  LOGFONT font;
  COLORREF colour = 0;  // fill, line or text colour
  COLORREF back = 0;    // text background when opaque
  bool opaque = false;
  bool halftone = false;

  CRect Visible() const;
};

// One row of composed cells, for `screen` and tests.
struct ScreenRow {
  std::string text;  // one character per cell, the second cell of a wide character left out
  struct Run {
    int column = 0;
    COLORREF text = 0;
    COLORREF back = 0;
  };
  std::vector<Run> runs;  // where a colour pair starts
};

// The cell of a font on the fixed grid.
CSize CellOf(const LOGFONT& font);
FontMetrics MetricsOf(const LOGFONT& font);

class Canvas {
 public:
  explicit Canvas(CSize size = CSize()) : size_(size) {}

  CSize Size() const { return size_; }
  void Resize(CSize size) { size_ = size; }
  const std::vector<DrawOp>& Ops() const { return ops_; }
  void Clear() { ops_.clear(); }

  void Add(DrawOp op);
  // Copies what source shows from source_origin into dest (clipped to clip).
  void CopyFrom(const Canvas& source, const CRect& dest, CPoint source_origin, const CRect& clip);
  // Moves what lies in area by dx, dy, keeping it inside area.
  void Scroll(int dx, int dy, const CRect& area);

  // The text runs, in drawing order, that still show.
  std::vector<const DrawOp*> TextRuns() const;
  // Cells of the given size over the whole canvas, white with black text where nothing was drawn.
  std::vector<ScreenRow> Compose(CSize cell) const;

 private:
  CSize size_;
  std::vector<DrawOp> ops_;
};

// "RRGGBB" of a colour.
std::string ColourText(COLORREF colour);
// A composed row as `screen` prints it: the text, then {column fg/bg; ...}.
std::string FormatScreenRow(const ScreenRow& row);

}  // namespace afx
