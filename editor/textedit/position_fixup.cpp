#include "editor/textedit/position_fixup.h"

void CInsertionFixup::Adjust(TextPosition& point) const {
  if (point.line < start_.line) return;
  if (point.line > start_.line) {
    point.line += end_.line - start_.line;
    return;
  }
  if (point.column > start_.column) {
    point.column = end_.column + (point.column - start_.column);
    point.line = end_.line;
  }
}

void CDeletionFixup::Adjust(TextPosition& point) const {
  if (point.line < start_.line) return;
  if (point.line > end_.line) {
    point.line -= end_.line - start_.line;
    return;
  }
  if (point.line == end_.line && point.column >= end_.column) {
    point.column = start_.column + (point.column - end_.column);
    point.line = start_.line;
    return;
  }
  if (point.line == start_.line && point.column <= start_.column) return;
  point = start_;
}
