#pragma once
// Every command of the main window, once: its stable name, where its caption
// comes from and its built-in key. The row order is the order of hotkeys.ini,
// so it is part of a file format. Menus, key lists and the tool bar derive
// from this table and the menu layout beside it.
#include <span>
#include <string_view>

#include "platform/key_text.h"

namespace plumex {

enum class ActionId {
  New, NewWnd, Open, Save, SaveAs, SaveSelAs, PageSetup, QPrint, Print, Exit,
  Undo, Redo, Cut, Copy, CopyURL, Paste, Del, DelLine, SelAll, SelAllCopy,
  DC, CB, Find, Replace, SearchAgain, SetBook, GoToBook, GoTo,
  UserStyle, StdStyle, ReadStyle, UnixStyle, RetroStyle,
  IncFont, DecFont, NormFont, FullScreen, AOT, DefSize,
  InsHorRul, InsSign, InsDateTime, InsFile, CharMap, WW, RO,
  DosToWin, KoiToWin, MacToWin, IsoToWin, WinToDos, WinToKoi, WinToMac, WinToIso,
  ToTrans, FromTrans, ToRuslit, FromRuslit, Detect, PopMenuEncoding,
  UpCase, LoCase, InvertCase, CapWords, CaseCyc,
  LO_12, LO_21, LO_13, LO_31, LO_23, LO_32,
  Run, SendEMail, Settings, Help, History, Readme, HomePage, BugReport, About,
  DefExts, ClearExts, ClearRecent,
  // Added after the stored 83, so hotkeys.ini keeps its lines.
  Utf8ToWin, WinToUtf8, RepairMojibake,
  Count
};

enum class CaptionRule {
  LanguageKey,                  // the language text of `caption`
  LanguageKeyWithoutEllipsis,   // the same, its trailing "..." and blanks cut
  Fixed,                        // `caption` as it stands
  Layout,                       // layout short names joined by " -> "
};

// What an action needs to be enabled, and how the window treats it.
enum class ActionTrait : unsigned {
  NeedsSelection = 1U << 0,
  NeedsNoSelection = 1U << 1,
  NeedsWritable = 1U << 2,       // not read-only
  NeedsUndoStep = 1U << 3,
  NeedsRedoStep = 1U << 4,
  NeedsClipboardText = 1U << 5,
  NeedsUnsaved = 1U << 6,        // not saved since its last change
  NeedsLink = 1U << 7,           // a right click on a link
  NeedsHelpFile = 1U << 8,
  NeedsHistoryFile = 1U << 9,
  NeedsReadmeFile = 1U << 10,
  WaitsForReplaceAll = 1U << 12, // writes text: never runs inside Replace All
  Checkable = 1U << 13,
};

// A set of traits; a single trait converts to one.
struct ActionTraits {
  unsigned bits = 0;
  constexpr ActionTraits() = default;
  constexpr ActionTraits(ActionTrait trait) : bits(static_cast<unsigned>(trait)) {}  // NOLINT: a set of one
  constexpr bool Has(ActionTrait trait) const { return (bits & static_cast<unsigned>(trait)) != 0; }
};

constexpr ActionTraits operator|(ActionTraits a, ActionTraits b) {
  ActionTraits both;
  both.bits = a.bits | b.bits;
  return both;
}
constexpr ActionTraits operator|(ActionTrait a, ActionTrait b) { return ActionTraits(a) | b; }

struct ActionRow {
  ActionId id;
  const char* name;        // "actNew": the stable name
  const char* caption;     // a language key, or a fixed text by `rule`
  CaptionRule rule;
  const char* defaultKey;  // shortcut text, "" for none
  ActionTraits traits = {};
  WindowKey windowKey = WindowKey::None;  // a keypad key it answers to as well
  // The built-in tool-bar picture: a desktop icon name, "" for none (the
  // button then shows its caption).
  const char* picture = "";

  bool Has(ActionTrait trait) const { return traits.Has(trait); }
  // Its number on the tool bar and in picture names: its place, from 1.
  int Number() const { return static_cast<int>(id) + 1; }
};

// The action of a tool-bar number (1 to 83), nullptr for none.
const ActionRow* ActionOfNumber(int number);

std::span<const ActionRow> Actions();
const ActionRow& ActionOf(ActionId id);
// The row of a stable name, nullptr for none.
const ActionRow* FindAction(std::string_view name);

// Layout pair (from, to) of a layout-repair action, 1-based.
struct LayoutPair {
  int from;
  int to;
};
LayoutPair LayoutPairOf(ActionId id);

}  // namespace plumex
