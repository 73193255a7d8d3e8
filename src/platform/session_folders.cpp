#include "platform/session_folders.h"

#include <QFile>
#include <QStandardPaths>

#include "platform/system_facts.h"

namespace plumex {

void TakeSessionFolders() {
  // File names go to the core in the file system's encoding.
  SetDesktopFolder(QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)).toStdString());
}

}  // namespace plumex
