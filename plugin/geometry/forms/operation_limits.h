// The one table of limits per operation: every number a user types into an
// operation's dialog and every number its record reader takes from a drawing or
// a *.par / *.mcp file passes the same entry here. A new operation adds its own
// struct below and uses it in both places:
//
//   DDX_Limited(pDX, kZStartEdit, m_ZStart, kPocketLimits.zStart);       // dialog
//   reader.Line({{d.m_ZStart, kPocketLimits.zStart}, ...});               // record
//
// The names are the dialog's own labels, so that a refused record value names
// the field the user knows. Ranges the dialogs always had stay as they were;
// fields that had none got ranges that no machining job comes near.
#pragma once

#include "plugin/geometry/forms/field_limits.h"

namespace limits {

constexpr FieldLimit Switch(const char* name) { return {name, 0, 1}; }
constexpr FieldLimit Feed(const char* name) { return {name, 1, 100000}; }
constexpr FieldLimit Spindle(const char* name) { return {name, 0, 1000000}; }
constexpr FieldLimit ToolNumber(const char* name) { return {name, 0, 9999}; }
constexpr FieldLimit Height(const char* name) { return {name, -10000, 10000}; }
constexpr FieldLimit Position(const char* name) { return {name, -99999, 999999}; }
constexpr FieldLimit Allowance(const char* name) { return {name, -1000, 1000}; }
constexpr FieldLimit Length(const char* name) { return {name, 0, 9999}; }
constexpr FieldLimit Angle(const char* name) { return {name, -360, 360}; }
// A byte switch older records hold as any whole number (RecordField::Flag).
constexpr FieldLimit AnyFlag(const char* name) { return {name, -2147483648.0, 2147483647.0}; }

}  // namespace limits

// The record head that every operation's record begins with.
struct RecordHeadLimits {
  FieldLimit version{"version", 1, 1000};
  FieldLimit kind{"kind", 0, 1000};
};
inline constexpr RecordHeadLimits kRecordHeadLimits{};

struct ToolShapeLimits {
  FieldLimit toolType{"공구형상", 1, 3};
  FieldLimit diameter{"공구직경", 0.01, 999};
  FieldLimit length{"공구길이", 0.01, 999};
  FieldLimit cornerRadius{"코너반경", 0, 999};
};
inline constexpr ToolShapeLimits kToolShapeLimits{};

struct LeadInOutLimits {
  FieldLimit side = limits::AnyFlag("side");
  FieldLimit zEntryMode{"Z 진입", 1, 3};
  FieldLimit entryFeedOn = limits::Switch("진입 Feed");
  FieldLimit entryOn = limits::Switch("진입");
  FieldLimit entryFeed = limits::Feed("진입 Feed");
  FieldLimit exitFeedOn = limits::Switch("복귀 Feed");
  FieldLimit exitOn = limits::Switch("복귀");
  FieldLimit exitFeed = limits::Feed("복귀 Feed");
  FieldLimit entryLineOn = limits::Switch("진입 직선길이");
  FieldLimit exitLineOn = limits::Switch("복귀 직선길이");
  FieldLimit entryArcOn = limits::Switch("진입 Arc 반경");
  FieldLimit entryArcAngle{"진입 ARC 각도", 0, 360};
  FieldLimit entryLineLength = limits::Length("진입 직선길이");
  FieldLimit entryArcRadius = limits::Length("진입 Arc 반경");
  FieldLimit exitArcAngle{"복귀 ARC 각도", 0, 360};
  FieldLimit exitArcOn = limits::Switch("복귀 Arc 반경");
  FieldLimit exitLineLength = limits::Length("복귀 직선길이");
  FieldLimit exitArcRadius = limits::Length("복귀 Arc 반경");
  FieldLimit entryLineAngle = limits::Angle("진입 직선 각도");
  FieldLimit exitLineAngle = limits::Angle("복귀 직선 각도");
  FieldLimit zEntryLength = limits::Length("Z 진입 길이");
};
inline constexpr LeadInOutLimits kLeadInOutLimits{};

struct PlungeLimits {
  FieldLimit method{"플런지 방식", 1, 3};
  FieldLimit extent{"각도 플런지", 1, 3};
  FieldLimit plungeFeedOn = limits::Switch("플런지 피드");
  FieldLimit plungeFeed = limits::Feed("플런지 피드");
  FieldLimit anglePlungeLength = limits::Length("각도 플런지 길이");
  FieldLimit zAngle{"Z각도", 0, 90};
  FieldLimit xyAngle = limits::Angle("XY 각도");
  FieldLimit helixRadius = limits::Length("원형 반 경");
  FieldLimit helixLength = limits::Length("원형 길 이");
  FieldLimit helixCircleLength = limits::Length("원형길이");
  FieldLimit slotLength = limits::Length("홈 길이");
  FieldLimit slotDepth = limits::Length("홈 깊이");
  // A pitch of 0 would make endless turns.
  FieldLimit slotPitchAngle{"홈 피치 각도", 0.01, 90};
  FieldLimit slotPlungeLength = limits::Length("홈 플런지 길이");
  FieldLimit helixPitchAngle{"원형 피치 각도", 0.01, 90};
  FieldLimit returnAtCuttingFeed = limits::Switch("절삭이송 복귀");
};
inline constexpr PlungeLimits kPlungeLimits{};

