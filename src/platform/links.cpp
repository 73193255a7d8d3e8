#include "platform/links.h"

#include <array>
#include <cctype>

namespace plumex {
namespace {

constexpr std::array<std::string_view, 5> kPrefixes = {"http://", "https://", "ftp://", "mailto:",
                                                       "www."};

bool EndsLink(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b <= ' ' || c == '"' || c == '\'' || c == '<' || c == '>' || c == '`' || b >= 0x80;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  return true;
}

// The word from `begin`, without the punctuation that closes a sentence, if
// it is a link; empty otherwise.
std::string_view LinkFrom(std::string_view line, std::size_t begin) {
  std::size_t end = begin;
  while (end < line.size() && !EndsLink(line[end])) ++end;
  std::string_view word = line.substr(begin, end - begin);
  while (!word.empty() && std::string_view(".,;:!?)]}").find(word.back()) != std::string_view::npos)
    word.remove_suffix(1);
  for (std::string_view prefix : kPrefixes)
    if (StartsWithNoCase(word, prefix) && word.size() > prefix.size()) return word;
  return {};
}

}  // namespace

std::string LinkAt(std::string_view line, std::size_t position) {
  if (position >= line.size() || EndsLink(line[position])) return {};
  std::size_t begin = position;
  while (begin > 0 && !EndsLink(line[begin - 1])) --begin;
  // A link starts with its scheme; the mouse may stand anywhere in it.
  const std::string_view link = LinkFrom(line, begin);
  if (link.empty() || position >= begin + link.size()) return {};
  return StartsWithNoCase(link, "www.") ? "http://" + std::string(link) : std::string(link);
}

std::vector<LinkSpan> LinksIn(std::string_view line) {
  std::vector<LinkSpan> links;
  std::size_t i = 0;
  while (i < line.size()) {
    if (EndsLink(line[i])) {
      ++i;
      continue;
    }
    const std::string_view link = LinkFrom(line, i);
    if (!link.empty()) links.push_back({i, link.size()});
    while (i < line.size() && !EndsLink(line[i])) ++i;
  }
  return links;
}

bool IsSafeToOpen(std::string_view link) {
  for (std::string_view scheme : {"http://", "https://", "ftp://", "mailto:"})
    if (StartsWithNoCase(link, scheme)) return true;
  return false;
}

}  // namespace plumex
