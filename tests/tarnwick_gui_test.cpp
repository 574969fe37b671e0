// Tarnwick in its GTK window on the virtual display the suite runs it on:
// the main frame with menus, tool bar, explorer and a coloured NC view, and
// keys sent to it as a person presses them.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
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

std::string Output(const std::string& command) {
  std::string text;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return text;
  char chunk[4096];
  for (size_t got; (got = fread(chunk, 1, sizeof chunk, pipe)) > 0;) text.append(chunk, got);
  pclose(pipe);
  return text;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

struct Rgb {
  int r, g, b;
};

// The pixels of one window, through ImageMagick.
class WindowShot {
 public:
  WindowShot(const fs::path& folder, const std::string& window) {
    const fs::path shot = folder / "window.png";
    std::system(("import -window " + window + " " + shot.string() + " 2>/dev/null").c_str());
    std::istringstream ppm(Output("convert " + shot.string() + " -depth 8 ppm:- 2>/dev/null"));
    std::string magic;
    int depth = 0;
    ppm >> magic >> width_ >> height_ >> depth;
    ppm.get();
    if (magic != "P6" || width_ <= 0 || height_ <= 0) return;
    bytes_.resize(static_cast<size_t>(width_) * height_ * 3);
    ppm.read(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
  }

  bool ok() const { return !bytes_.empty(); }
  Rgb At(int x, int y) const {
    const size_t at = (static_cast<size_t>(y) * width_ + x) * 3;
    return {static_cast<unsigned char>(bytes_[at]), static_cast<unsigned char>(bytes_[at + 1]),
            static_cast<unsigned char>(bytes_[at + 2])};
  }
  int width() const { return width_; }
  int height() const { return height_; }
  // Pixels within x0..x1, y0..y1 close to a colour.
  int Count(Rgb colour, int x0, int y0, int x1, int y1) const {
    int count = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, height_); ++y) {
      for (int x = std::max(x0, 0); x < std::min(x1, width_); ++x) {
        const size_t at = (static_cast<size_t>(y) * width_ + x) * 3;
        const int r = static_cast<unsigned char>(bytes_[at]);
        const int g = static_cast<unsigned char>(bytes_[at + 1]);
        const int b = static_cast<unsigned char>(bytes_[at + 2]);
        if (std::abs(r - colour.r) + std::abs(g - colour.g) + std::abs(b - colour.b) < 60) ++count;
      }
    }
    return count;
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::string bytes_;
};

class TarnwickGuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no display";
    char name[] = "/tmp/tarnwick-gui-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder_ = name;
    program_ = folder_ / "sample.nc";
    std::ofstream(program_, std::ios::binary)
        << "%\r\nO1000 (PLATE)\r\nN10 G00 X0. Y0. Z5.\r\nN20 G01 Z-2. F200 S3000 M03\r\nN30 X100. Y50.\r\n%";
  }
  void TearDown() override {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (started_elsewhere_ > 0) kill(started_elsewhere_, SIGTERM);
    if (!folder_.empty()) fs::remove_all(folder_);
  }

  // Starts the editor on the sample (or on no file); the id of its window once it shows, empty if it never does.
  std::string Start(bool with_file = true) {
    pid_ = fork();
    if (pid_ == 0) {
      setenv("HOME", folder_.c_str(), 1);
      setenv("VELMORA_REGISTRY", (folder_ / "registry.reg").c_str(), 1);
      const std::string file = program_.string();
      execl(TARNWICK_PATH, TARNWICK_PATH, with_file ? file.c_str() : nullptr, static_cast<char*>(nullptr));
      _exit(127);
    }
    std::string window = Output("xdotool search --sync --onlyvisible --name 'Tarnwick' 2>/dev/null | head -n 1");
    while (!window.empty() && (window.back() == '\n' || window.back() == ' ')) window.pop_back();
    return window;
  }

  ino_t Inode() const {
    struct stat info {};
    return stat(program_.c_str(), &info) == 0 ? info.st_ino : 0;
  }

  // Waits until the condition holds or the patience runs out.
  template <class Condition>
  bool Eventually(Condition condition) {
    for (const auto end = Clock::now() + kPatience; Clock::now() < end;) {
      if (condition()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return condition();
  }

  // Runs a command with this test's HOME and registry.
  int RunHere(const std::string& command) const {
    const std::string line = "cd '" + folder_.string() + "' && HOME='" + folder_.string() + "' VELMORA_REGISTRY='" +
                             (folder_ / "registry.reg").string() + "' " + command + " >/dev/null 2>&1 </dev/null";
    const int raw = std::system(line.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }

  fs::path folder_;
  fs::path program_;
  pid_t pid_ = -1;
  // An editor that another program started.
  pid_t started_elsewhere_ = -1;
};

TEST_F(TarnwickGuiTest, TheWindowShowsMenusToolBarExplorerAndAColouredView) {
  const std::string window = Start();
  ASSERT_FALSE(window.empty()) << "the editor's window never showed";
  const bool shown = Eventually([&] {
    const WindowShot shot(folder_, window);
    if (!shot.ok()) return false;
    const int w = shot.width();
    const int h = shot.height();
    // Menu texts in the top strip, tool bar buttons under it.
    const int menu_text = shot.Count({0, 0, 0}, 0, 0, w / 2, 24) + shot.Count({46, 52, 54}, 0, 0, w / 2, 24);
    const int buttons = shot.Count({128, 128, 128}, 0, 24, w, 50);
    // The buttons' theme icons: dark strokes inside them.
    const int icons = shot.Count({46, 52, 54}, 0, 24, w, 50);
    // The explorer's tree on the left: white with the chosen folder in the selection colour.
    const int tree_white = shot.Count({255, 255, 255}, 0, 90, 220, h - 30);
    // The view's NC words: G magenta, X and Y blue, F S M green, the comment orange.
    const int magenta = shot.Count({255, 0, 255}, 230, 40, w, h / 2);
    const int blue = shot.Count({0, 0, 255}, 230, 40, w, h / 2);
    const int green = shot.Count({0, 183, 0}, 230, 40, w, h / 2);
    const int orange = shot.Count({225, 140, 26}, 230, 40, w, h / 2);
    return menu_text > 30 && buttons > 100 && icons > 50 && tree_white > 20000 && magenta > 20 && blue > 20 &&
           green > 20 && orange > 20;
  });
  EXPECT_TRUE(shown) << "the window never showed its menus, tool bar icons, explorer and coloured text";
}

// Each of the first tool bar buttons (New, Open, Save, Print): its pixels that are not button face.
std::vector<int> FirstButtonMarks(const WindowShot& shot) {
  constexpr int kButton = 23;  // the tool bar's button width with its edge
  constexpr int kTop = 26;     // the buttons' row under the menu bar
  constexpr int kBottom = 44;
  const Rgb face = shot.At(shot.width() - 3, (kTop + kBottom) / 2);
  std::vector<int> marks;
  for (int button = 0; button < 4; ++button) {
    const int left = button * kButton + 3;
    const int inside = (kButton - 6) * (kBottom - kTop);
    marks.push_back(inside - shot.Count(face, left, kTop, left + kButton - 6, kBottom));
  }
  return marks;
}

TEST_F(TarnwickGuiTest, TheFirstToolBarButtonsKeepTheirIconsWhenOtherButtonsChange) {
  const std::string window = Start();
  ASSERT_FALSE(window.empty());
  const auto all_marked = [&] {
    const WindowShot shot(folder_, window);
    if (!shot.ok()) return false;
    const std::vector<int> marks = FirstButtonMarks(shot);
    return std::all_of(marks.begin(), marks.end(), [](int count) { return count > 20; });
  };
  // Opening the document already repainted the buttons whose state it changed; editing changes more.
  EXPECT_TRUE(Eventually(all_marked)) << "New, Open, Save and Print lost their icons once the document opened";
  std::system(("xdotool windowfocus --sync " + window + " >/dev/null 2>&1").c_str());
  std::system("xdotool key ctrl+End >/dev/null 2>&1");
  std::system("xdotool type --delay 40 'M' >/dev/null 2>&1");
  std::this_thread::sleep_for(std::chrono::milliseconds(800));
  EXPECT_TRUE(Eventually(all_marked)) << "New, Open, Save and Print lost their icons after an edit";
}

TEST_F(TarnwickGuiTest, CtrlSSavesTheDocument) {
  const std::string window = Start();
  ASSERT_FALSE(window.empty());
  const ino_t before = Inode();
  const std::string original = ReadFile(program_);
  std::system(("xdotool windowfocus --sync " + window + " >/dev/null 2>&1").c_str());
  // The first key may reach the window before its view has the focus: press until the save shows.
  const bool saved = Eventually([&] {
    std::system("xdotool key ctrl+s >/dev/null 2>&1");
    return Inode() != before;
  });
  EXPECT_TRUE(saved) << "Ctrl+S did not replace the file";
  EXPECT_EQ(ReadFile(program_), original);
}

TEST_F(TarnwickGuiTest, TypedKeysEditTheTextAndCtrlSSavesThem) {
  const std::string window = Start();
  ASSERT_FALSE(window.empty());
  std::system(("xdotool windowfocus --sync " + window + " >/dev/null 2>&1").c_str());
  std::system("xdotool key ctrl+End >/dev/null 2>&1");
  std::system("xdotool type --delay 40 'M30' >/dev/null 2>&1");
  std::system("xdotool key ctrl+s >/dev/null 2>&1");
  EXPECT_TRUE(Eventually([&] { return ReadFile(program_).find("%M30") != std::string::npos; }));
}

// Where the visible windows of a name (a pattern) lie on the screen.
struct Geometry {
  int x = -1, y = -1, width = 0, height = 0;
};

std::vector<Geometry> VisibleWindows(const std::string& name) {
  std::vector<Geometry> found;
  std::istringstream ids(Output("xdotool search --onlyvisible --name '" + name + "' 2>/dev/null"));
  for (std::string id; ids >> id;) {
    std::istringstream shell(Output("xdotool getwindowgeometry --shell " + id + " 2>/dev/null"));
    Geometry geometry;
    for (std::string line; std::getline(shell, line);) {
      const size_t equals = line.find('=');
      if (equals == std::string::npos) continue;
      const std::string key = line.substr(0, equals);
      const int value = std::atoi(line.c_str() + equals + 1);
      if (key == "X") geometry.x = value;
      if (key == "Y") geometry.y = value;
      if (key == "WIDTH") geometry.width = value;
      if (key == "HEIGHT") geometry.height = value;
    }
    found.push_back(geometry);
  }
  return found;
}

TEST_F(TarnwickGuiTest, TheFileMenuWithoutADocumentOpensAtTheSizeOfItsItems) {
  // Four recent files replace the one placeholder when the menu opens.
  std::ofstream registry(folder_ / "registry.reg");
  registry << "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software\\Local AppWizard-Generated Applications\\Tarnwick\\Recent File List]\n";
  for (int i = 1; i <= 4; ++i) {
    const fs::path file = folder_ / ("part" + std::to_string(i) + ".nc");
    std::ofstream(file) << "%\n";
    registry << "\"File" << i << "\"=\"" << file.string() << "\"\n";
  }
  registry.close();
  const std::string window = Start(false);
  ASSERT_FALSE(window.empty());
  std::this_thread::sleep_for(std::chrono::milliseconds(800));
  std::system("xdotool mousemove 20 12 click 1 >/dev/null 2>&1");
  // New, Open, Print setup, four files and Exit, with two separators: far more than one scrolling strip.
  int tallest = 0;
  EXPECT_TRUE(Eventually([&] {
    for (const Geometry& shown : VisibleWindows("Tarnwick")) {
      if (shown.x <= 4 && shown.y > 0 && shown.y < 60 && shown.width < 500) tallest = std::max(tallest, shown.height);
    }
    return tallest > 190;
  })) << "the File menu opened " << tallest << " pixels high";
  std::system("xdotool key Escape >/dev/null 2>&1");
}

TEST_F(TarnwickGuiTest, ReplaceShowsOneScopeChosenAndTheViewRepaintsUnderTheOpenDialog) {
  // G01 twice at the end of a long line, past where the dialog covers the view.
  std::ofstream(program_, std::ios::binary) << "%\r\nN10 G00 X0. Y0.\r\nN40 X1. X1. X1. X1. X1. X1. X1. X1. X1. X1. "
                                               "X1. X1. G01 G01\r\n%";
  const std::string window = Start();
  ASSERT_FALSE(window.empty());
  std::system(("xdotool windowfocus --sync " + window + " >/dev/null 2>&1").c_str());
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  std::system("xdotool key ctrl+h >/dev/null 2>&1");
  Geometry dialog;
  ASSERT_TRUE(Eventually([&] {
    const std::vector<Geometry> shown = VisibleWindows("^Replace$");
    if (!shown.empty()) dialog = shown.front();
    return !shown.empty() && dialog.width > 0;
  })) << "the Replace dialog never showed";
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  // Without a selection the scope is the whole file: of the two radio buttons, one shows chosen.
  const auto chosen_marks = [&](const WindowShot& shot) {
    // The theme rings a chosen radio button with its accent colour: rows of a few accent pixels
    // (not an edit's long focus line) that follow each other make one mark.
    int marks = 0;
    int run = 0;
    for (int y = dialog.y; y <= dialog.y + dialog.height; ++y) {
      const int accent = shot.Count({67, 141, 230}, dialog.x, y, dialog.x + dialog.width / 2, y + 1);
      if (accent >= 5 && accent <= 20) {
        ++run;
      } else {
        if (run >= 5) ++marks;
        run = 0;
      }
    }
    return marks;
  };
  {
    const WindowShot shot(folder_, "root");
    ASSERT_TRUE(shot.ok());
    EXPECT_EQ(chosen_marks(shot), 1) << "Selection and Whole file both show chosen";
  }
  const int right = dialog.x + dialog.width + 4;
  const auto beside_dialog = [&](Rgb colour) {
    const WindowShot shot(folder_, "root");
    return shot.ok() ? shot.Count(colour, right, dialog.y, right + 400, dialog.y + 200) : -1;
  };
  ASSERT_GT(beside_dialog({255, 0, 255}), 20) << "the G01s should show beside the dialog";
  std::system("xdotool type --delay 40 G01 >/dev/null 2>&1");
  std::system("xdotool key Tab >/dev/null 2>&1");
  std::system("xdotool type --delay 40 M05 >/dev/null 2>&1");
  std::system("xdotool key alt+a >/dev/null 2>&1");
  // While the dialog (and the box that ends Replace All) stays open, the view shows the M of M05 in green.
  EXPECT_TRUE(Eventually([&] { return beside_dialog({0, 183, 0}) > 8 && beside_dialog({255, 0, 255}) < 5; }))
      << "the view under the dialog still shows what was replaced";
  EXPECT_FALSE(VisibleWindows("^Replace$").empty());
}

TEST_F(TarnwickGuiTest, DocumentWindowsShowTheirNamesInCaptionsAndOpenTiledAfterTiling) {
  const std::string window = Start();
  ASSERT_FALSE(window.empty());
  const Rgb active = {53, 132, 228};  // the theme's selection colour
  // The active document's caption: a band of the selection colour across the top of the view.
  const auto caption_bands = [&](int x0, int x1) {
    const WindowShot shot(folder_, window);
    if (!shot.ok()) return -1;
    int bands = 0;
    for (int x = x0; x + 40 <= std::min(x1, shot.width()); x += 40) {
      if (shot.Count(active, x, 45, x + 40, 90) > 200) ++bands;
    }
    return bands;
  };
  EXPECT_TRUE(Eventually([&] { return caption_bands(230, 2000) >= 3; })) << "the document window shows no caption";
  // Tiled side by side, then a second window: it opens beside the first instead of covering it.
  std::system(("xdotool windowfocus --sync " + window + " >/dev/null 2>&1").c_str());
  const auto window_menu = [](const std::string& keys) {
    std::system("xdotool mousemove 140 12 click 1 >/dev/null 2>&1");
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    std::system(("xdotool key " + keys + " >/dev/null 2>&1").c_str());
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
  };
  window_menu("Down Down Down Down Return");  // 수직 배열
  window_menu("Down Return");                 // 새 창
  EXPECT_TRUE(Eventually([&] {
    const WindowShot shot(folder_, window);
    if (!shot.ok()) return false;
    const int middle = 230 + (shot.width() - 230) / 2;
    // The first window's caption (inactive now) still shows its name; the new one's band lies right of the middle.
    const int left_text = shot.Count({0, 0, 0}, 235, 50, middle - 40, 70) + shot.Count({46, 52, 54}, 235, 50, middle - 40, 70);
    const int left_band = shot.Count(active, 235, 45, middle - 40, 90);
    const int right_band = shot.Count(active, middle + 10, 45, shot.width() - 40, 90);
    return right_band > 400 && left_band < 50 && left_text > 10;
  })) << "the second window did not open beside the first";
}

#if defined(CADHOST_PATH) && defined(OSTRIVO_PATH)
// The plug-in finds the editor through the folder that the editor's first start recorded.
TEST_F(TarnwickGuiTest, ThePluginsTarnwickCommandStartsTheEditorThatRanOnce) {
  std::ofstream(folder_ / "nothing.txt") << "";
  ASSERT_EQ(RunHere(std::string("'") + TARNWICK_PATH + "' --script nothing.txt"), 0);
  std::ofstream(folder_ / "start.scr") << "Tarnwick\nQUIT\n";
  const std::string plugins = fs::path(OSTRIVO_PATH).parent_path().string();
  ASSERT_EQ(RunHere("VELMORA_PLUGIN_PATH='" + plugins + "' '" + CADHOST_PATH + "' --plugin Ostrivo -s start.scr"), 0);

  std::string window =
      Output("timeout 20 xdotool search --sync --onlyvisible --name 'Tarnwick' 2>/dev/null | head -n 1");
  while (!window.empty() && (window.back() == '\n' || window.back() == ' ')) window.pop_back();
  ASSERT_FALSE(window.empty()) << "the plug-in did not start the editor";
  started_elsewhere_ = static_cast<pid_t>(std::atoi(Output("xdotool getwindowpid " + window).c_str()));
  EXPECT_GT(started_elsewhere_, 0);
}
#endif

}  // namespace
