#pragma once
// Binary-safe input and output for the text tool: every byte passes as it
// is, and big inputs go through in chunks.
#include <cstddef>
#include <fstream>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace plumex {

inline constexpr std::size_t kChunkSize = std::size_t{1} << 18;

// A named file, or the tool's standard input for "-".
class InputBytes {
 public:
  // Throws a FileError naming the file when it cannot be opened.
  InputBytes(const std::string& path, std::istream& standard_input);

  // Up to `size` bytes; 0 only at the end. Throws a FileError when reading fails.
  std::size_t Read(char* buffer, std::size_t size);

 private:
  std::string name_;
  std::ifstream file_;
  std::istream* stream_;
};

// The rest of the input, held whole.
std::string ReadAllBytes(InputBytes& input);

// Both throw a FileError when the output does not take the bytes.
void WriteBytes(std::ostream& out, std::string_view bytes);
void FinishOutput(std::ostream& out);

// Rewrites bytes of one chunk in place, keeping their number.
using ChunkRewrite = std::function<void(char* data, std::size_t size)>;

// Writes `already_read`, then the rest of the input, each rewritten, and
// finishes the output.
void PipeThrough(InputBytes& input, std::ostream& out, const ChunkRewrite& rewrite, std::string already_read = {});

// Rewrites a run of whole lines into new bytes, of any number.
using LinesRewrite = std::function<std::string(std::string_view lines)>;

// Writes the input rewritten in runs that end just after a CR or LF (the
// last run ends with the input), and finishes the output. For rewrites
// whose matches never hold a line break: they give the same bytes as one
// rewrite of the whole input, holding no more than the longest line and a
// chunk in memory.
void PipeWholeLines(InputBytes& input, std::ostream& out, const LinesRewrite& rewrite);

}  // namespace plumex
