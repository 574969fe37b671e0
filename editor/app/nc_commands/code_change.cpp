#include "editor/app/nc_commands/code_change.h"

#include "editor/app/nc_commands/nc_dialogs.h"

namespace nc {

namespace {

bool IsWorkOffset(std::string_view number) {
  return number.size() == 2 && number[0] == '5' && number[1] >= '4' && number[1] <= '9';
}

// The word's new number; empty when the word stays.
std::string NewNumberFor(char letter, std::string_view number, const CodeChangeValues& values) {
  switch (letter) {
    case 'T':
      return values.t;
    case 'H':
      return values.h;
    case 'S':
      return values.s;
    case 'F':
      return values.f;
    case 'G':
      return values.work_offset.empty() || !IsWorkOffset(number) ? "" : values.work_offset.substr(1);
    default:
      return "";
  }
}

bool IsNumber(const std::string& text) {
  int points = 0;
  int digits = 0;
  for (char c : text) {
    if (c == '.')
      ++points;
    else if (IsDigit(c))
      ++digits;
    else
      return false;
  }
  return digits > 0 && points <= 1;
}

}  // namespace

std::string ChangeCodes(const std::string& line, const CodeChangeValues& values, int& hits) {
  std::string out;
  out.reserve(line.size());
  for (size_t i = 0; i < line.size();) {
    const char c = line[i];
    if (c == '(') {
      const size_t close = line.find(')', i);
      const size_t end = close == std::string::npos ? line.size() : close + 1;
      out.append(line, i, end - i);
      i = end;
      continue;
    }
    size_t end = i + 1;
    while (end < line.size() && (IsDigit(line[end]) || line[end] == '.')) ++end;
    const std::string_view number(line.data() + i + 1, end - i - 1);
    const std::string fresh = number.empty() || !IsDigit(number[0]) ? "" : NewNumberFor(c, number, values);
    if (fresh.empty()) {
      out += c;
      ++i;
      continue;
    }
    out += c;
    out += fresh;
    ++hits;
    i = end;
  }
  return out;
}

BOOL CheckCodeChangeValues(const CodeChangeValues& values, std::string& why) {
  const std::pair<const std::string*, const char*> checks[] = {
      {&values.t, "공구번호(T)"}, {&values.h, "공구장(H)"}, {&values.s, "Spindle(S)"}, {&values.f, "Feed(F)"}};
  for (const auto& [value, name] : checks) {
    if (value->empty() || IsNumber(*value)) continue;
    why = std::string(name) + " 값 \"" + *value + "\"은 숫자가 아닙니다.";
    return FALSE;
  }
  return TRUE;
}

void RunCodeChange(CVellumTextView* view) {
  if (RefuseReadOnly(view)) return;
  CCodeChangeDialog dialog;
  if (dialog.DoModal() != IDOK) return;
  CodeChangeValues values;
  // A switched-on box with an empty value changes nothing but says so.
  const std::pair<int, CString*> fields[] = {{dialog.m_bT, &dialog.m_strT},
                                             {dialog.m_bH, &dialog.m_strH},
                                             {dialog.m_bS, &dialog.m_strS},
                                             {dialog.m_bF, &dialog.m_strF}};
  std::string* targets[] = {&values.t, &values.h, &values.s, &values.f};
  for (size_t i = 0; i < 4; ++i) {
    if (!fields[i].first) continue;
    *targets[i] = fields[i].second->str();
    if (targets[i]->empty()) *targets[i] = "?";
  }
  if (dialog.m_bG) values.work_offset = dialog.m_strWorkOffset.str();
  std::string why;
  if (!CheckCodeChangeValues(values, why)) {
    ShowMessage(why + " 아무것도 바꾸지 않았습니다.");
    return;
  }
  Lines lines = DocumentLines(view);
  const TextPosition caret = view->GetCursorPosition();
  int hits = 0;
  for (size_t y = static_cast<size_t>(std::max(0, caret.line)); y < lines.size(); ++y) {
    lines[y] = ChangeCodes(lines[y], values, hits);
  }
  ReplaceDocumentLines(view, lines);
  const TextPosition start{0, std::min(caret.line, view->TextLineCount() - 1)};
  Select(view, start, start, start);
}

}  // namespace nc
