#include "platform/cad/editor/aced_input.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <string>
#include <string_view>

#include "platform/cad/db/db_entity.h"
#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/editor/aced_sysvars.h"
#include "platform/cad/editor/aced_ucs.h"
#include "platform/cad/editor/answer_text.h"
#include "platform/cad/editor/prompt_line.h"
#include "platform/cad/ge/ge_plane.h"
#include "platform/ui/ui_driver.h"
#include "platform/wintypes/windows_types.h"

using cadeditor::InputRules;
using cadeditor::TrimmedText;

namespace {

constexpr int kResultBufferSize = 512;

// What became of one answer line: accepted with a status, or refused with a reason.
struct Outcome {
  int status = RTNORM;
  std::string refusal;
  static Outcome Refused(std::string why) { return {RTERROR, std::move(why)}; }
};

// Asks until a line is accepted. on_line gets the trimmed line, never empty.
template <class OnLine>
int Ask(const char* prompt, const InputRules& rules, int empty_status, OnLine on_line) {
  for (;;) {
    const std::optional<std::string> line = cadeditor::AskLine(prompt);
    if (!line) return RTCAN;
    const std::string_view text = TrimmedText(*line);
    if (text.empty()) {
      if (rules.Has(RSG_NONULL)) continue;
      return empty_status;
    }
    const Outcome outcome = on_line(text);
    if (outcome.refusal.empty()) return outcome.status;
    if (!cadeditor::RefuseLine(outcome.refusal)) return RTERROR;
  }
}

// A keyword of the rules, or any text under RSG_OTHER.
std::optional<Outcome> KeywordOutcome(std::string_view text, const InputRules& rules) {
  if (std::optional<std::string> keyword = rules.keywords.Match(text)) {
    cadeditor::RememberKeyword(*keyword);
    return Outcome{RTKWORD, {}};
  }
  if (rules.Has(RSG_OTHER)) {
    cadeditor::RememberKeyword(std::string(text));
    return Outcome{RTKWORD, {}};
  }
  return std::nullopt;
}

std::string NumberRefusal(double value, const InputRules& rules) {
  const bool no_zero = rules.Has(RSG_NOZERO);
  const bool no_negative = rules.Has(RSG_NONEG);
  if (no_zero && no_negative && value <= 0.0) return "Value must be positive and nonzero.";
  if (no_zero && value == 0.0) return "Value must be nonzero.";
  if (no_negative && value < 0.0) return "Value must be positive.";
  return {};
}

std::optional<AcGePoint3d> TypedPoint(std::string_view text) {
  return cadeditor::ParsePoint(text, cadeditor::LastPoint(), cadeditor::CurrentElevation());
}

AcGePoint3d ToPoint(const ads_point p) { return {p[0], p[1], p[2]}; }

void CopyPoint(const AcGePoint3d& from, ads_point to) {
  to[0] = from.x;
  to[1] = from.y;
  to[2] = from.z;
}

// Copies at most size - 1 bytes without cutting a UTF-8 sequence; false when cut.
bool CopyText(const std::string& text, char* buffer, std::size_t size) {
  std::size_t length = text.size();
  if (length >= size) {
    length = size - 1;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  }
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return length == text.size();
}

int AskPoint(const ads_point base, const char* prompt, ads_point result) {
  if (result == nullptr) return RTERROR;
  (void)base;  // the rubber band from the base point is not drawn on a prompt line
  const InputRules rules = cadeditor::TakeInputRules();
  return Ask(prompt, rules, RTNONE, [&](std::string_view text) {
    if (const std::optional<AcGePoint3d> point = TypedPoint(text)) {
      CopyPoint(*point, result);
      cadeditor::SetLastPoint(*point);
      return Outcome{};
    }
    if (std::optional<Outcome> keyword = KeywordOutcome(text, rules)) return *keyword;
    return Outcome::Refused(rules.keywords.empty() ? "Invalid point." : "Point or option keyword required.");
  });
}

// The second point of a distance or angle given by two points.
std::optional<AcGePoint3d> AskSecondPoint() {
  ads_point second;
  if (AskPoint(nullptr, "Second point: ", second) != RTNORM) return std::nullopt;
  return ToPoint(second);
}

double AngleOf(const AcGeVector3d& v) {
  double angle = std::atan2(v.y, v.x);
  if (angle < 0.0) angle += 2.0 * std::numbers::pi;
  return angle;
}

double NormalizedAngle(double radians) {
  const double full = 2.0 * std::numbers::pi;
  double angle = std::fmod(radians, full);
  if (angle < 0.0) angle += full;
  return angle;
}

// The matrix from a coordinate system of acedTrans to the world; false when unknown.
bool SystemToWorld(const resbuf* system, AcGeMatrix3d& matrix) {
  if (system == nullptr) return false;
  if (system->restype == RTSHORT) {
    const short code = system->resval.rint;
    if (code < 0 || code > 3) return false;
    matrix = code == 0 ? AcGeMatrix3d::kIdentity : cadeditor::UcsToWorld();
    return true;
  }
  AcGeVector3d normal;
  if (system->restype == RT3DPOINT) {
    normal.set(system->resval.rpoint[0], system->resval.rpoint[1], system->resval.rpoint[2]);
  } else if (system->restype == RTENAME) {
    AcDbObjectId id;
    if (acdbGetObjectId(id, system->resval.rlname) != Acad::eOk) return false;
    AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) return false;
    AcGePlane plane;
    AcDb::Planarity planarity;
    normal = (entity->getPlane(plane, planarity) == Acad::eOk && planarity == AcDb::kPlanar) ? plane.normal()
                                                                                             : AcGeVector3d::kZAxis;
  } else {
    return false;
  }
  if (normal.isZeroLength()) return false;
  matrix = AcGeMatrix3d::planeToWorld(normal.normal());
  return true;
}

}  // namespace

