// The list files (signature, tools, exts; translit and ruslit have their own
// target): any file loads, and what the lists make of their lines holds.
#include <algorithm>

#include "config/extension_list.h"
#include "config/list_files.h"
#include "config/path_macros.h"
#include "config/tool_list.h"
#include "fuzz_support.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::MemoryFile stored(fuzz::AsText(data, size));
  ListFile list(stored.path());
  list.Load({"default"});
  const std::vector<std::string>& lines = list.lines();
  FUZZ_CHECK(lines.size() <= size);
  for (const std::string& line : lines) {
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    // A name holding "#ravno" is ambiguous once escaped ("#ravno=" gives
    // "#ravno#ravno#"); the format has no escape for the escape.
    FUZZ_CHECK(EscapeEquals(line).find('=') == std::string::npos);
    FUZZ_CHECK(UnescapeEquals(EscapeEquals(line)) == line || line.find("#ravno") != std::string::npos);
  }
  // Setting the lines it holds changes nothing.
  list.SetLines(lines);
  FUZZ_CHECK(list.lines() == lines);

  const std::vector<ToolItem> tools = ToolMenuItems(lines, LocalFolders(), [](const std::string&) { return true; });
  FUZZ_CHECK(tools.size() <= kMaxTools);
  for (const ToolItem& tool : tools) FUZZ_CHECK(tool.index < lines.size());

  const std::vector<std::string> exts = ExtensionsFromLines(lines);
  FUZZ_CHECK(std::adjacent_find(exts.begin(), exts.end(), std::greater_equal<>()) == exts.end());
  return 0;
}
