#include "cli/byte_streams.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <istream>
#include <ostream>
#include <vector>

#include "cli/tool_failure.h"

namespace plumex {

InputBytes::InputBytes(const std::string& path, std::istream& standard_input)
    : name_(path), stream_(&standard_input) {
  if (path == "-") return;
  std::error_code ignored;
  // A directory opens like a file here and then reads as empty; refuse it.
  if (std::filesystem::is_directory(path, ignored)) throw FileError(path + ": " + std::strerror(EISDIR));
  errno = 0;
  file_.open(path, std::ios::binary);
  if (!file_) throw FileError(path + ": " + std::strerror(errno != 0 ? errno : ENOENT));
  stream_ = &file_;
}

std::size_t InputBytes::Read(char* buffer, std::size_t size) {
  stream_->read(buffer, static_cast<std::streamsize>(size));
  if (stream_->bad()) throw FileError(name_ + ": read error");
  return static_cast<std::size_t>(stream_->gcount());
}

std::string ReadAllBytes(InputBytes& input) {
  std::string bytes;
  std::vector<char> chunk(kChunkSize);
  while (const std::size_t got = input.Read(chunk.data(), chunk.size())) bytes.append(chunk.data(), got);
  return bytes;
}

void WriteBytes(std::ostream& out, std::string_view bytes) {
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw FileError("cannot write the output");
}

void FinishOutput(std::ostream& out) {
  out.flush();
  if (!out) throw FileError("cannot write the output");
}

void PipeThrough(InputBytes& input, std::ostream& out, const ChunkRewrite& rewrite, std::string already_read) {
  rewrite(already_read.data(), already_read.size());
  WriteBytes(out, already_read);
  std::vector<char> chunk(kChunkSize);
  while (const std::size_t got = input.Read(chunk.data(), chunk.size())) {
    rewrite(chunk.data(), got);
    WriteBytes(out, {chunk.data(), got});
  }
  FinishOutput(out);
}

void PipeWholeLines(InputBytes& input, std::ostream& out, const LinesRewrite& rewrite) {
  std::string pending;  // the start of a line not yet ended
  std::vector<char> chunk(kChunkSize);
  while (const std::size_t got = input.Read(chunk.data(), chunk.size())) {
    // Only the new bytes are searched, so one endless line costs no more
    // than many short ones.
    const std::string_view fresh(chunk.data(), got);
    const std::size_t last_break = fresh.find_last_of("\r\n");
    if (last_break == std::string_view::npos) {
      pending.append(fresh);
      continue;
    }
    pending.append(fresh.substr(0, last_break + 1));
    WriteBytes(out, rewrite(pending));
    pending.assign(fresh.substr(last_break + 1));
  }
  WriteBytes(out, rewrite(pending));
  FinishOutput(out);
}

}  // namespace plumex
