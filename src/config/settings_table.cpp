#include "config/settings_table.h"

#include <algorithm>
#include <array>

#include "config/build_date.h"

namespace plumex {
namespace {

// The settings record's field of that name, as an accessor the table can hold.
#define PLUMEX_FIELD(name) [](Settings& s) -> auto& { return s.name; }

constexpr Limits kAnyValue{};
constexpr Limits kAnyLength{0, INT_MAX};
constexpr Limits kNotNegative{0, INT_MAX};
constexpr Limits kByte{0, 255};
constexpr Limits kColor{0, 0xFFFFFF};
// Far beyond any screen, yet small enough for arithmetic on positions.
constexpr Limits kPosition{-16384, 16384};
constexpr Limits kWindowSide{100, 16384};
// A glyph or a margin larger than the largest window (16384 pixels, and a
// point is at least a pixel) shows no more than one of that size.
constexpr Limits kFontSize{1, 16384};
constexpr Limits kMargin{0, 16384};
// The most characters the editor holds (EditorWidget::kMaxLength). No Tab
// can insert more blanks, and no wheel notch can scroll more lines, than
// that; the cap also bounds the memory the blanks take.
constexpr Limits kEditorCapacity{0, 16777215};

constexpr SettingEntry Int(std::string_view section, std::string_view key, IntField field,
                           Limits limits, OutOfRange outOfRange = OutOfRange::Clamp) {
  SettingEntry entry{section, key, field, limits, outOfRange};
  entry.offered = limits;
  return entry;
}

// A setting whose dialog control offers less than the values it may hold.
constexpr SettingEntry Offered(Limits offered, SettingEntry entry) {
  entry.offered = offered;
  return entry;
}

constexpr SettingEntry Bool(std::string_view section, std::string_view key, BoolField field) {
  return {section, key, field, {}};
}

constexpr SettingEntry Text(std::string_view section, std::string_view key, TextField field) {
  return {section, key, field, kAnyLength};
}

constexpr SettingEntry Constant(std::string_view section, std::string_view key,
                                std::string_view value) {
  return {section, key, value, {}};
}

constexpr SettingEntry Table(SettingEntry entry) {
  entry.role = TableRole::ConversionTable;
  return entry;
}

// Dialog bindings ------------------------------------------------------------

using enum SettingsPage;
using enum SettingEffect;

constexpr DialogBinding Check(SettingsPage page, std::string_view name, std::string_view caption,
                              SettingEffect effect = None) {
  return {.control = DialogControl::Check, .page = page, .name = name, .caption = caption, .effect = effect};
}

constexpr DialogBinding Spin(SettingsPage page, Takes takes, std::string_view name,
                             std::string_view caption, std::string_view after,
                             SettingEffect effect = None) {
  return {.control = DialogControl::Spin, .page = page, .takes = takes, .name = name,
          .caption = caption, .after = after, .effect = effect};
}

constexpr DialogBinding Panel(DialogControl control, std::string_view name,
                              std::string_view caption, SettingEffect effect) {
  return {.control = control, .page = Interface, .name = name, .caption = caption, .effect = effect};
}

// Turned on only while the check box of setting `guard` is checked, and
// taken when that box is clicked.
constexpr DialogBinding Guarded(std::string_view guard, DialogBinding binding) {
  binding.guard = guard;
  return binding;
}

constexpr SettingEntry Shown(DialogBinding binding, SettingEntry entry) {
  entry.dialog = binding;
  return entry;
}

constexpr std::string_view kBookmarkKinds[] = {"tCaretPos", "tScrollPerc"};
constexpr std::string_view kEscActions[] = {"tEscDoNothing", "tEscMinimize", "tEscExit"};
const std::string kSeparators[] = {std::string(60, '-'), std::string(30, '='), std::string(45, '*'),
                                   std::string(26, '#')};
const std::string_view kSeparatorChoices[] = {kSeparators[0], kSeparators[1], kSeparators[2],
                                              kSeparators[3]};

constexpr std::string_view E = kSectionEditor;
constexpr std::string_view A = kSectionAutodetect;
constexpr std::string_view P = kSectionPrintFont;
constexpr std::string_view U = kSectionUserStyle;

const auto kTable = std::to_array<SettingEntry>({
    Constant(kSectionGeneral, "ProgName", "Plumex"),
    Constant(kSectionGeneral, "ProgVer", PLUMEX_VERSION),
    Constant(kSectionGeneral, "ProgDate", kBuildDate),

    Shown({.control = DialogControl::Check, .page = Editor, .name = "chbxLastPath",
           .caption = "tLastPath", .flag = PLUMEX_FIELD(RestoreLastPath)},
          Text(E, "LastPath", PLUMEX_FIELD(LastPath))),
    // 0 or less turns the wheel off.
    Shown(Spin(Interface, Takes::OnOk, "seLinesToScroll", "tWheelScroll1", "tWheelScroll2", WheelScroll),
          Offered({1, 20}, Int(E, "LinesToScroll", PLUMEX_FIELD(LinesToScroll), kEditorCapacity))),
    Int(E, "DefCharSet", PLUMEX_FIELD(DefCharSet), kByte, OutOfRange::UseDefault),
    // Start-up adds one to it: the cap keeps that sum in range.
    Int(E, "Starts", PLUMEX_FIELD(Starts), {0, 1'000'000'000}),
    Shown({.control = DialogControl::Language, .page = Interface, .name = "comboxLang", .caption = "tLang"},
          Int(E, "Language", PLUMEX_FIELD(Language), kNotNegative)),
    Shown({.control = DialogControl::Style, .page = Interface, .name = "comboxStyle", .caption = "tFace",
           .effect = Skin},
          Int(E, "Style", PLUMEX_FIELD(Style), kNotNegative)),
    // Schemes 1 to 5; another number names none and leaves the look as it is.
    Int(E, "AppearStyle", PLUMEX_FIELD(AppearStyle), kAnyValue),
    Shown({.control = DialogControl::OptionalText, .page = Editor, .takes = Takes::OnOk, .name = "eDefExt",
           .caption = "tDefExt", .rule = TextRule::Extension},
          Text(E, "DefExt", PLUMEX_FIELD(DefExt))),
    // Blanks a Tab becomes; 0 or less, none.
    Int(E, "SpaceTab", PLUMEX_FIELD(SpaceTab), kEditorCapacity),
    Int(E, "EditorLeft", PLUMEX_FIELD(EditorLeft), kPosition),
    Int(E, "EditorTop", PLUMEX_FIELD(EditorTop), kPosition),
    Int(E, "EditorWidth", PLUMEX_FIELD(EditorWidth), kWindowSide),
    Int(E, "EditorHeight", PLUMEX_FIELD(EditorHeight), kWindowSide),
    // The settings dialog is never smaller than 500 by 390.
    Int(E, "SetsWidth", PLUMEX_FIELD(SetsWidth), {500, 16384}),
    Int(E, "SetsHeight", PLUMEX_FIELD(SetsHeight), {390, 16384}),
    Shown(Check(Autosave, "chbxAutoSave", "tAutosave", AutoSave), Bool(E, "IsAutoSaving", PLUMEX_FIELD(IsAutoSaving))),
    // The auto-save counter is compared with it: 0 or less never matches.
    Shown(Guarded("IsAutoSaving", Spin(Autosave, Takes::AtOnce, "seMins", {}, "tAutoComm", AutoSave)),
          Offered({1, 60}, Int(E, "Mins", PLUMEX_FIELD(Mins), kNotNegative))),
    Shown(Check(Editor, "chbxNewWindow", "tNewWin"), Bool(E, "IsNewWindow", PLUMEX_FIELD(IsNewWindow))),
    Shown(Check(Interface, "chbxSavePosition", "tSavePos", SavePosition),
          Bool(E, "IsSavePosition", PLUMEX_FIELD(IsSavePosition))),
    Bool(E, "IsWW", PLUMEX_FIELD(IsWW)),
    Bool(E, "IsDC", PLUMEX_FIELD(IsDC)),
    // Takes effect after a restart.
    Shown(Check(Editor, "chbxURL", "tURL"), Bool(E, "IsDetectURL", PLUMEX_FIELD(IsDetectURL))),
    Shown(Check(Sounds, "chbxSound", "tTypeWr"), Bool(E, "IsSound", PLUMEX_FIELD(IsSound))),
    Bool(E, "IsStayOnTop", PLUMEX_FIELD(IsStayOnTop)),
    Shown(Check(Autosave, "chbxLostFocus", "tSaveFocus"), Bool(E, "IsSaveFocus", PLUMEX_FIELD(IsSaveFocus))),
    Shown(Check(Autosave, "chbxSaveExit", "tSaveExit"), Bool(E, "IsSaveExit", PLUMEX_FIELD(IsSaveExit))),
    Shown(Check(FullScreen, "chbxShowMenu", "tShowMenu", FullScreenParts),
          Bool(E, "IsShowMenu", PLUMEX_FIELD(IsShowMenu))),
    Shown(Check(FullScreen, "chbxShowScroll", "tShowScroll", FullScreenParts),
          Bool(E, "IsShowScroll", PLUMEX_FIELD(IsShowScroll))),
    Shown(Check(FullScreen, "chbxShowStatus", "tShowStatus", FullScreenParts),
          Bool(E, "IsShowStatusFS", PLUMEX_FIELD(IsShowStatusFS))),
    Shown(Check(Interface, "chbxShowStBar", "tShowStatus", StatusBar),
          Bool(E, "IsShowStatusNorm", PLUMEX_FIELD(IsShowStatusNorm))),
    Shown(Check(Interface, "chbxShowTBar", "tShTool", ToolBar),
          Bool(E, "IsShowToolNorm", PLUMEX_FIELD(IsShowToolNorm))),
    Shown(Check(Editor, "chbxChangeAttrs", "tChAttrs"), Bool(E, "IsChAttrs", PLUMEX_FIELD(IsChAttrs))),
    Shown(Check(Sounds, "chbxLimit", "tNotify1"), Bool(E, "IsLimit", PLUMEX_FIELD(IsLimit))),
    Bool(E, "IsMax", PLUMEX_FIELD(IsMax)),
    Shown(Check(Interface, "chbxRestoreCaret", "tRestoreCaret"),
          Bool(E, "IsRestoreCaret", PLUMEX_FIELD(IsRestoreCaret))),
    Shown(Check(Editor, "chbxConfirmSaveAs", "tConfirmSaveAs"),
          Bool(E, "IsConfirmSaveAs", PLUMEX_FIELD(IsConfirmSaveAs))),
    // A column counted from 1: 0 or less never rings.
    Shown(Guarded("IsLimit", Spin(Sounds, Takes::OnOk, "seLimit", {}, "tNotify2")),
          Offered({1, 999}, Int(E, "CharsLimit", PLUMEX_FIELD(CharsLimit), kNotNegative))),
    Shown(Spin(FullScreen, Takes::OnOk, "seLInd", "tLInd", {}, Margins),
          Offered({0, 9999}, Int(E, "LInd", PLUMEX_FIELD(LInd), kMargin))),
    Shown(Spin(FullScreen, Takes::OnOk, "seRInd", "tRInd", {}, Margins),
          Offered({0, 9999}, Int(E, "RInd", PLUMEX_FIELD(RInd), kMargin))),
    Bool(E, "MyIndent", PLUMEX_FIELD(MyIndent)),
    Bool(E, "IsIntegrIE", PLUMEX_FIELD(IsIntegrIE)),
    Bool(E, "UseSecondsDateTime", PLUMEX_FIELD(UseSecondsDateTime)),
    // 0 none, 1 minimise, 2 exit; another value does nothing.
    Shown({.control = DialogControl::Choice, .page = Interface, .name = "comboxEsc", .caption = "tEsc",
           .items = kEscActions},
          Offered({0, 2}, Int(E, "EscFunction", PLUMEX_FIELD(EscFunction), kAnyValue))),
    // Our own beeps only: the system's stay as the user set them.
    Shown(Check(Sounds, "chbxIsBeepOff", "tBeep"), Bool(E, "IsBeepOff", PLUMEX_FIELD(IsBeepOff))),
    Int(E, "NormFontSize", PLUMEX_FIELD(NormFontSize), kFontSize),
    Shown(Check(Editor, "chbxDefRO", "tViewer", ReadOnly), Bool(E, "IsDefReadOnly", PLUMEX_FIELD(IsDefReadOnly))),
    Bool(E, "IsMake1251", PLUMEX_FIELD(IsMake1251)),
    Text(E, "str1251", PLUMEX_FIELD(str1251)),
    Text(E, "str1252", PLUMEX_FIELD(str1252)),
    Shown(Check(Interface, "chbxSuperPopUp", "tSuperPopup"),
          Bool(E, "IsUseSuperPopup", PLUMEX_FIELD(IsUseSuperPopup))),
    Bool(E, "IsReplaceTabs", PLUMEX_FIELD(IsReplaceTabs)),
    Bool(E, "IsDebug", PLUMEX_FIELD(IsDebug)),
    Shown(Check(Editor, "chbxFindDlgPos", "tChangeFindDlgPos"),
          Bool(E, "IsChangeFindDlgPos", PLUMEX_FIELD(IsChangeFindDlgPos))),
    // Kept as written: the map itself shows only the printable bytes.
    Int(E, "StartCharMap", PLUMEX_FIELD(StartCharMap), kAnyValue),
    Int(E, "EndCharMap", PLUMEX_FIELD(EndCharMap), kAnyValue),
    // 1 a caret position; any other value a line, as the bookmark reads it.
    Shown({.control = DialogControl::Choice, .page = Interface, .name = "comboxBook", .caption = "tBookIs",
           .items = kBookmarkKinds},
          Offered({0, 1}, Int(E, "BookmarkType", PLUMEX_FIELD(BookmarkType), kAnyValue))),
    Int(E, "Bookmark", PLUMEX_FIELD(Bookmark), kNotNegative),
    Shown(Check(Editor, "chbxUseAppFolder", "tUseApp"), Bool(E, "UseAppFolder", PLUMEX_FIELD(UseAppFolder))),
    Shown(Check(Editor, "chbxUseTemp", "tUseTemp"), Bool(E, "UseTempFile", PLUMEX_FIELD(UseTempFile))),

    Shown(Check(Editor, "chbxAutoDetect", "tRec"), Bool(A, "IsAutoDetect", PLUMEX_FIELD(IsAutoDetect))),
    Shown(Check(Editor, "chbxDirectConvert", "tConv"), Bool(A, "IsDirectConvert", PLUMEX_FIELD(IsDirectConvert))),
    Shown(Check(Editor, "chbxDetectLOG", "tDetectLOG"), Bool(A, "IsDetectFormat", PLUMEX_FIELD(IsDetectFormat))),
    // 0 the marker count, 1 statistical.
    Shown(Check(Editor, "chbxDetectMethod", "tDetectMethod", Detection),
          Int(A, "DetectMethod", PLUMEX_FIELD(DetectMethod), {0, 1}, OutOfRange::UseDefault)),
    // 0 bytes and no marker letters are how the first start tells a table
    // not yet set: it takes the built-in one.
    Table(Int(A, "DetectBuffer", PLUMEX_FIELD(DetectBuffer), {1, INT_MAX}, OutOfRange::UseDefault)),
    Table({A, "WinDetectString", PLUMEX_FIELD(WinDetectString), {1, INT_MAX}, OutOfRange::UseDefault}),

    Table(Text(kSectionEcodings, "StrWIN", PLUMEX_FIELD(StrWIN))),
    Table(Text(kSectionEcodings, "StrDOS", PLUMEX_FIELD(StrDOS))),
    Table(Text(kSectionEcodings, "StrKOI", PLUMEX_FIELD(StrKOI))),
    Table(Text(kSectionEcodings, "StrMAC", PLUMEX_FIELD(StrMAC))),
    Table(Text(kSectionEcodings, "StrISO", PLUMEX_FIELD(StrISO))),

    Text(kSectionCase, "StrUpCase_En", PLUMEX_FIELD(StrUpCase_En)),
    Text(kSectionCase, "StrUpCase_Ru", PLUMEX_FIELD(StrUpCase_Ru)),
    Text(kSectionCase, "StrLoCase_En", PLUMEX_FIELD(StrLoCase_En)),
    Text(kSectionCase, "StrLoCase_Ru", PLUMEX_FIELD(StrLoCase_Ru)),
    Table(Text(kSectionCase, "StrUpCase_Add", PLUMEX_FIELD(StrUpCase_Add))),
    Table(Text(kSectionCase, "StrLoCase_Add", PLUMEX_FIELD(StrLoCase_Add))),

    // The layouts themselves follow under keys named by their short names.
    Table(Int(kSectionLayout, "LOCount", PLUMEX_FIELD(LOCount), {1, kMaxLayouts})),

    Int(P, "Charset", PLUMEX_FIELD(PrintFont.Charset), kByte, OutOfRange::UseDefault),
    Int(P, "Size", PLUMEX_FIELD(PrintFont.Size), kFontSize),
    Int(P, "Color", PLUMEX_FIELD(PrintFont.Color), kColor, OutOfRange::UseDefault),
    // The font's other keys change with it.
    Shown(Panel(DialogControl::PrinterFont, "pnlPrintFont", "tPnlPrintFont", None),
          Text(P, "Name", PLUMEX_FIELD(PrintFont.Name))),
    Bool(P, "Bold", PLUMEX_FIELD(PrintFont.Bold)),
    Bool(P, "Italic", PLUMEX_FIELD(PrintFont.Italic)),

    Shown(Panel(DialogControl::BackColor, "pnlColor", {}, Appearance),
          Int(U, "BackColor", PLUMEX_FIELD(UserStyle.BackColor), kColor, OutOfRange::UseDefault)),
    Int(U, "Charset", PLUMEX_FIELD(UserStyle.Charset), kByte, OutOfRange::UseDefault),
    Int(U, "Size", PLUMEX_FIELD(UserStyle.Size), kFontSize),
    Int(U, "Color", PLUMEX_FIELD(UserStyle.Color), kColor, OutOfRange::UseDefault),
    Shown(Panel(DialogControl::EditorFont, "pnlEditFont", "tPnlEditFont", Appearance),
          Text(U, "Name", PLUMEX_FIELD(UserStyle.Name))),
    Bool(U, "Bold", PLUMEX_FIELD(UserStyle.Bold)),
    Bool(U, "Italic", PLUMEX_FIELD(UserStyle.Italic)),
    Bool(U, "Underline", PLUMEX_FIELD(UserStyle.Underline)),
    Bool(U, "StrikeOut", PLUMEX_FIELD(UserStyle.StrikeOut)),

    // -1: the list was never set up, install the defaults; any other value
    // loads the list, as 0 does.
    Int(kSectionExts, "CountExts", PLUMEX_FIELD(CountExts), {-1, INT_MAX}, OutOfRange::UseZero),

    Shown({.control = DialogControl::Text, .page = Additional, .takes = Takes::OnOk, .name = "eSpecChars",
           .caption = "mmSpecChar", .effect = SpecialChars, .rule = TextRule::NoBlanks},
          Text(kSectionAdditional, "strSpecChars", PLUMEX_FIELD(strSpecChars))),
    Shown({.control = DialogControl::EditableChoice, .page = Additional, .name = "comboxHR", .caption = "aHorRul",
           .items = kSeparatorChoices},
          Text(kSectionAdditional, "strHR", PLUMEX_FIELD(strHR))),
});

#undef PLUMEX_FIELD

}  // namespace

std::span<const SettingEntry> SettingsTable() { return kTable; }

Limits AllowedRange(const Settings& settings, const int& field) {
  // Accessors only name a member; nothing is written through them here.
  Settings& owner = const_cast<Settings&>(settings);
  for (const SettingEntry& entry : kTable) {
    const IntField* accessor = std::get_if<IntField>(&entry.field);
    if (accessor != nullptr && &(*accessor)(owner) == &field) return entry.offered;
  }
  return {};
}

std::optional<std::string> TypedValue(TextRule rule, std::string_view typed) {
  std::string value(typed);
  switch (rule) {
    case TextRule::AsTyped: break;
    case TextRule::NoBlanks: std::erase(value, ' '); break;
    case TextRule::Extension: {
      // It ends a file name: a folder or a control character would take the
      // name somewhere else or make it unreadable.
      const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; };
      const auto blank = [](char c) { return c == ' ' || c == '\t'; };
      while (!value.empty() && blank(value.back())) value.pop_back();
      const auto first = std::find_if(value.begin(), value.end(), [&](char c) { return !blank(c) && c != '.'; });
      value.erase(value.begin(), first);
      if (value.find('/') != std::string::npos || std::any_of(value.begin(), value.end(), control))
        return std::nullopt;
      break;
    }
  }
  return value;
}

}  // namespace plumex
