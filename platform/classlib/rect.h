// Integer geometry of the window system: the POINT, SIZE and RECT structs and
// the class library's CPoint, CSize and CRect around them. A rectangle holds
// its left and top edges and excludes its right and bottom ones.
#pragma once

#include "platform/wintypes/windows_types.h"

struct POINT {
  LONG x;
  LONG y;
};
struct SIZE {
  LONG cx;
  LONG cy;
};
struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
using LPPOINT = POINT*;
using LPSIZE = SIZE*;
using LPRECT = RECT*;
using LPCRECT = const RECT*;

class CPoint;
class CRect;

class CSize : public SIZE {
 public:
  CSize() : SIZE{0, 0} {}
  CSize(int cx_in, int cy_in) : SIZE{cx_in, cy_in} {}
  CSize(SIZE size) : SIZE(size) {}  // NOLINT: implicit, as the class library's
  explicit CSize(POINT point) : SIZE{point.x, point.y} {}

  void SetSize(int cx_in, int cy_in) { cx = cx_in, cy = cy_in; }
  bool operator==(SIZE other) const { return cx == other.cx && cy == other.cy; }
  bool operator!=(SIZE other) const { return !(*this == other); }
  void operator+=(SIZE other) { cx += other.cx, cy += other.cy; }
  void operator-=(SIZE other) { cx -= other.cx, cy -= other.cy; }
  CSize operator+(SIZE other) const { return CSize(cx + other.cx, cy + other.cy); }
  CSize operator-(SIZE other) const { return CSize(cx - other.cx, cy - other.cy); }
  CSize operator-() const { return CSize(-cx, -cy); }
  CPoint operator+(POINT point) const;
  CPoint operator-(POINT point) const;
};

class CPoint : public POINT {
 public:
  CPoint() : POINT{0, 0} {}
  CPoint(int x_in, int y_in) : POINT{x_in, y_in} {}
  CPoint(POINT point) : POINT(point) {}  // NOLINT
  explicit CPoint(SIZE size) : POINT{size.cx, size.cy} {}

  void SetPoint(int x_in, int y_in) { x = x_in, y = y_in; }
  void Offset(int dx, int dy) { x += dx, y += dy; }
  void Offset(POINT point) { Offset(point.x, point.y); }
  void Offset(SIZE size) { Offset(size.cx, size.cy); }

  bool operator==(POINT other) const { return x == other.x && y == other.y; }
  bool operator!=(POINT other) const { return !(*this == other); }
  void operator+=(SIZE size) { Offset(size); }
  void operator-=(SIZE size) { Offset(-size.cx, -size.cy); }
  void operator+=(POINT point) { Offset(point); }
  void operator-=(POINT point) { Offset(-point.x, -point.y); }
  CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
  CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
  CPoint operator+(POINT point) const { return CPoint(x + point.x, y + point.y); }
  CSize operator-(POINT point) const { return CSize(x - point.x, y - point.y); }
  CPoint operator-() const { return CPoint(-x, -y); }
};

inline CPoint CSize::operator+(POINT point) const { return CPoint(cx + point.x, cy + point.y); }
inline CPoint CSize::operator-(POINT point) const { return CPoint(cx - point.x, cy - point.y); }

class CRect : public RECT {
 public:
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  CRect(const RECT& rect) : RECT(rect) {}  // NOLINT
  CRect(LPCRECT rect) : RECT(*rect) {}     // NOLINT
  CRect(POINT top_left, SIZE size) : RECT{top_left.x, top_left.y, top_left.x + size.cx, top_left.y + size.cy} {}
  CRect(POINT top_left, POINT bottom_right) : RECT{top_left.x, top_left.y, bottom_right.x, bottom_right.y} {}

  // Extent; negative for a rectangle that is not normalised.
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint TopLeft() const { return CPoint(left, top); }
  CPoint BottomRight() const { return CPoint(right, bottom); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

  BOOL IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
  BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  BOOL PtInRect(POINT point) const { return point.x >= left && point.x < right && point.y >= top && point.y < bottom; }
  BOOL EqualRect(LPCRECT rect) const;

  void SetRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
  void SetRect(POINT top_left, POINT bottom_right) { SetRect(top_left.x, top_left.y, bottom_right.x, bottom_right.y); }
  void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  void CopyRect(LPCRECT rect) { *static_cast<RECT*>(this) = *rect; }

  void InflateRect(int dx, int dy) { InflateRect(dx, dy, dx, dy); }
  void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
  void InflateRect(LPCRECT by) { InflateRect(by->left, by->top, by->right, by->bottom); }
  void InflateRect(int l, int t, int r, int b) { left -= l, top -= t, right += r, bottom += b; }
  void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
  void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
  void DeflateRect(LPCRECT by) { InflateRect(-by->left, -by->top, -by->right, -by->bottom); }
  void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }

  void OffsetRect(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
  void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
  void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
  void MoveToX(int x) { OffsetRect(x - left, 0); }
  void MoveToY(int y) { OffsetRect(0, y - top); }
  void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }
  void MoveToXY(POINT point) { MoveToXY(point.x, point.y); }

  // Swaps edges so that left <= right and top <= bottom.
  void NormalizeRect();
  // The overlap of a and b; empty (all zero) and FALSE when they do not overlap.
  BOOL IntersectRect(LPCRECT a, LPCRECT b);
  // The smallest rectangle holding a and b; empty ones are ignored.
  BOOL UnionRect(LPCRECT a, LPCRECT b);

  operator LPRECT() { return this; }         // NOLINT
  operator LPCRECT() const { return this; }  // NOLINT
  bool operator==(const RECT& other) const { return EqualRect(&other) != FALSE; }
  bool operator!=(const RECT& other) const { return !(*this == other); }
  void operator+=(POINT point) { OffsetRect(point); }
  void operator+=(SIZE size) { OffsetRect(size); }
  void operator-=(POINT point) { OffsetRect(-point.x, -point.y); }
  void operator-=(SIZE size) { OffsetRect(-size.cx, -size.cy); }
  void operator&=(const RECT& other) { IntersectRect(this, &other); }
  void operator|=(const RECT& other) { UnionRect(this, &other); }
  CRect operator+(POINT point) const;
  CRect operator-(POINT point) const;
  CRect operator&(const RECT& other) const;
  CRect operator|(const RECT& other) const;
};
