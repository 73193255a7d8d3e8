#pragma once
// Repair of text typed with the wrong keyboard layout: each character becomes
// the one the same key gives in another layout ("ghbdtn" -> "привет"), and
// the system keyboard is then switched to that layout.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "config/settings.h"
#include "convert/byte_map.h"
#include "platform/keyboard_layout.h"

namespace plumex {

// The six repairs, named by the layouts they map from and to.
enum class LayoutAction { From1To2, From2To1, From1To3, From3To1, From2To3, From3To2 };

inline constexpr std::array<LayoutAction, 6> kLayoutActions = {
    LayoutAction::From1To2, LayoutAction::From2To1, LayoutAction::From1To3,
    LayoutAction::From3To1, LayoutAction::From2To3, LayoutAction::From3To2,
};

// The repairs that involve a third layout are shown only with three layouts.
bool IsLayoutActionVisible(LayoutAction action, int layoutCount);

// One repair set up from the layouts in use. The count is read as 2 or 3,
// whatever a hand-edited file says. A repair whose layouts are not in use or
// have no key characters is unavailable: it leaves text and keyboard alone.
// Key strings of different lengths map only the positions both have.
class LayoutRepair {
 public:
  LayoutRepair(LayoutAction action, std::span<const LayoutSlot> layouts, int layoutCount);

  bool available() const { return available_; }
  // Source short name, " -> ", target short name ("En -> Ru").
  const std::string& caption() const { return caption_; }

  std::string Apply(std::string_view text) const { return map_.Apply(text); }
  void ApplyInPlace(std::string& text) const { map_.ApplyInPlace(text); }
  // Asks for the target layout; nothing when unavailable or it has no id.
  void ActivateTarget(KeyboardLayouts& keyboard) const;

 private:
  bool available_ = false;
  std::string caption_;
  ByteMap map_;
  std::string targetId_;
};

}  // namespace plumex
