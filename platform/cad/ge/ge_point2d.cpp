#include "platform/cad/ge/ge_point2d.h"

#include <cmath>

#include "platform/cad/ge/curves/ge_line.h"
#include "platform/cad/ge/ge_matrix2d.h"

const AcGePoint2d AcGePoint2d::kOrigin(0.0, 0.0);

AcGePoint2d& AcGePoint2d::set(double xx, double yy) {
  x = xx;
  y = yy;
  return *this;
}

AcGePoint2d& AcGePoint2d::setToProduct(const AcGeMatrix2d& mat, const AcGePoint2d& pnt) { return *this = mat * pnt; }

AcGePoint2d& AcGePoint2d::setToSum(const AcGePoint2d& pnt, const AcGeVector2d& vec) { return *this = pnt + vec; }

AcGePoint2d& AcGePoint2d::transformBy(const AcGeMatrix2d& mat) { return *this = mat * *this; }

AcGePoint2d& AcGePoint2d::rotateBy(double angle, const AcGePoint2d& wrtPoint) {
  return *this = AcGeMatrix2d::rotation(angle, wrtPoint) * *this;
}

AcGePoint2d& AcGePoint2d::mirror(const AcGeLine2d& line) { return *this = AcGeMatrix2d::mirroring(line) * *this; }

AcGePoint2d& AcGePoint2d::scaleBy(double scaleFactor, const AcGePoint2d& wrtPoint) {
  return *this = wrtPoint + (*this - wrtPoint) * scaleFactor;
}

AcGePoint2d& AcGePoint2d::operator*=(double scale) { return set(x * scale, y * scale); }

AcGePoint2d& AcGePoint2d::operator/=(double scale) { return set(x / scale, y / scale); }

AcGePoint2d& AcGePoint2d::operator+=(const AcGeVector2d& v) { return set(x + v.x, y + v.y); }

AcGePoint2d& AcGePoint2d::operator-=(const AcGeVector2d& v) { return set(x - v.x, y - v.y); }

double AcGePoint2d::distanceTo(const AcGePoint2d& pnt) const { return std::hypot(x - pnt.x, y - pnt.y); }

bool AcGePoint2d::isEqualTo(const AcGePoint2d& pnt, const AcGeTol& tol) const {
  return distanceTo(pnt) <= tol.equalPoint();
}

AcGePoint2d operator*(double scale, const AcGePoint2d& pnt) { return pnt * scale; }

AcGePoint2d operator*(const AcGeMatrix2d& mat, const AcGePoint2d& pnt) {
  const auto& e = mat.entry;
  double px = e[0][0] * pnt.x + e[0][1] * pnt.y + e[0][2];
  double py = e[1][0] * pnt.x + e[1][1] * pnt.y + e[1][2];
  const double w = e[2][0] * pnt.x + e[2][1] * pnt.y + e[2][2];
  if (w != 1.0 && w != 0.0) {
    px /= w;
    py /= w;
  }
  return {px, py};
}
