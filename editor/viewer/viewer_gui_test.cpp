// The viewer as a person sees it, on the virtual display the suite runs it
// on: what the screen shows, what typing does, and what printing writes.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kPatience = std::chrono::seconds(20);

bool OnDisplay() { return std::getenv("DISPLAY") != nullptr; }

// The viewer running, its standard output read line by line.
class Viewer {
 public:
  explicit Viewer(const std::vector<std::string>& arguments) {
    int out[2];
    if (pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], STDOUT_FILENO);
      close(out[0]);
      close(out[1]);
      std::vector<char*> argv{const_cast<char*>(VIEWER_PATH)};
      for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
      argv.push_back(nullptr);
      execv(VIEWER_PATH, argv.data());
      _exit(127);
    }
    close(out[1]);
    out_ = out[0];
  }
  ~Viewer() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
  }

  // The next line that starts with prefix, within the time; empty when none came.
  std::string WaitForLine(const std::string& prefix) {
    const auto end = Clock::now() + kPatience;
    while (Clock::now() < end) {
      for (size_t at = buffer_.find('\n'); at != std::string::npos; at = buffer_.find('\n')) {
        const std::string line = buffer_.substr(0, at);
        buffer_.erase(0, at + 1);
        if (line.rfind(prefix, 0) == 0) return line;
      }
      pollfd ready{out_, POLLIN, 0};
      if (poll(&ready, 1, 100) <= 0) continue;
      char chunk[512];
      const ssize_t got = read(out_, chunk, sizeof chunk);
      if (got <= 0) return "";
      buffer_.append(chunk, static_cast<size_t>(got));
    }
    return "";
  }

  // The exit status, or -1 when the viewer did not end in time.
  int WaitForExit() {
    const auto end = Clock::now() + std::chrono::seconds(60);
    while (Clock::now() < end) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  bool exited_ = false;
  std::string buffer_;
};

std::string Output(const std::string& command) {
  std::string text;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return text;
  char chunk[4096];
  for (size_t got; (got = fread(chunk, 1, sizeof chunk, pipe)) > 0;) text.append(chunk, got);
  pclose(pipe);
  return text;
}

struct Rgb {
  int r, g, b;
};

// The pixels of a screen area, through ImageMagick.
class Screenshot {
 public:
  Screenshot(const fs::path& folder, int x, int y, int width, int height) : width_(width) {
    const fs::path shot = folder / "screen.png";
    std::system(("import -window root " + shot.string() + " 2>/dev/null").c_str());
    std::istringstream ppm(Output("convert " + shot.string() + " -crop " + std::to_string(width) + "x" +
                                  std::to_string(height) + "+" + std::to_string(x) + "+" + std::to_string(y) +
                                  " +repage -depth 8 ppm:- 2>/dev/null"));
    std::string magic;
    int w = 0, h = 0, depth = 0;
    ppm >> magic >> w >> h >> depth;
    ppm.get();
    if (magic != "P6" || w != width || h != height) return;
    std::string bytes(static_cast<size_t>(w) * h * 3, '\0');
    ppm.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    for (size_t i = 0; i + 2 < bytes.size(); i += 3) {
      pixels_.push_back({static_cast<unsigned char>(bytes[i]), static_cast<unsigned char>(bytes[i + 1]),
                         static_cast<unsigned char>(bytes[i + 2])});
    }
  }

  bool ok() const { return !pixels_.empty(); }
  // Pixels of the area within x0..x1, y0..y1 (area coordinates) close to a colour.
  int Count(Rgb colour, int x0, int y0, int x1, int y1) const {
    int count = 0;
    for (size_t i = 0; i < pixels_.size(); ++i) {
      const int x = static_cast<int>(i) % width_;
      const int y = static_cast<int>(i) / width_;
      if (x < x0 || x >= x1 || y < y0 || y >= y1) continue;
      const Rgb& p = pixels_[i];
      if (std::abs(p.r - colour.r) + std::abs(p.g - colour.g) + std::abs(p.b - colour.b) < 60) ++count;
    }
    return count;
  }

 private:
  int width_;
  std::vector<Rgb> pixels_;
};

class ViewerGuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!OnDisplay()) GTEST_SKIP() << "no display";
    char name[] = "/tmp/viewer-test-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder_ = name;
    setenv("VELMORA_REGISTRY", (folder_ / "registry.reg").c_str(), 1);
  }
  void TearDown() override {
    if (!folder_.empty()) fs::remove_all(folder_);
  }

  fs::path WriteProgram(const std::string& name, int lines) {
    const fs::path path = folder_ / name;
    std::ofstream out(path);
    for (int i = 1; i <= lines; ++i) {
      out << "N" << (i < 10 ? "000" : i < 100 ? "00" : "0") << i << " G01 X" << i << " (line " << i << ")\n";
    }
    return path;
  }

  fs::path folder_;
};

