// What the editing view's tests share: buffers loaded from bytes, editing
// views of them side by side in one frame (8 x 16 pixel cells right of the
// 60 pixel margin), keys, typing, commands and the saved bytes.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/textedit/edit/edit_view.h"
#include "platform/classlib/backend/headless_test_support.h"
#include "platform/ui/user_input.h"

namespace editview_test {

using afx_test::Headless;

constexpr int kCellWidth = 8;
constexpr int kCellHeight = 16;
constexpr int kColumns = 40;
constexpr int kRows = 10;
constexpr int kViewWidth = CVellumTextView::kMarginWidth + kColumns * kCellWidth;

inline TextPosition At(int column, int line) { return TextPosition{column, line}; }

inline std::string Describe(TextPosition pos) {
  return "(" + std::to_string(pos.column) + "," + std::to_string(pos.line) + ")";
}

class EditViewTest : public afx_test::WindowTest {
 protected:
  ~EditViewTest() override {
    // The views go before the buffers they show.
    if (frame_.m_hWnd != nullptr) frame_.DestroyWindow();
    afx::DrainMessages();
  }

  // A buffer loaded from a file of these bytes.
  CVellumTextBuffer& LoadBuffer(const std::string& bytes) {
    auto buffer = std::make_unique<CVellumTextBuffer>();
    const std::string path = folder_ / ("text" + std::to_string(buffers_.size()) + ".nc");
    std::ofstream(path, std::ios::binary) << bytes;
    EXPECT_TRUE(buffer->LoadFromFile(path.c_str()));
    buffers_.push_back(std::move(buffer));
    return *buffers_.back();
  }

  // The bytes the buffer saves.
  std::string Saved(CVellumTextBuffer& buffer) {
    const std::string path = folder_ / "saved.nc";
    EXPECT_TRUE(buffer.SaveToFile(path.c_str(), -1, FALSE));
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // An editing view (the window owns it) of buffer, the index-th from the left in the frame.
  template <class View = CVellumEditView>
  View* AddView(CVellumTextBuffer& buffer, int index = 0) {
    if (frame_.m_hWnd == nullptr) {
      EXPECT_TRUE(frame_.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE,
                                  CRect(0, 0, 2 * kViewWidth, kRows * kCellHeight), nullptr, 0));
    }
    auto* view = new View;
    const CRect rect(index * kViewWidth, 0, (index + 1) * kViewWidth, kRows * kCellHeight);
    EXPECT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, &frame_,
                             static_cast<UINT>(AFX_IDW_PANE_FIRST + index)));
    view->BindBuffer(&buffer);
    view->SetFocus();
    afx::DrainMessages();
    return view;
  }

  // One buffer of these bytes in one focused view.
  void Show(const std::string& bytes) {
    buffer_ = &LoadBuffer(bytes);
    view_ = AddView(*buffer_);
  }

  // A key as the user presses it: "Shift+Ctrl+Right", "Enter".
  void Press(const std::string& chord) {
    const std::optional<ui::KeyChord> parsed = ui::ParseKeyChord(chord);
    ASSERT_TRUE(parsed.has_value()) << chord;
    Headless().Key(*parsed);
    afx::DrainMessages();
  }

  void Type(const std::string& text) {
    Headless().Type(text);
    afx::DrainMessages();
  }

  void Command(UINT id, CVellumTextView* view = nullptr) {
    (view != nullptr ? view : view_)->SendMessage(WM_COMMAND, id);
    afx::DrainMessages();
  }

  CCmdUI Update(UINT id, CVellumTextView* view = nullptr) {
    CCmdUI state;
    state.m_nID = id;
    state.DoUpdate(view != nullptr ? view : view_, FALSE);
    return state;
  }

  // Puts the caret at from and selects up to to.
  void Select(TextPosition from, TextPosition to, CVellumEditView* view = nullptr) {
    CVellumEditView* target = view != nullptr ? view : view_;
    target->SetAnchor(from);
    target->SetSelection(from, to);
    target->SetCursorPosition(to);
  }

  std::string Selection(CVellumTextView* view = nullptr) {
    TextPosition start;
    TextPosition end;
    (view != nullptr ? view : view_)->GetSelection(start, end);
    return Describe(start) + "-" + Describe(end);
  }

  std::string Caret(CVellumTextView* view = nullptr) {
    return Describe((view != nullptr ? view : view_)->GetCursorPosition());
  }

  // The client point of a text cell's left half, in the view's own coordinates.
  static CPoint Cell(int column, int row) {
    return CPoint(CVellumTextView::kMarginWidth + column * kCellWidth + 1, row * kCellHeight + 4);
  }

  std::vector<std::unique_ptr<CVellumTextBuffer>> buffers_;
  CWnd frame_;
  CVellumTextBuffer* buffer_ = nullptr;
  CVellumEditView* view_ = nullptr;  // its window owns it
};

}  // namespace editview_test
