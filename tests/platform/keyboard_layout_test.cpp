#include "platform/keyboard_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

#include "support/file_helpers.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

TEST(KeyboardLayout, WindowsIdentifiersToXkbNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"00000409", "us"}, {"00000419", "ru"}, {"00000422", "ua"}, {"0000040C", "fr"},
      {"0000040c", "fr"}, {"", ""},           {"0000041", ""},    {"000004190", ""},
      {"00000419 ", ""},  {"garbage", ""},    {"0000FFFF", ""},
  };
  for (const auto& [id, name] : cases) EXPECT_EQ(XkbLayoutName(id), name) << id;
}

TEST(KeyboardLayout, AsksTheToolOnlyForKnownLayoutsWithADisplay) {
  // A stand-in setxkbmap that appends its argument to a log beside it.
  test::TempDir dir;
  const std::string folder = dir / "tools with 'quotes' and spaces";
  std::filesystem::create_directory(folder);
  test::WriteRaw(folder + "/setxkbmap", "#!/bin/sh\necho \"$1\" >> \"$(dirname \"$0\")/calls.log\"\n");
  std::filesystem::permissions(folder + "/setxkbmap", std::filesystem::perms::owner_all);
  const std::string path = folder + ":/usr/bin:/bin";
  test::ScopedEnv pathEnv("PATH", path.c_str());
  {
    test::ScopedEnv noDisplay("DISPLAY", std::nullopt);
    XkbKeyboardLayouts keyboard;
    keyboard.Activate("00000409");  // no display: recorded, not sent
    EXPECT_EQ(keyboard.lastRequest(), "00000409");
  }
  test::ScopedEnv display("DISPLAY", ":99");
  XkbKeyboardLayouts keyboard;
  keyboard.Activate("DEADBEEF");  // unknown: recorded, not sent
  EXPECT_EQ(keyboard.lastRequest(), "DEADBEEF");
  keyboard.Activate("00000419");
  keyboard.Activate("00000409");
  EXPECT_EQ(keyboard.lastRequest(), "00000409");
  // The tool runs on its own: wait for both calls (or give up after a long while).
  std::string log;
  for (int attempt = 0; attempt < 2000 && std::count(log.begin(), log.end(), '\n') < 2; ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    log = test::ReadRaw(folder + "/calls.log");
  }
  EXPECT_EQ(log, "ru\nus\n");
}

TEST(KeyboardLayout, WithoutTheToolNothingFails) {
  test::TempDir empty;
  test::ScopedEnv pathEnv("PATH", empty.path().c_str());
  test::ScopedEnv display("DISPLAY", ":99");
  XkbKeyboardLayouts keyboard;
  keyboard.Activate("00000419");
  EXPECT_EQ(keyboard.lastRequest(), "00000419");

  // A tool that is no program, and an empty PATH entry (the current folder).
  test::WriteRaw(empty / "setxkbmap", "not a program");
  const std::string path = ":" + empty.path();
  test::ScopedEnv oddPath("PATH", path.c_str());
  keyboard.Activate("00000409");
  EXPECT_EQ(keyboard.lastRequest(), "00000409");
}

}  // namespace
}  // namespace plumex
