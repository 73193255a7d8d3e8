#include "platform/instance_launcher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace plumex {

bool ProcessLauncher::StartInstance(const QString& path) {
  QStringList arguments;
  // "--" keeps a name such as "/r" or "--help" a file name in the new process.
  if (!path.isEmpty()) arguments << QStringLiteral("--") << path;
  return QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

bool ProcessLauncher::OpenUrl(const QString& url) { return QDesktopServices::openUrl(QUrl(url)); }

bool ProcessLauncher::StartProgram(const QString& program, const QStringList& arguments, const QString& folder) {
  return QProcess::startDetached(program, arguments, folder);
}

bool ProcessLauncher::OpenFile(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

}  // namespace plumex
