#include "cli/subcommands.h"

namespace plumex {

std::span<const Subcommand> Subcommands() {
  static constexpr Subcommand kTable[] = {
      {"detect", "[FILE...]",
       "print each file's name (\"-\" for standard input), a tab and its code page (WIN, DOS, KOI, MAC, ISO)",
       &RunDetect},
      {"convert", "--from CODE --to CODE [FILE] | --auto [FILE]",
       "convert between code pages; --auto detects the code page and converts to WIN", &RunConvert},
      {"case", "upper|lower|invert|capitalize [FILE]", "change the letter case by the editor's letter tables",
       &RunCase},
      {"translit", "[FILE]", "write Cyrillic letters in Latin ones by the table of translit.ini", &RunTranslit},
      {"untranslit", "[FILE]", "turn transliterated text back into Cyrillic by the table of translit.ini",
       &RunUntranslit},
      {"ruslit", "[FILE]", "write Cyrillic letters as Latin look-alikes by the table of ruslit.ini", &RunRuslit},
      {"unruslit", "[FILE]", "turn look-alike text back into Cyrillic by the table of ruslit.ini", &RunUnruslit},
      {"layout", "--from N --to M [FILE]", "repair text typed in keyboard layout N but meant for layout M (1 to 3)",
       &RunLayout},
  };
  return kTable;
}

}  // namespace plumex
