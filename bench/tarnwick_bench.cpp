// Tarnwick on a generated NC program of about 100 MB (TEXT_BENCH_MB sets
// another size), against vim on the same file where vim is installed: the
// headless program opened to its first coloured screen and to the last line,
// its peak memory for the file's size, Replace All of every G01, and typing
// and scrolling at the end of the file. Counters give the ratios: to vim's
// time (goal: at most 1 for opening, 2 for Replace All) and to the file size
// (goal: peak memory at most 1.5).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/nc_program_file.h"
#include "editor/textedit/edit/edit_view.h"
#include "editor/textedit/view/text_view_ids.h"
#include "platform/classlib/backend/backend_events.h"

namespace {

struct Paths {
  bench_nc::ScratchFolder folder;
  std::string program;
  double megabytes = 0;
};

Paths& Files() {
  static Paths paths;
  return paths;
}

struct ChildRun {
  double seconds = 0;
  double peak_mb = 0;
  bool ok = false;
};

// Runs a program to its end with its output thrown away; its time and peak memory.
ChildRun RunChild(const std::vector<std::string>& arguments) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) {
    std::freopen("/dev/null", "w", stdout);
    std::freopen("/dev/null", "w", stderr);
    std::freopen("/dev/null", "r", stdin);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  ChildRun run;
  int status = 0;
  struct rusage usage {};
  if (child < 0 || ::wait4(child, &status, 0, &usage) != child) return run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.peak_mb = static_cast<double>(usage.ru_maxrss) / 1024.0;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

bool HaveVim() { return std::system("command -v vim >/dev/null 2>&1") == 0; }

// vim on a fresh copy of the program, so that no run sees another's swap or changes.
ChildRun RunVim(const std::vector<std::string>& commands) {
  std::vector<std::string> arguments = {"vim", "-u", "NONE", "-es", "-n"};
  for (const std::string& command : commands) {
    arguments.push_back("-c");
    arguments.push_back(command);
  }
  arguments.push_back(Files().program);
  return RunChild(arguments);
}

ChildRun RunTarnwick(const std::string& script_text) {
  const std::string script = Files().folder.File("script.txt");
  std::ofstream(script) << script_text;
  ::setenv("HOME", Files().folder.File("").c_str(), 1);
  ::setenv("VELMORA_REGISTRY", Files().folder.File("registry.reg").c_str(), 1);
  return RunChild({TARNWICK_PATH, "--script", script, Files().program});
}

// Times a Tarnwick script against vim's commands; reference seconds of both
// (the open alone) are subtracted when given, to time the command itself.
// Each iteration runs vim right after Tarnwick, and the ratio takes the best
// run of each, so that a moment of load on a shared machine sways neither.
void CompareWithVim(benchmark::State& state, const std::string& script, const std::vector<std::string>& vim,
                    double tarnwick_base = 0, double vim_base = 0) {
  ChildRun last;
  double best = 0;
  ChildRun vim_best;
  const bool have_vim = HaveVim();
  for (auto _ : state) {
    last = RunTarnwick(script);
    if (!last.ok) state.SkipWithError("Tarnwick failed");
    state.SetIterationTime(last.seconds);
    if (best == 0 || last.seconds < best) best = last.seconds;
    if (!have_vim) continue;
    const ChildRun vim_run = RunVim(vim);
    if (vim_best.seconds == 0 || vim_run.seconds < vim_best.seconds) vim_best = vim_run;
  }
  state.counters["peak_MB"] = last.peak_mb;
  state.counters["peak_per_file_size"] = last.peak_mb / Files().megabytes;
  if (!have_vim) return;
  state.counters["vim_s"] = vim_best.seconds;
  state.counters["vim_peak_MB"] = vim_best.peak_mb;
  const double ours = best - tarnwick_base;
  const double theirs = vim_best.seconds - vim_base;
  if (theirs > 0) state.counters["ratio_to_vim"] = ours / theirs;
}

double open_seconds = 0;
double vim_open_seconds = 0;

void BM_OpenToTheFirstColouredScreen(benchmark::State& state) {
  CompareWithVim(state, "screen\n", {"normal G", "q"});
  open_seconds = state.iterations() > 0 ? RunTarnwick("screen\n").seconds : 0;
  if (HaveVim()) vim_open_seconds = RunVim({"normal G", "q"}).seconds;
}

void BM_OpenToTheLastLine(benchmark::State& state) {
  CompareWithVim(state, "key Ctrl+End\nscreen\n", {"normal G", "q"});
}

// Replace All of "G01" by "G1" in the whole file, less the open, against vim's :%s less its open.
void BM_ReplaceAllG01(benchmark::State& state) {
  const std::string replace = std::to_string(ID_EDIT_REPLACE);
  CompareWithVim(state, "menu " + replace + "\nset 8605 G01\nset 8609 G1\nclick 8608\nok\ncancel\n",
                 {"%s/G01/G1/g", "q!"}, open_seconds, vim_open_seconds);
}

// An editing view of the loaded program scrolled to its end, in a window of
// 100 columns by 50 rows, gone with this object.
class EndOfFile {
 public:
  EndOfFile() {
    buffer_.LoadFromFile(Files().program.c_str());
    const CRect area(0, 0, CVellumTextView::kMarginWidth + 800, 800);
    frame_.CreateEx(0, nullptr, "bench", WS_POPUP | WS_VISIBLE, area, nullptr, 0);
    view_ = new CVellumEditView;
    view_->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, area, &frame_, AFX_IDW_PANE_FIRST);
    view_->BindBuffer(&buffer_);
    view_->SetFocus();
    view_->SendMessage(WM_COMMAND, ID_EDIT_TEXT_END);
    afx::DrainMessages();
  }
  ~EndOfFile() {
    frame_.DestroyWindow();
    afx::DrainMessages();
  }
  EndOfFile(const EndOfFile&) = delete;
  EndOfFile& operator=(const EndOfFile&) = delete;
  CVellumEditView& view() { return *view_; }

 private:
  CVellumTextBuffer buffer_;
  CWnd frame_;
  CVellumEditView* view_ = nullptr;  // its window owns it
};

// One key typed at the end and the screen drawn again (goal: under 16 ms).
void BM_TypingAtTheEnd(benchmark::State& state) {
  EndOfFile file;
  for (auto _ : state) {
    file.view().SendMessage(WM_CHAR, 'X');
    afx::DrainMessages();
  }
}

// One line up or down near the end, the screen scrolled and drawn (goal: under 16 ms).
void BM_ScrollingAtTheEnd(benchmark::State& state) {
  EndOfFile file;
  bool up = true;
  for (auto _ : state) {
    file.view().SendMessage(WM_COMMAND, up ? ID_EDIT_PAGE_UP : ID_EDIT_PAGE_DOWN);
    afx::DrainMessages();
    up = !up;
  }
}

BENCHMARK(BM_OpenToTheFirstColouredScreen)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(BM_OpenToTheLastLine)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(BM_ReplaceAllG01)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();
BENCHMARK(BM_TypingAtTheEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollingAtTheEnd)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (!Files().folder.Made()) {
    std::perror("mkdtemp");
    return 1;
  }
  Files().program = Files().folder.File("program.nc");
  bench_nc::GenerateProgram(Files().program, bench_nc::WantedBytes());
  struct stat info {};
  ::stat(Files().program.c_str(), &info);
  Files().megabytes = static_cast<double>(info.st_size) / (1 << 20);
  std::printf("program: %.1f MB%s\n", Files().megabytes, HaveVim() ? "" : " (vim is not installed: no ratios)");
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
