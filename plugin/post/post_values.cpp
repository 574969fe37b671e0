#include "plugin/post/post_values.h"

#include <string_view>

#include "plugin/post/post_block.h"
#include "plugin/post/post_number_text.h"

namespace {

constexpr std::array<const char*, kPostCycleWordCount> kDefaultCycleWords = {"G98", "G99", "G81", "G83", "G73",
                                                                             "G84", "G89", "G86", "G76"};
constexpr const char* kDefaultUserCycleWord = "G81";
constexpr std::array<const char*, kPostModeWordCount> kDefaultModeWords = {"G00", "G01", "G02", "G03",
                                                                           "G17", "G18", "G19"};

void SetDefaultWords(PostValues& values) {
  for (int i = 0; i < kPostCycleWordCount; ++i) values.cycleWords[i] = kDefaultCycleWords[i];
  for (std::string& word : values.userCycleWords) word = kDefaultUserCycleWord;
  for (int i = 0; i < kPostModeWordCount; ++i) values.modeWords[i] = kDefaultModeWords[i];
}

enum class SettingKind { kInt, kReal, kText, kPlane };

struct Setting {
  const char* key;
  SettingKind kind;
  void* (*field)(PostValues&);
};

template <auto Member>
void* FieldOf(PostValues& values) {
  return &(values.*Member);
}
template <int Index>
void* CycleWordField(PostValues& values) {
  return &values.cycleWords[Index];
}
template <int Index>
void* UserCycleField(PostValues& values) {
  return &values.userCycleWords[Index];
}
template <int Index>
void* ModeWordField(PostValues& values) {
  return &values.modeWords[Index];
}

// In the order they are tested: the first key a line contains wins.
const Setting kSettings[] = {
    {"$F=", SettingKind::kInt, FieldOf<&PostValues::F>},
    {"$H=", SettingKind::kInt, FieldOf<&PostValues::H>},
    {"$I=", SettingKind::kReal, FieldOf<&PostValues::I>},
    {"$J=", SettingKind::kReal, FieldOf<&PostValues::J>},
    {"$K=", SettingKind::kReal, FieldOf<&PostValues::K>},
    {"$N=", SettingKind::kInt, FieldOf<&PostValues::N>},
    {"$O=", SettingKind::kInt, FieldOf<&PostValues::O>},
    {"$S=", SettingKind::kInt, FieldOf<&PostValues::S>},
    {"$T=", SettingKind::kInt, FieldOf<&PostValues::T>},
    {"$R=", SettingKind::kReal, FieldOf<&PostValues::R>},
    {"$X=", SettingKind::kReal, FieldOf<&PostValues::X>},
    {"$Y=", SettingKind::kReal, FieldOf<&PostValues::Y>},
    {"$Z=", SettingKind::kReal, FieldOf<&PostValues::Z>},
    {"$arc_plane=", SettingKind::kPlane, FieldOf<&PostValues::plane>},
    {"$rapid_mode=", SettingKind::kText, ModeWordField<kRapidModeText>},
    {"$cut_mode=", SettingKind::kText, ModeWordField<kCutModeText>},
    {"$cw_arc=", SettingKind::kText, ModeWordField<kCwArcText>},
    {"$ccw_arc=", SettingKind::kText, ModeWordField<kCcwArcText>},
    {"$xy_plane=", SettingKind::kText, ModeWordField<kXyPlaneText>},
    {"$zx_plane=", SettingKind::kText, ModeWordField<kZxPlaneText>},
    {"$yz_plane=", SettingKind::kText, ModeWordField<kYzPlaneText>},
    {"$ArcHelix=", SettingKind::kInt, FieldOf<&PostValues::helixSwitch>},
    {"$cyc_init=", SettingKind::kText, CycleWordField<kCycleInitWord>},
    {"$cyc_r=", SettingKind::kText, CycleWordField<kCycleRWord>},
    {"$drill=", SettingKind::kText, CycleWordField<kDrillWord>},
    {"$peck_drill=", SettingKind::kText, CycleWordField<kPeckDrillWord>},
    {"$chip_drill=", SettingKind::kText, CycleWordField<kChipDrillWord>},
    {"$tap_cyc=", SettingKind::kText, CycleWordField<kTapWord>},
    {"$bor_feed=", SettingKind::kText, CycleWordField<kBoringFeedWord>},
    {"$bor_spindle=", SettingKind::kText, CycleWordField<kBoringSpindleWord>},
    {"$bor_shift=", SettingKind::kText, CycleWordField<kBoringShiftWord>},
    {"$user_cycle1=", SettingKind::kText, UserCycleField<0>},
    {"$user_cycle2=", SettingKind::kText, UserCycleField<1>},
    {"$user_cycle3=", SettingKind::kText, UserCycleField<2>},
    {"$user_cycle4=", SettingKind::kText, UserCycleField<3>},
    {"$user_cycle5=", SettingKind::kText, UserCycleField<4>},
};

constexpr const char* kBlanks = " \t\r\n\v\f";

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::string();
  const size_t last = text.find_last_not_of(kBlanks);
  return std::string(text.substr(first, last - first + 1));
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

void ApplyPlane(std::string_view value, int& plane) {
  const std::string_view digits = value.substr(0, 2);
  if (digits == "17") {
    plane = kPlaneXY;
  } else if (digits == "18") {
    plane = kPlaneZX;
  } else if (digits == "19") {
    plane = kPlaneYZ;
  }
}

void Apply(const Setting& setting, std::string_view value, PostValues& values) {
  void* field = setting.field(values);
  switch (setting.kind) {
    case SettingKind::kInt:
      *static_cast<int*>(field) = LeadingInt(value);
      break;
    case SettingKind::kReal:
      *static_cast<double*>(field) = LeadingReal(value);
      break;
    case SettingKind::kText:
      // Blanks before a removed comment are no part of the word.
      *static_cast<std::string*>(field) = Trimmed(value);
      break;
    case SettingKind::kPlane:
      ApplyPlane(value, *static_cast<int*>(field));
      break;
  }
}

void ParseDefineLine(std::string line, PostValues& values) {
  line = Trimmed(line);
  ReplaceAll(line, "\\r", "\r");
  ReplaceAll(line, "\\n", "\n");
  const size_t comment = line.find("//");
  if (comment != std::string::npos) line.erase(comment);
  for (const Setting& setting : kSettings) {
    const size_t at = line.find(setting.key);
    if (at == std::string::npos) continue;
    Apply(setting, std::string_view(line).substr(at + std::string_view(setting.key).size()), values);
    return;
  }
}

}  // namespace

void InitialiseCurrentValues(PostValues& values) {
  values = PostValues();
  SetDefaultWords(values);
}

void ResetWrittenValues(PostValues& values) {
  values = PostValues();
  values.I = values.J = values.K = -1.0;
  values.X = values.Y = values.Z = -1.0;
  values.R = -1.0;
  values.F = values.S = values.T = values.H = -1;
  SetDefaultWords(values);
}

const std::string& CycleWordOf(const PostValues& values, int cycleIndex) {
  static const std::string kNone;
  if (cycleIndex >= 0 && cycleIndex <= 6) return values.cycleWords[kDrillWord + cycleIndex];
  if (cycleIndex >= 7 && cycleIndex <= 11) return values.userCycleWords[cycleIndex - 7];
  return kNone;
}

void ParseDefineSettings(const PostBlock& define, PostValues& values) {
  for (const std::string& line : define.lines()) ParseDefineLine(line, values);
}
