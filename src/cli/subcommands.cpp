#include "cli/subcommands.h"

namespace plumex {

std::span<const Subcommand> Subcommands() {
  static constexpr Subcommand kTable[] = {
      {"detect", "FILE...", "print each file's name, a tab and its code page (WIN, DOS, KOI, MAC, ISO)",
       &RunDetect},
      {"convert", "--from CODE --to CODE [FILE] | --auto [FILE]",
       "convert between code pages; --auto detects the code page and converts to WIN", &RunConvert},
      {"case", "upper|lower|invert|capitalize [FILE]", "change the letter case by the editor's letter tables",
       &RunCase},
  };
  return kTable;
}

}  // namespace plumex
