#include "platform/ini_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <sys/stat.h>

#include "convert/win1251.h"

namespace plumex {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool HasQuotePair(std::string_view value) {
  return value.size() >= 2 && IsQuote(value.front()) && value.front() == value.back();
}

std::string_view Unquote(std::string_view value) {
  value = Trim(value);
  if (HasQuotePair(value)) value = value.substr(1, value.size() - 2);
  return value;
}

// Where a written name or value must end: a line break, or 0x1A, which would
// end the whole file when it is read again.
constexpr std::string_view kLineEnds = "\r\n\x1A";

// The stored form of a value that reads back exactly: one line, and quoted
// when reading would otherwise strip its blanks or its own quote pair.
std::string EncodeValue(std::string_view value) {
  value = value.substr(0, value.find_first_of(kLineEnds));
  if (Trim(value).size() != value.size() || HasQuotePair(value))
    return "\"" + std::string(value) + "\"";
  return std::string(value);
}

bool IsBlankLine(std::string_view text) { return Trim(text).empty(); }

// The leading number: blanks, an optional sign, then decimal digits up to
// the first other character; none reads as 0. A number beyond 32 bits is
// none at all, as if the key were missing. Digits are counted past the
// limit without arithmetic, so a thousand nines cost one pass.
std::optional<int> LeadingInteger(std::string_view value) {
  value = Trim(value);
  const bool negative = value.starts_with('-');
  if (negative || value.starts_with('+')) value.remove_prefix(1);
  std::int64_t number = 0;
  for (const char c : value) {
    if (c < '0' || c > '9') break;
    number = number * 10 + (c - '0');
    if (number > std::int64_t{1} << 31) return std::nullopt;
  }
  if (negative) number = -number;
  if (number > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<int>(number);
}

}  // namespace

std::string IniFile::FoldName(std::string_view name) {
  std::string folded(Trim(name));
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

IniFile IniFile::Parse(std::string_view bytes) {
  IniFile file;
  file.sections_.emplace_back();
  const IniText decoded = DecodeIniText(bytes);
  file.encoding_ = decoded.encoding;
  std::string_view text = decoded.text;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    file.AddDecodedLine(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
  return file;
}

// Lines of a marked file arrive as UTF-8; a line whose characters do not all
// come back from Windows-1251 lost some of them.
void IniFile::AddDecodedLine(std::string_view text) {
  if (encoding_ == IniEncoding::Win1251) return AddLine(text, false);
  const std::string bytes = Utf8ToWin1251(text);
  AddLine(bytes, Win1251ToUtf8(bytes) != text);
}

void IniFile::AddLine(std::string_view text, bool lossy) {
  const std::string_view trimmed = Trim(text);
  const std::size_t close = trimmed.find(']');
  if (trimmed.starts_with('[') && close != std::string_view::npos) {
    Section section;
    section.name = Trim(trimmed.substr(1, close - 1));
    section.lines.push_back({std::string(text)});
    sectionIndex_.try_emplace(FoldName(section.name), sections_.size());
    sections_.push_back(std::move(section));
    return;
  }
  Section& section = sections_.back();
  Line line{std::string(text)};
  line.lossy = lossy;
  const std::size_t equals = text.find('=');
  if (!trimmed.starts_with(';') && equals != std::string_view::npos) {
    const std::string_view key = Trim(text.substr(0, equals));
    if (!key.empty()) {
      line.keyStart = static_cast<std::size_t>(key.data() - text.data());
      line.keyLength = key.size();
      line.valueStart = equals + 1;
      section.keys.try_emplace(FoldName(key), section.lines.size());
    }
  }
  section.lines.push_back(std::move(line));
}

void IniFile::IndexKeys(Section& section) {
  section.keys.clear();
  for (std::size_t i = 0; i < section.lines.size(); ++i) {
    const Line& line = section.lines[i];
    if (line.keyLength > 0)
      section.keys.try_emplace(FoldName(std::string_view(line.text).substr(line.keyStart, line.keyLength)), i);
  }
}

IniLoad IniFile::Load(const std::string& path) {
  IniLoad load;
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 && errno == ENOENT) return load;
  ReadResult read = ReadFileBytes(path, kIniSizeLimit);
  if (!read.status) {
    load.state = IniLoadState::Failed;
    load.error = read.status.error;
    return load;
  }
  load.state = IniLoadState::Loaded;
  load.file = Parse(read.bytes);
  return load;
}

std::string IniFile::Serialize() const {
  std::size_t size = 0;
  for (const Section& section : sections_)
    for (const Line& line : section.lines) size += line.text.size() + 2;
  std::string bytes;
  bytes.reserve(size);
  for (const Section& section : sections_) {
    for (const Line& line : section.lines) {
      bytes += line.text;
      bytes += "\r\n";
    }
  }
  return EncodeIniText(bytes, encoding_);
}

IoStatus IniFile::Save(const std::string& path) const { return WriteFileAtomically(path, Serialize()); }

const IniFile::Section* IniFile::FindSection(std::string_view section) const {
  const auto found = sectionIndex_.find(FoldName(section));
  return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

const IniFile::Line* IniFile::FindKey(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return nullptr;
  const auto line = found->keys.find(FoldName(key));
  return line == found->keys.end() ? nullptr : &found->lines[line->second];
}

std::string_view IniFile::ValueOf(const Line& line) {
  return Unquote(std::string_view(line.text).substr(line.valueStart));
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const Line* line = FindKey(section, key);
  return std::string(line == nullptr ? fallback : ValueOf(*line));
}

std::string IniFile::ReadExactString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
  const Line* line = FindKey(section, key);
  return std::string(line == nullptr || line->lossy ? fallback : ValueOf(*line));
}

std::optional<int> IniFile::IntegerValue(std::string_view section, std::string_view key) const {
  const Line* line = FindKey(section, key);
  if (line == nullptr || ValueOf(*line).empty()) return std::nullopt;
  return LeadingInteger(ValueOf(*line));
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  return IntegerValue(section, key).value_or(fallback);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  const std::optional<int> number = IntegerValue(section, key);
  return number ? *number != 0 : fallback;
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
  return FindKey(section, key) != nullptr;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  const Section* found = FindSection(section);
  if (found == nullptr) return keys;
  for (std::size_t i = 0; i < found->lines.size(); ++i) {
    const Line& line = found->lines[i];
    if (line.keyLength == 0) continue;
    const std::string_view key = std::string_view(line.text).substr(line.keyStart, line.keyLength);
    if (found->keys.at(FoldName(key)) == i) keys.emplace_back(key);
  }
  return keys;
}

std::vector<std::string> IniFile::SectionNames() const {
  std::vector<std::string> names;
  for (std::size_t i = 1; i < sections_.size(); ++i)
    if (sectionIndex_.at(FoldName(sections_[i].name)) == i) names.push_back(sections_[i].name);
  return names;
}

bool IniFile::IsWritableKey(std::string_view key) {
  key = Trim(key);
  return !key.empty() && !key.starts_with(';') && !key.starts_with('[') &&
         key.find('=') == std::string_view::npos && key.find_first_of(kLineEnds) == std::string_view::npos;
}

bool IniFile::IsWritableSection(std::string_view section) {
  section = Trim(section);
  return !section.empty() && section.find(']') == std::string_view::npos &&
         section.find_first_of(kLineEnds) == std::string_view::npos;
}

IniFile::Section& IniFile::SectionForWriting(std::string_view section) {
  if (sections_.empty()) sections_.emplace_back();
  const auto [found, added] = sectionIndex_.try_emplace(FoldName(section), sections_.size());
  if (added) {
    Section fresh;
    fresh.name = Trim(section);
    fresh.lines.push_back({"[" + fresh.name + "]"});
    sections_.push_back(std::move(fresh));
  }
  return sections_[found->second];
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (!IsWritableSection(section) || !IsWritableKey(key)) return;
  key = Trim(key);
  Line line{std::string(key) + "=" + EncodeValue(value), key.size(), 0, key.size() + 1};
  Section& target = SectionForWriting(section);
  const std::string folded = FoldName(key);
  const auto existing = target.keys.find(folded);
  if (existing != target.keys.end()) {
    target.lines[existing->second] = std::move(line);
    return;
  }
  // Before the blank lines that part this section from the next one; only
  // those blank lines move, so the key index stays valid.
  std::size_t at = target.lines.size();
  while (at > 1 && IsBlankLine(target.lines[at - 1].text)) --at;
  target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
  target.keys.emplace(folded, at);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
  const auto found = sectionIndex_.find(FoldName(section));
  if (found == sectionIndex_.end()) return;
  Section& target = sections_[found->second];
  const std::string folded = FoldName(key);
  if (!target.keys.contains(folded)) return;
  std::erase_if(target.lines, [&](const Line& line) {
    return line.keyLength > 0 &&
           FoldName(std::string_view(line.text).substr(line.keyStart, line.keyLength)) == folded;
  });
  IndexKeys(target);
}

}  // namespace plumex
