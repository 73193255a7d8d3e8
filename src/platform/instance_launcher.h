#pragma once
// What the desktop starts for us: another Plumex process for a file (each
// window is its own process), the user's browser or mailer for a link, the
// programs of the Tools menu and of Run, and the application a file's type
// opens with. Programs get their arguments as they are: no shell reads them.
#include <QString>
#include <QStringList>

namespace plumex {

class InstanceLauncher {
 public:
  virtual ~InstanceLauncher() = default;
  // An empty path starts an empty window. False when it could not be started.
  virtual bool StartInstance(const QString& path) = 0;
  // False when no program on the desktop took the link.
  virtual bool OpenUrl(const QString& url) = 0;
  // Starts a program in `folder` and leaves it running; false when it could
  // not be started.
  virtual bool StartProgram(const QString& program, const QStringList& arguments, const QString& folder) = 0;
  // Opens a file or folder with the application the desktop gives its type.
  virtual bool OpenFile(const QString& path) = 0;
};

class ProcessLauncher : public InstanceLauncher {
 public:
  bool StartInstance(const QString& path) override;
  bool OpenUrl(const QString& url) override;
  bool StartProgram(const QString& program, const QStringList& arguments, const QString& folder) override;
  bool OpenFile(const QString& path) override;
};

}  // namespace plumex
