#include "platform/key_file_text.h"

namespace plumex {
namespace {

constexpr std::string_view kBlanks = " \t";

// A line's content without the carriage return a Windows editor may leave.
std::string_view Content(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<std::string_view> GroupName(std::string_view line) {
  const std::string_view text = Trim(Content(line));
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') return std::nullopt;
  return text.substr(1, text.size() - 2);
}

struct Entry {
  std::string_view key;
  std::size_t valueStart;  // where the value begins in the line
};

std::optional<Entry> EntryOf(std::string_view line) {
  const std::string_view text = Trim(Content(line));
  if (text.empty() || text.front() == '#' || GroupName(line)) return std::nullopt;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  std::size_t valueStart = line.find_first_not_of(kBlanks, equals + 1);
  if (valueStart == std::string_view::npos) valueStart = line.size();
  return Entry{Trim(line.substr(0, equals)), valueStart};
}

std::string ValueOf(std::string_view line, const Entry& entry) {
  return std::string(Content(line).substr(std::min(entry.valueStart, Content(line).size())));
}

}  // namespace

KeyFileText::KeyFileText(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines_.emplace_back(text.substr(start));
      endsWithNewline_ = false;
      break;
    }
    lines_.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
}

std::optional<KeyFileText::Span> KeyFileText::FindGroup(std::string_view group) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (GroupName(lines_[i]) != group) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && !GroupName(lines_[end])) ++end;
    return Span{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> KeyFileText::FindKey(const Span& span, std::string_view key) const {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const std::optional<Entry> entry = EntryOf(lines_[i]);
    if (entry && entry->key == key) return i;
  }
  return std::nullopt;
}

std::optional<std::string> KeyFileText::Value(std::string_view group, std::string_view key) const {
  const std::optional<Span> span = FindGroup(group);
  const std::optional<std::size_t> at = span ? FindKey(*span, key) : std::nullopt;
  if (!at) return std::nullopt;
  return ValueOf(lines_[*at], *EntryOf(lines_[*at]));
}

std::vector<std::pair<std::string, std::string>> KeyFileText::Entries(std::string_view group) const {
  std::vector<std::pair<std::string, std::string>> entries;
  const std::optional<Span> span = FindGroup(group);
  for (std::size_t i = span ? span->header + 1 : 0; span && i < span->end; ++i)
    if (const std::optional<Entry> entry = EntryOf(lines_[i]))
      entries.emplace_back(std::string(entry->key), ValueOf(lines_[i], *entry));
  return entries;
}

void KeyFileText::Set(std::string_view group, std::string_view key, std::string_view value) {
  const std::string line = std::string(key) + "=" + std::string(value);
  const std::optional<Span> span = FindGroup(group);
  if (!span) {
    lines_.push_back("[" + std::string(group) + "]");
    lines_.push_back(line);
    return;
  }
  if (const std::optional<std::size_t> at = FindKey(*span, key)) {
    std::string& old = lines_[*at];
    const bool cr = Content(old).size() != old.size();
    old = old.substr(0, EntryOf(old)->valueStart) + std::string(value) + (cr ? "\r" : "");
    return;
  }
  std::size_t after = span->header + 1;
  for (std::size_t i = after; i < span->end; ++i)
    if (!Trim(Content(lines_[i])).empty()) after = i + 1;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after), line);
}

void KeyFileText::Remove(std::string_view group, std::string_view key) {
  const std::optional<Span> span = FindGroup(group);
  const std::optional<std::size_t> at = span ? FindKey(*span, key) : std::nullopt;
  if (!at) return;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*at));
  if (span->end - span->header == 2)
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(span->header));
}

std::string KeyFileText::Text() const {
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    text += lines_[i];
    if (i + 1 < lines_.size() || endsWithNewline_) text += '\n';
  }
  return text;
}

}  // namespace plumex
