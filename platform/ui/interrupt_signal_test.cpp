// Ctrl-C at a terminal: the signal only raises a flag, a wait for input wakes
// up for it, and the console driver turns it into a cancelled answer.
#include "platform/ui/interrupt_signal.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <sstream>
#include <string>
#include <thread>

#include "platform/ui/console_driver.h"
#include "platform/ui/fake_surface_test_util.h"
#include "platform/ui/terminal_input.h"

namespace ui {
namespace {

TEST(InterruptSignal, CtrlCRaisesTheFlagAndTheOldHandlerComesBack) {
  TakeInterrupt();
  {
    const InterruptSignal watch;
    ASSERT_EQ(::raise(SIGINT), 0);  // would end the test program without the watch
    EXPECT_TRUE(TakeInterrupt());
    EXPECT_FALSE(TakeInterrupt());
  }
  struct sigaction now {};
  ASSERT_EQ(::sigaction(SIGINT, nullptr, &now), 0);
  EXPECT_EQ(now.sa_handler, SIG_DFL);
}

struct Pipe {
  Pipe() { EXPECT_EQ(::pipe(fds), 0); }
  ~Pipe() {
    ::close(fds[0]);
    ::close(fds[1]);
  }
  void Write(const std::string& text) { EXPECT_EQ(::write(fds[1], text.data(), text.size()), ssize_t(text.size())); }
  int fds[2] = {-1, -1};
};

TEST(TerminalInput, ACtrlCEndsTheWaitAndReadingGoesOnAfterIt) {
  const InterruptSignal watch;
  TakeInterrupt();
  Pipe pipe;
  TerminalInput buffer(pipe.fds[0]);
  std::istream in(&buffer);
  std::string line;
  pipe.Write("one\n");
  ASSERT_TRUE(std::getline(in, line));
  EXPECT_EQ(line, "one");
  EXPECT_FALSE(buffer.HasInput());

  // A Ctrl-C while nothing is typed: the blocked wait wakes up.
  const pthread_t reader = ::pthread_self();
  std::promise<void> woken;
  std::thread typist([&, done = woken.get_future()] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ::pthread_kill(reader, SIGINT);
    // Keeps the test from hanging when the signal does not end the wait.
    if (done.wait_for(std::chrono::seconds(10)) != std::future_status::ready) pipe.Write("too late\n");
  });
  EXPECT_FALSE(std::getline(in, line)) << line;
  woken.set_value();
  EXPECT_TRUE(TakeInterrupt());
  pipe.Write("two\n");
  in.clear();
  EXPECT_TRUE(buffer.HasInput());
  ASSERT_TRUE(std::getline(in, line));
  EXPECT_EQ(line, "two");
  typist.join();
}

TEST(ConsoleDriverInterrupt, ACtrlCCancelsTheQuestionOpenOrNext) {
  std::istringstream in("LINE\n\"/tmp/a b.dxf\"\n");
  std::ostringstream out;
  ConsoleDriver driver(in, out);
  TakeInterrupt();
  RaiseInterrupt();  // came while a command worked
  EXPECT_EQ(driver.ReadLine("Point: ").status, InputStatus::kCancelled);
  EXPECT_EQ(driver.ReadLine("Command: ").text, "LINE");
  RaiseInterrupt();
  EXPECT_TRUE(driver.IsKeyDown(VK_ESCAPE));
  EXPECT_FALSE(driver.IsKeyDown(VK_ESCAPE));
  RaiseInterrupt();
  EXPECT_EQ(driver.MessageBox("Save?", "Q", MB_YESNOCANCEL), IDCANCEL);
  RaiseInterrupt();
  testing::FakeSurface dialog;
  driver.RunModal(dialog);
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"cancel"}));
  EXPECT_EQ(driver.AskFile({}), "/tmp/a b.dxf");
  EXPECT_FALSE(driver.InputEnded());
  EXPECT_EQ(driver.ReadLine("Point: ").status, InputStatus::kEndOfInput);
  EXPECT_TRUE(driver.InputEnded());
}

}  // namespace
}  // namespace ui
