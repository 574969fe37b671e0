// Helpers shared by the text buffer's tests: a scratch folder, file access,
// a UI that records message boxes and a view that records notices.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "editor/textedit/text_buffer.h"
#include "platform/ui/ui_driver.h"

namespace textedit_test {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "textedit-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  // Names in the folder other than the given ones (left-over temporary files).
  std::vector<std::string> Others(const std::vector<std::string>& known) const {
    std::vector<std::string> others;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      const std::string name = entry.path().filename().string();
      bool listed = false;
      for (const auto& k : known) listed = listed || k == name;
      if (!listed) others.push_back(name);
    }
    return others;
  }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::string> Lines(const CVellumTextBuffer& buffer) {
  std::vector<std::string> lines;
  for (int i = 0; i < buffer.LineCount(); ++i) lines.emplace_back(buffer.LineView(i));
  return lines;
}

// The text as one string, lines joined by LF, for short comparisons.
inline std::string Joined(const CVellumTextBuffer& buffer) {
  std::string text;
  for (int i = 0; i < buffer.LineCount(); ++i) {
    if (i > 0) text += '\n';
    text += buffer.LineView(i);
  }
  return text;
}

class RecordingUi : public ui::UiDriver {
 public:
  struct Box {
    std::string text;
    std::string caption;
    UINT type;
  };
  int MessageBox(const std::string& text, const std::string& caption, UINT type) override {
    boxes.push_back({text, caption, type});
    return IDOK;
  }
  void RunModal(ui::ModalSurface& dialog) override { dialog.Cancel(); }
  std::optional<std::string> AskFile(const ui::FileDialogRequest&) override { return std::nullopt; }
  ui::InputLine ReadLine(const std::string&) override { return {}; }
  void Print(const std::string&) override {}
  bool IsKeyDown(int) override { return false; }
  void Fail(const std::string&) override { failed = true; }
  bool Failed() const override { return failed; }

  std::vector<Box> boxes;
  bool failed = false;
};

class RecordingView : public CTextBufferView {
 public:
  struct Notice {
    CTextBufferView* source;
    DWORD flags;
    int line;
    bool has_fixup;
  };
  void OnBufferChange(CTextBufferView* source, const CPositionFixup* fixup, DWORD flags, int line) override {
    notices.push_back({source, flags, line, fixup != nullptr});
    if (fixup != nullptr) fixup->Adjust(caret);
  }
  void AfterEditAction(int action, const CString& text) override { actions.emplace_back(action, text.str()); }

  std::vector<Notice> notices;
  std::vector<std::pair<int, std::string>> actions;
  TextPosition caret;
};

}  // namespace textedit_test
