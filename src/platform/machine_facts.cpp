#include "platform/machine_facts.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <charconv>
#include <string_view>

#include "platform/file_io.h"
#include "platform/system_facts.h"

namespace plumex {
namespace {

// /proc/cpuinfo of a big machine runs to some hundred kilobytes.
constexpr std::size_t kFactFileLimit = std::size_t{4} << 20;

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The value of the first line "key<separator>value" whose key, trimmed, is
// `key`.
std::string Entry(const std::string& text, std::string_view key, char separator) {
  std::string_view rest(text);
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    const std::size_t at = line.find(separator);
    if (at != std::string_view::npos && Trimmed(line.substr(0, at)) == key)
      return std::string(Trimmed(line.substr(at + 1)));
  }
  return {};
}

std::string Unquoted(std::string value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

std::string FileText(const std::string& path) { return ReadFileBytes(path, kFactFileLimit).bytes; }

std::uint64_t MemoryBytes(const std::string& memInfo) {
  const std::string total = Entry(memInfo, "MemTotal", ':');  // "16318412 kB"
  std::uint64_t kilobytes = 0;
  const auto [end, error] = std::from_chars(total.data(), total.data() + total.size(), kilobytes);
  if (error != std::errc() || kilobytes > UINT64_MAX / 1024) return 0;
  return kilobytes * 1024;
}

}  // namespace

MachineFacts ReadMachineFacts(const MachineFactFiles& files) {
  MachineFacts facts;
  const std::string release = FileText(files.osRelease);
  facts.system = Unquoted(Entry(release, "PRETTY_NAME", '='));
  if (facts.system.empty()) facts.system = Unquoted(Entry(release, "NAME", '='));
  if (utsname name{}; uname(&name) == 0)
    facts.kernel = std::string(name.sysname) + " " + name.release + " " + name.version + " " + name.machine;
  facts.userName = UserName();
  char host[256] = {};
  if (gethostname(host, sizeof host - 1) == 0) facts.hostName = host;
  const std::string cpu = FileText(files.cpuInfo);
  facts.cpuModel = Entry(cpu, "model name", ':');
  facts.cpuVendor = Entry(cpu, "vendor_id", ':');
  facts.memoryBytes = MemoryBytes(FileText(files.memInfo));
  return facts;
}

}  // namespace plumex
