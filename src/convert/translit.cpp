#include "convert/translit.h"

#include <algorithm>

#include "convert/win1251.h"

namespace plumex {
namespace {

// Occurrences that overlap one another are settled together. Ordinary text
// breaks into groups of a few bytes; a hostile run of overlapping keys is cut
// after this many occurrences so the work stays linear and memory small (the
// cut may settle a few bytes at the seam differently from one whole group).
constexpr std::size_t kMaxGroupOccurrences = 1 << 16;

struct LetterRow {
  const char* upper;
  const char* lower;
  const char* translitUpper;
  const char* translitLower;
  const char* ruslitUpper;
  const char* ruslitLower;
};

// Letters in UTF-8 for reading; turned into Windows-1251 bytes when the lines
// are built.
constexpr LetterRow kLetters[] = {
    {"А", "а", "A", "a", "A", "a"},
    {"Б", "б", "B", "b", "6", "6"},
    {"В", "в", "V", "v", "B", "B"},
    {"Г", "г", "G", "g", "r", "r"},
    {"Д", "д", "D", "d", "g", "g"},
    {"Е", "е", "E", "e", "E", "e"},
    {"Ё", "ё", "E", "e", "E", "e"},
    {"Ж", "ж", "Zh", "zh", "}|{", "}|{"},
    {"З", "з", "Z", "z", "3", "3"},
    {"И", "и", "I", "i", "U", "u"},
    {"Й", "й", "J", "j", "U", "u"},
    {"К", "к", "K", "k", "K", "k"},
    {"Л", "л", "L", "l", "/\\", "/\\"},
    {"М", "м", "M", "m", "M", "M"},
    {"Н", "н", "N", "n", "H", "H"},
    {"О", "о", "O", "o", "O", "o"},
    {"П", "п", "P", "p", "/7", "/7"},
    {"Р", "р", "R", "r", "P", "p"},
    {"С", "с", "S", "s", "C", "c"},
    {"Т", "т", "T", "t", "T", "m"},
    {"У", "у", "U", "u", "Y", "y"},
    {"Ф", "ф", "F", "f", "(|)", "(|)"},
    {"Х", "х", "H", "h", "X", "x"},
    {"Ц", "ц", "Ts", "ts", "U,", "u,"},
    {"Ч", "ч", "Ch", "ch", "4", "4"},
    {"Ш", "ш", "Sh", "sh", "|||", "|||"},
    {"Щ", "щ", "Shch", "shch", "|||,", "|||,"},
    {"Ъ", "ъ", "'", "'", "'b", "'b"},
    {"Ы", "ы", "Y", "y", "b|", "b|"},
    {"Ь", "ь", "`", "`", "b", "b"},
    {"Э", "э", "E", "e", "-) ", "-)"},  // the upper-case look-alike ends with a blank
    {"Ю", "ю", "Yu", "yu", "|-0", "|-0"},
    {"Я", "я", "Ya", "ya", "R", "R"},
};

std::vector<std::string> TableLines(const char* LetterRow::*upperValue,
                                    const char* LetterRow::*lowerValue) {
  std::vector<std::string> lines;
  for (const LetterRow& row : kLetters) {
    lines.push_back(Utf8ToWin1251(row.upper) + "=" + row.*upperValue);
    lines.push_back(Utf8ToWin1251(row.lower) + "=" + row.*lowerValue);
  }
  return lines;
}

}  // namespace

TranslitTable::TranslitTable(const std::vector<std::string>& lines, TranslitDirection direction) {
  roots_.fill(-1);
  for (const std::string& line : lines) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    Entry entry{line.substr(0, equals), line.substr(equals + 1)};
    if (direction == TranslitDirection::Reverse) std::swap(entry.key, entry.value);
    if (!entry.key.empty()) entries_.push_back(std::move(entry));
  }
  if (direction == TranslitDirection::Reverse) {
    std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
      return a.key.size() + a.value.size() > b.key.size() + b.value.size();
    });
  }
  for (std::size_t i = 0; i < entries_.size(); ++i) AddKey(static_cast<std::int32_t>(i));
}

void TranslitTable::AddKey(std::int32_t entry) {
  const std::string& key = entries_[static_cast<std::size_t>(entry)].key;
  longestKey_ = std::max(longestKey_, key.size());
  std::int32_t& root = roots_[static_cast<unsigned char>(key[0])];
  if (root < 0) {
    root = static_cast<std::int32_t>(nodes_.size());
    nodes_.emplace_back();
  }
  std::int32_t node = root;
  for (std::size_t i = 1; i < key.size(); ++i) {
    const auto byte = static_cast<unsigned char>(key[i]);
    std::int32_t next = Child(node, byte);
    if (next < 0) {
      next = static_cast<std::int32_t>(nodes_.size());
      auto& children = nodes_[static_cast<std::size_t>(node)].children;
      const auto at = std::lower_bound(children.begin(), children.end(), std::make_pair(byte, std::int32_t{-1}));
      children.insert(at, {byte, next});
      nodes_.emplace_back();
    }
    node = next;
  }
  // A repeated key keeps its first, better-ranked entry: the later one could
  // never claim a byte the first had not claimed already.
  std::int32_t& owner = nodes_[static_cast<std::size_t>(node)].entry;
  if (owner < 0) owner = entry;
}

