// A generated NC program of about 100 MB (TEXT_BENCH_MB sets another size)
// in a text view on the headless backend: open it, colour and draw the first
// screen; scroll to its end and draw the last screen.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/nc_program_file.h"
#include "editor/textedit/view/text_view.h"
#include "platform/classlib/backend/backend_events.h"

namespace {

std::string& ProgramPath() {
  static std::string path;
  return path;
}

// Colours address letters and the numbers behind them; an open comment carries into the next line.
class NcColourView : public CVellumTextView {
 public:
  DWORD ColourBlocksHook(DWORD cookie, int line, std::vector<ColourBlock>* blocks) override {
    const char* text = TextLineChars(line);
    const int length = TextLineLength(line);
    bool comment = (cookie & 1) != 0;
    for (int i = 0; i < length; ++i) {
      const char c = text[i];
      if (comment) {
        comment = c != ')';
      } else if (c == '(') {
        comment = true;
        if (blocks != nullptr) blocks->push_back({i, 19});
      } else if (blocks != nullptr && c >= 'A' && c <= 'Z') {
        blocks->push_back({i, c == 'X' || c == 'Y' || c == 'Z' ? 6 : 7});
        blocks->push_back({i + 1, 4});
      }
    }
    return comment ? 1 : 0;
  }
};

// A window of 100 columns by 50 rows with a view in it, gone with this object.
class ViewWindow {
 public:
  ViewWindow() {
    const CRect area(0, 0, CVellumTextView::kMarginWidth + 800, 800);
    frame_.CreateEx(0, nullptr, "bench", WS_POPUP | WS_VISIBLE, area, nullptr, 0);
    view_ = new NcColourView;
    view_->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, area, &frame_, AFX_IDW_PANE_FIRST);
    view_->SetFocus();
  }
  ~ViewWindow() {
    frame_.DestroyWindow();
    afx::DrainMessages();
  }
  ViewWindow(const ViewWindow&) = delete;
  ViewWindow& operator=(const ViewWindow&) = delete;
  CVellumTextView& view() { return *view_; }

 private:
  CWnd frame_;
  CVellumTextView* view_ = nullptr;  // its window owns it
};

void BM_OpenColourAndDrawFirstScreen(benchmark::State& state) {
  for (auto _ : state) {
    auto buffer = std::make_unique<CVellumTextBuffer>();
    auto window = std::make_unique<ViewWindow>();
    if (!buffer->LoadFromFile(ProgramPath().c_str())) state.SkipWithError("load failed");
    window->view().BindBuffer(buffer.get());
    afx::DrainMessages();
    state.PauseTiming();  // closing is not part of opening
    state.counters["lines"] = buffer->LineCount();
    window.reset();
    buffer.reset();
    state.ResumeTiming();
  }
  state.counters["peak_rss_MB"] = bench_nc::PeakMegabytes();
}

void BM_ScrollToTheEnd(benchmark::State& state) {
  CVellumTextBuffer buffer;
  if (!buffer.LoadFromFile(ProgramPath().c_str())) state.SkipWithError("load failed");
  ViewWindow window;
  for (auto _ : state) {
    state.PauseTiming();
    window.view().BindBuffer(&buffer);  // nothing of the lines is known yet
    afx::DrainMessages();
    state.ResumeTiming();
    window.view().SendMessage(WM_COMMAND, ID_EDIT_TEXT_END);
    afx::DrainMessages();
  }
  state.counters["top_line"] = window.view().TopLine();
  state.counters["peak_rss_MB"] = bench_nc::PeakMegabytes();
}

void BM_PageDownThroughKnownLines(benchmark::State& state) {
  CVellumTextBuffer buffer;
  if (!buffer.LoadFromFile(ProgramPath().c_str())) state.SkipWithError("load failed");
  ViewWindow window;
  window.view().BindBuffer(&buffer);
  window.view().SendMessage(WM_COMMAND, ID_EDIT_TEXT_END);
  window.view().SendMessage(WM_COMMAND, ID_EDIT_TEXT_BEGIN);
  afx::DrainMessages();
  for (auto _ : state) {
    window.view().SendMessage(WM_COMMAND, ID_EDIT_PAGE_DOWN);
    afx::DrainMessages();
  }
}

BENCHMARK(BM_OpenColourAndDrawFirstScreen)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_ScrollToTheEnd)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_PageDownThroughKnownLines)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const bench_nc::ScratchFolder folder;
  if (!folder.Made()) {
    std::perror("mkdtemp");
    return 1;
  }
  ProgramPath() = folder.File("program.nc");
  bench_nc::GenerateProgram(ProgramPath(), bench_nc::WantedBytes());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
