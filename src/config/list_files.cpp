#include "config/list_files.h"

#include <cerrno>
#include <sys/stat.h>

#include "config/tool_list.h"
#include "convert/translit.h"

namespace plumex {
namespace {

// Far beyond any list a person edits; a bigger file is not taken for one.
constexpr std::size_t kListFileLimit = 16 << 20;

constexpr std::string_view kEquals = "=";
constexpr std::string_view kEscapedEquals = "#ravno#";

bool IsMissing(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) != 0 && errno == ENOENT;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.emplace_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  for (std::size_t at = text.find(from); at != std::string_view::npos; at = text.find(from)) {
    out += text.substr(0, at);
    out += to;
    text.remove_prefix(at + from.size());
  }
  out += text;
  return out;
}

}  // namespace

ListFile::ListFile(std::string path) : path_(std::move(path)) {}

void ListFile::Load(const std::vector<std::string>& defaults) {
  ReadResult read = ReadFileBytes(path_, kListFileLimit);
  if (read.status) {
    lines_ = SplitLines(read.bytes);
    onDisk_ = lines_;
    unreadable_ = false;
  } else if (IsMissing(path_)) {
    lines_ = defaults;
    onDisk_.reset();
    unreadable_ = false;
  } else {
    unreadable_ = true;
  }
}

IoStatus ListFile::Save() const {
  if (unreadable_) return {false, "\"" + path_ + "\": left alone, it could not be read"};
  // An unchanged list is not written again, so an edit the user made to the
  // file meanwhile (in this very editor, say) is not put back.
  if (onDisk_ == lines_) return {true, {}};
  IoStatus written = WriteFileAtomically(path_, JoinLines(lines_));
  if (written) onDisk_ = lines_;
  return written;
}

void ListFile::SetLines(const std::vector<std::string>& lines) {
  std::vector<std::string> split = SplitLines(JoinLines(lines));
  if (split == lines_) return;
  lines_ = std::move(split);
  unreadable_ = false;
}

std::string_view AuxListFileName(AuxList list) {
  switch (list) {
    case AuxList::Signature: return "signature.ini";
    case AuxList::Translit: return "translit.ini";
    case AuxList::Ruslit: return "ruslit.ini";
    case AuxList::Tools: return "tools.ini";
    case AuxList::Exts: return "exts.ini";
  }
  return {};
}

std::vector<std::string> AuxListDefaults(AuxList list) {
  switch (list) {
    case AuxList::Signature: return {"Hello World!"};
    case AuxList::Translit: return BuiltInTranslitLines();
    case AuxList::Ruslit: return BuiltInRuslitLines();
    case AuxList::Tools: return DefaultToolLines(IsInstalledProgram);
    case AuxList::Exts: return {};
  }
  return {};
}

std::string EscapeEquals(std::string_view text) { return ReplaceAll(text, kEquals, kEscapedEquals); }

std::string UnescapeEquals(std::string_view text) { return ReplaceAll(text, kEscapedEquals, kEquals); }

}  // namespace plumex
