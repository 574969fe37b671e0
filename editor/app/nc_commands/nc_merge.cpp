#include "editor/app/nc_commands/nc_merge.h"

#include <fstream>

#include "editor/app/editor_settings.h"
#include "editor/app/nc_commands/nc_merge_dialog.h"
#include "platform/win/win_paths.h"

namespace nc {

namespace {

std::string Commented(std::string line) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
  return "(" + line + ")";
}

// Where a line that belongs only at a program's start or end goes.
void Put(Lines& out, const std::string& line, bool remove, const MergeOptions& options) {
  if (!remove)
    out.push_back(line);
  else if (!options.drop)
    out.push_back(Commented(line));
}

void AddDocumentLines(const Lines& document, const MergeOptions& options, Lines& out) {
  size_t count = document.size();
  // The empty line behind the text's last line break is no line of the program.
  if (count > 0 && document.back().empty()) --count;
  for (size_t j = 0; j < count; ++j) {
    const std::string& line = document[j];
    if (line.starts_with("%"))
      Put(out, j == 0 ? "%" : line, j > 0, options);
    else
      Put(out, line, IsProgramEndLine(line), options);
  }
}

bool IsRemovedFileLine(const std::string& line, size_t k, size_t i, size_t n, bool with_document) {
  const bool last_file = i + 1 == n;
  if (line.starts_with("%")) {
    if (k > 0) return !last_file;
    return with_document || i > 0;
  }
  return IsProgramEndLine(line) && !last_file;
}

void WriteScratchFile(const Lines& lines) {
  const std::string folder = settings::ReadOr("EnvirDir", settings::ConfigDefault());
  std::ofstream file(win::ToUnixPath(folder + "\\test.nc"), std::ios::binary | std::ios::trunc);
  for (const std::string& line : lines) file << line << "\r\n";
}

}  // namespace

BOOL IsProgramEndLine(std::string_view line) {
  bool comment = false;
  for (size_t i = 0; i + 2 < line.size(); ++i) {
    if (line[i] == '(') comment = true;
    if (line[i] == ')') comment = false;
    if (comment || line[i] != 'M' || line[i + 1] != '3' || line[i + 2] != '0') continue;
    const bool starts = i == 0 || !std::isalpha(static_cast<unsigned char>(line[i - 1]));
    const bool ends = i + 3 == line.size() || !IsDigit(line[i + 3]);
    if (starts && ends) return TRUE;
  }
  return FALSE;
}

BOOL MergePrograms(const Lines& document, const std::vector<std::string>& paths, const MergeOptions& options,
                   Lines& out, std::string& why) {
  Lines merged;
  if (options.start_with_document) AddDocumentLines(document, options, merged);
  for (size_t i = 0; i < paths.size(); ++i) {
    Lines lines;
    if (!ReadProgramLines(paths[i], lines)) {
      why = "\"" + paths[i] + "\" 파일을 읽을 수 없어 합병하지 않았습니다.";
      return FALSE;
    }
    for (size_t k = 0; k < lines.size(); ++k) {
      Put(merged, lines[k], IsRemovedFileLine(lines[k], k, i, paths.size(), options.start_with_document), options);
    }
  }
  out = std::move(merged);
  return TRUE;
}

void RunNcMerge(CVellumTextView* view) {
  if (RefuseReadOnly(view)) return;
  CNcMergeDialog dialog;
  if (dialog.DoModal() == IDOK) {
    MergeOptions options;
    options.start_with_document = dialog.m_bStartWithDocument != 0;
    options.drop = dialog.m_bDrop != 0;
    Lines merged;
    std::string why;
    if (dialog.m_paths.empty()) {
      ShowMessage("합병할 파일을 목록에 넣으세요.");
    } else if (!MergePrograms(DocumentLines(view), dialog.m_paths, options, merged, why)) {
      ShowMessage(why);
    } else {
      WriteScratchFile(merged);
      ReplaceDocumentLines(view, merged);
    }
  }
  ScrollTo(view, 0);
  Select(view, {0, 0}, {0, 0}, {0, 0});
}

}  // namespace nc
