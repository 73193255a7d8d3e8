#include "config/hot_keys.h"

#include <algorithm>
#include <filesystem>

namespace plumex {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::size_t Index(ActionId id) { return static_cast<std::size_t>(id); }

bool Held(const KeyStroke& stroke, Modifiers modifier) { return Has(stroke.modifiers, modifier); }

// Keys of the main window's own key table: it acts on them before any hot
// key, so an action bound to one would run together with the window's work.
bool IsWindowKey(const KeyStroke& stroke, KeyArea area) {
  const bool shift = Held(stroke, Modifiers::Shift);
  const bool ctrl = Held(stroke, Modifiers::Ctrl);
  const bool alt = Held(stroke, Modifiers::Alt);
  switch (stroke.key) {
    case KeyCode::Ins: return !shift && !ctrl;  // insert / overwrite
    case KeyCode::Esc:                          // minimise, leave full screen, exit
    case KeyCode::Up:                           // the viewer's scrolling ...
    case KeyCode::Down:
    case KeyCode::BkSp:                         // ... and Alt+BkSp's undo
    case KeyCode::Space:
    case KeyCode::Tab:                          // the Tab replacement
      return true;
    default: break;
  }
  switch (KeyChar(stroke.key)) {
    case '+': return ctrl && !alt;                        // font size
    case '-': return area == KeyArea::Keypad ? ctrl && !alt : ctrl && alt;  // font size / em dash
    case '0': case '1': return area == KeyArea::Keypad && ctrl;  // normal font / English
    case '\'': return area == KeyArea::Main && ctrl && alt;       // apostrophe
    default: return false;
  }
}

bool TypesText(KeyCode key) {
  return KeyChar(key) != '\0' || key == KeyCode::Space || key == KeyCode::Enter ||
         key == KeyCode::Tab || key == KeyCode::BkSp;
}

// Missing, or there and empty: nothing the user wrote can be lost by writing it.
bool HoldsNothing(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) return true;
  if (!fs::is_regular_file(status)) return false;
  return fs::file_size(path, ec) == 0 && !ec;
}

}  // namespace

KeyUse CheckHotKey(const KeyStroke& stroke, KeyArea area) {
  if (stroke.empty()) return KeyUse::Ignored;
  if (stroke.modifiers == Modifiers::None) {
    const int f = FunctionKeyNumber(stroke.key);
    return f >= 1 && f <= 12 ? KeyUse::Bindable : KeyUse::Ignored;
  }
  if (IsWindowKey(stroke, area)) return KeyUse::WindowKey;
  if (stroke.modifiers == Modifiers::Shift && TypesText(stroke.key)) return KeyUse::TypesText;
  return KeyUse::Bindable;
}

HotKeys::HotKeys(std::string path) : file_(std::move(path)) {
  for (const ActionRow& row : Actions()) keys_[Index(row.id)] = ParseKeyText(row.defaultKey);
}

void HotKeys::Load() {
  file_.Load({});
  std::vector<std::string> lines = file_.lines();
  if (lines.empty()) {
    mayWrite_ = HoldsNothing(file_.path());
    SetDefaults();
    return;
  }
  mayWrite_ = true;
  if (lines.front().starts_with(kUtf8Mark)) lines.front().erase(0, kUtf8Mark.size());
  const std::size_t count = std::min(lines.size(), kActionCount);
  for (std::size_t i = 0; i < count; ++i) keys_[i] = ParseKeyText(lines[i]);
  KeepFirstHolders();
}

void HotKeys::SetDefaults() {
  for (const ActionRow& row : Actions())
    if (row.id != ActionId::Help) keys_[Index(row.id)] = ParseKeyText(row.defaultKey);
  KeepFirstHolders();
}

IoStatus HotKeys::Save() {
  if (mayWrite_) file_.SetLines(Lines());
  return file_.Save();
}

const KeyStroke& HotKeys::Key(ActionId id) const { return keys_[Index(id)]; }

std::optional<ActionId> HotKeys::Bind(ActionId id, const KeyStroke& key) {
  mayWrite_ = true;
  std::optional<ActionId> former;
  if (!key.empty()) {
    for (std::size_t i = 0; i < kActionCount; ++i) {
      if (i == Index(id) || keys_[i] != key) continue;
      keys_[i] = {};
      former = static_cast<ActionId>(i);
    }
  }
  keys_[Index(id)] = key;
  return former;
}

void HotKeys::Remove(ActionId id) { Bind(id, {}); }

std::vector<std::string> HotKeys::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(kActionCount);
  for (const KeyStroke& key : keys_) lines.push_back(KeyText(key));
  return lines;
}

void HotKeys::KeepFirstHolders() {
  for (std::size_t i = 0; i < kActionCount; ++i) {
    if (keys_[i].empty()) continue;
    for (std::size_t j = i + 1; j < kActionCount; ++j)
      if (keys_[j] == keys_[i]) keys_[j] = {};
  }
}

}  // namespace plumex
