#include "platform/classlib/backend/canvas.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/classlib/gdi/char_cells.h"

namespace afx {
namespace {

bool Contains(const CRect& outer, const CRect& inner) {
  return !inner.IsRectEmpty() && inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// What is left of a when b is cut away, when that is one rectangle.
bool Subtract(const CRect& a, const CRect& b, CRect* rest) {
  CRect overlap;
  if (!overlap.IntersectRect(&a, &b)) {
    *rest = a;
    return true;
  }
  if (b.top <= a.top && b.bottom >= a.bottom) {
    if (b.left <= a.left) return *rest = CRect(b.right, a.top, a.right, a.bottom), true;
    if (b.right >= a.right) return *rest = CRect(a.left, a.top, b.left, a.bottom), true;
  }
  if (b.left <= a.left && b.right >= a.right) {
    if (b.top <= a.top) return *rest = CRect(a.left, b.bottom, a.right, a.bottom), true;
    if (b.bottom >= a.bottom) return *rest = CRect(a.left, a.top, a.right, b.top), true;
  }
  return false;
}

void Translate(DrawOp& op, int dx, int dy) {
  op.bounds.OffsetRect(dx, dy);
  op.clip.OffsetRect(dx, dy);
  op.from.Offset(dx, dy);
  op.to.Offset(dx, dy);
}

// Whether a fill covers the cell whose centre is at point. An edge that
// falls on a cell's centre gives the cell to the right (or below), as text
// drawn from that point is placed in that cell too.
bool CoversCellCentre(const CRect& rect, CPoint point) {
  return rect.left < point.x && point.x <= rect.right && rect.top < point.y && point.y <= rect.bottom;
}

struct Cell {
  std::string text = " ";
  bool continuation = false;
  COLORREF fore = RGB(0, 0, 0);
  COLORREF back = RGB(255, 255, 255);
};

}  // namespace

CSize CellOf(const LOGFONT& font) {
  const int height = font.lfHeight != 0 ? std::abs(font.lfHeight) : 16;
  const int width = font.lfWidth != 0 ? std::abs(font.lfWidth) : std::max(1, height / 2);
  return CSize(width, std::max(1, height));
}

FontMetrics MetricsOf(const LOGFONT& font) {
  const CSize cell = CellOf(font);
  FontMetrics metrics;
  metrics.height = cell.cy;
  metrics.ascent = cell.cy * 13 / 16;
  metrics.descent = cell.cy - metrics.ascent;
  metrics.average_width = cell.cx;
  metrics.maximum_width = cell.cx * 2;
  return metrics;
}

CRect DrawOp::Visible() const {
  CRect visible;
  visible.IntersectRect(&bounds, &clip);
  return visible;
}

void Canvas::Add(DrawOp op) {
  const CRect whole(CPoint(0, 0), size_);
  op.clip.IntersectRect(&op.clip, &whole);
  const CRect visible = op.Visible();
  if (visible.IsRectEmpty()) return;
  const bool hides = op.kind == DrawOp::Kind::kFill || (op.kind == DrawOp::Kind::kText && op.opaque);
  if (hides) {
    ops_.erase(
        std::remove_if(ops_.begin(), ops_.end(), [&](const DrawOp& old) { return Contains(visible, old.Visible()); }),
        ops_.end());
  }
  ops_.push_back(std::move(op));
}

void Canvas::CopyFrom(const Canvas& source, const CRect& dest, CPoint source_origin, const CRect& clip) {
  CRect target;
  target.IntersectRect(&dest, &clip);
  if (target.IsRectEmpty()) return;
  const int dx = dest.left - source_origin.x;
  const int dy = dest.top - source_origin.y;
  // A copy covers the whole target: what was there is gone.
  ops_.erase(
      std::remove_if(ops_.begin(), ops_.end(), [&](const DrawOp& old) { return Contains(target, old.Visible()); }),
      ops_.end());
  for (const DrawOp& op : source.Ops()) {
    DrawOp copy = op;
    Translate(copy, dx, dy);
    copy.clip.IntersectRect(&copy.clip, &target);
    if (!copy.Visible().IsRectEmpty()) Add(std::move(copy));
  }
}

void Canvas::Scroll(int dx, int dy, const CRect& area) {
  std::vector<DrawOp> kept;
  std::vector<DrawOp> moved;
  for (DrawOp& op : ops_) {
    const CRect visible = op.Visible();
    CRect overlap;
    if (!overlap.IntersectRect(&visible, &area)) {
      kept.push_back(std::move(op));
      continue;
    }
    DrawOp shifted = op;
    Translate(shifted, dx, dy);
    shifted.clip.IntersectRect(&shifted.clip, &area);
    CRect rest;
    if (!Contains(area, visible) && Subtract(op.clip, area, &rest)) {
      op.clip = rest;
      if (!op.Visible().IsRectEmpty()) kept.push_back(std::move(op));
    }
    if (!shifted.Visible().IsRectEmpty()) moved.push_back(std::move(shifted));
  }
  ops_ = std::move(kept);
  for (DrawOp& op : moved) ops_.push_back(std::move(op));
}

std::vector<const DrawOp*> Canvas::TextRuns() const {
  std::vector<const DrawOp*> runs;
  for (const DrawOp& op : ops_) {
    if (op.kind == DrawOp::Kind::kText) runs.push_back(&op);
  }
  return runs;
}

std::vector<ScreenRow> Canvas::Compose(CSize cell) const {
  const int columns = cell.cx > 0 ? size_.cx / cell.cx : 0;
  const int rows = cell.cy > 0 ? size_.cy / cell.cy : 0;
  std::vector<std::vector<Cell>> grid(static_cast<size_t>(rows), std::vector<Cell>(static_cast<size_t>(columns)));
  const auto cell_centre = [&](int row, int column) {
    return CPoint(column * cell.cx + cell.cx / 2, row * cell.cy + cell.cy / 2);
  };
  for (const DrawOp& op : ops_) {
    const CRect visible = op.Visible();
    switch (op.kind) {
      case DrawOp::Kind::kFill:
        for (int row = 0; row < rows; ++row) {
          for (int column = 0; column < columns; ++column) {
            if (!CoversCellCentre(visible, cell_centre(row, column))) continue;
            Cell& target = grid[static_cast<size_t>(row)][static_cast<size_t>(column)];
            target = Cell();
            target.back = op.colour;
          }
        }
        break;
      case DrawOp::Kind::kInvert:
        if (op.halftone) break;
        for (int row = 0; row < rows; ++row) {
          for (int column = 0; column < columns; ++column) {
            if (!CoversCellCentre(visible, cell_centre(row, column))) continue;
            Cell& target = grid[static_cast<size_t>(row)][static_cast<size_t>(column)];
            target.back = target.back ^ 0xFFFFFF;
            target.fore = target.fore ^ 0xFFFFFF;
          }
        }
        break;
      case DrawOp::Kind::kText: {
        const CSize font_cell = CellOf(op.font);
        const int row = (op.from.y + font_cell.cy / 2) / std::max<LONG>(1, cell.cy);
        if (row < 0 || row >= rows) break;
        int x = op.from.x;
        for (size_t at = 0; at < op.text.size();) {
          size_t length = 1;
          const int wide = CharCells(DecodeUtf8(op.text, at, &length));
          const int column = (x + cell.cx / 2) / std::max<LONG>(1, cell.cx);
          const CPoint centre(x + font_cell.cx * wide / 2, op.from.y + font_cell.cy / 2);
          if (column >= 0 && column + wide - 1 < columns && visible.PtInRect(centre)) {
            for (int part = 0; part < wide; ++part) {
              Cell& target = grid[static_cast<size_t>(row)][static_cast<size_t>(column + part)];
              target.text = part == 0 ? op.text.substr(at, length) : std::string();
              target.continuation = part > 0;
              target.fore = op.colour;
              if (op.opaque) target.back = op.back;
            }
          }
          x += font_cell.cx * wide;
          at += length;
        }
        break;
      }
      case DrawOp::Kind::kLine:
        break;
    }
  }
  std::vector<ScreenRow> composed;
  for (const auto& cells : grid) {
    ScreenRow row;
    for (int column = 0; column < columns; ++column) {
      const Cell& each = cells[static_cast<size_t>(column)];
      row.text += each.text;
      if (row.runs.empty() || row.runs.back().text != each.fore || row.runs.back().back != each.back) {
        row.runs.push_back({column, each.fore, each.back});
      }
    }
    while (!row.text.empty() && row.text.back() == ' ') row.text.pop_back();
    composed.push_back(std::move(row));
  }
  return composed;
}

std::string ColourText(COLORREF colour) {
  char text[8];
  std::snprintf(text, sizeof(text), "%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

std::string FormatScreenRow(const ScreenRow& row) {
  std::string line = row.text;
  line += "  {";
  for (size_t i = 0; i < row.runs.size(); ++i) {
    if (i > 0) line += "; ";
    line +=
        std::to_string(row.runs[i].column) + " " + ColourText(row.runs[i].text) + "/" + ColourText(row.runs[i].back);
  }
  line += "}";
  return line;
}

}  // namespace afx
