#include "model/action_table.h"

#include "model/table_order.h"

#include <cstddef>

namespace plumex {
namespace {

using enum ActionId;
using enum CaptionRule;
using enum ActionTrait;

constexpr ActionRow kActions[] = {
    {New, "actNew", "aNew", LanguageKey, "Ctrl+N", WaitsForReplaceAll, {}, "document-new"},
    {NewWnd, "actNewWnd", "aNewWnd", LanguageKey, "Shift+Ctrl+N"},
    {Open, "actOpen", "aOpen", LanguageKey, "Ctrl+O", WaitsForReplaceAll, {}, "document-open"},
    {Save, "actSave", "aSave", LanguageKey, "Ctrl+S", NeedsUnsaved, {}, "document-save"},
    {SaveAs, "actSaveAs", "aSaveAs", LanguageKey, "Shift+Ctrl+S"},
    {SaveSelAs, "actSaveSelAs", "aSaveSelAs", LanguageKey, "Shift+Ctrl+Alt+S", NeedsSelection},
    {PageSetup, "actPageSetup", "aPageSetup", LanguageKey, "Shift+Ctrl+P"},
    {QPrint, "actQPrint", "aPrint", LanguageKeyWithoutEllipsis, "", {}, {}, "document-print"},
    {Print, "actPrint", "aPrint", LanguageKey, "Ctrl+P"},
    {Exit, "actExit", "aExit", LanguageKey, ""},
    {Undo, "actUndo", "aUndo", LanguageKey, "Ctrl+Z", NeedsWritable | NeedsUndoStep | WaitsForReplaceAll, {},
     "edit-undo"},
    {Redo, "actRedo", "aRedo", LanguageKey, "Shift+Ctrl+Z", NeedsWritable | NeedsRedoStep | WaitsForReplaceAll, {},
     "edit-redo"},
    {Cut, "actCut", "aCut", LanguageKey, "Ctrl+X", NeedsSelection | NeedsWritable | WaitsForReplaceAll, {}, "edit-cut"},
    {Copy, "actCopy", "aCopy", LanguageKey, "Ctrl+C", NeedsSelection, {}, "edit-copy"},
    {CopyURL, "actCopyURL", "aCopyURL", LanguageKey, "", NeedsLink},
    {Paste, "actPaste", "aPaste", LanguageKey, "Ctrl+V", NeedsWritable | NeedsClipboardText | WaitsForReplaceAll, {},
     "edit-paste"},
    {Del, "actDel", "aDel", LanguageKey, "", NeedsSelection | NeedsWritable | WaitsForReplaceAll, {}, "edit-delete"},
    {DelLine, "actDelLine", "aDelLine", LanguageKey, "Ctrl+Y", NeedsNoSelection | NeedsWritable | WaitsForReplaceAll},
    {SelAll, "actSelAll", "aSelAll", LanguageKey, "Ctrl+A"},
    {SelAllCopy, "actSelAllCopy", "aSelAllCopy", LanguageKey, "Shift+Ctrl+A", WaitsForReplaceAll},
    {DC, "actDC", "aDC", LanguageKey, "Shift+Ctrl+D", Checkable},
    {CB, "actCB", "aCB", LanguageKey, "Ctrl+B", Checkable},
    {Find, "actFind", "aFind", LanguageKey, "Ctrl+F", {}, {}, "edit-find"},
    {Replace, "actReplace", "aReplace", LanguageKey, "Ctrl+R", NeedsWritable | WaitsForReplaceAll, {},
     "edit-find-replace"},
    {SearchAgain, "actSearchAgain", "aSearchAgain", LanguageKey, "Ctrl+L", {}, {}, "go-next"},
    {SetBook, "actSetBook", "aSetBook", LanguageKey, "Shift+Ctrl+Q"},
    {GoToBook, "actGoToBook", "aGoToBook", LanguageKey, "Ctrl+Q"},
    {GoTo, "actGoTo", "aGoTo", LanguageKey, "Ctrl+G"},
    {UserStyle, "actUserStyle", "aUser", LanguageKey, "Ctrl+Alt+F1", Checkable},
    {StdStyle, "actStdStyle", "aStd", LanguageKey, "Ctrl+Alt+F2", Checkable},
    {ReadStyle, "actReadStyle", "aRead", LanguageKey, "Ctrl+Alt+F3", Checkable},
    {UnixStyle, "actUnixStyle", "aTerm", LanguageKey, "Ctrl+Alt+F4", Checkable},
    {RetroStyle, "actRetroStyle", "aNost", LanguageKey, "Ctrl+Alt+F5", Checkable},
    {IncFont, "actIncFont", "aIncFont", LanguageKey, "Ctrl+=", {}, WindowKey::PadPlus},
    {DecFont, "actDecFont", "aDecFont", LanguageKey, "Ctrl+-", {}, WindowKey::PadMinus},
    {NormFont, "actNormFont", "aNormFont", LanguageKey, "Ctrl+Alt+0", {}, WindowKey::Pad0},
    {FullScreen, "actFullScreen", "aFullScreen", LanguageKey, "F11", Checkable},
    {AOT, "actAOT", "aAOT", LanguageKey, "Shift+Ctrl+T", Checkable},
    {DefSize, "actDefSize", "aStdSize", LanguageKey, "Ctrl+Alt+F12"},
    {InsHorRul, "actInsHorRul", "aHorRul", LanguageKey, "Ctrl+H", WaitsForReplaceAll},
    {InsSign, "actInsSign", "aSign", LanguageKey, "Ctrl+T", WaitsForReplaceAll},
    {InsDateTime, "actInsDateTime", "aDateTime", LanguageKey, "Ctrl+D", WaitsForReplaceAll},
    {InsFile, "actInsFile", "aInsFile", LanguageKey, "", WaitsForReplaceAll},
    {CharMap, "actCharMap", "aCharMap", LanguageKey, "Ctrl+M"},
    {WW, "actWW", "aWW", LanguageKey, "Ctrl+W", Checkable},
    {RO, "actRO", "aRO", LanguageKey, "Shift+Ctrl+R", Checkable | WaitsForReplaceAll},
    {DosToWin, "actDosToWin", "DOS 866 -> WIN-1251", Fixed, "Ctrl+1", WaitsForReplaceAll},
    {KoiToWin, "actKoiToWin", "KOI8-R -> WIN-1251", Fixed, "Ctrl+2", WaitsForReplaceAll},
    {MacToWin, "actMacToWin", "MAC -> WIN-1251", Fixed, "Ctrl+3", WaitsForReplaceAll},
    {IsoToWin, "actIsoToWin", "ISO -> WIN-1251", Fixed, "Ctrl+4", WaitsForReplaceAll},
    {WinToDos, "actWinToDos", "WIN-1251 -> DOS 866", Fixed, "Ctrl+5", WaitsForReplaceAll},
    {WinToKoi, "actWinToKoi", "WIN-1251 -> KOI8-R", Fixed, "Ctrl+6", WaitsForReplaceAll},
    {WinToMac, "actWinToMac", "WIN-1251 -> MAC", Fixed, "Ctrl+7", WaitsForReplaceAll},
    {WinToIso, "actWinToIso", "WIN-1251 -> ISO", Fixed, "Ctrl+8", WaitsForReplaceAll},
    {ToTrans, "actToTrans", "-> Translit", Fixed, "Ctrl+9", WaitsForReplaceAll},
    {FromTrans, "actFromTrans", "<- Translit", Fixed, "Ctrl+0", WaitsForReplaceAll},
    {ToRuslit, "actToRuslit", "-> Ruslit", Fixed, "", WaitsForReplaceAll},
    {FromRuslit, "actFromRuslit", "<- Ruslit", Fixed, "", WaitsForReplaceAll},
    {Detect, "actDetect", "aDetect", LanguageKey, "Shift+Ctrl+E", WaitsForReplaceAll},
    {PopMenuEncoding, "actPopMenuEncoding", "mmConv", LanguageKey, "", {}, {}, "preferences-desktop-locale"},
    {UpCase, "actUpCase", "aUpCase", LanguageKey, "Ctrl+U", WaitsForReplaceAll},
    {LoCase, "actLoCase", "aLoCase", LanguageKey, "Ctrl+J", WaitsForReplaceAll},
    {InvertCase, "actInvertCase", "aInvertCase", LanguageKey, "Ctrl+I", WaitsForReplaceAll},
    {CapWords, "actCapWords", "aCapWords", LanguageKey, "Ctrl+K", WaitsForReplaceAll},
    {CaseCyc, "actCaseCyc", "aCycCase", LanguageKey, "Shift+F3", WaitsForReplaceAll},
    {LO_12, "actLO_12", "", Layout, "Ctrl+[", WaitsForReplaceAll},
    {LO_21, "actLO_21", "", Layout, "Ctrl+]", WaitsForReplaceAll},
    {LO_13, "actLO_13", "", Layout, "Shift+Ctrl+[", WaitsForReplaceAll},
    {LO_31, "actLO_31", "", Layout, "Shift+Ctrl+]", WaitsForReplaceAll},
    {LO_23, "actLO_23", "", Layout, "Shift+Ctrl+Alt+[", WaitsForReplaceAll},
    {LO_32, "actLO_32", "", Layout, "Shift+Ctrl+Alt+]", WaitsForReplaceAll},
    {Run, "actRun", "aRun", LanguageKey, "F9", WaitsForReplaceAll, {}, "system-run"},
    {SendEMail, "actSendEMail", "aSendEMail", LanguageKey, "Ctrl+Enter"},
    {Settings, "actSettings", "aPrefs", LanguageKey, "Ctrl+\\"},
    {Help, "actHelp", "aHelp", LanguageKey, "F1", NeedsHelpFile},
    {History, "actHistory", "aHist", LanguageKey, "", NeedsHistoryFile},
    {Readme, "actReadme", "aReadme", LanguageKey, "", NeedsReadmeFile},
    {HomePage, "actHomePage", "aHomePage", LanguageKey, ""},
    {BugReport, "actBugReport", "aBugReport", LanguageKey, ""},
    {About, "actAbout", "aAbProg", LanguageKey, ""},
    {DefExts, "actDefExts", "aDefExts", LanguageKey, ""},
    {ClearExts, "actClearExts", "aClearExts", LanguageKey, ""},
    {ClearRecent, "actClearRecent", "aClearRecent", LanguageKey, "Ctrl+Alt+F11"},
    {Utf8ToWin, "actUtf8ToWin", "UTF-8 -> WIN-1251", Fixed, "", WaitsForReplaceAll},
    {WinToUtf8, "actWinToUtf8", "WIN-1251 -> UTF-8", Fixed, "", WaitsForReplaceAll},
    {RepairMojibake, "actRepairMojibake", "aRepairMojibake", LanguageKey, "", WaitsForReplaceAll},
};

static_assert(std::size(kActions) == static_cast<std::size_t>(ActionId::Count));

static_assert(RowsInIdOrder(kActions));

}  // namespace

std::span<const ActionRow> Actions() { return kActions; }

const ActionRow& ActionOf(ActionId id) { return kActions[static_cast<std::size_t>(id)]; }

const ActionRow* ActionOfNumber(int number) {
  // The tool bar reaches the stored 83 only; later actions have no number there.
  if (number < 1 || number > ActionOf(ClearRecent).Number()) return nullptr;
  return &kActions[static_cast<std::size_t>(number - 1)];
}

const ActionRow* FindAction(std::string_view name) {
  for (const ActionRow& row : kActions)
    if (name == row.name) return &row;
  return nullptr;
}

LayoutPair LayoutPairOf(ActionId id) {
  switch (id) {
    case LO_21: return {2, 1};
    case LO_13: return {1, 3};
    case LO_31: return {3, 1};
    case LO_23: return {2, 3};
    case LO_32: return {3, 2};
    default: return {1, 2};
  }
}

}  // namespace plumex
