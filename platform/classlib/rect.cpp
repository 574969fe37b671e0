#include "platform/classlib/rect.h"

#include <algorithm>
#include <utility>

namespace {

bool IsEmpty(const RECT& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

}  // namespace

BOOL CRect::EqualRect(LPCRECT rect) const {
  return left == rect->left && top == rect->top && right == rect->right && bottom == rect->bottom;
}

void CRect::NormalizeRect() {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
}

BOOL CRect::IntersectRect(LPCRECT a, LPCRECT b) {
  const RECT overlap{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                     std::min(a->bottom, b->bottom)};
  if (IsEmpty(overlap)) {
    SetRectEmpty();
    return FALSE;
  }
  CopyRect(&overlap);
  return TRUE;
}

BOOL CRect::UnionRect(LPCRECT a, LPCRECT b) {
  const bool a_empty = IsEmpty(*a);
  const bool b_empty = IsEmpty(*b);
  if (a_empty && b_empty) {
    SetRectEmpty();
    return FALSE;
  }
  if (a_empty || b_empty) {
    const RECT kept = a_empty ? *b : *a;  // copy first: a or b may be this
    CopyRect(&kept);
    return TRUE;
  }
  const RECT joined{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                    std::max(a->bottom, b->bottom)};
  CopyRect(&joined);
  return TRUE;
}

CRect CRect::operator+(POINT point) const {
  CRect result(*this);
  result.OffsetRect(point);
  return result;
}

CRect CRect::operator-(POINT point) const {
  CRect result(*this);
  result.OffsetRect(-point.x, -point.y);
  return result;
}

CRect CRect::operator&(const RECT& other) const {
  CRect result;
  result.IntersectRect(this, &other);
  return result;
}

CRect CRect::operator|(const RECT& other) const {
  CRect result;
  result.UnionRect(this, &other);
  return result;
}
