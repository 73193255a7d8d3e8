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

std::string FormConversion::Apply(std::string_view piece) {
  std::string bytes;
  if (from_utf8_) {
    if (first_ && piece.starts_with(kUtf8Bom)) piece.remove_prefix(kUtf8Bom.size());
    FromUtf8 decoded = DecodeUtf8(piece);
    lost_ += decoded.unrepresentable;
    bytes = std::move(decoded.bytes);
  } else {
    bytes.assign(piece);
  }
  first_ = false;
  if (map_ != nullptr) map_->ApplyInPlace(bytes);
  return to_utf8_ ? EncodeUtf8(bytes) : bytes;
}

}  // namespace plumex
