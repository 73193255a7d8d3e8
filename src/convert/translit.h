#pragma once
// Transliteration between Cyrillic and Latin letters by a user-editable table
// of "key=value" lines: translit ("Щ" as "Shch") and ruslit, Latin
// look-alikes ("Ж" as "}|{"). Both run either way over Windows-1251 bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plumex {

enum class TranslitDirection { Forward, Reverse };

// A table compiled once from its lines and applied to any number of texts.
//
// Forward replaces keys by values, reverse values by keys. Each line is split
// at its first "="; lines without one, and pairs whose side to be found is
// empty, are skipped. Forward takes the entries in list order; reverse takes
// longer entries (both sides together) first, ties in list order, so "Shch"
// is taken before "Sh" and "S".
//
// The entries run one after another over the whole text: each replaces every
// occurrence of its key, leftmost first, and a later entry also matches what
// an earlier one wrote (with "a=b" then "b=c", "ab" becomes "cc"). A key that
// a deletion brings together again is matched again ("ab=" empties "aabb").
// An entry never matches bytes it wrote itself, or a value holding its own
// key would be replaced without end: "a=aa" doubles each "a" once, and
// "ab=b" turns "aab" into "ab". Each entry costs one walk over the text.
//
// A text may grow to kTranslitGrowth times its length and 64 KB more; past
// that, Apply throws std::bad_alloc, as running out of memory would, but
// before memory does: 64 lines "a=aa" would double a text 64 times.
inline constexpr std::size_t kTranslitGrowth = 16;
class TranslitTable {
 public:
  TranslitTable(const std::vector<std::string>& lines, TranslitDirection direction);

  // Takes one walk over the text for the whole table when no entry can match
  // what another wrote (OnePass), as with the shipped tables; entry after
  // entry otherwise. Both give the same text.
  std::string Apply(std::string_view text) const;
  // Entry after entry, whatever the table.
  std::string ApplyEntryByEntry(std::string_view text) const;
  bool OnePass() const { return onePass_; }

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Node {
    std::int32_t entry = -1;  // the best-ranked entry whose key ends here
    std::vector<std::pair<unsigned char, std::int32_t>> children;  // sorted by byte
  };
  struct Occurrence {
    std::size_t position;
    std::int32_t entry;
  };

  void AddKey(std::int32_t entry);
  std::int32_t Child(std::int32_t node, unsigned char byte) const;
  static std::size_t GrowthLimit(std::size_t size) { return size * kTranslitGrowth + (std::size_t{1} << 16); }
  std::string ApplyByteByByte(std::string_view text) const;
  std::optional<std::string> ApplyMatching(std::string_view text) const;
  void Resolve(std::string_view group, std::size_t begin, std::vector<Occurrence>& occurrences,
               std::vector<std::int32_t>& owners, std::string& out) const;

  std::vector<Entry> entries_;  // in rank order, best first
  std::vector<Node> nodes_;     // key trie below the first byte
  std::array<std::int32_t, 256> roots_;  // first byte -> node, -1 when no key starts so
  std::size_t longestKey_ = 0;
  bool onePass_ = true;
};

std::string TranslitForward(std::string_view text, const std::vector<std::string>& lines);
std::string TranslitReverse(std::string_view text, const std::vector<std::string>& lines);

// The shipped tables, 66 lines each: for every letter from А to Я the
// upper-case line, then the lower-case one.
std::vector<std::string> BuiltInTranslitLines();
std::vector<std::string> BuiltInRuslitLines();

}  // namespace plumex
