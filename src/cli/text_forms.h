#pragma once
// The six forms the tool reads and writes: the five code pages and UTF-8,
// and an input read as whole UTF-8 characters, so that a character cut by
// a chunk seam is classified and decoded as one.
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "cli/byte_streams.h"
#include "convert/code_pages.h"
#include "convert/encoding_detection.h"

namespace plumex {

struct TextForm {
  bool utf8 = false;
  EncodingCode code = EncodingCode::WIN;  // when not UTF-8
};

// "UTF8" or the code page's name.
std::string_view FormName(TextForm form);
// The form for a name as FormName gives it, in any letter case.
std::optional<TextForm> FormFromName(std::string_view name);

class Utf8Pieces {
 public:
  explicit Utf8Pieces(InputBytes& input);

  // The next run of the input that ends with a whole character, up to a
  // chunk and a few bytes; a sequence cut short by the end of the input
  // comes last as it is; empty at the end. Valid, and free to be rewritten
  // in place, until the next call.
  std::span<char> Next();

 private:
  InputBytes& input_;
  std::vector<char> buffer_;
  std::size_t filled_ = 0;  // bytes in the buffer
  std::size_t given_ = 0;   // of which the last piece took these
};

struct FoundForm {
  TextForm form;
  StatisticalGuess guess;  // how sure the detector is of each reading
};

// The marker count: UTF-8 when the whole input is valid UTF-8 with a
// multi-byte character, otherwise the code page of its leading bytes. The
// statistical method chooses among the code pages and, for such an input,
// UTF-8. Reads until that is known: past the first invalid byte only while
// detection wants more. Every piece read is handed to `keep`.
FoundForm ReadForm(Utf8Pieces& pieces, const EncodingDetector& detector,
                   const std::function<void(std::string_view piece)>& keep);

}  // namespace plumex
