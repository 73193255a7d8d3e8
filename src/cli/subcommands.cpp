#include "cli/subcommands.h"

namespace plumex {

std::span<const Subcommand> Subcommands() {
  static constexpr Subcommand kTable[] = {
      {"detect", "[FILE...]",
       "print each file's name (\"-\" for standard input), a tab and its form:\n"
       "      UTF8 when all of it is valid UTF-8 with a non-ASCII character, else its\n"
       "      code page (WIN, DOS, KOI, MAC, ISO). --statistical reads the letters in\n"
       "      every form (as DetectMethod=1 does) and --verbose adds how sure it is of\n"
       "      each form, or \"not Cyrillic\"",
       &RunDetect},
      {"convert", "(--from CODE --to CODE | --auto) [--lossy] [FILE]",
       "convert between code pages and UTF-8, dropping a leading byte-order mark;\n"
       "      --auto detects the form as detect does and converts to WIN. Characters\n"
       "      Windows-1251 lacks stop it with status 4 and nothing written, unless\n"
       "      --lossy writes them as \"?\"",
       &RunConvert},
      {"case", "upper|lower|invert|capitalize [FILE]", "change the letter case by the editor's letter tables",
       &RunCase},
      {"translit", "[FILE]", "write Cyrillic letters in Latin ones by the table of translit.ini", &RunTranslit},
      {"untranslit", "[FILE]", "turn transliterated text back into Cyrillic by the table of translit.ini",
       &RunUntranslit},
      {"ruslit", "[FILE]", "write Cyrillic letters as Latin look-alikes by the table of ruslit.ini", &RunRuslit},
      {"unruslit", "[FILE]", "turn look-alike text back into Cyrillic by the table of ruslit.ini", &RunUnruslit},
      {"layout", "--from N --to M [FILE]", "repair text typed in keyboard layout N but meant for layout M (1 to 3)",
       &RunLayout},
      {"repair", "[FILE]",
       "undo mojibake: UTF-8 read as WIN (once or twice), as KOI or as DOS, or WIN\n"
       "      read as Latin-1 and saved as UTF-8; the text comes back in the input's\n"
       "      form (UTF-8 with its byte-order mark, if it had one)",
       &RunRepair},
  };
  return kTable;
}

}  // namespace plumex
