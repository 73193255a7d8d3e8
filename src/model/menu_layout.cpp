#include "model/menu_layout.h"

#include "model/table_order.h"

#include <cstddef>
#include <iterator>

namespace plumex {
namespace {

using enum ActionId;

constexpr MenuEntry A(ActionId id) { return {EntryKind::Action, id, MenuId::Count}; }
constexpr MenuEntry S(MenuId id) { return {EntryKind::Submenu, ActionId::Count, id}; }
constexpr MenuEntry kSep{EntryKind::Separator};

constexpr MenuEntry kFile[] = {A(New), A(NewWnd), kSep, A(Open), S(MenuId::Recent), kSep,
                               A(Save), A(SaveAs), A(SaveSelAs), kSep, A(PageSetup), A(Print),
                               kSep, A(Exit)};
constexpr MenuEntry kEdit[] = {A(Undo), A(Redo), kSep, A(Cut), A(Copy), A(Paste), A(Del),
                               A(DelLine), kSep, A(SelAll), A(SelAllCopy), kSep, A(DC), A(CB),
                               kSep, A(Find), A(Replace), A(SearchAgain), kSep, A(SetBook),
                               A(GoToBook), kSep, A(GoTo)};
constexpr MenuEntry kView[] = {S(MenuId::AppearanceSchemes), kSep, A(IncFont), A(DecFont),
                               A(NormFont), kSep, A(FullScreen), A(AOT), A(DefSize)};
constexpr MenuEntry kSchemes[] = {A(UserStyle), kSep, A(StdStyle), A(ReadStyle), A(UnixStyle),
                                  A(RetroStyle)};
constexpr MenuEntry kInsert[] = {A(InsHorRul), A(InsSign), A(InsDateTime), A(InsFile), kSep,
                                 S(MenuId::SpecialChars), kSep, A(CharMap)};
constexpr MenuEntry kText[] = {A(WW), A(RO), kSep, S(MenuId::ConvertEncoding),
                               S(MenuId::CharactersCase), S(MenuId::RepairLayout)};
constexpr MenuEntry kConvert[] = {A(DosToWin), A(KoiToWin), A(MacToWin), A(IsoToWin), kSep,
                                  A(WinToDos), A(WinToKoi), A(WinToMac), A(WinToIso), kSep,
                                  A(Utf8ToWin), A(WinToUtf8), kSep, A(ToTrans), A(FromTrans), kSep, A(ToRuslit), A(FromRuslit),
                                  kSep, A(Detect), A(RepairMojibake)};
constexpr MenuEntry kCase[] = {A(UpCase), A(LoCase), A(InvertCase), A(CapWords), kSep,
                               A(CaseCyc)};
constexpr MenuEntry kLayout[] = {A(LO_12), A(LO_21), kSep, A(LO_13), A(LO_31), kSep,
                                 A(LO_23), A(LO_32)};
constexpr MenuEntry kService[] = {A(Run), A(SendEMail), kSep, S(MenuId::Tools), kSep,
                                  A(Settings)};
constexpr MenuEntry kHelp[] = {A(Help), kSep, A(History), A(Readme), A(HomePage), kSep,
                               A(BugReport), kSep, A(About)};
constexpr MenuEntry kEditorPopup[] = {A(Cut), A(Copy), A(CopyURL), A(Paste), kSep, A(Del),
                                      A(DelLine), kSep, A(SelAll), A(SelAllCopy), kSep,
                                      A(SetBook), A(GoToBook)};
constexpr MenuEntry kExtendedPopup[] = {
    A(Cut), A(Copy), A(CopyURL), A(Paste), kSep, A(Del), A(DelLine), kSep, A(SelAll),
    A(SelAllCopy), kSep, S(MenuId::InsertPopup), S(MenuId::SpecialChars), kSep, A(Run), A(Detect),
    kSep, S(MenuId::ConvertEncoding), S(MenuId::CharactersCase), S(MenuId::RepairLayout), kSep,
    A(SetBook), A(GoToBook)};
// The pop-up's Insert holds only the four insert commands.
constexpr MenuEntry kInsertPopup[] = {A(InsHorRul), A(InsSign), A(InsDateTime), A(InsFile)};

constexpr MenuDef kMenus[] = {
    {MenuId::File, "mmFile", kFile, false},
    {MenuId::Edit, "mmEdit", kEdit, false},
    {MenuId::View, "mmView", kView, false},
    {MenuId::Insert, "mmInsert", kInsert, false},
    {MenuId::Text, "mmText", kText, false},
    {MenuId::Service, "mmService", kService, false},
    {MenuId::HelpMenu, "mmHelpAbout", kHelp, false},
    {MenuId::AppearanceSchemes, "mmAppSch", kSchemes, false},
    {MenuId::ConvertEncoding, "mmConv", kConvert, false},
    {MenuId::CharactersCase, "mmCase", kCase, false},
    {MenuId::RepairLayout, "mmRepLay", kLayout, false},
    {MenuId::Recent, "mmRecent", {}, true},
    {MenuId::SpecialChars, "mmSpecChar", {}, true},
    {MenuId::Tools, "mmAcc", {}, true},
    {MenuId::EditorPopup, nullptr, kEditorPopup, false},
    {MenuId::ExtendedPopup, nullptr, kExtendedPopup, false},
    {MenuId::InsertPopup, "mmInsert", kInsertPopup, false},
    {MenuId::EncodingPopup, nullptr, kConvert, false},
};

static_assert(std::size(kMenus) == static_cast<std::size_t>(MenuId::Count));

static_assert(RowsInIdOrder(kMenus));

constexpr MenuId kMenuBar[] = {MenuId::File, MenuId::Edit,    MenuId::View,    MenuId::Insert,
                               MenuId::Text, MenuId::Service, MenuId::HelpMenu};

}  // namespace

std::span<const MenuDef> Menus() { return kMenus; }
const MenuDef& MenuOf(MenuId id) { return kMenus[static_cast<std::size_t>(id)]; }
std::span<const MenuId> MainMenuBar() { return kMenuBar; }

}  // namespace plumex
