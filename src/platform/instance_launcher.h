#pragma once
// What the desktop starts for us: another Plumex process for a file (each
// window is its own process) and the user's browser or mailer for a link.
#include <QString>

namespace plumex {

class InstanceLauncher {
 public:
  virtual ~InstanceLauncher() = default;
  // An empty path starts an empty window. Failures are not reported.
  virtual void StartInstance(const QString& path) = 0;
  virtual void OpenUrl(const QString& url) = 0;
};

class ProcessLauncher : public InstanceLauncher {
 public:
  void StartInstance(const QString& path) override;
  void OpenUrl(const QString& url) override;
};

}  // namespace plumex
