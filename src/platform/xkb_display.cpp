// The X side of keyboard layout switching, through Xlib's XKB calls. Each
// call opens a connection of its own and closes it: switches are rare, and
// no idle connection is left to a server that may restart meanwhile.
#include "platform/keyboard_layout.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace plumex {
namespace {

// The display of DISPLAY, only when it speaks XKB; closed on leaving scope,
// which also waits until the server has taken every request.
class Connection {
 public:
  Connection() {
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    int reason = 0;
    display_ = XkbOpenDisplay(nullptr, nullptr, nullptr, &major, &minor, &reason);
  }
  ~Connection() {
    if (display_ != nullptr) XCloseDisplay(display_);
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  Display* get() const { return display_; }

 private:
  Display* display_ = nullptr;
};

class XlibServer : public XkbServer {
 public:
  std::string RulesNames() override {
    constexpr long kMaxLongs = 1024;  // 4 KB: names are a few dozen bytes
    const Connection connection;
    Display* display = connection.get();
    if (display == nullptr) return {};
    const Atom names = XInternAtom(display, "_XKB_RULES_NAMES", True);
    if (names == None) return {};
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), names, 0, kMaxLongs, False,
                                          XA_STRING, &type, &format, &count, &left, &data);
    std::string value;
    if (status == Success && type == XA_STRING && format == 8 && data != nullptr)
      value.assign(reinterpret_cast<const char*>(data), count);
    if (data != nullptr) XFree(data);
    return value;
  }

  void LockGroup(int group) override {
    const Connection connection;
    if (connection.get() != nullptr)
      XkbLockGroup(connection.get(), XkbUseCoreKbd, static_cast<unsigned int>(group));
  }
};

}  // namespace

std::unique_ptr<XkbServer> DisplayXkbServer() { return std::make_unique<XlibServer>(); }

}  // namespace plumex
