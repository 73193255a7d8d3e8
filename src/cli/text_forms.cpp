#include "cli/text_forms.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "convert/utf8.h"

namespace plumex {
namespace {

constexpr std::string_view kUtf8Name = "UTF8";
// A UTF-8 character cut by a seam leaves at most this many bytes before it.
constexpr std::size_t kMaxCut = 3;

bool SameLetters(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

// Where the bytes stop holding only whole characters: before a last lead
// byte whose sequence needs more bytes than follow it. Every other cut
// falls where the decoder starts a step anyway, so pieces decode as the
// whole would.
std::size_t WholeCharactersEnd(std::string_view bytes) {
  for (std::size_t back = 1; back <= std::min(kMaxCut, bytes.size()); ++back) {
    const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? bytes.size() - back : bytes.size();
  }
  return bytes.size();
}

}  // namespace

std::string_view FormName(TextForm form) { return form.utf8 ? kUtf8Name : EncodingName(form.code); }

std::optional<TextForm> FormFromName(std::string_view name) {
  if (SameLetters(name, kUtf8Name)) return TextForm{.utf8 = true};
  const auto code = EncodingFromName(name);
  if (!code) return std::nullopt;
  return TextForm{.code = *code};
}

Utf8Pieces::Utf8Pieces(InputBytes& input) : input_(input), buffer_(kChunkSize + kMaxCut) {}

std::span<char> Utf8Pieces::Next() {
  // The bytes held back last time start this piece.
  std::memmove(buffer_.data(), buffer_.data() + given_, filled_ - given_);
  filled_ -= given_;
  while (true) {
    // Only a piece of no more than kMaxCut bytes is held back whole, so
    // the chunk always fits behind it.
    const std::size_t got = input_.Read(buffer_.data() + filled_, kChunkSize);
    filled_ += got;
    given_ = got == 0 ? filled_ : WholeCharactersEnd({buffer_.data(), filled_});
    if (given_ > 0 || got == 0) return {buffer_.data(), given_};
  }
}

FoundForm ReadForm(Utf8Pieces& pieces, const EncodingDetector& detector,
                   const std::function<void(std::string_view piece)>& keep) {
  std::string sample;
  Utf8Form form = Utf8Form::Ascii;
  while (form != Utf8Form::Invalid || sample.size() < detector.SampleLimit()) {
    const std::span<const char> read = pieces.Next();
    const std::string_view piece(read.data(), read.size());
    if (piece.empty()) break;
    keep(piece);
    sample.append(piece.substr(0, detector.SampleLimit() - std::min(sample.size(), detector.SampleLimit())));
    // One invalid piece makes the whole input invalid; one with a
    // multi-byte character makes valid input UTF-8 rather than ASCII.
    if (const Utf8Form found = ClassifyUtf8(piece); form != Utf8Form::Invalid && found != Utf8Form::Ascii)
      form = found;
  }
  const bool utf8 = form == Utf8Form::Utf8;
  FoundForm found{.form = {}, .guess = DetectByMethod(sample, detector, utf8 ? Utf8Candidate::Yes : Utf8Candidate::No)};
  // The marker count knows no UTF-8: the whole input decides it.
  if (utf8 && detector.Method() == DetectMethod::MarkerCount) {
    found.guess.reading = {.utf8 = true};
    found.guess.confidence = {};
    found.guess.confidence.back() = 1;
  }
  found.form = {.utf8 = found.guess.reading.utf8, .code = found.guess.reading.code};
  return found;
}

}  // namespace plumex
