#pragma once
// Search and replace over the document's bytes, apart from any dialog.
// Case-insensitive matching folds both sides with the program's own lower-case
// table, so Russian letters (Ё/ё too) match whatever the system locale says.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/letter_case.h"
#include "convert/display_text.h"

namespace plumex {

enum class MatchCase { No, Yes };
enum class WholeWord { No, Yes };
enum class Direction { Down, Up };

struct SearchOptions {
  MatchCase matchCase = MatchCase::No;
  WholeWord wholeWord = WholeWord::No;
  Direction direction = Direction::Down;
  // In a CR LF text a match never starts or ends between the CR and the LF
  // of a line break: the editor cannot select half of one.
  LineBreak lineBreak = LineBreak::Lf;
};

// [start, end) in bytes.
struct TextSpan {
  std::size_t start = 0;
  std::size_t end = 0;
  friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

// A word character for whole-word matching: a letter of the case tables,
// a Latin letter or digit, or '_'. The same set the word-at-caret rules use,
// so the word Find proposes is also found as a whole word.
bool IsWordByte(unsigned char byte, const CaseTables& tables);

// One pattern prepared for repeated searches. Horspool's shifts make the
// usual search sublinear; a pattern that keeps it comparing without moving on
// hands over to a linear automaton, so no text makes a search quadratic.
class TextSearcher {
 public:
  // An empty pattern finds nothing.
  TextSearcher(std::string_view pattern, const SearchOptions& options, const CaseTables& tables);

  // Down: the first match starting at or after `from`. Up: the last match
  // ending at or before `from`. There is no wrap-around: a search that
  // reaches the edge of the text ends there without a match.
  std::optional<TextSpan> Find(std::string_view text, std::size_t from) const;

  // The first match lying wholly inside [from, to); whole-word checks still
  // look at the bytes around it.
  std::optional<TextSpan> FindWithin(std::string_view text, std::size_t from, std::size_t to) const;

  std::size_t PatternSize() const { return forward_.bytes.size(); }

 private:
  struct Prepared {
    std::vector<unsigned char> bytes;  // folded
    std::array<std::size_t, 256> shift{};
    std::vector<std::size_t> border;  // longest proper border of each prefix
  };
  static Prepared Prepare(std::vector<unsigned char> bytes);
  bool Acceptable(std::string_view text, std::size_t start, std::size_t end) const;
  std::optional<TextSpan> FindBefore(std::string_view text, std::size_t to) const;

  Prepared forward_;
  Prepared backward_;  // the pattern reversed, for upward searches
  std::array<unsigned char, 256> fold_{};
  std::array<bool, 256> word_{};
  SearchOptions options_;
};

std::optional<TextSpan> Find(std::string_view text, std::string_view pattern, std::size_t from,
                             const SearchOptions& options, const CaseTables& tables);

struct ReplaceResult {
  std::string text;
  std::size_t count = 0;
};

// Replaces every match, left to right, without overlaps, in one pass: each
// original occurrence is replaced once, so a replacement that contains the
// pattern cannot make it loop. The direction does not matter here.
ReplaceResult ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement,
                         const SearchOptions& options, const CaseTables& tables);

// Replace All over [from, to) of a text, a piece at a time, so a caller can
// let its window breathe between pieces. The text must outlive the run.
class ReplaceAllRun {
 public:
  ReplaceAllRun(std::string_view text, std::size_t from, std::size_t to, std::string_view pattern,
                std::string_view replacement, const SearchOptions& options, const CaseTables& tables);

  // Replaces the matches that start in the next `budget` bytes of the range;
  // false once the whole range is done.
  bool Advance(std::size_t budget);
  bool Done() const { return pos_ >= to_ || tooLarge_; }
  // The rewritten range would grow past `limit` bytes, which the run then
  // refuses: it stops at once, and its result must not be written.
  bool TooLarge() const { return tooLarge_; }
  void SetSizeLimit(std::size_t limit) { sizeLimit_ = limit; }

  std::size_t Count() const { return count_; }
  // Where the changes lie, as offsets from the range's start; meaningful
  // only when Count() > 0. Before the first match the rewritten range equals
  // the original, so the first start holds for both.
  std::size_t FirstMatchStart() const { return first_start_; }
  // The end of the last match in the original range.
  std::size_t LastMatchEnd() const { return last_match_end_; }
  // Ends of the first and the last replacement in the rewritten range.
  std::size_t FirstReplacementEnd() const { return first_end_; }
  std::size_t LastReplacementEnd() const { return last_end_; }

  // Ends the run: the range as rewritten so far, followed by its untouched
  // rest. Called once.
  std::string TakeRewrittenRange();

 private:
  std::string_view text_;
  std::size_t from_;
  std::size_t pos_;
  std::size_t to_;
  std::string replacement_;
  TextSearcher searcher_;
  std::string out_;
  std::size_t count_ = 0;
  std::size_t first_start_ = 0;
  std::size_t last_match_end_ = 0;
  std::size_t first_end_ = 0;
  std::size_t last_end_ = 0;
  std::size_t sizeLimit_ = static_cast<std::size_t>(-1);
  bool tooLarge_ = false;
};

// Editor positions count a line break as one character; in a CR LF text the
// bytes have two. These convert between the two counts, clamped to the text.
std::size_t ByteOffsetOf(std::string_view bytes, LineBreak style, long long character);
long long CharacterOffsetOf(std::string_view bytes, LineBreak style, std::size_t byte);

// The text Find proposes when nothing is selected: the word at or just
// before the caret; between words, the neighbouring run of marks. Blanks and
// line breaks are never part of it. `chars` has one byte per character.
std::string WordAtCaret(std::string_view chars, int caret, const CaseTables& tables);

}  // namespace plumex
