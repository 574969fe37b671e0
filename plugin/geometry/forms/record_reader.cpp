#include "plugin/geometry/forms/record_reader.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/shell/settings/message_table.h"

namespace {

constexpr const char* kBlanks = " \t\r";

// The value lines hold blank-separated numbers; a carriage return of a file
// saved elsewhere is a blank too.
std::vector<std::string> Tokens(const std::string& line) {
  std::vector<std::string> tokens;
  std::size_t at = line.find_first_not_of(kBlanks);
  while (at != std::string::npos) {
    const std::size_t end = line.find_first_of(kBlanks, at);
    tokens.push_back(line.substr(at, end == std::string::npos ? std::string::npos : end - at));
    at = end == std::string::npos ? end : line.find_first_not_of(kBlanks, end);
  }
  return tokens;
}

// A whole decimal integer, or a finite decimal real; false for anything else.
bool ParseToken(const std::string& token, bool integer, double& value) {
  if (token.empty()) return false;
  const char* text = token.c_str();
  char* end = nullptr;
  errno = 0;
  if (integer) {
    const long long parsed = std::strtoll(text, &end, 10);
    if (errno == ERANGE || *end != '\0') return false;
    value = static_cast<double>(parsed);
    return true;
  }
  value = std::strtod(text, &end);
  return *end == '\0' && std::isfinite(value);
}

CString LimitText(double value) {
  CString text;
  text.Format("%g", value);
  return text;
}

}  // namespace

void RecordField::Store(double value) const {
  switch (type_) {
    case kInt:
      *static_cast<int*>(member_) = static_cast<int>(value);
      break;
    case kByte:
      *static_cast<BYTE*>(member_) = static_cast<BYTE>(value);
      break;
    case kFlag:
      *static_cast<BYTE*>(member_) = value != 0.0 ? 1 : 0;
      break;
    case kFloat:
      *static_cast<float*>(member_) = static_cast<float>(value);
      break;
    case kDouble:
      *static_cast<double*>(member_) = value;
      break;
  }
}

RecordReader::RecordReader(const char* text, bool lineFeedRequired)
    : cursor_(text), lineFeedRequired_(lineFeedRequired) {
  if (text != nullptr && ::strnlen(text, kLargestRecord + 1) > kLargestRecord) {
    CString why;
    why.Format(MsgRecordTooLong.GetString(), static_cast<int>(kLargestRecord));
    Refuse(why);
  }
}

bool RecordReader::TakeLine(std::string& line) {
  if (failed_) return false;
  ++lineNumber_;
  const char* end = cursor_ != nullptr ? std::strchr(cursor_, '\n') : nullptr;
  if (cursor_ == nullptr || *cursor_ == '\0' || (end == nullptr && lineFeedRequired_)) {
    CString why;
    why.Format(MsgRecordEndsEarly.GetString(), lineNumber_);
    return Refuse(why);
  }
  if (end == nullptr) end = cursor_ + std::strlen(cursor_);
  line.assign(cursor_, end);
  cursor_ = *end == '\n' ? end + 1 : end;
  return true;
}

bool RecordReader::Refuse(const CString& why) {
  if (!failed_) refusal_ = why;
  failed_ = true;
  pending_.clear();
  return false;
}

bool RecordReader::ReadFields(const std::string& line, std::initializer_list<RecordField> fields, int required) {
  const std::vector<std::string> tokens = Tokens(line);
  const std::size_t needed = required < 0 ? fields.size() : static_cast<std::size_t>(required);
  std::size_t index = 0;
  for (const RecordField& field : fields) {
    if (index >= tokens.size()) {
      if (index < needed) {
        CString why;
        why.Format(MsgRecordValueMissing.GetString(), lineNumber_, field.limit().name);
        return Refuse(why);
      }
      break;
    }
    double value = 0.0;
    const std::string& token = tokens[index++];
    if (!ParseToken(token, field.isInteger(), value) || !IsWithin(value, field.limit())) {
      CString why;
      why.Format(MsgRecordValueRefused.GetString(), lineNumber_, field.limit().name, token.c_str(),
                 LimitText(field.limit().least).GetString(), LimitText(field.limit().most).GetString());
      return Refuse(why);
    }
    pending_.push_back({field, value});
  }
  return true;
}

bool RecordReader::Head(int& version, int& kind, std::initializer_list<RecordField> fields) {
  std::string line;
  if (!TakeLine(line)) return false;
  // The tag is skipped, whatever it is: the head's numbers follow it.
  const std::size_t tagStart = line.find_first_not_of(kBlanks);
  const std::size_t tagEnd = tagStart == std::string::npos ? std::string::npos : line.find_first_of(kBlanks, tagStart);
  const std::string numbers = tagEnd == std::string::npos ? std::string() : line.substr(tagEnd);
  const std::size_t before = pending_.size();
  if (!ReadFields(numbers, {{version, kRecordHeadLimits.version}, {kind, kRecordHeadLimits.kind}}, -1)) return false;
  // Version and kind decide how the rest reads: they are the caller's at once.
  for (std::size_t i = before; i < pending_.size(); ++i) pending_[i].field.Store(pending_[i].value);
  pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(before), pending_.end());
  std::string rest;
  std::vector<std::string> tokens = Tokens(numbers);
  for (std::size_t i = 2; i < tokens.size(); ++i) rest += tokens[i] + " ";
  return ReadFields(rest, fields, -1);
}

bool RecordReader::Line(std::initializer_list<RecordField> fields, int required) {
  std::string line;
  return TakeLine(line) && ReadFields(line, fields, required);
}

bool RecordReader::OptionalLine(std::initializer_list<RecordField> fields) {
  if (failed_) return false;
  if (cursor_ == nullptr || *cursor_ == '\0') return true;
  return Line(fields);
}

void RecordReader::Apply() {
  if (failed_) return;
  for (const Pending& pending : pending_) pending.field.Store(pending.value);
  pending_.clear();
}
