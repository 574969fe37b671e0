#include "plugin/geometry/forms/field_limits.h"

#include <cmath>

bool IsWithin(double value, const FieldLimit& limit) {
  return std::isfinite(value) && value >= limit.least && value <= limit.most;
}

void DDV_Limit(CDataExchange* pDX, int value, const FieldLimit& limit) {
  DDV_MinMaxInt(pDX, value, static_cast<int>(limit.least), static_cast<int>(limit.most));
}

void DDV_Limit(CDataExchange* pDX, float const& value, const FieldLimit& limit) {
  DDV_MinMaxFloat(pDX, value, static_cast<float>(limit.least), static_cast<float>(limit.most));
}

void DDV_Limit(CDataExchange* pDX, double const& value, const FieldLimit& limit) {
  DDV_MinMaxDouble(pDX, value, limit.least, limit.most);
}
