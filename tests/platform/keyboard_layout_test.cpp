#include "platform/keyboard_layout.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "support/scoped_env.h"

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

// The X server as the switch sees it: its rules names, and the groups locked.
class FakeServer : public XkbServer {
 public:
  FakeServer(std::string names, std::vector<int>& locked) : names_(std::move(names)), locked_(locked) {}
  std::string RulesNames() override { return names_; }
  void LockGroup(int group) override { locked_.push_back(group); }

 private:
  std::string names_;
  std::vector<int>& locked_;
};

TEST(KeyboardLayout, SwitchesOnlyAmongTheConfiguredLayoutsOnX) {
  using S = std::string;
  using namespace std::string_literals;  // "..."s keeps the NUL bytes
  const S usRu = "evdev\0pc105\0us,ru\0\0grp:alt_shift_toggle\0"s;
  const std::optional<S> x = ":0", none;
  const struct { std::optional<S> display, wayland; S names; const char* id; std::vector<int> locked; } cases[] = {
      {x, none, usRu, "00000419", {1}},   {x, none, usRu, "00000409", {0}},
      {x, none, usRu, "00000422", {}},    // ua is not set up: the keyboard stays
      {x, none, usRu, "DEADBEEF", {}},    {x, none, "", "00000419", {}},
      {x, ":0", usRu, "00000419", {}},    // Wayland
      {none, none, usRu, "00000419", {}}, {S(""), none, usRu, "00000419", {}},
      {x, S(""), usRu, "00000419", {1}},  // an empty WAYLAND_DISPLAY is no Wayland
      {x, none, "r\0m\0 de , ru(phonetic),ua\0"s, "00000419", {1}},
      {x, none, "r\0m\0us,,ua"s, "00000422", {2}},
      {x, none, "r\0m\0us,de,fr,gb,ru\0"s, "00000419", {}},  // past the fourth group
      {x, none, "r\0m\0ru"s, "00000419", {0}},  {x, none, "ru,us", "00000419", {}},
      {x, none, "r\0m\0"s, "00000419", {}},  {x, none, "r\0m\0rus\0"s, "00000419", {}},
  };
  for (const auto& c : cases) {
    test::ScopedEnv display("DISPLAY", c.display);
    test::ScopedEnv wayland("WAYLAND_DISPLAY", c.wayland);
    std::vector<int> locked;
    XkbKeyboardLayouts(std::make_unique<FakeServer>(c.names, locked)).Activate(c.id);
    EXPECT_EQ(locked, c.locked) << c.id << " in " << c.names.substr(c.names.find('\0') + 1);
  }
}

}  // namespace
}  // namespace plumex
