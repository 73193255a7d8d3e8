#pragma once
// What a bug report says about the machine, read from the system's own
// files. The paths are given so that a test can hand in files of its own.
#include <cstdint>
#include <string>

namespace plumex {

struct MachineFactFiles {
  std::string osRelease = "/etc/os-release";
  std::string cpuInfo = "/proc/cpuinfo";
  std::string memInfo = "/proc/meminfo";
};

// UTF-8 texts as the system gives them; each is empty when its source is
// missing, unreadable, over a few megabytes or without the entry.
struct MachineFacts {
  std::string system;   // PRETTY_NAME of os-release, else its NAME
  std::string kernel;   // uname: system, release, version, machine
  std::string userName;
  std::string hostName;
  std::string cpuModel;   // "model name" of the first processor
  std::string cpuVendor;  // its "vendor_id"
  std::uint64_t memoryBytes = 0;  // MemTotal
};

MachineFacts ReadMachineFacts(const MachineFactFiles& files = {});

}  // namespace plumex