struct RapidLinkLimits {
  FieldLimit minDistance{"최소 거리", 0, 10000};
};
inline constexpr RapidLinkLimits kRapidLinkLimits{};

// The tool-number line that pocket passes, profile and drill share.
struct ToolNumberLimits {
  FieldLimit toolNumberOn;
  FieldLimit toolNumber;
  FieldLimit lengthOffsetOn;
  FieldLimit lengthOffsetNumber;
};

constexpr ToolNumberLimits MillingToolNumberLimits(const char* on, const char* number, const char* offsetOn,
                                                   const char* offset) {
  return {limits::Switch(on), limits::ToolNumber(number), limits::Switch(offsetOn), limits::ToolNumber(offset)};
}

// The pass fields that the 2D and the 3D pocket check alike; each adds its
// levels and its roughing and finishing allowances.
struct PocketPassLimits {
  FieldLimit cutDirection{"가공 방향", 0, 1};
  FieldLimit pattern{"가공방법", 0, 3};
  ToolNumberLimits roughTool = MillingToolNumberLimits("황삭 번호", "황삭 번호", "황삭 장보정", "황삭 장보정");
  ToolNumberLimits finishTool = MillingToolNumberLimits("정삭 번호", "정삭 번호", "정삭 장보정", "정삭 장보정");
  ToolNumberLimits restTool = MillingToolNumberLimits("잔삭 번호", "잔삭 번호", "잔삭 장보정", "잔삭 장보정");
  FieldLimit retractHeight = limits::Height("복귀 높이");
  FieldLimit roughOn = limits::Switch("황삭가공");
  FieldLimit roughFeed = limits::Feed("황삭 Feed");
  FieldLimit linkFeedOn = limits::Switch("연결 Feed");
  FieldLimit linkFeed{"연결 Feed", 1, 10000};
  FieldLimit roughSpindleOn = limits::Switch("황삭 주축회전수");
  FieldLimit roughSpindle{"황삭 주축회전수", 0, 100000};
  FieldLimit roughAngle = limits::Angle("황삭가공각도");
  // Smaller steps make passes by the million.
  FieldLimit roughStepover{"황삭 Stepover", 0.01, 1000};
  FieldLimit startOutside = limits::Switch("외곽 시작");
  FieldLimit retractBetweenLevels = limits::Switch("레벨간 복귀");
  FieldLimit startPointOn = limits::Switch("시작점");
  FieldLimit startX = limits::Position("시작점 X");
  FieldLimit startY = limits::Position("시작점 Y");
  FieldLimit startZ = limits::Position("시작점 Z");
  FieldLimit finishOn = limits::Switch("정삭가공");
  FieldLimit finishFeed = limits::Feed("정삭 Feed");
  FieldLimit finishSpindleOn = limits::Switch("정삭 주축회전수");
  FieldLimit finishSpindle = limits::Spindle("정삭 주축회전수");
  FieldLimit finishPasses{"정삭 횟수", 1, 1000};
  FieldLimit cornerRound = limits::Switch("코너 라운드");
  FieldLimit finishStepover{"정삭 Stepover", 0, 1000};
  FieldLimit restOn = limits::Switch("잔삭가공");
  FieldLimit restFeed = limits::Feed("잔삭 Feed");
  FieldLimit restSpindleOn = limits::Switch("잔삭 주축회전수");
  FieldLimit restSpindle = limits::Spindle("잔삭 주축회전수");
  FieldLimit restAllowance = limits::Allowance("잔삭 가공 여유");
  FieldLimit restAfterFinish = limits::Switch("정삭후 잔삭");
};

struct PocketLimits : PocketPassLimits {
  FieldLimit absoluteZ = limits::AnyFlag("절대값");
  FieldLimit islandTaperOn = limits::Switch("Island 경사");
  FieldLimit islandZAllowanceOn = limits::Switch("Island  Z 허용");
  FieldLimit zStart = limits::Height("Z 시작");
  FieldLimit zDepth = limits::Height("Z 깊이");
  FieldLimit roughZStep{"황삭 Z Step", 0, 1000};
  FieldLimit finishZPasses{"Z 정삭 횟수", 0, 100};
  FieldLimit finishZStep{"정삭 Z Step", 0, 100};
  FieldLimit zTaper{"Z 경사", 0, 1000};
  FieldLimit islandTaper{"Island 경사", 0, 1000};
  FieldLimit roughAllowance = limits::Allowance("황삭 가공여유");
  FieldLimit finishAllowance = limits::Allowance("정삭 가공 여유");
};
inline constexpr PocketLimits kPocketLimits{};

