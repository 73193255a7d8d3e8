#include "config/settings_table.h"

#include <array>

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

constexpr std::string_view E = kSectionEditor;
constexpr std::string_view A = kSectionAutodetect;
constexpr std::string_view P = kSectionPrintFont;
constexpr std::string_view U = kSectionUserStyle;

const auto kTable = std::to_array<SettingEntry>({
    Constant(kSectionGeneral, "ProgName", "Plumex"),
    Constant(kSectionGeneral, "ProgVer", PLUMEX_VERSION),
    Constant(kSectionGeneral, "ProgDate", "17.04.2004"),

    Text(E, "LastPath", PLUMEX_FIELD(LastPath)),
    // 0 or less turns the wheel off.
    Offered({1, 20}, Int(E, "LinesToScroll", PLUMEX_FIELD(LinesToScroll), kEditorCapacity)),
    Int(E, "DefCharSet", PLUMEX_FIELD(DefCharSet), kByte, OutOfRange::UseDefault),
    // Start-up adds one to it: the cap keeps that sum in range.
    Int(E, "Starts", PLUMEX_FIELD(Starts), {0, 1'000'000'000}),
    Int(E, "Language", PLUMEX_FIELD(Language), kNotNegative),
    Int(E, "Style", PLUMEX_FIELD(Style), kNotNegative),
    // Schemes 1 to 5; another number names none and leaves the look as it is.
    Int(E, "AppearStyle", PLUMEX_FIELD(AppearStyle), kAnyValue),
    Text(E, "DefExt", PLUMEX_FIELD(DefExt)),
    // Blanks a Tab becomes; 0 or less, none.
    Int(E, "SpaceTab", PLUMEX_FIELD(SpaceTab), kEditorCapacity),
    Int(E, "EditorLeft", PLUMEX_FIELD(EditorLeft), kPosition),
    Int(E, "EditorTop", PLUMEX_FIELD(EditorTop), kPosition),
    Int(E, "EditorWidth", PLUMEX_FIELD(EditorWidth), kWindowSide),
    Int(E, "EditorHeight", PLUMEX_FIELD(EditorHeight), kWindowSide),
    // The settings dialog is never smaller than 500 by 390.
    Int(E, "SetsWidth", PLUMEX_FIELD(SetsWidth), {500, 16384}),
    Int(E, "SetsHeight", PLUMEX_FIELD(SetsHeight), {390, 16384}),
    Bool(E, "IsAutoSaving", PLUMEX_FIELD(IsAutoSaving)),
    // The auto-save counter is compared with it: 0 or less never matches.
    Offered({1, 60}, Int(E, "Mins", PLUMEX_FIELD(Mins), kNotNegative)),
    Bool(E, "IsNewWindow", PLUMEX_FIELD(IsNewWindow)),
    Bool(E, "IsSavePosition", PLUMEX_FIELD(IsSavePosition)),
    Bool(E, "IsWW", PLUMEX_FIELD(IsWW)),
    Bool(E, "IsDC", PLUMEX_FIELD(IsDC)),
    Bool(E, "IsDetectURL", PLUMEX_FIELD(IsDetectURL)),
    Bool(E, "IsSound", PLUMEX_FIELD(IsSound)),
    Bool(E, "IsStayOnTop", PLUMEX_FIELD(IsStayOnTop)),
    Bool(E, "IsSaveFocus", PLUMEX_FIELD(IsSaveFocus)),
    Bool(E, "IsSaveExit", PLUMEX_FIELD(IsSaveExit)),
    Bool(E, "IsShowMenu", PLUMEX_FIELD(IsShowMenu)),
    Bool(E, "IsShowScroll", PLUMEX_FIELD(IsShowScroll)),
    Bool(E, "IsShowStatusFS", PLUMEX_FIELD(IsShowStatusFS)),
    Bool(E, "IsShowStatusNorm", PLUMEX_FIELD(IsShowStatusNorm)),
    Bool(E, "IsShowToolNorm", PLUMEX_FIELD(IsShowToolNorm)),
    Bool(E, "IsChAttrs", PLUMEX_FIELD(IsChAttrs)),
    Bool(E, "IsLimit", PLUMEX_FIELD(IsLimit)),
    Bool(E, "IsMax", PLUMEX_FIELD(IsMax)),
    Bool(E, "IsRestoreCaret", PLUMEX_FIELD(IsRestoreCaret)),
    Bool(E, "IsConfirmSaveAs", PLUMEX_FIELD(IsConfirmSaveAs)),
    // A column counted from 1: 0 or less never rings.
    Offered({1, 999}, Int(E, "CharsLimit", PLUMEX_FIELD(CharsLimit), kNotNegative)),
    Offered({0, 9999}, Int(E, "LInd", PLUMEX_FIELD(LInd), kMargin)),
    Offered({0, 9999}, Int(E, "RInd", PLUMEX_FIELD(RInd), kMargin)),
    Bool(E, "MyIndent", PLUMEX_FIELD(MyIndent)),
    Bool(E, "IsIntegrIE", PLUMEX_FIELD(IsIntegrIE)),
    Bool(E, "UseSecondsDateTime", PLUMEX_FIELD(UseSecondsDateTime)),
    // 0 none, 1 minimise, 2 exit; another value does nothing.
    Offered({0, 2}, Int(E, "EscFunction", PLUMEX_FIELD(EscFunction), kAnyValue)),
    Bool(E, "IsBeepOff", PLUMEX_FIELD(IsBeepOff)),
    Int(E, "NormFontSize", PLUMEX_FIELD(NormFontSize), kFontSize),
    Bool(E, "IsDefReadOnly", PLUMEX_FIELD(IsDefReadOnly)),
    Bool(E, "IsMake1251", PLUMEX_FIELD(IsMake1251)),
    Text(E, "str1251", PLUMEX_FIELD(str1251)),
    Text(E, "str1252", PLUMEX_FIELD(str1252)),
    Bool(E, "IsUseSuperPopup", PLUMEX_FIELD(IsUseSuperPopup)),
    Bool(E, "IsReplaceTabs", PLUMEX_FIELD(IsReplaceTabs)),
    Bool(E, "IsDebug", PLUMEX_FIELD(IsDebug)),
    Bool(E, "IsChangeFindDlgPos", PLUMEX_FIELD(IsChangeFindDlgPos)),
    Int(E, "StartCharMap", PLUMEX_FIELD(StartCharMap), kByte),
    Int(E, "EndCharMap", PLUMEX_FIELD(EndCharMap), kByte),
    // 1 a caret position; any other value a line, as the bookmark reads it.
    Offered({0, 1}, Int(E, "BookmarkType", PLUMEX_FIELD(BookmarkType), kAnyValue)),
    Int(E, "Bookmark", PLUMEX_FIELD(Bookmark), kNotNegative),
    Bool(E, "UseAppFolder", PLUMEX_FIELD(UseAppFolder)),
    Bool(E, "UseTempFile", PLUMEX_FIELD(UseTempFile)),

    Bool(A, "IsAutoDetect", PLUMEX_FIELD(IsAutoDetect)),
    Bool(A, "IsDirectConvert", PLUMEX_FIELD(IsDirectConvert)),
    Bool(A, "IsDetectFormat", PLUMEX_FIELD(IsDetectFormat)),
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
    Text(P, "Name", PLUMEX_FIELD(PrintFont.Name)),
    Bool(P, "Bold", PLUMEX_FIELD(PrintFont.Bold)),
    Bool(P, "Italic", PLUMEX_FIELD(PrintFont.Italic)),

    Int(U, "BackColor", PLUMEX_FIELD(UserStyle.BackColor), kColor, OutOfRange::UseDefault),
    Int(U, "Charset", PLUMEX_FIELD(UserStyle.Charset), kByte, OutOfRange::UseDefault),
    Int(U, "Size", PLUMEX_FIELD(UserStyle.Size), kFontSize),
    Int(U, "Color", PLUMEX_FIELD(UserStyle.Color), kColor, OutOfRange::UseDefault),
    Text(U, "Name", PLUMEX_FIELD(UserStyle.Name)),
    Bool(U, "Bold", PLUMEX_FIELD(UserStyle.Bold)),
    Bool(U, "Italic", PLUMEX_FIELD(UserStyle.Italic)),
    Bool(U, "Underline", PLUMEX_FIELD(UserStyle.Underline)),
    Bool(U, "StrikeOut", PLUMEX_FIELD(UserStyle.StrikeOut)),

    // -1: the list was never set up, install the defaults; any other value
    // loads the list, as 0 does.
    Int(kSectionExts, "CountExts", PLUMEX_FIELD(CountExts), {-1, INT_MAX}, OutOfRange::UseZero),

    Text(kSectionAdditional, "strSpecChars", PLUMEX_FIELD(strSpecChars)),
    Text(kSectionAdditional, "strHR", PLUMEX_FIELD(strHR)),
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

}  // namespace plumex
