// The UTF-8 codec: classification, the two decoders and the encoder agree,
// Windows-1251 survives a trip through UTF-8, and outputs stay in bounds.
#include "convert/utf8.h"
#include "fuzz_support.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const Utf8Form form = ClassifyUtf8(text);
  const FromUtf8 decoded = DecodeUtf8(text);
  FUZZ_CHECK(decoded.bytes.size() <= text.size() && decoded.unrepresentable <= text.size());

  std::string inPlace(text);
  const InPlaceDecoding done = DecodeUtf8InPlace(inPlace);
  FUZZ_CHECK(done.form == form);
  if (form != Utf8Form::Invalid) {
    FUZZ_CHECK(done.rewritten || form == Utf8Form::Ascii);
    FUZZ_CHECK(done.unrepresentable == decoded.unrepresentable);
    FUZZ_CHECK(form == Utf8Form::Ascii ? inPlace == text : inPlace == decoded.bytes);
  } else if (!done.rewritten) {
    FUZZ_CHECK(inPlace == text);
  }

  const std::string encoded = EncodeUtf8(text);
  FUZZ_CHECK(encoded.size() <= 3 * text.size());
  FUZZ_CHECK(ClassifyUtf8(encoded) != Utf8Form::Invalid);
  const FromUtf8 back = DecodeUtf8(encoded);
  FUZZ_CHECK(back.bytes == text && back.unrepresentable == 0);
  return 0;
}
