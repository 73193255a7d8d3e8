#include "platform/keyboard_layout.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace plumex {
namespace {

struct LayoutName {
  const char* windowsId;
  const char* xkbName;
};

constexpr LayoutName kLayoutNames[] = {
    {"00000409", "us"}, {"00000419", "ru"}, {"00000809", "gb"}, {"00000422", "ua"},
    {"00000423", "by"}, {"00000407", "de"}, {"0000040C", "fr"}, {"0000040A", "es"},
    {"00000410", "it"}, {"00000415", "pl"}, {"0000043F", "kz"},
};

// XKB keeps at most four groups, whatever the list names.
constexpr int kMaxGroups = 4;

bool SameHex(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
  });
}

// Field `index` of NUL-ended fields; empty when there are fewer.
std::string_view Field(std::string_view fields, int index) {
  for (; index > 0; --index) {
    const std::size_t end = fields.find('\0');
    if (end == std::string_view::npos) return {};
    fields.remove_prefix(end + 1);
  }
  return fields.substr(0, fields.find('\0'));
}

// A layout entry without blanks or a variant in parentheses ("ru(phonetic)").
std::string_view BareLayout(std::string_view entry) {
  entry = entry.substr(0, entry.find('('));
  while (!entry.empty() && entry.front() == ' ') entry.remove_prefix(1);
  while (!entry.empty() && entry.back() == ' ') entry.remove_suffix(1);
  return entry;
}

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

std::string XkbLayoutName(std::string_view layoutId) {
  for (const LayoutName& entry : kLayoutNames)
    if (SameHex(layoutId, entry.windowsId)) return entry.xkbName;
  return {};
}

std::optional<int> XkbGroupOf(std::string_view rulesNames, std::string_view layout) {
  constexpr int kLayoutsField = 2;
  std::string_view layouts = Field(rulesNames, kLayoutsField);
  for (int group = 0; group < kMaxGroups && !layouts.empty(); ++group) {
    const std::size_t comma = layouts.find(',');
    if (BareLayout(layouts.substr(0, comma)) == layout) return group;
    layouts = comma == std::string_view::npos ? std::string_view{} : layouts.substr(comma + 1);
  }
  return std::nullopt;
}

void XkbKeyboardLayouts::Activate(const std::string& layoutId) {
  // XWayland's groups would reach X programs only, not the desktop.
  if (IsSet("WAYLAND_DISPLAY") || !IsSet("DISPLAY") || server_ == nullptr) return;
  const std::string layout = XkbLayoutName(layoutId);
  if (layout.empty()) return;
  if (const std::optional<int> group = XkbGroupOf(server_->RulesNames(), layout)) server_->LockGroup(*group);
}

}  // namespace plumex
