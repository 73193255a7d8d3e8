#include "model/action_table.h"

#include "model/table_order.h"

#include <cstddef>

namespace plumex {
namespace {

using enum ActionId;
using enum CaptionRule;

constexpr ActionRow kActions[] = {
    {New, "actNew", "aNew", LanguageKey, "Ctrl+N"},
    {NewWnd, "actNewWnd", "aNewWnd", LanguageKey, "Shift+Ctrl+N"},
    {Open, "actOpen", "aOpen", LanguageKey, "Ctrl+O"},
    {Save, "actSave", "aSave", LanguageKey, "Ctrl+S"},
    {SaveAs, "actSaveAs", "aSaveAs", LanguageKey, "Shift+Ctrl+S"},
    {SaveSelAs, "actSaveSelAs", "aSaveSelAs", LanguageKey, "Shift+Ctrl+Alt+S"},
    {PageSetup, "actPageSetup", "aPageSetup", LanguageKey, "Shift+Ctrl+P"},
    {QPrint, "actQPrint", "aPrint", LanguageKeyWithoutEllipsis, ""},
    {Print, "actPrint", "aPrint", LanguageKey, "Ctrl+P"},
    {Exit, "actExit", "aExit", LanguageKey, ""},
    {Undo, "actUndo", "aUndo", LanguageKey, "Ctrl+Z"},
    {Redo, "actRedo", "aRedo", LanguageKey, "Shift+Ctrl+Z"},
    {Cut, "actCut", "aCut", LanguageKey, "Ctrl+X"},
    {Copy, "actCopy", "aCopy", LanguageKey, "Ctrl+C"},
    {CopyURL, "actCopyURL", "aCopyURL", LanguageKey, ""},
    {Paste, "actPaste", "aPaste", LanguageKey, "Ctrl+V"},
    {Del, "actDel", "aDel", LanguageKey, ""},
    {DelLine, "actDelLine", "aDelLine", LanguageKey, "Ctrl+Y"},
    {SelAll, "actSelAll", "aSelAll", LanguageKey, "Ctrl+A"},
    {SelAllCopy, "actSelAllCopy", "aSelAllCopy", LanguageKey, "Shift+Ctrl+A"},
    {DC, "actDC", "aDC", LanguageKey, "Shift+Ctrl+D"},
    {CB, "actCB", "aCB", LanguageKey, "Ctrl+B"},
    {Find, "actFind", "aFind", LanguageKey, "Ctrl+F"},
    {Replace, "actReplace", "aReplace", LanguageKey, "Ctrl+R"},
    {SearchAgain, "actSearchAgain", "aSearchAgain", LanguageKey, "Ctrl+L"},
    {SetBook, "actSetBook", "aSetBook", LanguageKey, "Shift+Ctrl+Q"},
    {GoToBook, "actGoToBook", "aGoToBook", LanguageKey, "Ctrl+Q"},
    {GoTo, "actGoTo", "aGoTo", LanguageKey, "Ctrl+G"},
    {UserStyle, "actUserStyle", "aUser", LanguageKey, "Ctrl+Alt+F1"},
    {StdStyle, "actStdStyle", "aStd", LanguageKey, "Ctrl+Alt+F2"},
    {ReadStyle, "actReadStyle", "aRead", LanguageKey, "Ctrl+Alt+F3"},
    {UnixStyle, "actUnixStyle", "aTerm", LanguageKey, "Ctrl+Alt+F4"},
    {RetroStyle, "actRetroStyle", "aNost", LanguageKey, "Ctrl+Alt+F5"},
    {IncFont, "actIncFont", "aIncFont", LanguageKey, "Ctrl+="},
    {DecFont, "actDecFont", "aDecFont", LanguageKey, "Ctrl+-"},
    {NormFont, "actNormFont", "aNormFont", LanguageKey, "Ctrl+Alt+0"},
    {FullScreen, "actFullScreen", "aFullScreen", LanguageKey, "F11"},
    {AOT, "actAOT", "aAOT", LanguageKey, "Shift+Ctrl+T"},
    {DefSize, "actDefSize", "aStdSize", LanguageKey, "Ctrl+Alt+F12"},
    {InsHorRul, "actInsHorRul", "aHorRul", LanguageKey, "Ctrl+H"},
    {InsSign, "actInsSign", "aSign", LanguageKey, "Ctrl+T"},
    {InsDateTime, "actInsDateTime", "aDateTime", LanguageKey, "Ctrl+D"},
    {InsFile, "actInsFile", "aInsFile", LanguageKey, ""},
    {CharMap, "actCharMap", "aCharMap", LanguageKey, "Ctrl+M"},
    {WW, "actWW", "aWW", LanguageKey, "Ctrl+W"},
    {RO, "actRO", "aRO", LanguageKey, "Shift+Ctrl+R"},
    {DosToWin, "actDosToWin", "DOS 866 -> WIN-1251", Fixed, "Ctrl+1"},
    {KoiToWin, "actKoiToWin", "KOI8-R -> WIN-1251", Fixed, "Ctrl+2"},
    {MacToWin, "actMacToWin", "MAC -> WIN-1251", Fixed, "Ctrl+3"},
    {IsoToWin, "actIsoToWin", "ISO -> WIN-1251", Fixed, "Ctrl+4"},
    {WinToDos, "actWinToDos", "WIN-1251 -> DOS 866", Fixed, "Ctrl+5"},
    {WinToKoi, "actWinToKoi", "WIN-1251 -> KOI8-R", Fixed, "Ctrl+6"},
    {WinToMac, "actWinToMac", "WIN-1251 -> MAC", Fixed, "Ctrl+7"},
    {WinToIso, "actWinToIso", "WIN-1251 -> ISO", Fixed, "Ctrl+8"},
    {ToTrans, "actToTrans", "-> Translit", Fixed, "Ctrl+9"},
    {FromTrans, "actFromTrans", "<- Translit", Fixed, "Ctrl+0"},
    {ToRuslit, "actToRuslit", "-> Ruslit", Fixed, ""},
    {FromRuslit, "actFromRuslit", "<- Ruslit", Fixed, ""},
    {Detect, "actDetect", "aDetect", LanguageKey, "Shift+Ctrl+E"},
    {PopMenuEncoding, "actPopMenuEncoding", "mmConv", LanguageKey, ""},
    {UpCase, "actUpCase", "aUpCase", LanguageKey, "Ctrl+U"},
    {LoCase, "actLoCase", "aLoCase", LanguageKey, "Ctrl+J"},
    {InvertCase, "actInvertCase", "aInvertCase", LanguageKey, "Ctrl+I"},
    {CapWords, "actCapWords", "aCapWords", LanguageKey, "Ctrl+K"},
    {CaseCyc, "actCaseCyc", "aCycCase", LanguageKey, "Shift+F3"},
    {LO_12, "actLO_12", "", Layout, "Ctrl+["},
    {LO_21, "actLO_21", "", Layout, "Ctrl+]"},
    {LO_13, "actLO_13", "", Layout, "Shift+Ctrl+["},
    {LO_31, "actLO_31", "", Layout, "Shift+Ctrl+]"},
    {LO_23, "actLO_23", "", Layout, "Shift+Ctrl+Alt+["},
    {LO_32, "actLO_32", "", Layout, "Shift+Ctrl+Alt+]"},
    {Run, "actRun", "aRun", LanguageKey, "F9"},
    {SendEMail, "actSendEMail", "aSendEMail", LanguageKey, "Ctrl+Enter"},
    {Settings, "actSettings", "aPrefs", LanguageKey, "Ctrl+\\"},
    {Help, "actHelp", "aHelp", LanguageKey, "F1"},
    {History, "actHistory", "aHist", LanguageKey, ""},
    {Readme, "actReadme", "aReadme", LanguageKey, ""},
    {HomePage, "actHomePage", "aHomePage", LanguageKey, ""},
    {BugReport, "actBugReport", "aBugReport", LanguageKey, ""},
    {About, "actAbout", "aAbProg", LanguageKey, ""},
    {DefExts, "actDefExts", "aDefExts", LanguageKey, ""},
    {ClearExts, "actClearExts", "aClearExts", LanguageKey, ""},
    {ClearRecent, "actClearRecent", "aClearRecent", LanguageKey, "Ctrl+Alt+F11"},
};

static_assert(std::size(kActions) == static_cast<std::size_t>(ActionId::Count));

static_assert(RowsInIdOrder(kActions));

}  // namespace

std::span<const ActionRow> Actions() { return kActions; }

const ActionRow& ActionOf(ActionId id) { return kActions[static_cast<std::size_t>(id)]; }

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
