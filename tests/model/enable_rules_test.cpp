#include "model/enable_rules.h"

#include <gtest/gtest.h>

namespace plumex {
namespace {

using enum ActionId;

TEST(EnableRules, EachActionAsksOnlyWhatItNeeds) {
  const struct { ActionId id; EditorFacts facts; bool enabled; } cases[] = {
      {Cut, {}, false}, {Cut, {.selection = true}, true}, {Cut, {.selection = true, .readOnly = true}, false},
      {Cut, {.selection = true, .replacing = true}, false}, {Copy, {}, false},
      {Copy, {.selection = true, .readOnly = true, .replacing = true}, true},
      {Del, {.selection = true, .readOnly = true}, false}, {SaveSelAs, {.selection = true, .readOnly = true}, true},
      {DelLine, {}, true}, {DelLine, {.selection = true}, false}, {DelLine, {.readOnly = true}, false},
      {Undo, {}, false}, {Undo, {.undoStep = true}, true}, {Undo, {.readOnly = true, .undoStep = true}, false},
      {Redo, {.redoStep = true}, true}, {Redo, {.undoStep = true}, false},
      {Paste, {}, false}, {Paste, {.clipboardText = true}, true}, {Paste, {.readOnly = true, .clipboardText = true}, false},
      {Save, {}, true}, {Save, {.unsaved = false}, false},
      {SaveAs, {.readOnly = true, .unsaved = false, .replacing = true}, true},
      {CopyURL, {}, false}, {CopyURL, {.onLink = true}, true},
      {Help, {.historyFile = true, .readmeFile = true}, false}, {Help, {.helpFile = true}, true},
      {History, {.historyFile = true}, true}, {Readme, {.readmeFile = true}, true},
      {Replace, {.readOnly = true}, false}, {Replace, {.replacing = true}, false},
      {Find, {.readOnly = true, .replacing = true}, true},
      // Conversions and transliteration rewrite read-only texts too, but never inside Replace All.
      {KoiToWin, {.readOnly = true}, true}, {ToTrans, {.readOnly = true}, true}, {KoiToWin, {.replacing = true}, false},
      {RO, {.readOnly = true}, true}, {RO, {.replacing = true}, false}, {Open, {.replacing = true}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ActionEnabled(ActionOf(c.id), c.facts), c.enabled) << ActionOf(c.id).name << " #" << (&c - cases);
}

}  // namespace
}  // namespace plumex
