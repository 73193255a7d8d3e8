#include "platform/keyboard_layout.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace plumex {
namespace {

struct LayoutName {
  const char* windowsId;
  const char* xkbName;
};

constexpr LayoutName kLayoutNames[] = {
    {"00000409", "us"}, {"00000419", "ru"}, {"00000809", "gb"}, {"00000422", "ua"},
    {"00000423", "by"}, {"00000407", "de"}, {"0000040C", "fr"}, {"0000040A", "es"},
    {"00000410", "it"}, {"00000415", "pl"}, {"0000043F", "kz"},
};

constexpr char kTool[] = "setxkbmap";

bool SameHex(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
  });
}

bool IsExecutableFile(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The tool's full path from PATH; empty folders in PATH (the current folder)
// are not searched, so a document's folder never supplies the tool.
std::string FindTool() {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return {};
  std::string_view rest = path;
  while (!rest.empty()) {
    const std::size_t colon = rest.find(':');
    const std::string_view folder = rest.substr(0, colon);
    rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    if (folder.empty()) continue;
    std::string candidate = std::string(folder) + "/" + kTool;
    if (IsExecutableFile(candidate)) return candidate;
  }
  return {};
}

bool HasDisplay() {
  const char* display = std::getenv("DISPLAY");
  return display != nullptr && *display != '\0';
}

// Starts the tool with its output silenced; returns its process id, or -1.
pid_t Spawn(const std::string& tool, const std::string& layout) {
  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) return -1;
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::string name = kTool;
  std::string argument = layout;
  char* argv[] = {name.data(), argument.data(), nullptr};
  pid_t pid = -1;
  if (posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv, environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

}  // namespace

std::string XkbLayoutName(std::string_view layoutId) {
  for (const LayoutName& entry : kLayoutNames)
    if (SameHex(layoutId, entry.windowsId)) return entry.xkbName;
  return {};
}

XkbKeyboardLayouts::~XkbKeyboardLayouts() { Reap(Wait::No); }

void XkbKeyboardLayouts::Activate(const std::string& layoutId) {
  lastRequest_ = layoutId;
  Reap(Wait::Briefly);
  const std::string layout = XkbLayoutName(layoutId);
  if (layout.empty() || !HasDisplay()) return;
  const std::string tool = FindTool();
  if (tool.empty()) return;
  const pid_t pid = Spawn(tool, layout);
  if (pid > 0) running_.push_back(pid);
}

// Collects finished tools so none is left a zombie. Wait::Briefly gives a
// still-running earlier request up to a tenth of a second to finish first.
void XkbKeyboardLayouts::Reap(Wait wait) {
  constexpr int kPolls = 20;
  constexpr timespec kPollInterval{0, 5'000'000};
  for (int poll = 0; !running_.empty(); ++poll) {
    std::erase_if(running_, [](pid_t pid) {
      int status = 0;
      const pid_t done = waitpid(pid, &status, WNOHANG);
      return done == pid || (done < 0 && errno != EINTR);
    });
    if (running_.empty() || wait == Wait::No || poll == kPolls) return;
    nanosleep(&kPollInterval, nullptr);
  }
}

}  // namespace plumex
