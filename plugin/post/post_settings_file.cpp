#include "plugin/post/post_settings_file.h"

#include <algorithm>

#include "platform/win/regular_file_reader.h"
#include "platform/win/win_paths.h"
#include "plugin/shell/settings/message_table.h"

namespace {

constexpr const char* kEndMark = "[End]";
constexpr const char* kBlanks = " \t\r\n\v\f";

// The order in which the saver writes the template blocks.
constexpr std::array<int, kPostBlockCount - 1> kSaveOrder = {
    kStartBlock,       kFromBlock,        kCutBlock,        kRapidBlock,      kArcBlock,           kToolBlock,
    kDrillBlock,       kPeckDrillBlock,   kChipBreakBlock,  kTapBlock,        kBoringSpindleBlock, kBoringFeedBlock,
    kBoringShiftBlock, kCycleCancelBlock, kUserCycle1Block, kUserCycle2Block, kUserCycle3Block,    kUserCycle4Block,
    kUserCycle5Block,  kSpindleBlock,     kCoolentBlock,    kMidTermBlock,    kTermBlock,
};

constexpr const char* kDefaultDefine[] = {
    "//  default setting",
    "//",
    "//$rapid_mode=G00",
    "//$cut_mode=G01",
    "//$cw_arc=G02",
    "//$ccw_arc=G03",
    "//$xy_plane=G17",
    "//$zx_plane=G18",
    "//$yz_plane=G19",
    "//$ArcHelix=1",
    "//$cyc_init=G98",
    "//$cyc_r=G99",
    "//$drill=G81",
    "//$peck_drill=G83",
    "//$chip_drill=G73",
    "//$tap_cyc=G84",
    "//$bor_feed=G89",
    "//$bor_spindle=G86",
    "//$bor_shift=G76",
    "//$user_cycle1=G81",
    "//$user_cycle2=G81",
    "//$user_cycle3=G81",
    "//$user_cycle4=G81",
    "//$user_cycle5=G81",
    "//",
};

constexpr const char* kDrillLine = "[$cyc_ret][$cyc_mode][$X][$Y][$Z][$R][$F]";
constexpr const char* kPeckLine = "[$cyc_ret][$cyc_mode][$X][$Y][$Z][$R][$Q][$F]";
constexpr const char* kBoringLine = "[$cyc_ret][$cyc_mode][$X][$Y][$Z][$R][$P][$F]";
constexpr const char* kShiftLine = "[$cyc_ret][$cyc_mode][$X][$Y][$Z][$R][$P][$Q][$F]";

std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::string();
  return std::string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

// The block whose header the line holds, tested in block order; -1 for none.
int HeaderIn(std::string_view line) {
  for (int id = 0; id < kPostBlockCount; ++id) {
    if (line.find(PostBlockHeader(id)) != std::string_view::npos) return id;
  }
  return -1;
}

// A definition is a few kilobytes of text.
constexpr std::uintmax_t kLargestDefinition = std::uintmax_t{16} << 20;

bool ReadWhole(const std::string& path, std::string& text) {
  return win::ReadRegularFile(win::ToUnixPath(path), kLargestDefinition, text) == win::FileRead::kRead;
}

bool HasControlCharacter(std::string_view line) {
  return std::any_of(line.begin(), line.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t') || byte == 0x7f;
  });
}

// "[$X]" for a capital letter, or "[$" and a mode word and "]".
std::optional<std::string> UnknownBracketedVariable(std::string_view line) {
  static constexpr std::string_view kWords[] = {"cyc_ret", "cyc_mode", "arc_mode", "rapid_mode", "cut_mode", "arc_plane"};
  for (size_t at = line.find("[$"); at != std::string_view::npos; at = line.find("[$", at + 2)) {
    const size_t close = line.find(']', at);
    const std::string_view name = line.substr(at + 2, close == std::string_view::npos ? 0 : close - at - 2);
    const bool letter = name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z';
    if (close != std::string_view::npos &&
        (letter || std::find(std::begin(kWords), std::end(kWords), name) != std::end(kWords))) {
      continue;
    }
    return std::string(line.substr(at, close == std::string_view::npos ? std::string_view::npos : close - at + 1));
  }
  return std::nullopt;
}

std::string Formatted(const CString& format, const char* a, const char* b = "") {
  CString text;
  text.Format(format, a, b);
  return text.str();
}

}  // namespace