int acedInitGet(int val, const char* kwl) {
  cadeditor::SetInputRules(val, kwl);
  return RTNORM;
}

int acedGetPoint(const ads_point pt, const char* prompt, ads_point result) { return AskPoint(pt, prompt, result); }

int acedGetCorner(const ads_point pt, const char* prompt, ads_point result) {
  if (pt == nullptr) {
    cadeditor::TakeInputRules();
    return RTERROR;
  }
  return AskPoint(pt, prompt, result);
}

int acedGetReal(const char* prompt, ads_real* result) {
  if (result == nullptr) return RTERROR;
  const InputRules rules = cadeditor::TakeInputRules();
  return Ask(prompt, rules, RTNONE, [&](std::string_view text) {
    if (const std::optional<double> number = cadeditor::ParseNumber(text)) {
      const std::string refusal = NumberRefusal(*number, rules);
      if (!refusal.empty()) return Outcome::Refused(refusal);
      *result = *number;
      return Outcome{};
    }
    if (std::optional<Outcome> keyword = KeywordOutcome(text, rules)) return *keyword;
    return Outcome::Refused(rules.keywords.empty() ? "Requires numeric value."
                                                   : "Requires numeric value or option keyword.");
  });
}

int acedGetInt(const char* prompt, int* result) {
  if (result == nullptr) return RTERROR;
  const InputRules rules = cadeditor::TakeInputRules();
  return Ask(prompt, rules, RTNONE, [&](std::string_view text) {
    if (const std::optional<long> number = cadeditor::ParseWholeNumber(text)) {
      if (*number < -32768 || *number > 32767) {
        return Outcome::Refused("Requires an integer between -32768 and 32767.");
      }
      const std::string refusal = NumberRefusal(static_cast<double>(*number), rules);
      if (!refusal.empty()) return Outcome::Refused(refusal);
      *result = static_cast<int>(*number);
      return Outcome{};
    }
    if (std::optional<Outcome> keyword = KeywordOutcome(text, rules)) return *keyword;
    return Outcome::Refused("Requires an integer value.");
  });
}

int acedGetDist(const ads_point pt, const char* prompt, ads_real* result) {
  if (result == nullptr) return RTERROR;
  const InputRules rules = cadeditor::TakeInputRules();
  bool cancelled = false;
  const int status = Ask(prompt, rules, RTNONE, [&](std::string_view text) {
    std::optional<double> distance = cadeditor::ParseNumber(text);
    if (!distance) {
      if (const std::optional<AcGePoint3d> point = TypedPoint(text)) {
        std::optional<AcGePoint3d> from = pt != nullptr ? std::optional(ToPoint(pt)) : std::nullopt;
        AcGePoint3d to = *point;
        if (!from) {
          cadeditor::SetLastPoint(*point);
          from = *point;
          const std::optional<AcGePoint3d> second = AskSecondPoint();
          if (!second) {
            cancelled = true;
            return Outcome{RTCAN, {}};
          }
          to = *second;
        }
        AcGeVector3d span = to - *from;
        if (rules.Has(RSG_2D)) span.z = 0.0;
        distance = span.length();
      }
    }
    if (distance) {
      const std::string refusal = NumberRefusal(*distance, rules);
      if (!refusal.empty()) return Outcome::Refused(refusal);
      *result = *distance;
      return Outcome{};
    }
    if (std::optional<Outcome> keyword = KeywordOutcome(text, rules)) return *keyword;
    return Outcome::Refused(pt != nullptr ? "Requires numeric distance, second point, or option keyword."
                                          : "Requires numeric distance or two points.");
  });
  return cancelled ? RTCAN : status;
}

