#include "commands/text_search.h"

#include <algorithm>
#include <limits>

namespace plumex {
namespace {

using FoldTable = std::array<unsigned char, 256>;

// A search stays with Horspool while it compares at most this many bytes per
// byte it moves on; beyond that the text is one of its bad cases.
constexpr std::size_t kComparesPerByte = 4;

bool IsBlankOrBreak(unsigned char b) {
  return b == ' ' || b == '\t' || b == '\v' || b == '\f' || b == 0xA0 || b == '\r' || b == '\n';
}

struct ForwardView {
  const unsigned char* data;
  unsigned char operator()(std::size_t i) const { return data[i]; }
};

// The text read from its end, so the forward machinery searches upwards.
struct BackwardView {
  const unsigned char* last;
  unsigned char operator()(std::size_t i) const { return *(last - i); }
};

// The linear automaton: every byte is looked at once, whatever the text.
template <typename View, typename Prepared, typename Accept>
std::optional<std::size_t> ScanLinear(const Prepared& p, const FoldTable& fold, View at, std::size_t from,
                                      std::size_t end, Accept accept) {
  const std::size_t m = p.bytes.size();
  std::size_t k = 0;
  for (std::size_t i = from; i < end; ++i) {
    const unsigned char c = fold[at(i)];
    while (k > 0 && p.bytes[k] != c) k = p.border[k - 1];
    if (p.bytes[k] == c) ++k;
    if (k == m) {
      const std::size_t start = i + 1 - m;
      if (accept(start)) return start;
      k = p.border[m - 1];
    }
  }
  return std::nullopt;
}

// The first accepted occurrence starting in [from, end - m].
template <typename View, typename Prepared, typename Accept>
std::optional<std::size_t> Scan(const Prepared& p, const FoldTable& fold, View at, std::size_t from,
                                std::size_t end, Accept accept) {
  const std::size_t m = p.bytes.size();
  std::size_t pos = from;
  std::size_t work = 0;
  while (end - pos >= m) {
    std::size_t j = m;
    while (j > 0 && fold[at(pos + j - 1)] == p.bytes[j - 1]) --j;
    work += m - j + 1;
    if (j == 0 && accept(pos)) return pos;
    pos += p.shift[fold[at(pos + m - 1)]];
    if (work > kComparesPerByte * (pos - from + m)) return ScanLinear(p, fold, at, pos, end, accept);
  }
  return std::nullopt;
}

}  // namespace

bool IsWordByte(unsigned char b, const CaseTables& tables) {
  const bool ascii = (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_';
  return ascii || tables.IsLetter(b);
}

TextSearcher::TextSearcher(std::string_view pattern, const SearchOptions& options, const CaseTables& tables)
    : options_(options) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    fold_[byte] = options.matchCase == MatchCase::Yes ? byte : tables.LowerMap()[byte];
    word_[byte] = IsWordByte(byte, tables);
  }
  std::vector<unsigned char> bytes;
  bytes.reserve(pattern.size());
  for (char c : pattern) bytes.push_back(fold_[static_cast<unsigned char>(c)]);
  backward_ = Prepare({bytes.rbegin(), bytes.rend()});
  forward_ = Prepare(std::move(bytes));
}

TextSearcher::Prepared TextSearcher::Prepare(std::vector<unsigned char> bytes) {
  Prepared p;
  const std::size_t m = bytes.size();
  p.shift.fill(std::max<std::size_t>(m, 1));
  for (std::size_t j = 0; j + 1 < m; ++j) p.shift[bytes[j]] = m - 1 - j;
  p.border.assign(m, 0);
  for (std::size_t i = 1, k = 0; i < m; ++i) {
    while (k > 0 && bytes[i] != bytes[k]) k = p.border[k - 1];
    if (bytes[i] == bytes[k]) ++k;
    p.border[i] = k;
  }
  p.bytes = std::move(bytes);
  return p;
}

bool TextSearcher::Acceptable(std::string_view text, std::size_t start, std::size_t end) const {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (options_.wholeWord == WholeWord::Yes) {
    if (start > 0 && word_[at(start - 1)]) return false;
    if (end < text.size() && word_[at(end)]) return false;
  }
  if (options_.lineBreak == LineBreak::CrLf) {
    const auto splits = [&](std::size_t cut) {
      return cut > 0 && cut < text.size() && text[cut - 1] == '\r' && text[cut] == '\n';
    };
    if (splits(start) || splits(end)) return false;
  }
  return true;
}

std::optional<TextSpan> TextSearcher::FindWithin(std::string_view text, std::size_t from, std::size_t to) const {
  const std::size_t m = forward_.bytes.size();
  to = std::min(to, text.size());
  if (m == 0 || from > to) return std::nullopt;
  const auto accept = [&](std::size_t start) { return Acceptable(text, start, start + m); };
  const ForwardView view{reinterpret_cast<const unsigned char*>(text.data())};
  const auto start = Scan(forward_, fold_, view, from, to, accept);
  if (!start) return std::nullopt;
  return TextSpan{*start, *start + m};
}