std::optional<PostDefinitionProblem> CheckPostDefinition(std::string_view text) {
  int number = 0;
  int open = -1, openLine = 0;
  bool anySection = false;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    const std::string line = Trimmed(raw);
    if (HasControlCharacter(line)) return PostDefinitionProblem{number, MsgPostControlCharacter.str()};
    const bool endMark = line.find(kEndMark) != std::string::npos;
    const int header = endMark ? -1 : HeaderIn(line);
    if (open < 0) {
      if (endMark) return PostDefinitionProblem{number, MsgPostStrayEnd.str()};
      if (header >= 0) {
        open = header;
        openLine = number;
        anySection = true;
      }
      continue;
    }
    if (endMark) {
      open = -1;
    } else if (header >= 0) {
      return PostDefinitionProblem{number,
                                   Formatted(MsgPostHeaderInSection, PostBlockHeader(open), PostBlockHeader(header))};
    } else if (open != kDefineBlock) {
      if (const std::optional<std::string> unknown = UnknownBracketedVariable(line)) {
        return PostDefinitionProblem{number, Formatted(MsgPostUnknownVariable, unknown->c_str())};
      }
    }
  }
  if (open >= 0) return PostDefinitionProblem{openLine, Formatted(MsgPostSectionNotClosed, PostBlockHeader(open))};
  if (!anySection) return PostDefinitionProblem{1, MsgPostNoSection.str()};
  return std::nullopt;
}

std::string DefaultPostBlockText(int block) {
  switch (block) {
    case kDefineBlock: {
      std::string text;
      for (const char* line : kDefaultDefine) text += std::string(line) + "\r\n";
      return text;
    }
    case kStartBlock:
      return Lines({"%", "O$O", "G90G17X$XY$YZ$Z"});
    case kFromBlock:
      return Lines({"[$rapid_mode][$Z]", "[$X][$Y]"});
    case kCutBlock:
      return Lines({"[$cut_mode][$X][$Y][$Z][$F]"});
    case kRapidBlock:
      return Lines({"[$rapid_mode][$X][$Y][$Z]"});
    case kArcBlock:
      // The centre words follow the arc's plane: I J, I K or J K.
      return Lines({"[$arc_plane][$arc_mode][$X][$Y][$Z][$I][$J][$K][$F]"});
    case kDrillBlock:
    case kTapBlock:
      return Lines({kDrillLine});
    case kPeckDrillBlock:
    case kChipBreakBlock:
      return Lines({kPeckLine});
    case kBoringSpindleBlock:
    case kBoringFeedBlock:
      return Lines({kBoringLine});
    case kBoringShiftBlock:
    case kUserCycle1Block:
    case kUserCycle2Block:
    case kUserCycle3Block:
    case kUserCycle4Block:
    case kUserCycle5Block:
      return Lines({kShiftLine});
    case kCycleCancelBlock:
      return Lines({"G80"});
    case kToolBlock:
      return Lines({"G49", "G28G91Z0.0T$TM06", "G90", "G43Z$ZH$H"});
    case kSpindleBlock:
      return Lines({"S$SM03"});
    case kCoolentBlock:
      return Lines({"M08"});
    case kMidTermBlock:
      return Lines({"M09"});
    case kTermBlock:
      return Lines({"M30", "%"});
    default:
      return std::string();
  }
}

PostSettingsFile::PostSettingsFile() {
  for (int id = 0; id < kPostBlockCount; ++id) {
    blocks_[id].type = PostBlockType(id);
    blocks_[id].cycleIndex = std::max(PostBlockCycleIndex(id), 0);
  }
}

void PostSettingsFile::FillDefaults() {
  for (int id = 0; id < kPostBlockCount; ++id) {
    const bool present = blocks_[id].present;
    blocks_[id].SetEditedText(DefaultPostBlockText(id));
    blocks_[id].present = present;
  }
}

void PostSettingsFile::UseDefaults() {
  FillDefaults();
  for (int id = 0; id < kPostBlockCount; ++id) blocks_[id].present = id != kDefineBlock;
}

PostSettingsFile::LoadResult PostSettingsFile::Load(const std::string& path, PostDefinitionProblem* problem) {
  std::string text;
  LoadResult result = LoadResult::kRead;
  if (!ReadWhole(path, text)) {
    if (!ReadWhole(path + ".ppr", text)) {
      UseDefaults();
      return LoadResult::kDefaultsInForce;
    }
    result = LoadResult::kReadWithExtension;
  }
  if (const std::optional<PostDefinitionProblem> found = CheckPostDefinition(text)) {
    if (problem != nullptr) *problem = *found;
    return LoadResult::kRefused;
  }
  LoadText(text);
  return result;
}

void PostSettingsFile::LoadText(std::string_view text) {
  FillDefaults();
  for (PostBlock& block : blocks_) block.present = false;
  PostBlock* section = nullptr;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::string line = Trimmed(raw);
    if (section == nullptr) {
      const int id = HeaderIn(line);
      if (id < 0) continue;
      section = &blocks_[id];
      section->Clear();
      section->present = false;
    } else if (line.find(kEndMark) != std::string::npos) {
      section = nullptr;
    } else {
      section->AddLine(line + "\r\n");
      section->present = true;
    }
  }
}

std::string PostSettingsFile::SaveText() const {
  std::string text = "\r\n[Define]\r\n" + blocks_[kDefineBlock].fullText() + "[End]\r\n";
  for (int id : kSaveOrder) {
    text += "\r\n";
    text += PostBlockHeader(id);
    text += "\r\n";
    text += blocks_[id].fullText();
    text += "[End]\r\n";
  }
  return text;
}
