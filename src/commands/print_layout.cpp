#include "commands/print_layout.h"

#include <cmath>

namespace plumex {
namespace {

bool IsBreak(char c) { return c == '\t' || c == ' ' || c == '-' || c == '.'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsQuote(char c) { return c == '\'' || c == '"'; }

std::string ReplaceTabs(std::string_view text, std::string_view tabSpaces) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c == '\t')
      out += tabSpaces;
    else
      out += c;
  }
  return out;
}

// Wraps one line [begin, end) of `pages.text` into pages.lines. Each piece
// is scanned once up to where it stops fitting; the next starts after its
// break, so no character is measured more than twice over.
void WrapLine(PrintPages& pages, std::size_t begin, std::size_t end, const PrintMetrics& metrics) {
  const std::string& text = pages.text;
  std::size_t start = begin;
  do {
    double width = 0;
    std::size_t fits = start;
    std::size_t lastBreak = end;  // none
    char quote = 0;
    for (; fits < end; ++fits) {
      const char c = text[fits];
      const double next = width + metrics.advance[static_cast<unsigned char>(c)];
      if (!(next < metrics.pageWidth)) break;
      width = next;
      if (quote != 0) {
        if (c == quote) quote = 0;
      } else if (IsQuote(c)) {
        quote = c;
      } else if (IsBreak(c)) {
        lastBreak = fits;
      }
    }
    if (fits == end) {
      pages.lines.push_back({start, end - start});
      return;
    }
    std::size_t cut = fits;
    bool soft = true;
    if (quote == 0 && IsBlank(text[fits]))
      cut = fits;  // a blank that would overhang goes with the break
    else if (lastBreak != end)
      cut = lastBreak + 1;
    else
      soft = false;
    if (cut == start) {  // one character at least
      cut = start + 1;
      soft = false;
    }
    pages.lines.push_back({start, cut - start});
    start = cut;
    // A line break stands for the blanks it replaces, and after a break at
    // a break character for all that follow it.
    while (start < end && (soft ? IsBreak(text[start]) : IsBlank(text[start]))) ++start;
  } while (start < end);
}

}  // namespace

PrintLayout LayOutPrint(std::string_view text, std::string_view tabSpaces, const PrintMetrics& metrics) {
  PrintLayout layout;
  // NaN fails every comparison, so each check is written to pass only on a
  // real room.
  if (!(metrics.pageWidth > 0)) {
    layout.refusal = PrintRefusal::NoWidth;
    return layout;
  }
  if (!(metrics.lineHeight > 0) || !(metrics.pageHeight >= metrics.lineHeight)) {
    layout.refusal = PrintRefusal::NoHeight;
    return layout;
  }
  PrintPages& pages = layout.pages;
  pages.linesPerPage = static_cast<std::size_t>(std::floor(metrics.pageHeight / metrics.lineHeight));
  pages.text = ReplaceTabs(text, tabSpaces);
  const std::string& all = pages.text;
  std::size_t begin = 0;
  while (begin < all.size()) {
    std::size_t end = all.find_first_of("\r\n", begin);
    if (end == std::string::npos) end = all.size();
    if (end == begin)
      pages.lines.push_back({begin, 0});
    else
      WrapLine(pages, begin, end, metrics);
    begin = end;
    if (begin < all.size()) begin += (all.compare(begin, 2, "\r\n") == 0) ? 2 : 1;
  }
  return layout;
}

}  // namespace plumex
