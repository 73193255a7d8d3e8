#pragma once
// Facts about the user and the machine that decide where files go. Every
// folder returned ends with '/'.
#include <string>
#include <string_view>

namespace plumex {

// The login name of the real user, else $USER, else "user".
std::string UserName();

// $HOME, else the user's home from the password database, else "/".
std::string HomeFolder();

// The folder of the running program.
std::string ExecutableFolder();

// The folder SetDesktopFolder gave while it is one, else the home folder.
std::string DesktopFolder();
// Where the desktop is, as the session names it (the Qt side reads it at
// start-up: the user may have moved or renamed it).
void SetDesktopFolder(std::string folder);

std::string CurrentFolder();

// Where the settings and list files live, created if missing:
// $PLUMEX_HOME when set; else the program's own folder when a settings file
// stands there already (a portable copy); else $XDG_CONFIG_HOME/plumex/ or
// ~/.config/plumex/.
std::string ProgramFolder();

// "plumex_" + user name + ".ini"; a '/' or NUL in the name becomes '_', so
// the name never leaves the folder it is put in.
std::string SettingsFileNameFor(std::string_view userName);
std::string SettingsFileName();

}  // namespace plumex
