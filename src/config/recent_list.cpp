#include "config/recent_list.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace plumex {
namespace {

// The line's key: everything before its first "=" (escaped paths hold none).
std::string_view KeyOf(std::string_view line) { return line.substr(0, line.find('=')); }

std::string_view ValueOf(std::string_view line) {
  const std::size_t eq = line.find('=');
  return eq == std::string_view::npos ? std::string_view{} : line.substr(eq + 1);
}

bool HoldsLineBreak(std::string_view path) { return path.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

RecentList::RecentList(std::string filePath) : file_(std::move(filePath)) {}

void RecentList::Load() {
  file_.Load({});
  // A hand-edited list may hold more than ten lines, but a huge one would
  // cost every caret move and fill the menu: the first lines are kept.
  const auto& lines = file_.lines();
  if (lines.size() > kRecentLoadLimit)
    file_.SetLines(std::vector<std::string>(lines.begin(), lines.begin() + kRecentLoadLimit));
}

IoStatus RecentList::Save() const { return file_.Save(); }

void RecentList::AddToRecent(std::string_view path) {
  if (HoldsLineBreak(path)) return;
  const std::string key = EscapeEquals(path);
  std::vector<std::string> lines = file_.lines();
  if (lines.empty() || KeyOf(lines.front()) != key) lines.insert(lines.begin(), key);
  if (lines.size() > kRecentLimit) lines.resize(kRecentLimit);

  std::vector<std::string> updated{key + "="};
  std::copy_if(lines.begin() + 1, lines.end(), std::back_inserter(updated),
               [&](const std::string& line) { return KeyOf(line) != key; });
  file_.SetLines(updated);
}

void RecentList::Clear() { file_.SetLines({}); }

int RecentList::RememberedCaret(std::string_view path) const {
  const std::string key = EscapeEquals(path);
  const auto& lines = file_.lines();
  const auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return KeyOf(l) == key; });
  if (line == lines.end()) return 0;
  // Only plain decimal digits that fit: anything else was not written here.
  const std::string_view value = ValueOf(*line);
  int caret = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), caret);
  const bool number = error == std::errc{} && end == value.data() + value.size() && caret >= 0;
  return number ? caret : 0;
}

void RecentList::RememberCaret(std::string_view path, int caret) {
  if (HoldsLineBreak(path)) return;
  const std::string key = EscapeEquals(path);
  const std::string line = key + "=" + std::to_string(std::max(caret, 0));
  std::vector<std::string> lines = file_.lines();
  const auto found = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return KeyOf(l) == key; });
  if (found == lines.end())
    lines.push_back(line);
  else if (*found != line)
    *found = line;
  else
    return;
  file_.SetLines(lines);
}

std::vector<RecentEntry> RecentList::MenuEntries() const {
  std::vector<RecentEntry> entries;
  const auto& lines = file_.lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view key = KeyOf(lines[i]);
    if (!key.empty()) entries.push_back({static_cast<int>(i), UnescapeEquals(key)});
  }
  return entries;
}

}  // namespace plumex
