#include "convert/conversion_tables.h"

namespace plumex {

ConversionTables::ConversionTables(const TableTexts& texts)
    : code_pages_(texts.code_pages),
      case_(texts.letters),
      detector_(code_pages_, case_, texts.detection) {
  for (EncodingCode from : kAllEncodings) {
    for (EncodingCode to : kAllEncodings)
      conversions_[Index(from)][Index(to)] =
          ByteMap::Between(TableOfCode(code_pages_, from), TableOfCode(code_pages_, to));
    target_names_[Index(from)] = CodeOfTable(code_pages_, TableOfCode(code_pages_, from));
  }
}

std::size_t ConversionTables::Index(EncodingCode code) {
  // Codes outside the five stand for WIN, as everywhere else.
  const auto index = static_cast<std::size_t>(code);
  return index < kCodes ? index : static_cast<std::size_t>(EncodingCode::WIN);
}

const ByteMap& ConversionTables::Conversion(EncodingCode from, EncodingCode to) const {
  return conversions_[Index(from)][Index(to)];
}

EncodingCode ConversionTables::NameOfTarget(EncodingCode code) const { return target_names_[Index(code)]; }

}  // namespace plumex
