#pragma once
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace plumex::test {

inline void WriteRaw(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadRaw(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

inline bool RunningAsRoot() { return geteuid() == 0; }

}  // namespace plumex::test
