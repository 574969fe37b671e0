#include "plugin/post/post_block_engine.h"

#include <cmath>
#include <string_view>

#include "plugin/post/post_number_text.h"

namespace {

constexpr double kCoordinateTolerance = 0.001;
// A difference of exactly 0.001 counts, though its binary form falls short.
constexpr double kToleranceSlack = 1e-9;
constexpr int kLargestSequenceNumber = 9999;

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

void CollapseDoubledReturns(std::string& text) {
  if (text.find("\r\r\n") != std::string::npos) ReplaceAll(text, "\r\r\n", "\r\n");
}

bool Moved(double now, double last) { return std::abs(now - last) >= kCoordinateTolerance - kToleranceSlack; }

std::string LetterValue(char letter, double value) {
  std::string text(1, letter);
  AppendTrimmed(text, value);
  return text;
}

std::string LetterInt(char letter, long long value) {
  std::string text(1, letter);
  AppendInt(text, value);
  return text;
}

std::string IntText(long long value) {
  std::string text;
  AppendInt(text, value);
  return text;
}

// The number [$N] and $N write; N then advances, wrapping as each form does.
int TakeSequenceNumber(PostValues& current, int afterWrap) {
  if (current.N > kLargestSequenceNumber || current.N < 0) current.N = 0;
  const int number = current.N;
  ++current.N;
  if (current.N > kLargestSequenceNumber) current.N = afterWrap;
  return number;
}

// Whether an arc writes the centre offset on this axis: the plane's two axes only.
bool CentreAxisInPlane(char letter, int plane) {
  switch (plane) {
    case kPlaneZX:
      return letter == 'I' || letter == 'K';
    case kPlaneYZ:
      return letter == 'J' || letter == 'K';
    default:
      return letter == 'I' || letter == 'J';
  }
}

double CentreOffset(char letter, const PostValues& values) {
  return letter == 'I' ? values.I : letter == 'J' ? values.J : values.K;
}

class LineExpander {
 public:
  LineExpander(int blockType, PostValues& current, const PostValues& written, PostValueAsker* asker,
               PostWrittenWords& words)
      : cycle_(blockType == kCycleBlockType),
        arc_(blockType == kArcBlockType),
        c_(current),
        l_(written),
        asker_(asker),
        words_(words) {}

