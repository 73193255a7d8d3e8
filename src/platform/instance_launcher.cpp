#include "platform/instance_launcher.h"

#include <QCoreApplication>
#include <QProcess>

namespace plumex {

void ProcessLauncher::StartInstance(const QString& path) {
  QStringList arguments;
  // "--" keeps a name such as "/r" or "--help" a file name in the new process.
  if (!path.isEmpty()) arguments << QStringLiteral("--") << path;
  QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

}  // namespace plumex