struct ProfileLimits {
  FieldLimit side{"가공 방향", 0, 2};
  ToolNumberLimits tool = MillingToolNumberLimits("공구번호", "공구번호", "공구 장보정", "공구 장보정");
  FieldLimit absoluteZ = limits::Switch("Z 절대값");
  FieldLimit retractHeight = limits::Height("복귀 높이");
  FieldLimit zStart = limits::Height("Z 시작");
  FieldLimit zDepth = limits::Height("Z 깊이");
  FieldLimit zStepover{"Z Stepover", 0, 1000};
  // The taper is an angle whose tangent widens each level.
  FieldLimit zTaper{"Z 경사", -89, 89};
  FieldLimit feed = limits::Feed("Feed");
  FieldLimit spindleOn = limits::Switch("주축회전수");
  FieldLimit spindleSpeed = limits::Spindle("주축회전수");
  FieldLimit passes{"Profile 횟수", 1, 1000};
  FieldLimit allowance = limits::Allowance("가공여유");
  FieldLimit stepover{"Stepover", 0, 1000};
  FieldLimit middleStart = limits::Switch("중간점 시작");
};
inline constexpr ProfileLimits kProfileLimits{};

// The drill dialog's and the multi-cycle dialog's fields, which share the record.
struct DrillLimits {
  FieldLimit cycleIndex{"가공 싸이클", 0, 11};
  ToolNumberLimits tool{limits::Switch("번호"), {"번호", 0, 100000}, limits::Switch("장보정"), {"장보정", 0, 10000}};
  FieldLimit toolType{"공구", 0, 9};
  FieldLimit diameter{"공구직경", 0.01, 100000};
  FieldLimit length{"공구길이", 0.01, 10000};
  FieldLimit tipCompensationOn = limits::Switch("드릴날 보정");
  FieldLimit throughLength{"관통량(길이)", -10000, 10000};
  FieldLimit tipLength{"날끝 길이", -100000, 100000};
  FieldLimit tipAngle{"날끝 각도", 1, 180};
  FieldLimit retractRelative = limits::Switch("복귀 높이 상대값");
  FieldLimit zStartRelative = limits::Switch("Z 시작 상대값");
  FieldLimit zDepthRelative = limits::Switch("Z 깊이 상대값");
  FieldLimit retractHeight{"복귀 높이", -100000, 100000};
  FieldLimit zStart{"Z 시작", -9999, 10000};
  FieldLimit zDepth = limits::Height("Z 깊이");
  FieldLimit feed{"Feed", 0, 100000};
  FieldLimit spindleOn = limits::Switch("주축회전수");
  FieldLimit spindleSpeed = limits::Spindle("주축회전수");
  FieldLimit coolantOn = limits::Switch("절삭유");
  FieldLimit initialReturn = limits::Switch("초기복귀");
  FieldLimit startPointOn = limits::Switch("시작점");
  FieldLimit startX = limits::Position("시작점 X");
  FieldLimit startY = limits::Position("시작점 Y");
  FieldLimit startZ = limits::Position("시작점 Z");
  FieldLimit firstPeck{"처음펙", 0, 10000};
  FieldLimit nextPeck{"다음펙", 0, 100000};
  FieldLimit peckReturn{"펙 복귀", 0, 10000};
  FieldLimit chipBreak{"칩 브레이크", -999999, 999999};
  FieldLimit dwell{"드웰", 0, 100000};
  FieldLimit shift{"쉬프트", -10000, 10000};
};
inline constexpr DrillLimits kDrillLimits{};

// The solid extrude dialog (SolExt). The modeler cannot lean a wall 90 degrees.
struct SolidExtrudeLimits {
  FieldLimit startHeight = limits::Height("돌출 시작 높이");
  FieldLimit length = limits::Height("돌출 길이");
  FieldLimit outerTaperAngle{"경사 각도", 0, 89};
  FieldLimit innerTaperAngle{"경사 각도", 0, 89};
  FieldLimit innerDepth = limits::Length("내측 깊이");
};
inline constexpr SolidExtrudeLimits kSolidExtrudeLimits{};

// The facet settings of a drawing (SETCOLORINDEX, SETDEVIATION).
struct FacetSettingsLimits {
  FieldLimit colorIndex{"color index", 1, 256};
  FieldLimit deviation{"facet deviation", 0.005, 0.1};
};
inline constexpr FacetSettingsLimits kFacetSettingsLimits{};
