#pragma once
// Switching the keyboard layout after a layout repair, so that typing goes on
// in the language just repaired into. Layouts are named by Windows
// keyboard-layout identifiers ("00000419"), as the settings file keeps them.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace plumex {

class KeyboardLayouts {
 public:
  virtual ~KeyboardLayouts() = default;
  // A request, not a promise: a layout the system lacks is simply not used.
  virtual void Activate(const std::string& layoutId) = 0;
};

// The X keyboard layout name for a Windows identifier ("00000419" -> "ru"),
// hexadecimal digits in either case; empty when there is none.
std::string XkbLayoutName(std::string_view layoutId);

// The group that holds `layout` in the server's rules names (rules, model,
// layouts, variants and options, each ended by a NUL byte; the layouts read
// "us,ru"), as XKB numbers groups from 0. None when the layout is not in the
// list, or stands past the four groups a keyboard has.
std::optional<int> XkbGroupOf(std::string_view rulesNames, std::string_view layout);

// What switching needs of the X server, apart so that it can be faked.
class XkbServer {
 public:
  virtual ~XkbServer() = default;
  // The root window's _XKB_RULES_NAMES property; empty when there is none.
  virtual std::string RulesNames() = 0;
  // Locks the keyboard to that group, as the desktop's layout switcher does.
  virtual void LockGroup(int group) = 0;
};

// The server of DISPLAY through Xlib. It lives with the window code, so that
// the core links no X library.
std::unique_ptr<XkbServer> DisplayXkbServer();

// Switches among the layouts the user has set up: the target's group becomes
// the active one. The layout list and its options are never changed (setting
// a layout would wipe them for the whole session); a layout that is not set
// up leaves the keyboard as it is; on Wayland, or with no X display, nothing
// happens at all.
class XkbKeyboardLayouts : public KeyboardLayouts {
 public:
  XkbKeyboardLayouts() : XkbKeyboardLayouts(DisplayXkbServer()) {}
  explicit XkbKeyboardLayouts(std::unique_ptr<XkbServer> server) : server_(std::move(server)) {}

  void Activate(const std::string& layoutId) override;

 private:
  std::unique_ptr<XkbServer> server_;
};

}  // namespace plumex
