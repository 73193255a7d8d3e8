#include "app/action_handlers.h"

#include "app/clipboard_commands.h"
#include "app/appearance.h"
#include "app/file_commands.h"
#include "app/insert_commands.h"
#include "app/main_window.h"
#include "app/print_controller.h"
#include "app/service_commands.h"
#include "app/text_commands.h"
#include "app/tool_commands.h"
#include "commands/document.h"
#include "commands/find_replace.h"
#include "commands/go_to_dialog.h"
#include "commands/line_commands.h"
#include "commands/profile.h"
#include "config/extension_list.h"
#include "model/table_order.h"
#include "platform/editor_widget.h"

namespace plumex {
namespace {

using enum ActionId;
using P = WindowParts;

template <EncodingCode From, EncodingCode To>
void ConvertBetween(P& p) {
  p.text.Convert(From, To);
}

template <CaseChange Change>
void ChangeCase(P& p) {
  p.text.ChangeCase(Change);
}

template <TranslitTable TranslitTables::*Table>
void Transliterate(P& p) {
  p.text.Transliterate(Table);
}

template <LayoutAction Which>
void RepairLayout(P& p) {
  p.text.RepairLayout(Which);
}

template <int Index>
void ApplyScheme(P& p) {
  p.appearance.ApplyScheme(Index);
}

constexpr EncodingCode WIN = EncodingCode::WIN, DOS = EncodingCode::DOS, KOI = EncodingCode::KOI,
                       MAC = EncodingCode::MAC, ISO = EncodingCode::ISO;

constexpr HandlerRow kHandlers[] = {
    {New, [](P& p) { p.files.NewDocument(); }},
    {NewWnd, [](P& p) { p.files.StartInstance(QString()); }},
    {Open, [](P& p) { p.files.OpenWithDialog(); }},
    {Save, [](P& p) { p.document.SaveOrSaveAs(); }},
    {SaveAs, [](P& p) { p.document.SaveAs(); }},
    {SaveSelAs, [](P& p) { p.document.SaveSelectionAs(); }},
    {PageSetup, [](P& p) { p.print.PageSetup(); }},
    {QPrint, [](P& p) { p.print.QuickPrint(); }},
    {Print, [](P& p) { p.print.Print(); }},
    {Exit, [](P& p) { p.window.close(); }},
    {Undo, [](P& p) { p.editor.Undo(); }},
    {Redo, [](P& p) { p.editor.Redo(); }},
    {Cut, [](P& p) { p.editor.Cut(); }},
    {Copy, [](P& p) { p.editor.Copy(); }},
    {CopyURL, [](P& p) { p.window.CopyClickedUrl(); }},
    {Paste, [](P& p) { p.editor.Paste(); }},
    {Del, [](P& p) {
       if (!p.editor.ReadOnly() && p.editor.SelLength() > 0) p.editor.ReplaceSelection("", UndoMode::Record);
     }},
    {DelLine, [](P& p) {
       if (p.editor.SelLength() == 0) DeleteLine(p.editor);
     }},
    {SelAll, [](P& p) { p.editor.SelectAll(); }},
    {SelAllCopy, [](P& p) { p.clipboard.CopyAll(); }},
    {DC, [](P& p) { p.clipboard.ToggleDirectCopy(); }},
    {CB, [](P& p) { p.clipboard.ToggleCatch(); }},
    {Find, [](P& p) { p.finder.ShowFind(); }},
    {Replace, [](P& p) { p.finder.ShowReplace(); }},
    {SearchAgain, [](P& p) { p.finder.FindNext(); }},
    {SetBook, [](P& p) { SetQuickBookmark(p.editor, p.profile.settings()); }},
    {GoToBook, [](P& p) { ShowQuickBookmark(p.editor, p.profile.settings()); }},
    {GoTo, [](P& p) { p.goTo.ShowCentred(GoToMode::Line); }},
    {UserStyle, ApplyScheme<5>},
    {StdStyle, ApplyScheme<1>},
    {ReadStyle, ApplyScheme<2>},
    {UnixStyle, ApplyScheme<3>},
    {RetroStyle, ApplyScheme<4>},
    {IncFont, [](P& p) { p.appearance.StepFontSize(1); }},
    {DecFont, [](P& p) { p.appearance.StepFontSize(-1); }},
    {NormFont, [](P& p) { p.appearance.NormalFontSize(); }},
    {FullScreen, [](P& p) { p.appearance.ToggleFullScreen(); }},
    {AOT, [](P& p) { p.appearance.ToggleStayOnTop(); }},
    {DefSize, [](P& p) { p.appearance.StandardSize(); }},
    {InsHorRul, [](P& p) { p.inserts.Separator(); }},
    {InsSign, [](P& p) { p.inserts.Signature(); }},
    {InsDateTime, [](P& p) { p.inserts.DateAndTime(); }},
    {InsFile, [](P& p) { p.inserts.ExternalFile(); }},
    {CharMap, [](P& p) { p.inserts.ShowCharMap(); }},
    {WW, [](P& p) { p.window.SetWordWrap(!p.editor.WordWrap()); }},
    {RO, [](P& p) { p.files.ToggleReadOnly(); }},
    {DosToWin, ConvertBetween<DOS, WIN>},
    {KoiToWin, ConvertBetween<KOI, WIN>},
    {MacToWin, ConvertBetween<MAC, WIN>},
    {IsoToWin, ConvertBetween<ISO, WIN>},
    {WinToDos, ConvertBetween<WIN, DOS>},
    {WinToKoi, ConvertBetween<WIN, KOI>},
    {WinToMac, ConvertBetween<WIN, MAC>},
    {WinToIso, ConvertBetween<WIN, ISO>},
    {ToTrans, Transliterate<&TranslitTables::toTranslit>},
    {FromTrans, Transliterate<&TranslitTables::fromTranslit>},
    {ToRuslit, Transliterate<&TranslitTables::toRuslit>},
    {FromRuslit, Transliterate<&TranslitTables::fromRuslit>},
    {Detect, [](P& p) { p.text.Detect(); }},
    {PopMenuEncoding, [](P& p) { p.window.ShowEncodingMenu(); }},
    {UpCase, ChangeCase<CaseChange::Upper>},
    {LoCase, ChangeCase<CaseChange::Lower>},
    {InvertCase, ChangeCase<CaseChange::Invert>},
    {CapWords, ChangeCase<CaseChange::Capitalize>},
    {CaseCyc, [](P& p) { p.text.CycleCase(); }},
    {LO_12, RepairLayout<LayoutAction::From1To2>},
    {LO_21, RepairLayout<LayoutAction::From2To1>},
    {LO_13, RepairLayout<LayoutAction::From1To3>},
    {LO_31, RepairLayout<LayoutAction::From3To1>},
    {LO_23, RepairLayout<LayoutAction::From2To3>},
    {LO_32, RepairLayout<LayoutAction::From3To2>},
    {Run, [](P& p) { p.tools.Run(); }},
    {SendEMail, [](P& p) { p.services.SendEMail(); }},
    {Settings, [](P& p) { p.window.OpenSettings(); }},
    {Help, [](P& p) { p.services.OpenHelp(); }},
    {History, [](P& p) { p.services.OpenHistory(); }},
    {Readme, [](P& p) { p.services.OpenReadme(); }},
    {HomePage, [](P& p) { p.services.OpenHomePage(); }},
    {BugReport, [](P& p) { p.services.SendBugReport(); }},
    {About, [](P& p) { p.services.ShowAbout(); }},
    {DefExts, [](P& p) { InstallDefaultExtensions(p.profile.settings(), p.window.fileTypes()); }},
    {ClearExts, [](P& p) { ClearExtensions(p.profile.settings(), p.window.fileTypes()); }},
    {ClearRecent, [](P& p) { p.files.ClearRecent(); }},
    {Utf8ToWin, [](P& p) { p.text.Utf8ToWin(); }},
    {WinToUtf8, [](P& p) { p.text.WinToUtf8(); }},
    {RepairMojibake, [](P& p) { p.text.RepairMojibake(TextCommands::Ask::No); }},
};

static_assert(std::size(kHandlers) == static_cast<std::size_t>(ActionId::Count));
static_assert(RowsInIdOrder(kHandlers));

}  // namespace

std::span<const HandlerRow> ActionHandlers() { return kHandlers; }

}  // namespace plumex