  void Run(std::string& text, const PostLineMasks& masks) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      if (masks.bracketed & LetterBit(letter)) ReplaceBracketed(text, letter);
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      if (masks.bare & LetterBit(letter)) ReplaceBare(text, letter);
    }
    CollapseDoubledReturns(text);
    for (char letter : std::string_view("ABCFHIJKNOPQSTXYZ")) {
      if (masks.asked & LetterBit(letter)) ReplaceAsked(text, letter);
    }
    if (masks.bracketedWords != 0) ReplaceBracketedModeWords(text, masks.bracketedWords);
    if (masks.bareWords != 0) ReplaceBareModeWords(text, masks.bareWords);
    CollapseDoubledReturns(text);
  }

 private:
  void Put(std::string& text, char letter, const std::string& value, bool write) {
    const char pattern[] = {'[', '$', letter, ']', '\0'};
    ReplaceAll(text, pattern, write ? std::string_view(value) : std::string_view());
    if (write) words_.letters |= LetterBit(letter);
  }

  void ReplaceBracketed(std::string& text, char letter) {
    switch (letter) {
      case 'A':
      case 'B':
      case 'C': {
        const double now = cycle_ ? CycleRotary(c_, letter) : Rotary(c_, letter);
        const double last = cycle_ ? CycleRotary(l_, letter) : Rotary(l_, letter);
        Put(text, letter, LetterInt(letter, static_cast<long long>(now)), now != last);
        break;
      }
      case 'F':
        Put(text, letter, LetterInt('F', c_.F), c_.F != l_.F);
        break;
      case 'H':
        Put(text, letter, LetterInt('H', c_.H), true);
        break;
      case 'I':
      case 'J':
      case 'K':
        ReplaceBracketedCentre(text, letter);
        break;
      case 'N':
        Put(text, letter, LetterInt('N', TakeSequenceNumber(c_, 1)), true);
        break;
      case 'R':
        if (cycle_) {
          Put(text, letter, LetterValue('R', c_.cycleR), c_.cycleR != l_.cycleR || c_.firstCycle);
        } else {
          Put(text, letter, LetterValue('R', c_.R), arc_ || c_.R != l_.R);
        }
        break;
      case 'P':
        Put(text, letter, LetterValue('P', c_.cycleP), cycle_ && (c_.cycleP != l_.cycleP || c_.firstCycle));
        break;
      case 'Q':
        Put(text, letter, LetterValue('Q', c_.cycleQ), cycle_ && (c_.cycleQ != l_.cycleQ || c_.firstCycle));
        break;
      case 'T':
        Put(text, letter, IntText(c_.T), true);
        break;
      case 'X':
        Put(text, letter, LetterValue('X', c_.X), Moved(c_.X, l_.X));
        break;
      case 'Y':
        Put(text, letter, LetterValue('Y', c_.Y), Moved(c_.Y, l_.Y));
        break;
      case 'Z':
        if (cycle_) {
          Put(text, letter, LetterValue('Z', c_.cycleZ), c_.cycleZ != l_.cycleZ || c_.firstCycle);
        } else {
          Put(text, letter, LetterValue('Z', c_.Z), Moved(c_.Z, l_.Z));
        }
        break;
      default:
        break;  // other letters stand as they are
    }
  }

  // Arcs carry their centre on every block, on the two axes of their plane.
  void ReplaceBracketedCentre(std::string& text, char letter) {
    if (arc_) {
      Put(text, letter, LetterValue(letter, CentreOffset(letter, c_)), CentreAxisInPlane(letter, c_.plane));
    } else if (letter == 'K' && cycle_) {
      Put(text, letter, LetterInt('K', c_.cycleK), c_.cycleK != l_.cycleK || c_.firstCycle);
    } else {
      const double now = CentreOffset(letter, c_);
      Put(text, letter, LetterValue(letter, now), now != CentreOffset(letter, l_));
    }
  }

  void PutBare(std::string& text, char letter, const std::string& value) {
    const char pattern[] = {'$', letter, '\0'};
    ReplaceAll(text, pattern, value);
    words_.letters |= LetterBit(letter);
  }

  void DropBare(std::string& text, char letter) {
    const char pattern[] = {'$', letter, '\0'};
    ReplaceAll(text, pattern, "");
  }

  void ReplaceBare(std::string& text, char letter) {
    switch (letter) {
      case 'A':
      case 'B':
      case 'C':
        PutBare(text, letter,
                cycle_ ? TrimmedNumber(CycleRotary(c_, letter)) : IntText(static_cast<long long>(Rotary(c_, letter))));
        break;
      case 'F':
        PutBare(text, letter, IntText(c_.F));
        break;
      case 'H':
        PutBare(text, letter, IntText(c_.H));
        break;
      case 'O':
        PutBare(text, letter, IntText(c_.O));
        break;
      case 'S':
        PutBare(text, letter, IntText(c_.S));
        break;
      case 'T':
        PutBare(text, letter, IntText(c_.T));
        break;
      case 'I':
        PutBare(text, letter, TrimmedNumber(c_.I));
        break;
      case 'J':
        PutBare(text, letter, TrimmedNumber(c_.J));
        break;
      case 'K':
        PutBare(text, letter, cycle_ ? LetterInt('K', c_.cycleK) : TrimmedNumber(c_.K));
        break;
      case 'N':
        PutBare(text, letter, IntText(TakeSequenceNumber(c_, 0)));
        break;
      case 'R':
        PutBare(text, letter, TrimmedNumber(cycle_ ? c_.cycleR : c_.R));
        break;
      case 'P':
        cycle_ ? PutBare(text, letter, TrimmedNumber(c_.cycleP)) : DropBare(text, letter);
        break;
      case 'Q':
        cycle_ ? PutBare(text, letter, TrimmedNumber(c_.cycleQ)) : DropBare(text, letter);
        break;
      case 'X':
        PutBare(text, letter, TrimmedNumber(c_.X));
        break;
      case 'Y':
        PutBare(text, letter, TrimmedNumber(c_.Y));
        break;
      case 'Z':
        PutBare(text, letter, TrimmedNumber(cycle_ ? c_.cycleZ : c_.Z));
        break;
      default:
        break;
    }
  }

  static double Rotary(const PostValues& v, char letter) { return letter == 'A' ? v.A : letter == 'B' ? v.B : v.C; }
  static double CycleRotary(const PostValues& v, char letter) {
    return letter == 'A' ? v.cycleA : letter == 'B' ? v.cycleB : v.cycleC;
  }

  static std::string Prompt(char letter) {
    // The J prompt has always stood apart with its tab.
    return letter == 'J' ? std::string("\tJ Code") : std::string(1, letter) + " Code";
  }

  void ReplaceAsked(std::string& text, char letter) {
    double value = AskedValue(letter);
    if (asker_ != nullptr) asker_->Ask(Prompt(letter).c_str(), value);
    const std::string replacement = StoreAsked(letter, value);
    const char pattern[] = {'?', letter, '\0'};
    ReplaceAll(text, pattern, replacement);
    words_.letters |= LetterBit(letter);
  }

  double AskedValue(char letter) const {
    switch (letter) {
      case 'A':
      case 'B':
      case 'C':
        return Rotary(c_, letter);
      case 'F':
        return c_.F;
      case 'H':
        return c_.H;
      case 'I':
        return c_.I;
      case 'J':
        return c_.J;
      case 'K':
        return cycle_ ? c_.cycleK : c_.K;
      case 'N':
        return c_.N;
      case 'O':
        return c_.O;
      case 'P':
        return c_.cycleP;
      case 'Q':
        return c_.cycleQ;
      case 'S':
        return c_.S;
      case 'T':
        return c_.T;
      case 'X':
        return c_.X;
      case 'Y':
        return c_.Y;
      default:
        return cycle_ ? c_.cycleZ : c_.Z;
    }
  }

  // Stores the answer in the field's own type and gives the text it writes.
  std::string StoreAsked(char letter, double value) {
    const auto whole = static_cast<int>(value);
    switch (letter) {
      case 'A':
        c_.A = whole;
        return IntText(whole);
      case 'B':
        c_.B = whole;
        return IntText(whole);
      case 'C':
        c_.C = whole;
        return IntText(whole);
      case 'F':
        return IntText(c_.F = whole);
      case 'H':
        return IntText(c_.H = whole);
      case 'O':
        return IntText(c_.O = whole);
      case 'S':
        return IntText(c_.S = whole);
      case 'T':
        return IntText(c_.T = whole);
      case 'N':
        c_.N = whole;
        return IntText(whole);
      case 'I':
        c_.I = value;
        return Fixed('I', value);
      case 'J':
        c_.J = value;
        return Fixed('J', value);
      case 'K':
        if (cycle_) return LetterInt('K', c_.cycleK = whole);
        c_.K = value;
        return Fixed('K', value);
      case 'P':
      case 'Q':
        if (cycle_) (letter == 'P' ? c_.cycleP : c_.cycleQ) = value;
        return Fixed('\0', value);
      case 'X':
        c_.X = value;
        return Fixed('\0', value);
      case 'Y':
        c_.Y = value;
        return Fixed('\0', value);
      default:
        if (cycle_) {
          c_.cycleZ = value;
          return Fixed('Z', value);
        }
        c_.Z = value;
        return Fixed('\0', value);
    }
  }

  static std::string Fixed(char letter, double value) {
    std::string text = letter != '\0' ? std::string(1, letter) : std::string();
    AppendFixed3(text, value);
    return text;
  }

  std::string CycleReturnWord() const {
    return c_.cycleReturnInitial ? c_.cycleWords[kCycleInitWord] : c_.cycleWords[kCycleRWord];
  }

  std::string ArcModeWord() const {
    if (c_.moveType == 8) return c_.modeWords[kCwArcText];
    if (c_.moveType == 6) return c_.modeWords[kCcwArcText];
    return std::string();
  }

  std::string PlaneWord() const {
    switch (c_.plane) {
      case kPlaneXY:
        return c_.modeWords[kXyPlaneText];
      case kPlaneZX:
        return c_.modeWords[kZxPlaneText];
      case kPlaneYZ:
        return c_.modeWords[kYzPlaneText];
      default:
        return std::string();
    }
  }

  static std::string FixedPlaneWord(int plane) {
    switch (plane) {
      case kPlaneXY:
        return "G17";
      case kPlaneZX:
        return "G18";
      case kPlaneYZ:
        return "G19";
      default:
        return std::string();
    }
  }

  void PutWord(std::string& text, std::string_view pattern, const std::string& word, uint8_t bit) {
    ReplaceAll(text, pattern, word);
    if (!word.empty()) words_.modeWords |= bit;
  }

  void ReplaceBracketedModeWords(std::string& text, uint8_t bits) {
    const std::string none;
    if (bits & kCycleReturnWord) {
      PutWord(text, "[$cyc_ret]", c_.firstCycle ? CycleReturnWord() : none, kCycleReturnWord);
    }
    if (bits & kCycleModeWord) {
      PutWord(text, "[$cyc_mode]", c_.firstCycle ? CycleWordOf(c_, c_.cycleIndex) : none, kCycleModeWord);
    }
    if (bits & kRapidModeWord) {
      PutWord(text, "[$rapid_mode]", c_.moveType == 1 ? c_.modeWords[kRapidModeText] : none, kRapidModeWord);
    }
    if (bits & kCutModeWord) {
      PutWord(text, "[$cut_mode]", c_.moveType == 3 ? c_.modeWords[kCutModeText] : none, kCutModeWord);
    }
    if (bits & kArcModeWord) {
      PutWord(text, "[$arc_mode]", c_.moveType == l_.moveType ? none : ArcModeWord(), kArcModeWord);
    }
    if (bits & kArcPlaneWord) {
      PutWord(text, "[$arc_plane]", c_.plane == l_.plane ? none : PlaneWord(), kArcPlaneWord);
    }
  }

  void ReplaceBareModeWords(std::string& text, uint8_t bits) {
    if (bits & kCycleReturnWord) PutWord(text, "$cyc_ret", CycleReturnWord(), kCycleReturnWord);
    if (bits & kCycleModeWord) PutWord(text, "$cyc_mode", CycleWordOf(c_, c_.cycleIndex), kCycleModeWord);
    if (bits & kRapidModeWord) PutWord(text, "$rapid_mode", c_.modeWords[kRapidModeText], kRapidModeWord);
    if (bits & kCutModeWord) PutWord(text, "$cut_mode", c_.modeWords[kCutModeText], kCutModeWord);
    if (bits & kArcModeWord) PutWord(text, "$arc_mode", ArcModeWord(), kArcModeWord);
    if (bits & kArcPlaneWord) PutWord(text, "$arc_plane", FixedPlaneWord(c_.plane), kArcPlaneWord);
    if (bits & kToolSizeWords) {
      ReplaceAll(text, "$tool_dia", ToolSize(c_.toolDiameter));
      ReplaceAll(text, "$tool_len", ToolSize(c_.toolLength));
      ReplaceAll(text, "$tool_cor_rad", ToolSize(c_.toolCornerRadius));
    }
  }

  // "%6.3f": right-aligned in six places.
  static std::string ToolSize(double value) {
    std::string text;
    AppendFixed3(text, value);
    if (text.size() < 6) text.insert(0, 6 - text.size(), ' ');
    return text;
  }

  bool cycle_;
  bool arc_;
  PostValues& c_;
  const PostValues& l_;
  PostValueAsker* asker_;
  PostWrittenWords& words_;
};

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t\r\n\v\f") == std::string::npos; }

}  // namespace

