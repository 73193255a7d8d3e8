#include "config/settings_layouts.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "config/settings_table.h"

namespace plumex {
namespace {

constexpr std::size_t kMaxNameLength = 255;
constexpr std::string_view kKeysPrefix = "StrLO_";

std::string NumberKey(int index) { return std::to_string(index + 1); }

std::string KeysKey(const std::string& name) { return std::string(kKeysPrefix) + name; }

std::string Cut(std::string text) {
  if (text.size() > kMaxNameLength) text.resize(kMaxNameLength);
  return text;
}

// The keys a set of layouts owns in its section, folded as the file folds them.
class LayoutKeys {
 public:
  LayoutKeys() {
    taken_.insert(IniFile::FoldName("LOCount"));
    for (int i = 0; i < kMaxLayouts; ++i) taken_.insert(NumberKey(i));
  }

  // Claims the keys of a layout of that short name, if they can all be
  // written and read back as its own.
  bool Claim(const std::string& name) {
    const std::string keysKey = KeysKey(name);
    if (name.empty() || !IniFile::IsWritableKey(name) || !IniFile::IsWritableKey(keysKey)) return false;
    const std::string foldedName = IniFile::FoldName(name);
    const std::string foldedKeys = IniFile::FoldName(keysKey);
    if (taken_.contains(foldedName) || taken_.contains(foldedKeys)) return false;
    taken_.insert(foldedName);
    taken_.insert(foldedKeys);
    return true;
  }

 private:
  std::unordered_set<std::string> taken_;
};

int SlotsInUse(int count) { return std::clamp(count, 0, kMaxLayouts); }

}  // namespace

void ReadLayouts(const IniFile& source, Settings& settings,
                 const std::array<LayoutSlot, kMaxLayouts>& builtIn) {
  std::array<LayoutSlot, kMaxLayouts> slots{};
  LayoutKeys keys;
  int count = 0;
  for (int i = 0; i < SlotsInUse(settings.LOCount); ++i) {
    const LayoutSlot& current = settings.Layouts[static_cast<std::size_t>(i)];
    LayoutSlot& slot = slots[static_cast<std::size_t>(i)];
    slot.Name = Cut(source.ReadExactString(kSectionLayout, NumberKey(i), current.Name));
    if (!keys.Claim(slot.Name)) break;
    // A renamed layout does not inherit the old one's identifier and keys.
    const bool same = slot.Name == current.Name;
    slot.Id = Cut(source.ReadExactString(kSectionLayout, slot.Name, same ? current.Id : ""));
    slot.Keys = source.ReadExactString(kSectionLayout, KeysKey(slot.Name), same ? current.Keys : "");
    ++count;
  }
  if (count == 0) {
    settings.Layouts = builtIn;
    settings.LOCount = 2;
    return;
  }
  std::fill(slots.begin() + count, slots.end(), LayoutSlot{});
  settings.Layouts = slots;
  settings.LOCount = count;
}

void WriteLayouts(const Settings& settings, IniFile& file) {
  LayoutKeys keys;
  for (int i = 0; i < SlotsInUse(settings.LOCount); ++i) {
    const LayoutSlot& slot = settings.Layouts[static_cast<std::size_t>(i)];
    if (!keys.Claim(slot.Name)) return;
    file.WriteString(kSectionLayout, NumberKey(i), slot.Name);
    file.WriteString(kSectionLayout, slot.Name, slot.Id);
    file.WriteString(kSectionLayout, KeysKey(slot.Name), slot.Keys);
  }
}

}  // namespace plumex