int acedGetAngle(const ads_point pt, const char* prompt, ads_real* result) {
  if (result == nullptr) return RTERROR;
  const InputRules rules = cadeditor::TakeInputRules();
  bool cancelled = false;
  const int status = Ask(prompt, rules, RTNONE, [&](std::string_view text) {
    if (const std::optional<double> degrees = cadeditor::ParseNumber(text)) {
      *result = NormalizedAngle(*degrees * std::numbers::pi / 180.0);
      return Outcome{};
    }
    if (const std::optional<AcGePoint3d> point = TypedPoint(text)) {
      AcGePoint3d from = pt != nullptr ? ToPoint(pt) : *point;
      AcGePoint3d to = *point;
      if (pt == nullptr) {
        cadeditor::SetLastPoint(*point);
        const std::optional<AcGePoint3d> second = AskSecondPoint();
        if (!second) {
          cancelled = true;
          return Outcome{RTCAN, {}};
        }
        to = *second;
      }
      *result = AngleOf(to - from);
      return Outcome{};
    }
    if (std::optional<Outcome> keyword = KeywordOutcome(text, rules)) return *keyword;
    return Outcome::Refused("Requires valid numeric angle or second point.");
  });
  return cancelled ? RTCAN : status;
}

int acedGetString(int cronly, const char* prompt, char* result) {
  return acedGetString(cronly, prompt, result, kResultBufferSize);
}

int acedGetString(int /*cronly*/, const char* prompt, char* result, int bufsize) {
  const InputRules rules = cadeditor::TakeInputRules();
  if (result == nullptr || bufsize <= 0) return RTERROR;
  for (;;) {
    const std::optional<std::string> line = cadeditor::AskLine(prompt);
    if (!line) return RTCAN;
    if (line->empty() && rules.Has(RSG_NONULL)) continue;
    return CopyText(*line, result, static_cast<std::size_t>(bufsize)) ? RTNORM : RTINPUTTRUNCATED;
  }
}

int acedGetKword(const char* prompt, char* result) {
  if (result == nullptr) return RTERROR;
  const InputRules rules = cadeditor::TakeInputRules();
  result[0] = '\0';
  return Ask(prompt, rules, RTNONE, [&](std::string_view text) {
    if (std::optional<std::string> keyword = rules.keywords.Match(text)) {
      CopyText(*keyword, result, kResultBufferSize);
      return Outcome{};
    }
    if (rules.Has(RSG_OTHER)) {
      CopyText(std::string(text), result, kResultBufferSize);
      return Outcome{};
    }
    return Outcome::Refused("Invalid option keyword.");
  });
}

int acedGetInput(char* str) {
  if (str == nullptr) return RTERROR;
  const std::optional<std::string> keyword = cadeditor::LastKeyword();
  str[0] = '\0';
  if (!keyword) return RTERROR;
  CopyText(*keyword, str, kResultBufferSize);
  return RTNORM;
}

int acutPrintf(const char* format, ...) {
  if (format == nullptr) return 0;
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text;
  if (length > 0) {
    text.resize(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<std::size_t>(length));
  }
  va_end(args);
  cadeditor::PrintText(text);
  return length;
}

int acedAlert(const char* string) {
  cadeditor::EndTranscriptLine();
  ui::Ui().MessageBox(string != nullptr ? string : "", "CAD message", MB_OK | MB_ICONEXCLAMATION);
  return RTNORM;
}

int acedTrans(const ads_point pt, const resbuf* from, const resbuf* to, int disp, ads_point result) {
  if (pt == nullptr || result == nullptr) return RTERROR;
  AcGeMatrix3d from_world, to_world;
  if (!SystemToWorld(from, from_world) || !SystemToWorld(to, to_world)) return RTERROR;
  const AcGeMatrix3d matrix = to_world.inverse() * from_world;
  if (disp != 0) {
    const AcGeVector3d moved = matrix * AcGeVector3d(pt[0], pt[1], pt[2]);
    CopyPoint(AcGePoint3d(moved.x, moved.y, moved.z), result);
  } else {
    CopyPoint(matrix * ToPoint(pt), result);
  }
  return RTNORM;
}

namespace cadeditor {
void EndPromptLine() { EndTranscriptLine(); }
}  // namespace cadeditor
