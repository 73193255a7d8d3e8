#pragma once
// Whole-file reads and crash-safe whole-file writes: every file Plumex saves
// goes through here, so a failed write never leaves a half-written target.
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace plumex {

struct IoStatus {
  bool ok = false;
  std::string error;  // the system's message, empty on success
  explicit operator bool() const { return ok; }
};

struct ReadResult {
  IoStatus status;
  std::string bytes;
};

inline constexpr std::size_t kNoSizeLimit = std::numeric_limits<std::size_t>::max();

// Reads a regular file whole. Directories, other special files and files over
// `limit` bytes are refused with a message, never read in part.
ReadResult ReadFileBytes(const std::string& path, std::size_t limit = kNoSizeLimit);

// Writes a temporary file beside `path`, flushes it and renames it over the
// target. On any failure the old file is left untouched and the temporary
// removed. An existing target keeps its permission bits; a target we may not
// write is refused even where rename would let us replace it.
IoStatus WriteFileAtomically(const std::string& path, std::string_view bytes);

bool FileExists(const std::string& path);

// Sets or clears every write permission bit of a file, as a read-only
// attribute would; failures are ignored.
void ApplyReadOnlyAttribute(const std::string& path, bool readOnly);

// True when nobody may write the file by its permission bits.
bool HasReadOnlyAttribute(const std::string& path);

}  // namespace plumex
