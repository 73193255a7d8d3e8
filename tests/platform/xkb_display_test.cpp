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

#include "platform/keyboard_layout.h"
#include "support/scoped_env.h"

#include <X11/XKBlib.h>  // last: its macros (None, Bool, ...) would clash above

namespace plumex {
namespace {

// What setxkbmap prints for these arguments.
std::string Setxkbmap(const std::string& arguments) {
  std::string out;
  if (FILE* pipe = popen(("setxkbmap " + arguments).c_str(), "r")) {
    char buffer[256];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

TEST(XkbDisplay, SwitchingLocksAGroupAndLeavesTheLayoutListAlone) {
  // Xvfb on the first free display from :90 writes the number once it takes
  // connections; -noreset keeps the keymap when a client leaves.
  std::string name;
  pid_t server = -1;
  Display* display = nullptr;
  for (int number = 90; number < 100 && display == nullptr; ++number) {
    int ready[2];
    if (std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock") || pipe(ready) != 0) continue;
    name = ":" + std::to_string(number);
    const std::string fd = std::to_string(ready[1]);
    if ((server = fork()) == 0) {
      execlp("Xvfb", "Xvfb", name.c_str(), "-noreset", "-nolisten", "tcp", "-displayfd", fd.c_str(), nullptr);
      _exit(127);
    }
    close(ready[1]);
    pollfd wait{ready[0], POLLIN, 0};
    char digit = 0;
    if (server > 0 && poll(&wait, 1, 20000) == 1 && read(ready[0], &digit, 1) == 1) display = XOpenDisplay(name.c_str());
    close(ready[0]);
    if (display == nullptr && server > 0 && kill(server, SIGTERM) == 0) waitpid(server, nullptr, 0);
  }
  if (display == nullptr) GTEST_SKIP() << "Xvfb could not start";
  const auto lockedGroup = [&] {
    XkbStateRec state{};
    XkbGetState(display, XkbUseCoreKbd, &state);
    return state.locked_group;
  };

  Setxkbmap("-display " + name + " -layout us,ru -option grp:alt_shift_toggle");
  const std::string before = Setxkbmap("-display " + name + " -query");
  EXPECT_NE(before.find("us,ru"), std::string::npos) << before;
  EXPECT_NE(before.find("grp:alt_shift_toggle"), std::string::npos) << before;
  {
    test::ScopedEnv x("DISPLAY", name);
    test::ScopedEnv wayland("WAYLAND_DISPLAY", std::nullopt);
    XkbKeyboardLayouts keyboard;
    keyboard.Activate("00000419");
    EXPECT_EQ(lockedGroup(), 1);
    keyboard.Activate("00000422");  // Ukrainian is not set up: nothing changes
    EXPECT_EQ(lockedGroup(), 1);
    EXPECT_EQ(Setxkbmap("-display " + name + " -query"), before);
    keyboard.Activate("00000409");
    EXPECT_EQ(lockedGroup(), 0);
  }
  XCloseDisplay(display);
  kill(server, SIGTERM);
  waitpid(server, nullptr, 0);
}

}  // namespace
}  // namespace plumex
