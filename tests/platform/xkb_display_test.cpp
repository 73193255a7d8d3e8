// The layout switch against a real X server: a private Xvfb set up with the
// layouts "us,ru" and a group-toggle option, as many Russian desktops are.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/keyboard_layout.h"
#include "support/scoped_env.h"

#include <X11/XKBlib.h>  // last: its macros (None, Bool, ...) would clash above

namespace plumex {
namespace {

class XkbDisplay : public ::testing::Test {
 protected:
  // Xvfb on the first free display from :90; it writes the number once it
  // takes connections. -noreset keeps the keymap when a client leaves.
  void SetUp() override {
    for (int number = 90; number < 100 && display_ == nullptr; ++number) {
      if (std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock")) continue;
      int ready[2];
      if (pipe(ready) != 0) break;
      name_ = ":" + std::to_string(number);
      const std::string fd = std::to_string(ready[1]);
      server_ = fork();
      if (server_ == 0) {
        close(ready[0]);
        execlp("Xvfb", "Xvfb", name_.c_str(), "-noreset", "-nolisten", "tcp", "-displayfd", fd.c_str(),
               static_cast<char*>(nullptr));
        _exit(127);
      }
      close(ready[1]);
      pollfd wait{ready[0], POLLIN, 0};
      char digit = 0;
      if (server_ > 0 && poll(&wait, 1, 20000) == 1 && read(ready[0], &digit, 1) == 1)
        display_ = XOpenDisplay(name_.c_str());
      close(ready[0]);
      if (display_ == nullptr) TearDown();
    }
    if (display_ == nullptr) GTEST_SKIP() << "Xvfb could not start";
  }
  void TearDown() override {
    if (display_ != nullptr) XCloseDisplay(display_);
    display_ = nullptr;
    if (server_ > 0 && kill(server_, SIGTERM) == 0) waitpid(server_, nullptr, 0);
    server_ = -1;
  }
  // What setxkbmap prints for these arguments on our display.
  std::string Setxkbmap(const std::string& arguments) const {
    std::string out;
    if (FILE* pipe = popen(("setxkbmap -display " + name_ + " " + arguments).c_str(), "r")) {
      char buffer[256];
      for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
      pclose(pipe);
    }
    return out;
  }
  int LockedGroup() const {
    XkbStateRec state{};
    XkbGetState(display_, XkbUseCoreKbd, &state);
    return state.locked_group;
  }

  std::string name_;
  pid_t server_ = -1;
  Display* display_ = nullptr;
};

TEST_F(XkbDisplay, SwitchingLocksAGroupAndLeavesTheLayoutListAlone) {
  Setxkbmap("-layout us,ru -option grp:alt_shift_toggle");
  const std::string before = Setxkbmap("-query");
  ASSERT_NE(before.find("us,ru"), std::string::npos) << before;
  test::ScopedEnv display("DISPLAY", name_);
  test::ScopedEnv wayland("WAYLAND_DISPLAY", std::nullopt);
  XkbKeyboardLayouts keyboard;
  keyboard.Activate("00000419");
  EXPECT_EQ(LockedGroup(), 1);
  keyboard.Activate("00000422");  // Ukrainian is not set up: nothing changes
  EXPECT_EQ(LockedGroup(), 1);
  EXPECT_EQ(Setxkbmap("-query"), before);
  EXPECT_NE(before.find("grp:alt_shift_toggle"), std::string::npos) << before;
  keyboard.Activate("00000409");
  EXPECT_EQ(LockedGroup(), 0);
}

}  // namespace
}  // namespace plumex
