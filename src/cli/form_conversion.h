#pragma once
// One conversion between two of the tool's forms, piece by piece: code
// pages through a byte map, UTF-8 through the Windows-1251 bytes the editor
// holds.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "cli/text_forms.h"
#include "convert/conversion_tables.h"

namespace plumex {

class FormConversion {
 public:
  FormConversion(TextForm from, TextForm to, const ConversionTables& tables);

  // Pieces of UTF-8 must end with a whole character (see Utf8Pieces); a
  // byte-order mark at the start of the first is dropped. A piece whose
  // bytes keep their number is converted where it lies, so that code pages
  // stream through one buffer; the result is valid until the next call.
  std::string_view Apply(std::span<char> piece);

  // Only text read from UTF-8 can hold characters Windows-1251 lacks.
  bool CanLose() const { return from_utf8_; }
  // Characters so far that had no Windows-1251 byte, malformed bytes
  // included; each became '?'.
  std::size_t Lost() const { return lost_; }

 private:
  bool from_utf8_;
  bool to_utf8_;
  const ByteMap* map_;  // null when the code pages are the same
  bool first_ = true;
  std::size_t lost_ = 0;
  std::string converted_;  // when the piece's own bytes cannot hold it
};

}  // namespace plumex
