// The command line of plumex: any arguments give a request and a document
// path split into a folder and a plain file name.
#include <functional>

#include "fuzz_support.h"
#include "model/command_line.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> args = fuzz::Split(fuzz::AsText(data, size), '\0');
  const CommandLine line = ParseCommandLine(args);
  std::size_t total = 0;
  for (const std::string& arg : args) total += arg.size() + 1;
  FUZZ_CHECK(line.name.size() <= total);
  if (line.name.empty()) return 0;
  // Whether a name exists, decided by the name alone.
  const auto exists = [](const std::string& name) { return std::hash<std::string>{}(name) % 3 == 0; };
  const DocumentPath path = ResolveDocumentPath(line.name, "/current/", exists);
  FUZZ_CHECK(path.folder.starts_with('/') && path.folder.ends_with('/'));
  FUZZ_CHECK(path.fileName.find('/') == std::string::npos);
  return 0;
}
