#pragma once
// Every command of the main window, once: its stable name, where its caption
// comes from and its built-in key. The row order is the order of hotkeys.ini,
// so it is part of a file format. Menus, key lists and the tool bar derive
// from this table and the menu layout beside it.
#include <span>
#include <string_view>

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
  Count
};

enum class CaptionRule {
  LanguageKey,                  // the language text of `caption`
  LanguageKeyWithoutEllipsis,   // the same, its trailing "..." and blanks cut
  Fixed,                        // `caption` as it stands
  Layout,                       // layout short names joined by " -> "
};

struct ActionRow {
  ActionId id;
  const char* name;        // "actNew": the stable name
  const char* caption;     // a language key, or a fixed text by `rule`
  CaptionRule rule;
  const char* defaultKey;  // shortcut text, "" for none
};

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