// Where the viewer says its view is: x, y, width, height.
std::vector<int> ShownArea(Viewer& viewer) {
  std::istringstream line(viewer.WaitForLine("[shown"));
  std::string word;
  std::vector<int> area(4, 0);
  line >> word >> area[0] >> area[1] >> area[2] >> area[3];
  return area;
}

TEST_F(ViewerGuiTest, ShowsColouredLinesBesideANumberMarginAndTakesTypedKeys) {
  const fs::path program = WriteProgram("sample.nc", 40);
  Viewer viewer({program.string()});
  const std::vector<int> area = ShownArea(viewer);
  ASSERT_GT(area[2], 200) << "the viewer never said where it shows";
  ASSERT_GT(area[3], 100);

  // The margin is grey with dark numbers; the text has blue G words and green comments on white.
  bool shown = false;
  for (const auto end = Clock::now() + kPatience; !shown && Clock::now() < end;) {
    const Screenshot screen(folder_, area[0], area[1], area[2], area[3]);
    ASSERT_TRUE(screen.ok()) << "no screenshot";
    const int margin_grey = screen.Count({224, 224, 224}, 0, 0, 20, area[3]);
    const int numbers = screen.Count({96, 96, 96}, 0, 0, 60, area[3] / 2);
    const int blue = screen.Count({0, 0, 255}, 60, 0, area[2], area[3] / 2);
    const int green = screen.Count({0, 128, 0}, 60, 0, area[2], area[3] / 2);
    const int white = screen.Count({255, 255, 255}, 60, 0, area[2], area[3]);
    shown = margin_grey > 20 * area[3] / 2 && numbers > 20 && blue > 20 && green > 20 && white > area[2] * area[3] / 4;
    if (!shown) std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  EXPECT_TRUE(shown) << "the screen never showed the margin and the coloured text";

  const std::string window = Output("xdotool search --sync --onlyvisible --name 'Viewer' 2>/dev/null | head -n 1");
  ASSERT_FALSE(window.empty()) << "the viewer's window is not on the display";
  std::system(("xdotool windowfocus --sync " + window + " >/dev/null 2>&1").c_str());
  std::system("xdotool type --delay 40 'G7' >/dev/null 2>&1");
  EXPECT_EQ(viewer.WaitForLine("typed: G7"), "typed: G7");

  // What was typed shows in its own colour at the bottom of the view.
  bool typed_shown = false;
  for (const auto end = Clock::now() + kPatience; !typed_shown && Clock::now() < end;) {
    const Screenshot screen(folder_, area[0], area[1], area[2], area[3]);
    typed_shown = screen.Count({160, 0, 160}, 0, area[3] - 24, area[2], area[3]) > 10;
    if (!typed_shown) std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  EXPECT_TRUE(typed_shown);
}

TEST_F(ViewerGuiTest, PrintsEveryLineToPdfPagesWithHeaderAndFooter) {
  const fs::path program = WriteProgram("lines.nc", 150);
  const fs::path pdf = folder_ / "lines.pdf";
  Viewer viewer({"--print-to", pdf.string(), program.string()});
  ASSERT_EQ(viewer.WaitForExit(), 0);
  ASSERT_TRUE(fs::exists(pdf));
  EXPECT_FALSE(fs::exists(folder_ / "lines.pdf.partial"));

  const std::string text = Output("pdftotext -layout " + pdf.string() + " - 2>/dev/null");
  std::vector<std::string> pages;
  std::stringstream split(text);
  for (std::string page; std::getline(split, page, '\f');) {
    if (page.find_first_not_of(" \n") != std::string::npos) pages.push_back(page);
  }
  ASSERT_GE(pages.size(), 2U) << text;
  int next_line = 1;
  for (size_t i = 0; i < pages.size(); ++i) {
    std::istringstream lines(pages[i]);
    std::vector<std::string> rows;
    for (std::string row; std::getline(lines, row);) {
      if (row.find_first_not_of(' ') != std::string::npos) rows.push_back(row.substr(row.find_first_not_of(' ')));
    }
    ASSERT_GE(rows.size(), 3U);
    EXPECT_EQ(rows.front(), "lines.nc") << "header of page " << i + 1;
    EXPECT_EQ(rows.back(), "Page " + std::to_string(i + 1) + " of " + std::to_string(pages.size()));
    for (size_t r = 1; r + 1 < rows.size(); ++r) {
      const std::string number = std::to_string(next_line);
      const std::string expected =
          "N" + std::string(4 - number.size(), '0') + number + " G01 X" + number + " (line " + number + ")";
      EXPECT_EQ(rows[r], expected) << "page " << i + 1;
      ++next_line;
    }
  }
  EXPECT_EQ(next_line, 151) << "every line is printed once";
}

}  // namespace
