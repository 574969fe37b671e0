// What the text view's tests share: a buffer loaded with lines, a view of it
// in a top-level window of a chosen size in character cells (8 x 16 pixels
// each, the line-number margin 60 pixels), and the keys and screen of the
// headless backend.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "editor/textedit/view/text_view.h"
#include "platform/classlib/backend/headless_test_support.h"
#include "platform/ui/user_input.h"

namespace textview_test {

using afx_test::Headless;

constexpr int kCellWidth = 8;
constexpr int kCellHeight = 16;

inline std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\r\n" : "") + lines[i];
  return text;
}

inline TextPosition At(int column, int line) { return TextPosition{column, line}; }

inline std::string Describe(TextPosition pos) {
  return "(" + std::to_string(pos.column) + "," + std::to_string(pos.line) + ")";
}

class TextViewTest : public afx_test::WindowTest {
 protected:
  ~TextViewTest() override {
    // The view goes before the buffer it shows.
    if (frame_.m_hWnd != nullptr) frame_.DestroyWindow();
    afx::DrainMessages();
  }

  // Loads the lines (CR LF between them) and shows them in a view of
  // columns x rows text cells right of the margin.
  void Show(const std::vector<std::string>& lines, int columns = 40, int rows = 10) {
    Load(lines);
    MakeView(new CVellumTextView, columns, rows);
  }

  void Load(const std::vector<std::string>& lines) {
    const std::string path = folder_ / "text.nc";
    std::ofstream(path, std::ios::binary) << Joined(lines);
    ASSERT_TRUE(buffer_.LoadFromFile(path.c_str()));
  }

  void MakeView(CVellumTextView* view, int columns, int rows) {
    const int width = CVellumTextView::kMarginWidth + columns * kCellWidth;
    const int height = rows * kCellHeight;
    ASSERT_TRUE(frame_.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, width, height), nullptr, 0));
    view_ = view;
    ASSERT_TRUE(view_->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, width, height), &frame_,
                              AFX_IDW_PANE_FIRST));
    view_->BindBuffer(&buffer_);
    view_->SetFocus();
    afx::DrainMessages();
  }

  // A key as the user presses it: "Shift+Ctrl+Right", "F3".
  void Press(const std::string& chord) {
    const std::optional<ui::KeyChord> parsed = ui::ParseKeyChord(chord);
    ASSERT_TRUE(parsed.has_value()) << chord;
    Headless().Key(*parsed);
    afx::DrainMessages();
  }

  void Command(UINT id) {
    view_->SendMessage(WM_COMMAND, id);
    afx::DrainMessages();
  }

  // The client point of a text cell's left half.
  static CPoint Cell(int column, int row) {
    return CPoint(CVellumTextView::kMarginWidth + column * kCellWidth + 1, row * kCellHeight + 4);
  }

  std::vector<afx::ScreenRow> Screen() {
    afx::DrainMessages();
    return Headless().Screen(view_->m_hWnd);
  }
  std::string Row(int row) {
    const std::vector<afx::ScreenRow> rows = Screen();
    return row < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(row)].text : std::string("<none>");
  }

  std::string Selected() {
    TextPosition start;
    TextPosition end;
    view_->GetSelection(start, end);
    CString text;
    view_->TextRange(start, end, text);
    return text.str();
  }

  CVellumTextBuffer buffer_;
  CWnd frame_;
  CVellumTextView* view_ = nullptr;  // its window owns it
};

}  // namespace textview_test
