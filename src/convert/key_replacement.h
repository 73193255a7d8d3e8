#pragma once
// One table entry applied to a whole text, the step transliteration repeats
// for every entry.
#include <string>
#include <string_view>

namespace plumex {

// Writes `text` to `out` with every occurrence of `key` (not empty) replaced
// by `value`, leftmost first, searching on from where the text was changed.
// The bytes of a value are never matched again, so a value that holds its
// key is written once; a key that a deletion brings together is matched
// again ("ab" deleted from "aabb" leaves nothing). One walk over the text.
// Stops and returns false once a value takes `out` past `limit` bytes.
bool ReplaceEveryOccurrence(std::string_view text, std::string_view key, std::string_view value, std::string& out,
                            std::size_t limit);

}  // namespace plumex
