// The GTK backend on a real display (the suite runs it under xvfb-run).
#include "platform/gui/gui_backend.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/scrolbar.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "platform/classlib/afxwin.h"
#include "platform/classlib/backend/backend_events.h"
#include "platform/gui/cairo_surface.h"
#include "platform/gui/gui_session.h"
#include "platform/gui/print_jobs.h"
#include "platform/gui/window_peer.h"

namespace gui {
namespace {

namespace fs = std::filesystem;

GuiSession* session = nullptr;

class GuiBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (session == nullptr || !session->ok()) GTEST_SKIP() << "no display";
  }
  GuiBackend& backend() { return session->backend(); }
};

// The colour of a pixel of a surface the backend made.
COLORREF PixelAt(afx::Surface& surface, int x, int y) {
  auto& drawn = dynamic_cast<CairoSurface&>(surface);
  cairo_surface_t* pixels = drawn.target();
  cairo_surface_flush(pixels);
  const unsigned char* data = cairo_image_surface_get_data(pixels);
  const int stride = cairo_image_surface_get_stride(pixels);
  std::uint32_t value = 0;
  std::memcpy(&value, data + y * stride + x * 4, sizeof value);
  return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

LOGFONT Font(int height) {
  LOGFONT font;
  font.lfHeight = height;
  std::strcpy(font.lfFaceName, "Courier New");
  return font;
}

TEST_F(GuiBackendTest, BitmapsTakeFillsInversionsCopiesAndKoreanText) {
  std::unique_ptr<afx::Surface> bitmap = backend().BitmapSurface(64, 32);
  bitmap->FillRect(CRect(0, 0, 64, 32), RGB(255, 255, 255));
  bitmap->FillRect(CRect(2, 2, 10, 10), RGB(200, 30, 40));
  EXPECT_EQ(PixelAt(*bitmap, 2, 2), RGB(200, 30, 40));
  EXPECT_EQ(PixelAt(*bitmap, 9, 9), RGB(200, 30, 40));
  EXPECT_EQ(PixelAt(*bitmap, 10, 10), RGB(255, 255, 255)) << "the right and bottom edges stay out";
  bitmap->InvertRect(CRect(2, 2, 4, 4), false);
  EXPECT_EQ(PixelAt(*bitmap, 3, 3), RGB(55, 225, 215));

  // Clipped text leaves the outside alone.
  bitmap->SetClip(CRect(32, 0, 64, 32));
  afx::TextStyle style;
  style.font = Font(-20);
  style.text = RGB(0, 0, 255);
  bitmap->DrawText(CPoint(0, 4), "\xED\x95\x9C\xEA\xB8\x80 \xED\x95\x9C\xEA\xB8\x80", style);  // "한글 한글"
  bitmap->SetClip(nullptr);
  int blue_inside = 0;
  for (int x = 32; x < 64; ++x) {
    for (int y = 0; y < 32; ++y)
      blue_inside += GetBValue(PixelAt(*bitmap, x, y)) > 200 && GetRValue(PixelAt(*bitmap, x, y)) < 100;
  }
  EXPECT_GT(blue_inside, 10) << "Korean glyphs are drawn";
  EXPECT_EQ(PixelAt(*bitmap, 20, 15), RGB(255, 255, 255)) << "nothing drawn outside the clip";
  EXPECT_GT(bitmap->TextWidth(style.font, "\xED\x95\x9C"), bitmap->TextWidth(style.font, "a"));
  const afx::FontMetrics metrics = bitmap->Metrics(style.font);
  EXPECT_EQ(metrics.height, metrics.ascent + metrics.descent);
  EXPECT_GE(metrics.height, 20);

  std::unique_ptr<afx::Surface> copy = backend().BitmapSurface(16, 16);
  copy->CopyFrom(CRect(0, 0, 16, 16), *bitmap, CPoint(2, 2));
  EXPECT_EQ(PixelAt(*copy, 5, 5), RGB(200, 30, 40));
  // Copying within one bitmap moves its pixels, as scrolling does.
  bitmap->CopyFrom(CRect(4, 4, 20, 20), *bitmap, CPoint(2, 2));
  EXPECT_EQ(PixelAt(*bitmap, 10, 10), RGB(200, 30, 40));
}

TEST_F(GuiBackendTest, ClipboardTextComesBackAsItWasPut) {
  const std::string text = "G01 X10.\r\n\xED\x95\x9C\xEA\xB8\x80 (comment)";
  ASSERT_TRUE(backend().PutClipboardText(text));
  EXPECT_EQ(backend().ClipboardText(), text);
  ASSERT_TRUE(backend().PutClipboardText("second"));
  EXPECT_EQ(backend().ClipboardText(), "second");
}

std::string Output(const std::string& command) {
  std::string text;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return text;
  char chunk[4096];
  for (size_t got; (got = fread(chunk, 1, sizeof chunk, pipe)) > 0;) text.append(chunk, got);
  pclose(pipe);
  return text;
}

TEST_F(GuiBackendTest, PrintingToAFileWritesPdfPagesWhoseTextReadsBack) {
  const fs::path folder = fs::temp_directory_path() / ("vgui-print-" + std::to_string(getpid()));
  fs::create_directories(folder);
  afx::PrinterSetup setup = backend().DefaultPrinter();
  setup.output_file = (folder / "out.pdf").string();
  std::unique_ptr<afx::PrintJob> job = backend().StartPrintJob(setup, "two pages");
  ASSERT_NE(job, nullptr);
  afx::TextStyle style;
  style.font = Font(-42);  // 10 points at 300 dots per inch
  for (const char* line : {"first page text", "second page \xED\x95\x9C\xEA\xB8\x80"}) {
    afx::Surface* page = job->StartPage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Device().dpi_x, setup.dpi);
    EXPECT_TRUE(page->Device().printer);
    page->DrawText(CPoint(0, 0), line, style);
    ASSERT_TRUE(job->EndPage());
  }
  EXPECT_FALSE(fs::exists(setup.output_file)) << "no file under the wanted name until the document is complete";
  ASSERT_TRUE(job->Finish());
  job.reset();
  EXPECT_FALSE(fs::exists(setup.output_file + ".partial"));
  const std::string text = Output("pdftotext " + setup.output_file + " - 2>/dev/null");
  EXPECT_EQ(text, "first page text\n\n\fsecond page \xED\x95\x9C\xEA\xB8\x80\n\n\f") << text;

  // An aborted document leaves no file behind, and a folder that is not there gets none.
  setup.output_file = (folder / "aborted.pdf").string();
  job = backend().StartPrintJob(setup, "aborted");
  ASSERT_NE(job, nullptr);
  job->StartPage();
  job->Abort();
  job.reset();
  EXPECT_FALSE(fs::exists(setup.output_file));
  EXPECT_FALSE(fs::exists(setup.output_file + ".partial"));
  setup.output_file = (folder / "missing" / "out.pdf").string();
  EXPECT_EQ(backend().StartPrintJob(setup, "nowhere"), nullptr);
  EXPECT_FALSE(fs::exists(folder / "missing"));
  fs::remove_all(folder);
}

