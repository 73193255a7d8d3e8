#include "config/tool_bar_layout.h"

#include <algorithm>

#include "model/action_table.h"

namespace plumex {
namespace {

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return Fold(x) == Fold(y); });
}

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// The value of the first "key=" line, letter case ignored; section headers
// and other lines are just lines that do not match.
std::optional<std::string_view> Value(std::string_view text, std::string_view key) {
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos && SameIgnoringCase(Trimmed(line.substr(0, equals)), key))
      return Trimmed(line.substr(equals + 1));
  }
  return std::nullopt;
}

// A decimal number with an optional sign; huge ones saturate, as they are
// clamped anyway.
std::optional<long long> Integer(std::string_view text) {
  constexpr long long kSaturation = 1'000'000'000;
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = std::min(value * 10 + (c - '0'), kSaturation);
  }
  return negative ? -value : value;
}

std::optional<bool> Boolean(std::string_view text) {
  if (SameIgnoringCase(text, "true")) return true;
  if (SameIgnoringCase(text, "false")) return false;
  if (const auto number = Integer(text)) return *number != 0;
  return std::nullopt;
}

}  // namespace

SkinIniResult ParseSkinIni(std::string_view text) {
  SkinDescription skin;
  ToolBarParameters& bar = skin.bar;
  struct Bounded {
    std::string_view key;
    int* field;
    int low;
    int high;
  };
  const Bounded numbers[] = {
      {"ButtonsCount", &bar.buttonsCount, 0, kMaxToolSlots},
      {"ToolButtonWidth", &bar.buttonWidth, 1, kMaxToolButtonSize},
      {"ToolButtonHeight", &bar.buttonHeight, 1, kMaxToolButtonSize},
      {"ToolButtonSpace", &bar.space, 0, kMaxToolButtonSize},
      {"SeparatorWidth", &bar.separatorWidth, 0, kMaxToolButtonSize},
  };
  for (const Bounded& number : numbers) {
    const auto value = Integer(Value(text, number.key).value_or(""));
    if (!value) return {std::nullopt, std::string(number.key)};
    *number.field = static_cast<int>(std::clamp<long long>(*value, number.low, number.high));
  }
  const std::pair<std::string_view, bool*> flags[] = {
      {"TransparentSeparator", &bar.transparentSeparator},
      {"SkinType", &bar.fourPictures},
  };
  for (const auto& [key, field] : flags) {
    const auto value = Boolean(Value(text, key).value_or(""));
    if (!value) return {std::nullopt, std::string(key)};
    *field = *value;
  }
  bar.buttons = Value(text, "ButtonsString").value_or("");
  if (Value(text, "SkinEngineVersion") == "1.0") {
    skin.author = Value(text, "Author").value_or("");
    skin.authorEmail = Value(text, "AuthorEmail").value_or("");
  }
  return {std::move(skin), {}};
}

void ParseButtonsString(std::string_view buttons, ToolSlots& table) {
  const int lastAction = ActionOf(ActionId::ClearRecent).Number();
  std::size_t slot = 0;
  std::string item;
  const auto store = [&] {
    const auto number = Integer(item);
    // "+5" and "-" never reach here as numbers of a layout: only digits do.
    if (number && item.front() >= '0' && *number <= lastAction && slot < table.size())
      table[slot++] = static_cast<std::uint8_t>(*number);
    item.clear();
  };
  for (char c : buttons) {
    if (c == '-')
      store();
    else if (c == '|')
      item = "0";
    else
      item += c;
    if (slot == table.size()) return;
  }
  store();
}

std::vector<ToolButtonPlace> PlaceToolButtons(const ToolBarParameters& bar, const ToolSlots& table) {
  constexpr int kTop = 4;
  std::vector<ToolButtonPlace> places;
  const int count = std::clamp(bar.buttonsCount, 0, kMaxToolSlots);
  int left = bar.space;
  for (int i = 0; i < count; ++i) {
    const int number = table[static_cast<std::size_t>(i)];
    const int width = number == 0 ? bar.separatorWidth : bar.buttonWidth;
    places.push_back({number, left, kTop, width, bar.buttonHeight});
    left += width + bar.space;
  }
  return places;
}

}  // namespace plumex
