#include "commands/layout_repair.h"

#include <algorithm>

namespace plumex {
namespace {

struct LayoutNumbers {
  int from;
  int to;
};

LayoutNumbers NumbersOf(LayoutAction action) {
  switch (action) {
    case LayoutAction::From1To2: return {1, 2};
    case LayoutAction::From2To1: return {2, 1};
    case LayoutAction::From1To3: return {1, 3};
    case LayoutAction::From3To1: return {3, 1};
    case LayoutAction::From2To3: return {2, 3};
    case LayoutAction::From3To2: return {3, 2};
  }
  return {1, 2};
}

// Two layouts are always offered; a third only when asked for.
int LayoutsInUse(int layoutCount) { return std::clamp(layoutCount, 2, kMaxLayouts); }

}  // namespace

bool IsLayoutActionVisible(LayoutAction action, int layoutCount) {
  const LayoutNumbers numbers = NumbersOf(action);
  return std::max(numbers.from, numbers.to) <= LayoutsInUse(layoutCount);
}

LayoutRepair::LayoutRepair(LayoutAction action, std::span<const LayoutSlot> layouts, int layoutCount) {
  const LayoutNumbers numbers = NumbersOf(action);
  const int inUse = std::min(LayoutsInUse(layoutCount), static_cast<int>(layouts.size()));
  if (std::max(numbers.from, numbers.to) > inUse) return;
  const LayoutSlot& from = layouts[static_cast<std::size_t>(numbers.from - 1)];
  const LayoutSlot& to = layouts[static_cast<std::size_t>(numbers.to - 1)];
  caption_ = from.Name + " -> " + to.Name;
  if (from.Keys.empty() || to.Keys.empty()) return;
  available_ = true;
  map_ = ByteMap::Between(from.Keys, to.Keys);
  targetId_ = to.Id;
}

void LayoutRepair::ActivateTarget(KeyboardLayouts& keyboard) const {
  if (available_ && !targetId_.empty()) keyboard.Activate(targetId_);
}

}  // namespace plumex
