#include "platform/system_facts.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/types.h>
#include <unistd.h>

#include "platform/file_io.h"

namespace plumex {
namespace {

namespace fs = std::filesystem;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

const passwd* RealUser() { return getpwuid(getuid()); }

bool IsFolder(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

// Like mkdir -p; a failure shows later, when a file cannot be written there.
std::string Created(const std::string& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  return folder;
}

std::string& GivenDesktop() {
  static std::string folder;
  return folder;
}

}  // namespace

std::string UserName() {
  const passwd* user = RealUser();
  if (user != nullptr && user->pw_name != nullptr && *user->pw_name != '\0') return user->pw_name;
  const std::string fromEnvironment = Environment("USER");
  return fromEnvironment.empty() ? "user" : fromEnvironment;
}

std::string HomeFolder() {
  const std::string fromEnvironment = Environment("HOME");
  if (!fromEnvironment.empty()) return WithSlash(fromEnvironment);
  const passwd* user = RealUser();
  if (user != nullptr && user->pw_dir != nullptr && *user->pw_dir != '\0') return WithSlash(user->pw_dir);
  return "/";
}

std::string ExecutableFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error || !program.has_parent_path()) return CurrentFolder();
  return WithSlash(program.parent_path().string());
}

std::string DesktopFolder() {
  const std::string& desktop = GivenDesktop();
  return !desktop.empty() && IsFolder(desktop) ? WithSlash(desktop) : HomeFolder();
}

void SetDesktopFolder(std::string folder) { GivenDesktop() = std::move(folder); }

std::string CurrentFolder() {
  std::error_code error;
  const fs::path current = fs::current_path(error);
  return error ? "./" : WithSlash(current.string());
}

std::string ProgramFolder() {
  const std::string chosen = Environment("PLUMEX_HOME");
  if (!chosen.empty()) return Created(WithSlash(chosen));
  const std::string own = ExecutableFolder();
  if (FileExists(own + SettingsFileName())) return own;
  // Relative values of XDG_CONFIG_HOME are invalid and to be ignored.
  const std::string config = Environment("XDG_CONFIG_HOME");
  if (config.starts_with('/')) return Created(WithSlash(config) + "plumex/");
  return Created(HomeFolder() + ".config/plumex/");
}

std::string SettingsFileNameFor(std::string_view userName) {
  std::string name = "plumex_";
  for (char c : userName) name += (c == '/' || c == '\0') ? '_' : c;
  return name + ".ini";
}

std::string SettingsFileName() { return SettingsFileNameFor(UserName()); }

}  // namespace plumex