std::optional<TextSpan> TextSearcher::FindBefore(std::string_view text, std::size_t to) const {
  const std::size_t m = backward_.bytes.size();
  const std::size_t n = text.size();
  to = std::min(to, n);
  if (m == 0 || n == 0) return std::nullopt;
  // Position i of the backward view is byte n - 1 - i; a match found there
  // at i ends at n - i.
  const auto accept = [&](std::size_t i) { return Acceptable(text, n - i - m, n - i); };
  const BackwardView view{reinterpret_cast<const unsigned char*>(text.data()) + n - 1};
  const auto i = Scan(backward_, fold_, view, n - to, n, accept);
  if (!i) return std::nullopt;
  return TextSpan{n - *i - m, n - *i};
}

std::optional<TextSpan> TextSearcher::Find(std::string_view text, std::size_t from) const {
  if (options_.direction == Direction::Up) return FindBefore(text, from);
  return FindWithin(text, from, text.size());
}

std::optional<TextSpan> Find(std::string_view text, std::string_view pattern, std::size_t from,
                             const SearchOptions& options, const CaseTables& tables) {
  return TextSearcher(pattern, options, tables).Find(text, from);
}

ReplaceResult ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement,
                         const SearchOptions& options, const CaseTables& tables) {
  ReplaceAllRun run(text, 0, text.size(), pattern, replacement, options, tables);
  run.Advance(text.size());
  ReplaceResult result;
  result.count = run.Count();
  result.text = run.TakeRewrittenRange();
  return result;
}

ReplaceAllRun::ReplaceAllRun(std::string_view text, std::size_t from, std::size_t to, std::string_view pattern,
                             std::string_view replacement, const SearchOptions& options, const CaseTables& tables)
    : text_(text),
      from_(std::min(from, text.size())),
      pos_(from_),
      to_(std::clamp(to, pos_, text.size())),
      replacement_(replacement),
      searcher_(pattern, options, tables) {
  out_.reserve(to_ - pos_);
}

bool ReplaceAllRun::Advance(std::size_t budget) {
  if (Done()) return false;
  const std::size_t limit = to_ - pos_ > budget ? pos_ + std::max<std::size_t>(budget, 1) : to_;
  // A match starting before `limit` ends at most m - 1 bytes after it.
  const std::size_t m = searcher_.PatternSize();
  const std::size_t search_end = m == 0 ? limit : std::min(to_, limit + (m - 1));
  while (const auto match = searcher_.FindWithin(text_, pos_, search_end)) {
    if (out_.size() + (match->start - pos_) + replacement_.size() + (to_ - match->end) > sizeLimit_) {
      tooLarge_ = true;
      return false;
    }
    out_.append(text_.substr(pos_, match->start - pos_));
    if (count_ == 0) first_start_ = out_.size();
    out_ += replacement_;
    if (count_ == 0) first_end_ = out_.size();
    last_end_ = out_.size();
    last_match_end_ = match->end - from_;
    ++count_;
    pos_ = match->end;
  }
  if (pos_ < limit) {
    out_.append(text_.substr(pos_, limit - pos_));
    pos_ = limit;
  }
  return !Done();
}

std::string ReplaceAllRun::TakeRewrittenRange() {
  if (pos_ < to_) out_.append(text_.substr(pos_, to_ - pos_));
  pos_ = to_;
  return std::move(out_);
}

std::size_t ByteOffsetOf(std::string_view bytes, LineBreak style, long long character) {
  if (character <= 0) return 0;
  const auto wanted = static_cast<unsigned long long>(character);
  if (style == LineBreak::Lf) return static_cast<std::size_t>(std::min<unsigned long long>(wanted, bytes.size()));
  unsigned long long chars = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const std::size_t pair = bytes.find("\r\n", i);
    const std::size_t run_end = pair == std::string_view::npos ? bytes.size() : pair;
    if (chars + (run_end - i) >= wanted) return i + static_cast<std::size_t>(wanted - chars);
    chars += run_end - i;
    if (pair == std::string_view::npos) break;
    // The pair is one character.
    ++chars;
    i = pair + 2;
    if (chars == wanted) return i;
  }
  return bytes.size();
}

long long CharacterOffsetOf(std::string_view bytes, LineBreak style, std::size_t byte) {
  byte = std::min(byte, bytes.size());
  if (style == LineBreak::Lf) return static_cast<long long>(byte);
  // Every pair that starts before `byte` is one character fewer; a byte
  // between CR and LF counts as the start of its pair.
  std::size_t pairs = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string_view::npos && at < byte; at = bytes.find("\r\n", at + 2))
    ++pairs;
  return static_cast<long long>(byte - pairs);
}

std::string WordAtCaret(std::string_view chars, int caret, const CaseTables& tables) {
  const std::size_t n = chars.size();
  const std::size_t at = static_cast<std::size_t>(std::clamp<long long>(caret, 0, static_cast<long long>(n)));
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(chars[i]); };
  const auto word = [&](std::size_t i) { return IsWordByte(byte(i), tables); };
  const auto mark = [&](std::size_t i) { return !word(i) && !IsBlankOrBreak(byte(i)); };

  // A word beside the caret wins over marks beside it.
  const bool is_word = (at < n && word(at)) || (at > 0 && word(at - 1));
  const auto same = [&](std::size_t i) { return is_word ? word(i) : mark(i); };
  std::size_t p = at;
  if (at == n || !same(at)) {
    if (at == 0 || !same(at - 1)) return {};
    p = at - 1;
  }
  std::size_t start = p;
  std::size_t end = p + 1;
  while (start > 0 && same(start - 1)) --start;
  while (end < n && same(end)) ++end;
  return std::string(chars.substr(start, end - start));
}

}  // namespace plumex
