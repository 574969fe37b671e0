#include "platform/cad/dxf/dxf_group_items.h"

#include <array>

#include "platform/cad/dxf/dxf_number_text.h"
#include "platform/cad/dxf/dxf_string_codec.h"

namespace {

std::string quoted(std::string_view value) {
  std::string shown(value.substr(0, 40));
  return "'" + shown + (value.size() > 40 ? "...'" : "'");
}

bool fail(std::string& message, const DxfGroup& group, const std::string& what) {
  message = "line " + std::to_string(group.line + 1) + ": group code " + std::to_string(group.code) + " " + what;
  return false;
}

bool parseBinary(std::string_view text, std::vector<std::uint8_t>& bytes) {
  text = trimDxfBlanks(text);
  if (text.size() % 2 != 0) return false;
  bytes.reserve(text.size() / 2);
  for (std::size_t i = 0; i < text.size(); i += 2) {
    std::uint64_t value = 0;
    if (!parseDxfHex(text.substr(i, 2), value)) return false;
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  return true;
}

bool readCoordinate(const DxfGroup*& next, const DxfGroup* end, int code, double& value, bool& present,
                    std::string& message) {
  present = false;
  if (next == end || next->code != code) return true;
  if (!parseDxfReal(next->value, value)) return fail(message, *next, "needs a number, not " + quoted(next->value));
  present = true;
  ++next;
  return true;
}

// The kind of value of each group code, looked up once: it is asked for every group.
AcDb::DxfValueKind valueKind(int code) {
  static const auto kKinds = [] {
    std::array<AcDb::DxfValueKind, 1072> kinds{};
    for (int c = 0; c < static_cast<int>(kinds.size()); ++c) kinds[static_cast<std::size_t>(c)] = AcDb::dxfValueKind(c);
    return kinds;
  }();
  return code >= 0 && code < static_cast<int>(kKinds.size()) ? kKinds[static_cast<std::size_t>(code)]
                                                             : AcDb::dxfValueKind(code);
}

// The item of group g; a point takes its y and z groups from next on.
bool fillItem(const DxfGroup& g, const DxfGroup*& next, const DxfGroup* end, DxfItem& item, std::string& message) {
  item.code = static_cast<short>(g.code);
  item.kind = valueKind(g.code);
  switch (item.kind) {
    case AcDb::kDxfValueString:
      if (dxfStringNeedsDecoding(g.value)) {
        item.text = decodeDxfString(g.value);
      } else {
        item.text.assign(g.value);
      }
      return true;
    case AcDb::kDxfValueHandle:
    case AcDb::kDxfValueObjectId: {
      std::uint64_t handle = 0;
      const std::string_view text = trimDxfBlanks(g.value);
      if (!text.empty() && !parseDxfHex(text, handle))
        return fail(message, g, "needs a handle, not " + quoted(g.value));
      item.text.assign(text);
      return true;
    }
    case AcDb::kDxfValueReal:
      if (!parseDxfReal(g.value, item.reals[0])) return fail(message, g, "needs a number, not " + quoted(g.value));
      item.dimensions = 1;
      return true;
    case AcDb::kDxfValuePoint: {
      if (!parseDxfReal(g.value, item.reals[0])) return fail(message, g, "needs a number, not " + quoted(g.value));
      bool hasY = false, hasZ = false;
      if (!readCoordinate(next, end, g.code + 10, item.reals[1], hasY, message)) return false;
      if (!hasY) return fail(message, g, "(x) is not followed by its y (" + std::to_string(g.code + 10) + ")");
      if (!readCoordinate(next, end, g.code + 20, item.reals[2], hasZ, message)) return false;
      item.dimensions = hasZ ? 3 : 2;
      return true;
    }
    case AcDb::kDxfValueInt16:
    case AcDb::kDxfValueInt32:
    case AcDb::kDxfValueInt64:
    case AcDb::kDxfValueBool: {
      if (!parseDxfInteger(g.value, item.integer)) return fail(message, g, "needs an integer, not " + quoted(g.value));
      const bool fits = item.kind == AcDb::kDxfValueInt16   ? item.integer >= -32768 && item.integer <= 65535
                        : item.kind == AcDb::kDxfValueInt32 ? item.integer >= INT32_MIN && item.integer <= UINT32_MAX
                                                            : true;
      if (!fits) return fail(message, g, "has a value out of range: " + quoted(g.value));
      return true;
    }
    case AcDb::kDxfValueBinary:
      if (!parseBinary(g.value, item.bytes)) return fail(message, g, "needs hexadecimal bytes, not " + quoted(g.value));
      return true;
    case AcDb::kDxfValueUnknown:
      break;
  }
  message = "line " + std::to_string(g.line) + ": bad group code " + std::to_string(g.code);
  return false;
}

}  // namespace

bool appendDxfItems(const DxfGroup* begin, const DxfGroup* end, std::vector<DxfItem>& items, std::string& message,
                    std::vector<long>* lines) {
  for (const DxfGroup* group = begin; group != end;) {
    const DxfGroup& g = *group++;
    if (g.code == 999) continue;  // comments
    // Built in place: a moved item costs as much as a parsed one.
    if (!fillItem(g, group, end, items.emplace_back(), message)) {
      items.pop_back();
      return false;
    }
    if (lines != nullptr) lines->push_back(g.line);
  }
  return true;
}
