#pragma once
// Switching the system keyboard layout after a layout repair, so that typing
// goes on in the language just repaired into. Layouts are named by Windows
// keyboard-layout identifiers ("00000419"), as the settings file keeps them.
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

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

// Asks setxkbmap, when it is on PATH and an X display is set, to switch. The
// tool runs on its own; the caller never waits for it beyond a short grace
// for an earlier request still running, so requests keep their order.
class XkbKeyboardLayouts : public KeyboardLayouts {
 public:
  XkbKeyboardLayouts() = default;
  XkbKeyboardLayouts(const XkbKeyboardLayouts&) = delete;
  XkbKeyboardLayouts& operator=(const XkbKeyboardLayouts&) = delete;
  ~XkbKeyboardLayouts() override;

  void Activate(const std::string& layoutId) override;

  const std::string& lastRequest() const { return lastRequest_; }

 private:
  enum class Wait { No, Briefly };
  void Reap(Wait wait);

  std::string lastRequest_;
  std::vector<pid_t> running_;
};

}  // namespace plumex
