#include "cli/form_conversion.h"

#include "convert/utf8.h"

namespace plumex {
namespace {

// UTF-8 passes through Windows-1251 on its way to or from a code page.
EncodingCode CodePageOf(TextForm form) { return form.utf8 ? EncodingCode::WIN : form.code; }

}  // namespace

FormConversion::FormConversion(TextForm from, TextForm to, const ConversionTables& tables)
    : from_utf8_(from.utf8),
      to_utf8_(to.utf8),
      map_(CodePageOf(from) == CodePageOf(to) ? nullptr : &tables.Conversion(CodePageOf(from), CodePageOf(to))) {}

std::string_view FormConversion::Apply(std::span<char> piece) {
  std::span<char> bytes = piece;
  if (from_utf8_) {
    std::string_view utf8(piece.data(), piece.size());
    if (first_ && utf8.starts_with(kUtf8Bom)) utf8.remove_prefix(kUtf8Bom.size());
    FromUtf8 decoded = DecodeUtf8(utf8);
    lost_ += decoded.unrepresentable;
    converted_ = std::move(decoded.bytes);
    bytes = converted_;
  }
  first_ = false;
  if (map_ != nullptr) map_->Apply(bytes.data(), bytes.data(), bytes.size());
  if (!to_utf8_) return {bytes.data(), bytes.size()};
  converted_ = EncodeUtf8({bytes.data(), bytes.size()});
  return converted_;
}

}  // namespace plumex
