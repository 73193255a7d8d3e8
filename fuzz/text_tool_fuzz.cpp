// plumex-text: any arguments and input end in one of its exit statuses.
// Arguments are the pieces before the last NUL byte, standard input the rest;
// arguments naming a path are skipped, so only files of the run's own
// scratch folder can be read.
#include <sstream>

#include "cli/text_tool.h"
#include "fuzz_support.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> pieces = fuzz::Split(fuzz::AsText(data, size), '\0');
  std::istringstream in(pieces.back());
  pieces.pop_back();
  if (pieces.size() > 8) return -1;
  std::vector<const char*> argv = {"plumex-text"};
  for (const std::string& piece : pieces) {
    if (piece.find('/') != std::string::npos) return -1;
    argv.push_back(piece.c_str());
  }
  argv.push_back(nullptr);
  std::ostringstream out, err;
  const int status = RunTextTool(static_cast<int>(argv.size() - 1), argv.data(), in, out, err);
  FUZZ_CHECK(status >= 0 && status <= 4);
  FUZZ_CHECK(out.str().size() <= 64 * 1024 + 12 * size);
  return 0;
}
