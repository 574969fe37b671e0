#include "platform/cad/dxf/dxf_group_writer.h"

#include <charconv>
#include <cmath>

#include "platform/cad/db/dxf_item_filer.h"
#include "platform/cad/dxf/dxf_number_text.h"
#include "platform/cad/dxf/dxf_string_codec.h"

namespace {

constexpr std::size_t kChunk = 64 * 1024;

void appendHex(std::string& out, const std::vector<std::uint8_t>& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  for (std::uint8_t b : bytes) {
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
}

}  // namespace

void DxfGroupWriter::flush() {
  text_.append(pending_);
  pending_.clear();
}

void DxfGroupWriter::code(int code) {
  if (pending_.size() >= kChunk) flush();
  char buffer[16];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, code);
  const auto digits = static_cast<std::size_t>(end - buffer);
  if (digits < 3) pending_.append(3 - digits, ' ');
  pending_.append(buffer, digits);
  pending_ += '\n';
}

void DxfGroupWriter::string(int groupCode, std::string_view value) {
  code(groupCode);
  appendDxfString(pending_, value);
  pending_ += '\n';
}

void DxfGroupWriter::plain(int groupCode, std::string_view value) {
  code(groupCode);
  pending_.append(value);
  pending_ += '\n';
}

void DxfGroupWriter::real(int groupCode, double value) {
  if (!std::isfinite(value) && nonFiniteCode_ == 0) nonFiniteCode_ = groupCode != 0 ? groupCode : -1;
  code(groupCode);
  appendDxfReal(pending_, value);
  pending_ += '\n';
}

void DxfGroupWriter::integer(int groupCode, std::int64_t value) {
  code(groupCode);
  appendDxfInteger(pending_, value);
  pending_ += '\n';
}

void DxfGroupWriter::point(int groupCode, double x, double y, double z) {
  real(groupCode, x);
  real(groupCode + 10, y);
  real(groupCode + 20, z);
}

void DxfGroupWriter::point2d(int groupCode, double x, double y) {
  real(groupCode, x);
  real(groupCode + 10, y);
}

void DxfGroupWriter::handle(int groupCode, const AcDbHandle& handle) {
  char buffer[AcDbHandle::kStrSiz];
  handle.getIntoAsciiBuffer(buffer);
  plain(groupCode, buffer);
}

void DxfGroupWriter::item(const DxfItem& item) {
  switch (item.kind) {
    case AcDb::kDxfValueReal:
      real(item.code, item.reals[0]);
      break;
    case AcDb::kDxfValuePoint:
      if (item.dimensions == 2) {
        point2d(item.code, item.reals[0], item.reals[1]);
      } else {
        point(item.code, item.reals[0], item.reals[1], item.reals[2]);
      }
      break;
    case AcDb::kDxfValueInt16:
    case AcDb::kDxfValueInt32:
    case AcDb::kDxfValueInt64:
    case AcDb::kDxfValueBool:
      integer(item.code, item.integer);
      break;
    case AcDb::kDxfValueHandle:
    case AcDb::kDxfValueObjectId:
      plain(item.code, item.text.empty() ? std::string_view("0") : std::string_view(item.text));
      break;
    case AcDb::kDxfValueBinary:
      code(item.code);
      appendHex(pending_, item.bytes);
      pending_ += '\n';
      break;
    case AcDb::kDxfValueString:
    case AcDb::kDxfValueUnknown:
      string(item.code, item.text);
      break;
  }
}
