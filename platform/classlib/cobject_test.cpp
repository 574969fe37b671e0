#include "platform/classlib/cobject.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class Shape : public CObject {
  DECLARE_DYNAMIC(Shape)
};
IMPLEMENT_DYNAMIC(Shape, CObject)

class Circle : public Shape {
  DECLARE_DYNCREATE(Circle)

 public:
  int radius = 5;

 protected:
  Circle() = default;
};
IMPLEMENT_DYNCREATE(Circle, Shape)

class Marker : public CObject {
  DECLARE_SERIAL(Marker)

 public:
  Marker() = default;
};
IMPLEMENT_SERIAL(Marker, CObject, 1)

TEST(RuntimeClass, KindsFollowTheClassChain) {
  const Shape shape;
  EXPECT_TRUE(shape.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_TRUE(shape.IsKindOf(RUNTIME_CLASS(Shape)));
  EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(Circle)));
  EXPECT_STREQ(shape.GetRuntimeClass()->m_lpszClassName, "Shape");
  EXPECT_EQ(RUNTIME_CLASS(Shape)->m_pBaseClass, RUNTIME_CLASS(CObject));
  EXPECT_EQ(RUNTIME_CLASS(Circle)->m_nObjectSize, static_cast<int>(sizeof(Circle)));
  EXPECT_TRUE(RUNTIME_CLASS(Circle)->IsDerivedFrom(RUNTIME_CLASS(Shape)));
  EXPECT_FALSE(RUNTIME_CLASS(Shape)->IsDerivedFrom(RUNTIME_CLASS(Marker)));
}

TEST(RuntimeClass, CreatesByClassAndByName) {
  std::unique_ptr<CObject> object(RUNTIME_CLASS(Circle)->CreateObject());
  ASSERT_NE(object, nullptr);
  EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(Circle)));

  std::unique_ptr<CObject> by_name(CRuntimeClass::CreateObject("Circle"));
  ASSERT_NE(by_name, nullptr);
  Circle* circle = DYNAMIC_DOWNCAST(Circle, by_name.get());
  ASSERT_NE(circle, nullptr);
  EXPECT_EQ(circle->radius, 5);

  // Only DYNCREATE classes can be made; unknown names give null.
  EXPECT_EQ(RUNTIME_CLASS(Shape)->CreateObject(), nullptr);
  EXPECT_EQ(CRuntimeClass::CreateObject("NoSuchClass"), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName("Shape"), RUNTIME_CLASS(Shape));
  EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
  EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
}

TEST(RuntimeClass, DowncastsAndSerialSchema) {
  Shape shape;
  EXPECT_EQ(DYNAMIC_DOWNCAST(Circle, &shape), nullptr);
  EXPECT_EQ(DYNAMIC_DOWNCAST(Shape, static_cast<CObject*>(nullptr)), nullptr);
  EXPECT_EQ(STATIC_DOWNCAST(Shape, &shape), &shape);

  const Marker marker;
  EXPECT_TRUE(marker.IsSerializable());
  EXPECT_FALSE(shape.IsSerializable());
  EXPECT_EQ(RUNTIME_CLASS(Marker)->m_wSchema, 1u);
}

}  // namespace
