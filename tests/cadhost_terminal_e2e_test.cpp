// cadhost at a real terminal (a pseudo-terminal): Ctrl-C goes to cadhost as
// the signal the terminal sends, and must cancel, never end the program.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

constexpr auto kPatience = std::chrono::seconds(20);
constexpr const char* kCtrlC = "\x03";

// cadhost in a folder of its own, on a terminal this test types into.
class Terminal {
 public:
  explicit Terminal(const std::string& folder) {
    pid_ = ::forkpty(&master_, nullptr, nullptr, nullptr);
    if (pid_ == 0) {
      if (::chdir(folder.c_str()) != 0) ::_exit(126);
      ::setenv("HOME", folder.c_str(), 1);
      ::setenv("VELMORA_REGISTRY", (folder + "/registry.reg").c_str(), 1);
      ::execl(CADHOST_PATH, CADHOST_PATH, static_cast<char*>(nullptr));
      ::_exit(127);
    }
  }
  ~Terminal() {
    if (pid_ > 0 && !exited_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (master_ >= 0) ::close(master_);
  }
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  bool started() const { return pid_ > 0; }
  void Type(const std::string& keys) { EXPECT_EQ(::write(master_, keys.data(), keys.size()), ssize_t(keys.size())); }

  // True once the text shows after what was waited for before.
  bool WaitFor(const std::string& text) {
    const auto give_up = std::chrono::steady_clock::now() + kPatience;
    for (;;) {
      const std::size_t at = screen_.find(text, seen_);
      if (at != std::string::npos) {
        seen_ = at + text.size();
        return true;
      }
      if (std::chrono::steady_clock::now() > give_up || !ReadSome()) return false;
    }
  }

  // The exit status, or -1 when cadhost did not end (or ended by a signal).
  int ExitStatus() {
    const auto give_up = std::chrono::steady_clock::now() + kPatience;
    int status = 0;
    while (std::chrono::steady_clock::now() < give_up) {
      ReadSome();
      const pid_t ended = ::waitpid(pid_, &status, WNOHANG);
      if (ended == pid_) {
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
    }
    return -1;
  }

  const std::string& screen() const { return screen_; }

 private:
  bool ReadSome() {
    pollfd output{master_, POLLIN, 0};
    if (::poll(&output, 1, 100) < 0) return false;
    if ((output.revents & POLLIN) == 0) return (output.revents & (POLLHUP | POLLERR)) == 0;
    char buffer[4096];
    const ssize_t count = ::read(master_, buffer, sizeof buffer);
    if (count <= 0) return false;
    screen_.append(buffer, static_cast<std::size_t>(count));
    return true;
  }

  pid_t pid_ = -1;
  int master_ = -1;
  bool exited_ = false;
  std::string screen_;
  std::size_t seen_ = 0;
};

TEST_F(CadHostTest, CtrlCAtATerminalCancelsTheCommandAndTwiceAsksBeforeQuitting) {
  Terminal terminal(folder_);
  ASSERT_TRUE(terminal.started());
  ASSERT_TRUE(terminal.WaitFor("Command: ")) << terminal.screen();
  terminal.Type("LINE\n");
  ASSERT_TRUE(terminal.WaitFor("Specify first point: ")) << terminal.screen();
  terminal.Type("0,0\n");
  ASSERT_TRUE(terminal.WaitFor("Specify next point")) << terminal.screen();
  terminal.Type("10,0\n");
  ASSERT_TRUE(terminal.WaitFor("Specify next point")) << terminal.screen();
  terminal.Type(kCtrlC);  // ends LINE, keeps the segment drawn
  ASSERT_TRUE(terminal.WaitFor("Command: ")) << terminal.screen();
  terminal.Type("LIST\nALL\n\n");
  ASSERT_TRUE(terminal.WaitFor("LINE  Handle = ")) << terminal.screen();
  ASSERT_TRUE(terminal.WaitFor("Command: ")) << terminal.screen();

  terminal.Type(kCtrlC);
  ASSERT_TRUE(terminal.WaitFor("*Cancel*")) << terminal.screen();
  ASSERT_TRUE(terminal.WaitFor("Press Ctrl-C again to quit.")) << terminal.screen();
  ASSERT_TRUE(terminal.WaitFor("Command: ")) << terminal.screen();
  terminal.Type(kCtrlC);
  ASSERT_TRUE(terminal.WaitFor("[cadhost] Save changes to Drawing1.dxf? {yes* no cancel}")) << terminal.screen();
  ASSERT_TRUE(terminal.WaitFor("Answer [yes]: ")) << terminal.screen();
  terminal.Type("n\n");
  EXPECT_EQ(terminal.ExitStatus(), 0) << terminal.screen();
}

TEST_F(CadHostTest, CtrlCTwiceWithNothingChangedQuitsAtOnce) {
  Terminal terminal(folder_);
  ASSERT_TRUE(terminal.started());
  ASSERT_TRUE(terminal.WaitFor("Command: ")) << terminal.screen();
  terminal.Type("CIRCLE\n");
  ASSERT_TRUE(terminal.WaitFor("Specify center point")) << terminal.screen();
  terminal.Type(kCtrlC);
  ASSERT_TRUE(terminal.WaitFor("Command: ")) << terminal.screen();
  terminal.Type(kCtrlC);
  ASSERT_TRUE(terminal.WaitFor("Command: ")) << terminal.screen();
  terminal.Type(kCtrlC);
  EXPECT_EQ(terminal.ExitStatus(), 0) << terminal.screen();
  EXPECT_EQ(terminal.screen().find("Save changes"), std::string::npos) << terminal.screen();
}

}  // namespace
}  // namespace e2e
