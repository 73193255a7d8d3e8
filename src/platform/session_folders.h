#pragma once
// The folders only the desktop session knows, read through Qt (the user's
// XDG user-dirs, which may name a moved or translated desktop) and handed to
// the Qt-free system facts.
namespace plumex {

// The session's desktop becomes DesktopFolder(); where it names none, or
// none that exists, that is the home folder.
void TakeSessionFolders();

}  // namespace plumex
