#pragma once
// The shortcut of every action, and hotkeys.ini that keeps them: a plain file
// of one line per action in action-table order, each line the action's
// shortcut text, an empty line for none. One key belongs to one action at
// most, since a key shared by two would run neither.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/action_table.h"
#include "platform/key_text.h"
#include "config/list_files.h"

namespace plumex {

inline constexpr std::string_view kHotkeysFileName = "hotkeys.ini";
inline constexpr std::size_t kActionCount = static_cast<std::size_t>(ActionId::Count);

// Whether a key pressed on the key list may become a hot key.
enum class KeyUse {
  Bindable,
  Ignored,    // no key, or a bare key other than F1-F12: left to the list itself
  TypesText,  // Shift alone on a key that types: it needs Ctrl or Alt
  WindowKey,  // the main window acts on it whatever the hot keys say
};

KeyUse CheckHotKey(const KeyStroke& stroke, KeyArea area);

class HotKeys {
 public:
  // The built-in keys until Load().
  explicit HotKeys(std::string path);

  // Reads hotkeys.ini. A missing or empty file gives the built-in keys. Line
  // i gives action i its key (a line that is no shortcut text: none); a short
  // file leaves the actions past its end as they are; lines past the last
  // action are ignored. A key on several lines stays with the first action.
  void Load();

  // Every action its built-in key, except Help: its F1 is given once, when
  // the keys are created, so a Help key the user removed stays removed.
  void SetDefaults();

  // Writes one line per action, CR LF after each. A file that could not be
  // read is not written over until the user changes a key.
  IoStatus Save();

  const KeyStroke& Key(ActionId id) const;

  // Gives `id` the key, taking it from the action that held it, which is
  // returned. An empty key removes the action's key.
  std::optional<ActionId> Bind(ActionId id, const KeyStroke& key);
  void Remove(ActionId id);

  // The shortcut texts in action order, as they are written.
  std::vector<std::string> Lines() const;

 private:
  void KeepFirstHolders();

  std::array<KeyStroke, kActionCount> keys_{};
  ListFile file_;
  bool mayWrite_ = true;
};

}  // namespace plumex
