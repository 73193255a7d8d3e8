#pragma once
// How a subcommand gives up: a one-line message and the exit status.
#include <stdexcept>
#include <string>

namespace plumex {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsageError = 2;
inline constexpr int kExitNothingToRepair = 3;
inline constexpr int kExitLossy = 4;

class ToolFailure : public std::runtime_error {
 public:
  ToolFailure(int status, const std::string& message) : std::runtime_error(message), status_(status) {}
  int Status() const { return status_; }

 private:
  int status_;
};

// Bad arguments: exit status 2.
inline ToolFailure UsageError(const std::string& message) { return {kExitUsageError, message}; }
// A file that cannot be read or written: exit status 1.
inline ToolFailure FileError(const std::string& message) { return {kExitFileError, message}; }

}  // namespace plumex
