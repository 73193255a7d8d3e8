#pragma once
// Transliteration between Cyrillic and Latin letters by a user-editable table
// of "key=value" lines: translit ("Щ" as "Shch") and ruslit, Latin
// look-alikes ("Ж" as "}|{"). Both run either way over Windows-1251 bytes.
#include <array>
#include <cstddef>
#include <cstdint>
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
// empty, are skipped. When several keys could claim the same bytes, the rank
// decides: forward ranks entries by their place in the list; reverse ranks
// longer entries (both sides together) first, ties by place, so "Shch" is
// taken before "Sh" and "S". Each text byte is replaced at most once and the
// output is never searched again, so no table can make a pass run forever.
class TranslitTable {
 public:
  TranslitTable(const std::vector<std::string>& lines, TranslitDirection direction);

  std::string Apply(std::string_view text) const;

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
  std::string ApplyByteByByte(std::string_view text) const;
  std::string ApplyMatching(std::string_view text) const;
  std::size_t Resolve(std::string_view text, std::size_t begin, std::size_t end, std::size_t limit,
                      std::vector<Occurrence>& occurrences, std::vector<std::int32_t>& owners,
                      std::string& out) const;

  std::vector<Entry> entries_;  // in rank order, best first
  std::vector<Node> nodes_;     // key trie below the first byte
  std::array<std::int32_t, 256> roots_;  // first byte -> node, -1 when no key starts so
  std::size_t longestKey_ = 0;
};

std::string TranslitForward(std::string_view text, const std::vector<std::string>& lines);
std::string TranslitReverse(std::string_view text, const std::vector<std::string>& lines);

// The shipped tables, 66 lines each: for every letter from А to Я the
// upper-case line, then the lower-case one.
std::vector<std::string> BuiltInTranslitLines();
std::vector<std::string> BuiltInRuslitLines();

}  // namespace plumex
