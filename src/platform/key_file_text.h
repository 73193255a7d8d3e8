#pragma once
// Edits a freedesktop key file ("[Group]" headers, "key=value" lines) as
// text, line by line, so that whatever an edit does not touch stays byte for
// byte: comments, blank lines, other groups, keys we do not know, the spacing
// around "=". Keys and groups are case-sensitive. The text is taken as UTF-8
// bytes and never decoded.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plumex {

class KeyFileText {
 public:
  explicit KeyFileText(std::string_view text = {});

  // The value of the first `key` in the first `group`, spaces after "="
  // dropped; none when either is missing.
  std::optional<std::string> Value(std::string_view group, std::string_view key) const;
  // Every key and value of the first `group`, in file order.
  std::vector<std::pair<std::string, std::string>> Entries(std::string_view group) const;

  // Replaces the value of an existing key in place; a new key goes after the
  // group's last entry, a new group at the end of the text. A text without a
  // final line break gains none, so removing what Set added gives it back.
  void Set(std::string_view group, std::string_view key, std::string_view value);
  // Removes the key's line; a header left with no line at all after it goes
  // too, so that a group Set added leaves no trace.
  void Remove(std::string_view group, std::string_view key);

  std::string Text() const;

 private:
  struct Span {
    std::size_t header;  // line index of "[group]"
    std::size_t end;     // one past its last line
  };
  std::optional<Span> FindGroup(std::string_view group) const;
  std::optional<std::size_t> FindKey(const Span& span, std::string_view key) const;

  std::vector<std::string> lines_;
  bool endsWithNewline_ = true;
};

}  // namespace plumex
