#pragma once
// The five Cyrillic code pages the editor converts between, each given by a
// table of the same 66 Russian letters in the same order: a byte's position
// in its table is its meaning.
#include <optional>
#include <string>
#include <string_view>

namespace plumex {

// The stored values are part of the encoding pane's contract; keep them.
enum class EncodingCode : unsigned char { DOS = 0, ISO = 1, KOI = 2, MAC = 3, WIN = 4 };

inline constexpr EncodingCode kAllEncodings[] = {EncodingCode::DOS, EncodingCode::ISO, EncodingCode::KOI,
                                                 EncodingCode::MAC, EncodingCode::WIN};

// The same 66 Russian letters, upper case then lower case, each table in its
// own code page.
struct CodePageTables {
  std::string StrWIN;
  std::string StrDOS;
  std::string StrKOI;
  std::string StrMAC;
  std::string StrISO;
};

// The code of the last of StrDOS, StrKOI, StrMAC, StrISO equal to `table`;
// WIN when none is.
EncodingCode CodeOfTable(const CodePageTables& tables, std::string_view table);

// StrDOS, StrISO, StrKOI, StrMAC for their codes, StrWIN for anything else.
const std::string& TableOfCode(const CodePageTables& tables, EncodingCode code);

// "DOS", "ISO", "KOI", "MAC", "WIN".
std::string_view EncodingName(EncodingCode code);

// The code for a name as EncodingName gives it, in any letter case.
std::optional<EncodingCode> EncodingFromName(std::string_view name);

}  // namespace plumex
