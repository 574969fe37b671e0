// The limits of the simple cycles (shapes typed in as numbers), beside
// operation_limits.h and used the same way: the dialogs check with DDX_Limited,
// the record readers with RecordReader. What the five cycles share is one
// struct; each cycle adds its own below.
#pragma once

#include "plugin/geometry/forms/operation_limits.h"

namespace limits {

constexpr FieldLimit Coordinate(const char* name) { return {name, -10000, 10000}; }
constexpr FieldLimit ShapeSize(const char* name) { return {name, 0.1, 10000}; }
// A wall leaning 90 degrees has no tangent.
constexpr FieldLimit TaperAngle(const char* name) { return {name, -80, 80}; }

}  // namespace limits

struct SimpleCycleLimits {
  ToolNumberLimits tool{limits::Switch("번호"), {"번호", 0, 99999}, limits::Switch("장보정"), {"장보정", 0, 99999}};
  FieldLimit returnHeight = limits::Height("복귀 높이");
  FieldLimit feed{"가공 피드", 1, 999999};
  FieldLimit allowance = limits::Allowance("가공 여유");
  FieldLimit shapeInputType{"변수 Type", 1, 3};
  FieldLimit xMaximum = limits::Coordinate("X 최대");
  FieldLimit xMinimum = limits::Coordinate("X 최소");
  FieldLimit xSize = limits::ShapeSize("X 크기");
  FieldLimit yMaximum = limits::Coordinate("Y 최대");
  FieldLimit yMinimum = limits::Coordinate("Y 최소");
  FieldLimit ySize = limits::ShapeSize("Y 크기");
  FieldLimit xCentre = limits::Coordinate("X 중심");
  FieldLimit yCentre = limits::Coordinate("Y 중심");
  FieldLimit startHeight = limits::Height("시작 높이");
  FieldLimit depth = limits::Height("Z 깊이");
  FieldLimit zStepover{"Z Stepover", 0.1, 10000};
  FieldLimit stepover{"Stepover", 0.1, 1000};
  FieldLimit singleTaperOn = limits::Switch("단일 taper");
  FieldLimit singleTaperAngle = limits::TaperAngle("단일 taper");
  FieldLimit xMinusTaper = limits::TaperAngle("X -  taper");
  FieldLimit xPlusTaper = limits::TaperAngle("X + taper");
  FieldLimit yMinusTaper = limits::TaperAngle("Y -  taper");
  FieldLimit yPlusTaper = limits::TaperAngle("Y + taper");
  FieldLimit cornerRadius{"코너반경", 0.1, 1000};
  FieldLimit circleRadius{"원형 반경", 0.1, 10000};
};
inline constexpr SimpleCycleLimits kSimpleCycleLimits{};

struct SimpleFaceLimits {
  FieldLimit direction{"방향", 1, 4};
  FieldLimit toolCompensation{"공구 경 보정", 1, 3};
  FieldLimit twoWay = limits::Switch("두방향 공구경로");
};
inline constexpr SimpleFaceLimits kSimpleFaceLimits{};

struct SimplePocketLimits {
  FieldLimit pocketType{"Pocket Type", 1, 3};
  FieldLimit xyStepover{"XY Stepover", 0.1, 1000};
  FieldLimit allowance{"가공 여유", -100, 100};
  FieldLimit startPointOn = limits::Switch("시작점");
  FieldLimit startX = limits::Position("시작점 X");
  FieldLimit startY = limits::Position("시작점 Y");
  FieldLimit startZ = limits::Position("시작점 Z");
};
inline constexpr SimplePocketLimits kSimplePocketLimits{};