void ExpandPostLine(const std::string& line, const PostLineMasks& masks, int blockType, PostValues& current,
                    const PostValues& written, PostValueAsker* asker, std::string& out, PostWrittenWords& words) {
  std::string text = line;
  LineExpander(blockType, current, written, asker, words).Run(text, masks);
  out += text;
}

bool EmitPostBlock(const PostBlock& block, PostValues& current, const PostValues& written, PostValueAsker* asker,
                   std::string& out, PostWrittenWords& words) {
  out.clear();
  words = PostWrittenWords();
  if (!block.present) return false;
  for (int i = 0; i < block.lineCount(); ++i) {
    ExpandPostLine(block.lines()[i], block.masks()[i], block.type, current, written, asker, out, words);
  }
  if (IsBlank(out)) {
    out.clear();
    words = PostWrittenWords();
    return false;
  }
  return true;
}

void RecordWrittenWords(const PostWrittenWords& words, int blockType, const PostValues& current, PostValues& written) {
  const bool cycle = blockType == kCycleBlockType;
  const auto wrote = [&](char letter) { return (words.letters & LetterBit(letter)) != 0; };
  if (wrote('X')) written.X = current.X;
  if (wrote('Y')) written.Y = current.Y;
  if (wrote('F')) written.F = current.F;
  if (wrote('H')) written.H = current.H;
  if (wrote('T')) written.T = current.T;
  if (wrote('S')) written.S = current.S;
  if (wrote('O')) written.O = current.O;
  if (wrote('I')) written.I = current.I;
  if (wrote('J')) written.J = current.J;
  if (cycle) {
    if (wrote('A')) written.cycleA = current.cycleA;
    if (wrote('B')) written.cycleB = current.cycleB;
    if (wrote('C')) written.cycleC = current.cycleC;
    if (wrote('K')) written.cycleK = current.cycleK;
    if (wrote('R')) written.cycleR = current.cycleR;
    if (wrote('P')) written.cycleP = current.cycleP;
    if (wrote('Q')) written.cycleQ = current.cycleQ;
    if (wrote('Z')) written.cycleZ = current.cycleZ;
  } else {
    if (wrote('A')) written.A = current.A;
    if (wrote('B')) written.B = current.B;
    if (wrote('C')) written.C = current.C;
    if (wrote('K')) written.K = current.K;
    if (wrote('R')) written.R = current.R;
    if (wrote('Z')) written.Z = current.Z;
  }
  if (words.modeWords & kArcPlaneWord) written.plane = current.plane;
}