std::int32_t TranslitTable::Child(std::int32_t node, unsigned char byte) const {
  for (const auto& [b, child] : nodes_[static_cast<std::size_t>(node)].children) {
    if (b == byte) return child;
    if (b > byte) break;
  }
  return -1;
}

std::string TranslitTable::Apply(std::string_view text) const {
  return longestKey_ <= 1 ? ApplyByteByByte(text) : ApplyMatching(text);
}

std::string TranslitTable::ApplyByteByByte(std::string_view text) const {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    const std::int32_t node = roots_[static_cast<unsigned char>(c)];
    if (node < 0)
      out += c;
    else
      out += entries_[static_cast<std::size_t>(nodes_[static_cast<std::size_t>(node)].entry)].value;
  }
  return out;
}

// Finds every key occurrence in one left-to-right walk of the trie and settles
// each group of mutually overlapping occurrences by rank, the way replacing
// entry after entry over the whole text would.
std::string TranslitTable::ApplyMatching(std::string_view text) const {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  std::vector<Occurrence> group;
  std::vector<std::int32_t> owners;
  std::size_t groupBegin = 0;
  std::size_t groupEnd = 0;
  std::size_t copied = 0;  // text before this has been written to `out`

  // Writes the group's text up to `limit` at least; returns where it stopped.
  const auto settle = [&](std::size_t limit) {
    out.append(text, copied, groupBegin - copied);
    copied = Resolve(text, groupBegin, groupEnd, limit, group, owners, out);
    group.clear();
    return copied;
  };

  for (std::size_t p = 0; p < text.size(); ++p) {
    std::int32_t node = roots_[static_cast<unsigned char>(text[p])];
    for (std::size_t q = p; node >= 0;) {
      const std::int32_t entry = nodes_[static_cast<std::size_t>(node)].entry;
      if (entry >= 0) {
        if (!group.empty() && p >= groupEnd) settle(groupEnd);
        if (group.empty()) groupBegin = groupEnd = p;
        group.push_back({p, entry});
        groupEnd = std::max(groupEnd, q + 1);
      }
      if (++q == text.size()) break;
      node = Child(node, static_cast<unsigned char>(text[q]));
    }
    // Bytes after p may still be claimed by occurrences not yet found, so a
    // cut group is written only up to p (or the end of a replacement over it).
    if (group.size() >= kMaxGroupOccurrences) p = settle(p + 1) - 1;
  }
  if (!group.empty()) settle(groupEnd);
  out.append(text, copied);
  return out;
}

// Settles one group of occurrences, all inside [begin, end): in rank order
// (entry, then position) an occurrence is replaced when none of its bytes has
// been claimed yet. Writes from `begin` until `limit` is reached and returns
// the position after the last byte written. `owners` is scratch space.
std::size_t TranslitTable::Resolve(std::string_view text, std::size_t begin, std::size_t end,
                                   std::size_t limit, std::vector<Occurrence>& occurrences,
                                   std::vector<std::int32_t>& owners, std::string& out) const {
  constexpr std::int32_t kFree = -1;
  constexpr std::int32_t kClaimed = -2;  // inside a replaced occurrence, not its start
  if (occurrences.size() == 1) {  // the usual case: nothing to settle
    const Entry& entry = entries_[static_cast<std::size_t>(occurrences.front().entry)];
    out += entry.value;
    return begin + entry.key.size();
  }
  std::sort(occurrences.begin(), occurrences.end(), [](const Occurrence& a, const Occurrence& b) {
    return a.entry != b.entry ? a.entry < b.entry : a.position < b.position;
  });
  owners.assign(end - begin, kFree);
  for (const Occurrence& o : occurrences) {
    const auto from = owners.begin() + static_cast<std::ptrdiff_t>(o.position - begin);
    const auto to = from + static_cast<std::ptrdiff_t>(entries_[static_cast<std::size_t>(o.entry)].key.size());
    if (std::any_of(from, to, [](std::int32_t owner) { return owner != kFree; })) continue;
    std::fill(from, to, kClaimed);
    *from = o.entry;
  }
  std::size_t i = 0;
  while (begin + i < limit) {
    if (owners[i] >= 0) {
      const Entry& entry = entries_[static_cast<std::size_t>(owners[i])];
      out += entry.value;
      i += entry.key.size();
    } else {
      out += text[begin + i];
      ++i;
    }
  }
  return begin + i;
}

std::string TranslitForward(std::string_view text, const std::vector<std::string>& lines) {
  return TranslitTable(lines, TranslitDirection::Forward).Apply(text);
}

std::string TranslitReverse(std::string_view text, const std::vector<std::string>& lines) {
  return TranslitTable(lines, TranslitDirection::Reverse).Apply(text);
}

std::vector<std::string> BuiltInTranslitLines() {
  return TableLines(&LetterRow::translitUpper, &LetterRow::translitLower);
}

std::vector<std::string> BuiltInRuslitLines() {
  return TableLines(&LetterRow::ruslitUpper, &LetterRow::ruslitLower);
}

}  // namespace plumex
