#pragma once
// Russian text damaged by a wrong reading, recognised and undone.
//
// When a repair applies: the text as it stands must not read as Russian and
// the repaired text must. A text reads as Russian when it has at least two
// of the letters е, и, н, о (either case), these make at least a fifth of
// its Russian letters (about a third in ordinary prose; next to none in the
// damaged forms, whose bytes fall on other letters), and its Russian letters
// are no fewer than its Latin ones. So:
// - clean text in any code page is left alone: it either reads as Russian
//   already or does not decode as a damaged form at all;
// - very short texts (a word or two without those letters) and texts with
//   no Russian letters, or with more Latin letters than Russian, are left
//   alone even when damaged;
// - a repair is refused when the damaged form would hide a character that
//   Windows-1251 lacks, so whatever is repaired comes back byte for byte;
// - after a KOI8-R reading "и" and "У" leave the same bytes, and so do "г"
//   and "Ш": the capital is taken where a sentence starts and inside a word
//   in capitals, the small letter elsewhere, so a name beginning with У or Ш
//   in the middle of a sentence comes back in lower case.
// Every check is one pass over the text.
#include <string>
#include <string_view>

#include "convert/conversion_tables.h"

namespace plumex {

enum class Mojibake {
  None,
  Utf8AsWin,       // "РџСЂРёРІРµС‚" for "Привет"
  Utf8AsWinTwice,  // "Р СџРЎР‚Р С‘..."
  WinAsLatin,      // "Ïðèâåò", Windows-1251 read as Latin-1 or Windows-1252
  Utf8AsKoi,       // "п÷п╣я─...", UTF-8 read as KOI8-R, converted to Windows-1251
  Utf8AsDos,       // the same through DOS 866
};

struct MojibakeRepair {
  Mojibake kind = Mojibake::None;
  std::string repaired;  // Windows-1251; empty with Mojibake::None
};

// Damage that shows in the bytes the editor holds: UTF-8 taken for
// Windows-1251 (once or twice), or for KOI8-R or DOS 866 and then converted
// by the tables.
MojibakeRepair FindMojibake(std::string_view held, const ConversionTables& tables);

// Damage that shows only in a UTF-8 file, before it becomes Windows-1251:
// Windows-1251 text read as Latin-1 or Windows-1252 and saved as UTF-8.
// `utf8_file` may start with a byte-order mark.
MojibakeRepair FindLatinMojibake(std::string_view utf8_file);

}  // namespace plumex
