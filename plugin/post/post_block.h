// One block of a post definition: its template lines, what each line names
// (scanned once when the line is added) and whether it is written at all.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The blocks in the order the post dialog holds them and the loader tests headers.
enum PostBlockId {
  kDefineBlock = 0,
  kStartBlock,
  kFromBlock,
  kCutBlock,
  kRapidBlock,
  kArcBlock,
  kDrillBlock,
  kPeckDrillBlock,
  kChipBreakBlock,
  kTapBlock,
  kBoringSpindleBlock,
  kBoringFeedBlock,
  kBoringShiftBlock,
  kCycleCancelBlock,
  kUserCycle1Block,
  kUserCycle2Block,
  kUserCycle3Block,
  kUserCycle4Block,
  kUserCycle5Block,
  kToolBlock,
  kSpindleBlock,
  kCoolentBlock,
  kMidTermBlock,
  kTermBlock,
  kPostBlockCount
};

// Block types: only cycle blocks expand differently.
constexpr int kOrdinaryBlockType = 0;
constexpr int kRapidBlockType = 2;
constexpr int kCutBlockType = 4;
constexpr int kCycleBlockType = 11;
constexpr int kArcBlockType = 12;

// "[Start]" and so on.
const char* PostBlockHeader(int block);
int PostBlockType(int block);
// The cycle index a cycle block stands for; -1 for the others.
int PostBlockCycleIndex(int block);
// The cycle block of a drill cycle index (0 to 12); -1 for other indices.
int PostBlockOfCycle(int cycleIndex);

// Mode-word bits, the same for the bracketed and the bare forms.
enum PostModeWordBit : uint8_t {
  kCycleReturnWord = 1 << 0,
  kCycleModeWord = 1 << 1,
  kArcModeWord = 1 << 2,
  kRapidModeWord = 1 << 3,
  kCutModeWord = 1 << 4,
  kArcPlaneWord = 1 << 5,
  kToolSizeWords = 1 << 6,  // bare only
};

// Letter masks: bit n for the n-th capital letter.
struct PostLineMasks {
  uint32_t bracketed = 0;
  uint32_t bare = 0;
  uint32_t asked = 0;
  uint8_t bracketedWords = 0;
  uint8_t bareWords = 0;
};

constexpr uint32_t LetterBit(char letter) { return 1u << (letter - 'A'); }

PostLineMasks ScanPostLine(std::string_view line);

class PostBlock {
 public:
  // Lines, masks and text go; type, cycle index and the present flag stay.
  void Clear();
  // The line is kept as given (template lines end with CR LF).
  void AddLine(std::string line);
  // Replaces the lines with the text cut at each CR LF (text after the last
  // one is dropped); present when any line came of it. The editor's OK.
  void SetEditedText(std::string_view text);

  const std::vector<std::string>& lines() const { return lines_; }
  const std::vector<PostLineMasks>& masks() const { return masks_; }
  int lineCount() const { return static_cast<int>(lines_.size()); }
  const std::string& fullText() const { return text_; }

  int type = kOrdinaryBlockType;
  int cycleIndex = 0;
  bool present = false;

 private:
  std::vector<std::string> lines_;
  std::vector<PostLineMasks> masks_;
  std::string text_;
};
