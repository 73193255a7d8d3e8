#include "model/enable_rules.h"

namespace plumex {

bool ActionEnabled(const ActionRow& row, const EditorFacts& facts) {
  using enum ActionTrait;
  const struct {
    ActionTrait trait;
    bool met;
  } needs[] = {
      {NeedsSelection, facts.selection},
      {NeedsNoSelection, !facts.selection},
      {NeedsWritable, !facts.readOnly},
      {NeedsUndoStep, facts.undoStep},
      {NeedsRedoStep, facts.redoStep},
      {NeedsClipboardText, facts.clipboardText},
      {NeedsUnsaved, facts.unsaved},
      {NeedsLink, facts.onLink},
      {NeedsHelpFile, facts.helpFile},
      {NeedsHistoryFile, facts.historyFile},
      {NeedsReadmeFile, facts.readmeFile},
      // What writes text waits while Replace All lets events through.
      {WaitsForReplaceAll, !facts.replacing},
  };
  for (const auto& need : needs)
    if (row.Has(need.trait) && !need.met) return false;
  return true;
}

}  // namespace plumex
