#include "convert/code_pages.h"

#include <algorithm>
#include <cctype>

namespace plumex {

EncodingCode CodeOfTable(const CodePageTables& tables, std::string_view table) {
  // Checked in this order so that, of tables a user made equal, the last wins.
  EncodingCode code = EncodingCode::WIN;
  if (table == tables.StrDOS) code = EncodingCode::DOS;
  if (table == tables.StrKOI) code = EncodingCode::KOI;
  if (table == tables.StrMAC) code = EncodingCode::MAC;
  if (table == tables.StrISO) code = EncodingCode::ISO;
  return code;
}

const std::string& TableOfCode(const CodePageTables& tables, EncodingCode code) {
  switch (code) {
    case EncodingCode::DOS: return tables.StrDOS;
    case EncodingCode::ISO: return tables.StrISO;
    case EncodingCode::KOI: return tables.StrKOI;
    case EncodingCode::MAC: return tables.StrMAC;
    case EncodingCode::WIN: break;
  }
  return tables.StrWIN;
}

std::string_view EncodingName(EncodingCode code) {
  switch (code) {
    case EncodingCode::DOS: return "DOS";
    case EncodingCode::ISO: return "ISO";
    case EncodingCode::KOI: return "KOI";
    case EncodingCode::MAC: return "MAC";
    case EncodingCode::WIN: break;
  }
  return "WIN";
}

std::optional<EncodingCode> EncodingFromName(std::string_view name) {
  const auto same = [name](std::string_view known) {
    return std::ranges::equal(name, known, [](char a, char b) {
      return std::toupper(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b);
    });
  };
  for (EncodingCode code : kAllEncodings)
    if (same(EncodingName(code))) return code;
  return std::nullopt;
}

}  // namespace plumex
