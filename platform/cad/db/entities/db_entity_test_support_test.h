// Helpers of the entity tests: filing round trips and point comparisons.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/cad/db/db.h"

// The exact feed factors of toolpath entities.
constexpr double kThicknessFeed = 1500 * 1.000001e-7;
constexpr double kWidthFeed = 1000 * 1e-7;

// A copy made through the DWG filer (clone).
template <class T>
std::unique_ptr<T> dwgCopy(const T& entity) {
  return std::unique_ptr<T>(T::cast(entity.clone()));
}

// The DXF items the entity writes.
template <class T>
std::vector<DxfItem> dxfItemsOf(const T& entity, AcDbDatabase* db) {
  DxfItemFiler out(db);
  EXPECT_EQ(entity.dxfOut(&out), Acad::eOk) << out.errorMessage();
  return out.items();
}

// A new T read back from the DXF items of the entity.
template <class T>
std::unique_ptr<T> dxfCopy(const T& entity, AcDbDatabase* db) {
  DxfItemFiler in(dxfItemsOf(entity, db), db);
  auto copy = std::make_unique<T>();
  EXPECT_EQ(copy->dxfIn(&in), Acad::eOk) << in.errorMessage();
  return copy;
}

inline const DxfItem* findItem(const std::vector<DxfItem>& items, int code, std::size_t from = 0) {
  for (std::size_t i = from; i < items.size(); ++i)
    if (items[i].code == code) return &items[i];
  return nullptr;
}

#define EXPECT_POINT_NEAR(actual, expected, tol) \
  do {                                           \
    const AcGePoint3d a_ = (actual);             \
    const AcGePoint3d e_ = (expected);           \
    EXPECT_NEAR(a_.x, e_.x, tol) << "x";         \
    EXPECT_NEAR(a_.y, e_.y, tol) << "y";         \
    EXPECT_NEAR(a_.z, e_.z, tol) << "z";         \
  } while (false)
