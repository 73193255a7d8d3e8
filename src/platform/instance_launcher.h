#pragma once
// Starts another Plumex process for a file; each window is its own process.
#include <QString>

namespace plumex {

class InstanceLauncher {
 public:
  virtual ~InstanceLauncher() = default;
  // An empty path starts an empty window. Failures are not reported.
  virtual void StartInstance(const QString& path) = 0;
};

class ProcessLauncher : public InstanceLauncher {
 public:
  void StartInstance(const QString& path) override;
};

}  // namespace plumex