class TimedWindow : public CWnd {
 public:
  int ticks = 0;

 protected:
  afx_msg void OnTimer(UINT_PTR) { ++ticks; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TimedWindow, CWnd)
ON_WM_TIMER()
END_MESSAGE_MAP()

TEST_F(GuiBackendTest, AShownWindowGetsItsTimersThroughTheMessageLoop) {
  TimedWindow window;
  ASSERT_TRUE(window.CreateEx(0, AfxRegisterWndClass(0), "Timed", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              CRect(10, 10, 210, 110), nullptr, 0));
  window.SetTimer(1, 20, nullptr);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (window.ticks < 3 && std::chrono::steady_clock::now() < end) {
    ASSERT_TRUE(backend().WaitForInput());
    afx::DrainMessages();
  }
  EXPECT_GE(window.ticks, 3);
  const std::optional<CRect> shown = NativeScreenRect(window.m_hWnd);
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ(shown->Width(), 200);
  window.KillTimer(1);
  window.DestroyWindow();
  backend().Pump();
  EXPECT_FALSE(backend().WaitForInput()) << "no window left to take input";
}

TEST_F(GuiBackendTest, AWindowAboveAnotherHidesTheNativeScrollBarItCovers) {
  CWnd top;
  ASSERT_TRUE(top.CreateEx(0, AfxRegisterWndClass(0), "Stacked", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           CRect(10, 10, 410, 310), nullptr, 0));
  CWnd below;
  CWnd above;
  ASSERT_TRUE(below.CreateEx(0, nullptr, "below", WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(0, 0, 200, 200), &top, 1));
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = 99;
  info.nPage = 10;
  info.nPos = 0;
  below.SetScrollInfo(SB_VERT, &info);
  const auto bar_shown = [&] {
    wxScrollBar* bar = PeerOf(*afx::RecordOf(below.m_hWnd)).bars[SB_VERT];
    return bar != nullptr && bar->IsShown();
  };
  EXPECT_TRUE(bar_shown());
  // A window made later lies above; over the bar, the bar must not show through it.
  ASSERT_TRUE(above.CreateEx(0, nullptr, "above", WS_CHILD | WS_VISIBLE, CRect(100, 50, 300, 250), &top, 2));
  EXPECT_FALSE(bar_shown()) << "the bar of the window below shows over the window above";
  above.MoveWindow(250, 50, 100, 100);
  EXPECT_TRUE(bar_shown());
  below.BringWindowToTop();
  above.MoveWindow(100, 50, 200, 200);
  EXPECT_TRUE(bar_shown()) << "the window below came to the top";
  top.DestroyWindow();
  backend().Pump();
}

}  // namespace
}  // namespace gui

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests needs no display.
  std::unique_ptr<gui::GuiSession> started;
  if (std::getenv("DISPLAY") != nullptr) {
    started = std::make_unique<gui::GuiSession>(argc, argv);
    gui::session = started.get();
  }
  const int result = RUN_ALL_TESTS();
  gui::session = nullptr;
  return result;
}
