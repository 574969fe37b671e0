// Control ids of the drill and multi-cycle dialogs.
#pragma once

namespace drill_ids {

constexpr int kNameEdit = 200;
constexpr int kToolButton = 271;
constexpr int kZStartEdit = 278;
constexpr int kZDepthEdit = 279;
constexpr int kToolNumberEdit = 322;
constexpr int kLengthOffsetEdit = 323;
constexpr int kToolNumberCheck = 324;
constexpr int kLengthOffsetCheck = 325;
constexpr int kSpindleCheck = 328;
constexpr int kCoolantCheck = 329;
constexpr int kSelectButton = 359;
constexpr int kCycleCombo = 360;
constexpr int kFirstPeckEdit = 361;
constexpr int kNextPeckEdit = 362;
constexpr int kPeckReturnEdit = 363;
constexpr int kDwellEdit = 364;
constexpr int kShiftEdit = 365;
constexpr int kSpindleEdit = 366;
constexpr int kFeedEdit = 367;
constexpr int kStartPointCheck = 369;
constexpr int kStartXEdit = 370;
constexpr int kStartYEdit = 371;
constexpr int kStartZEdit = 372;
constexpr int kPickStartButton = 373;
constexpr int kChipBreakEdit = 374;
constexpr int kFirstModeRadio = 391;
constexpr int kLastModeRadio = 395;
constexpr int kTipCheck = 396;
constexpr int kTipButton = 397;
constexpr int kAutoSelectCheck = 404;
constexpr int kRetractRelativeCheck = 405;
constexpr int kZStartRelativeCheck = 406;
constexpr int kZDepthRelativeCheck = 407;
constexpr int kCirclesOnlyCheck = 408;
constexpr int kSortButton = 409;
constexpr int kCycleList = 446;
constexpr int kRegisterButton = 447;
constexpr int kDeleteButton = 448;
constexpr int kInsertButton = 449;
constexpr int kClearButton = 450;
constexpr int kLoadButton = 451;
constexpr int kSaveButton = 452;
constexpr int kInitialReturnCheck = 593;
constexpr int kRetractEdit = 4010;

}  // namespace drill_ids
