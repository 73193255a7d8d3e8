#include "convert/translit.h"

#include <algorithm>
#include <new>

#include "convert/key_replacement.h"

namespace plumex {
namespace {

// Occurrences that overlap one another are settled together. Ordinary text
// breaks into groups of a few bytes; a hostile run of overlapping keys that
// grows past this many goes entry by entry instead, which needs no memory
// per occurrence.
constexpr std::size_t kMaxGroupOccurrences = 1 << 16;

struct Chaining {
  std::array<bool, 256> inKey{};  // bytes of the keys looked at so far
  bool longKey = false;           // one of those keys has two bytes or more
};

// Whether an entry, taken after those ranked below it (walking the list from
// its end), can match what another wrote: a later key holding a byte of its
// value, or its deletion bringing together the bytes of a key of two or more.
bool Feeds(const std::string& key, const std::string& value, Chaining& later) {
  later.longKey = later.longKey || key.size() > 1;
  const bool feeds = value.empty() ? later.longKey : std::ranges::any_of(value, [&](char c) {
    return later.inKey[static_cast<unsigned char>(c)];
  });
  for (char c : key) later.inKey[static_cast<unsigned char>(c)] = true;
  return feeds;
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
  Chaining later;
  for (auto entry = entries_.rbegin(); entry != entries_.rend() && onePass_; ++entry)
    onePass_ = !Feeds(entry->key, entry->value, later);
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
  // A repeated key keeps its first, better-ranked entry: the later one finds
  // no occurrence the first has left.
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
  if (!onePass_) return ApplyEntryByEntry(text);
  if (longestKey_ <= 1) return ApplyByteByByte(text);
  std::optional<std::string> matched = ApplyMatching(text);
  return matched ? std::move(*matched) : ApplyEntryByEntry(text);
}

std::string TranslitTable::ApplyEntryByEntry(std::string_view text) const {
  const std::size_t limit = GrowthLimit(text.size());
  std::string current(text);
  std::string next;
  for (const Entry& entry : entries_) {
    if (current.find(entry.key[0]) == std::string::npos) continue;  // spares a copy of the text
    if (!ReplaceEveryOccurrence(current, entry.key, entry.value, next, limit)) throw std::bad_alloc();
    current.swap(next);
  }
  return current;
}

std::string TranslitTable::ApplyByteByByte(std::string_view text) const {
  const std::size_t limit = GrowthLimit(text.size());
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    const std::int32_t node = roots_[static_cast<unsigned char>(c)];
    if (node < 0) {
      out += c;
    } else {
      out += entries_[static_cast<std::size_t>(nodes_[static_cast<std::size_t>(node)].entry)].value;
      if (out.size() > limit) throw std::bad_alloc();
    }
  }
  return out;
}

// Finds every key occurrence in one left-to-right walk of the trie and settles
// each group of mutually overlapping occurrences by rank, the way replacing
// entry after entry over the whole text would when no entry matches what
// another wrote. Nothing when a group grows too large.
std::optional<std::string> TranslitTable::ApplyMatching(std::string_view text) const {
  const std::size_t limit = GrowthLimit(text.size());
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  std::vector<Occurrence> group;
  std::vector<std::int32_t> owners;
  std::size_t groupBegin = 0;
  std::size_t groupEnd = 0;
  std::size_t copied = 0;  // text before this has been written to `out`

  const auto settle = [&] {
    out.append(text, copied, groupBegin - copied);
    Resolve(text.substr(groupBegin, groupEnd - groupBegin), groupBegin, group, owners, out);
    if (out.size() > limit) throw std::bad_alloc();
    copied = groupEnd;
    group.clear();
  };

  for (std::size_t p = 0; p < text.size(); ++p) {
    std::int32_t node = roots_[static_cast<unsigned char>(text[p])];
    for (std::size_t q = p; node >= 0;) {
      const std::int32_t entry = nodes_[static_cast<std::size_t>(node)].entry;
      if (entry >= 0) {
        if (!group.empty() && p >= groupEnd) settle();
        if (group.empty()) groupBegin = groupEnd = p;
        group.push_back({p, entry});
        groupEnd = std::max(groupEnd, q + 1);
      }
      if (++q == text.size()) break;
      node = Child(node, static_cast<unsigned char>(text[q]));
    }
    if (group.size() > kMaxGroupOccurrences) return std::nullopt;
  }
  if (!group.empty()) settle();
  out.append(text, copied);
  return out;
}

// Settles one group of occurrences, which starts at `begin` of the text: in
// rank order (entry, then position) an occurrence is replaced when none of its
// bytes has been claimed yet. `owners` is scratch space.
void TranslitTable::Resolve(std::string_view group, std::size_t begin, std::vector<Occurrence>& occurrences,
                            std::vector<std::int32_t>& owners, std::string& out) const {
  constexpr std::int32_t kFree = -1;
  constexpr std::int32_t kClaimed = -2;  // inside a replaced occurrence, not its start
  if (occurrences.size() == 1) {  // the usual case: the group is one key
    out += entries_[static_cast<std::size_t>(occurrences.front().entry)].value;
    return;
  }
  std::sort(occurrences.begin(), occurrences.end(), [](const Occurrence& a, const Occurrence& b) {
    return a.entry != b.entry ? a.entry < b.entry : a.position < b.position;
  });
  owners.assign(group.size(), kFree);
  for (const Occurrence& o : occurrences) {
    const auto from = owners.begin() + static_cast<std::ptrdiff_t>(o.position - begin);
    const auto to = from + static_cast<std::ptrdiff_t>(entries_[static_cast<std::size_t>(o.entry)].key.size());
    if (std::any_of(from, to, [](std::int32_t owner) { return owner != kFree; })) continue;
    std::fill(from, to, kClaimed);
    *from = o.entry;
  }
  for (std::size_t i = 0; i < group.size();) {
    if (owners[i] >= 0) {
      const Entry& entry = entries_[static_cast<std::size_t>(owners[i])];
      out += entry.value;
      i += entry.key.size();
    } else {
      out += group[i++];
    }
  }
}

std::string TranslitForward(std::string_view text, const std::vector<std::string>& lines) {
  return TranslitTable(lines, TranslitDirection::Forward).Apply(text);
}

std::string TranslitReverse(std::string_view text, const std::vector<std::string>& lines) {
  return TranslitTable(lines, TranslitDirection::Reverse).Apply(text);
}

}  // namespace plumex
