#include "config/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "config/settings_store.h"
#include "config/settings_table.h"
#include "language/language_table.h"
#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

// A field's value as the file spells it, for comparisons that name the key.
std::string ValueText(const SettingEntry& entry, const Settings& settings) {
  Settings& s = const_cast<Settings&>(settings);  // accessors only name the member
  if (const auto* field = std::get_if<IntField>(&entry.field)) return std::to_string((*field)(s));
  if (const auto* field = std::get_if<BoolField>(&entry.field)) return (*field)(s) ? "1" : "0";
  if (const auto* field = std::get_if<TextField>(&entry.field)) return (*field)(s);
  return std::string(std::get<std::string_view>(entry.field));
}

// Field by field first, so that a difference names its key.
void ExpectSameSettings(const Settings& actual, const Settings& expected) {
  for (const SettingEntry& entry : SettingsTable())
    EXPECT_EQ(ValueText(entry, actual), ValueText(entry, expected)) << entry.section << "/" << entry.key;
  EXPECT_TRUE(actual == expected) << "a field outside the table differs";
}

Settings Loaded(const std::string& bytes) {
  Settings settings;
  LoadSettings(IniFile::Parse(bytes), settings);
  return settings;
}

IniFile Saved(const Settings& settings, TableSource tables = TableSource::SettingsFile, const std::string& old = "") {
  IniFile file = IniFile::Parse(old);
  SaveSettings(settings, file, tables);
  return IniFile::Parse(file.Serialize());
}

// The first start writes every key, each listed once, in the file's order;
// LastPath only when it is to be restored, SpaceTab as what the Tab key
// inserts, the font character sets in one byte.
TEST(Settings, MissingFileGivesTheBuiltInSettingsAndAFirstStartThatWritesEveryKey) {
  Settings settings;
  settings.Mins = 44;
  EXPECT_TRUE(LoadSettings(IniFile(), settings).firstStart);
  ExpectSameSettings(settings, Settings());
  IniFile file = Saved(settings);
  std::set<std::string> keys;
  for (const SettingEntry& entry : SettingsTable()) {
    EXPECT_EQ(file.ReadString(entry.section, entry.key, "<missing>"), ValueText(entry, settings)) << entry.key;
    EXPECT_TRUE(keys.insert(IniFile::FoldName(entry.section) + "/" + IniFile::FoldName(entry.key)).second) << entry.key;
  }
  EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"GENERAL", "EDITOR", "AUTODETECT", "ECODINGS", "CASE",
                                                           "LAYOUT", "PRINT_FONT", "USER_STYLE", "EXTS", "ADDITIONAL"}));
  EXPECT_EQ(file.Keys("LAYOUT"), (std::vector<std::string>{"LOCount", "1", "En", "StrLO_En", "2", "Ru", "StrLO_Ru"}));

  settings.LastPath = "/home/user/texts/";
  settings.TabSpaces = "  ";
  settings.PrintFont.Charset = 0x1CC;
  settings.UserStyle.Charset = -1;
  file = Saved(settings);
  EXPECT_EQ(file.ReadString("EDITOR", "LastPath", "?") + file.ReadString("EDITOR", "SpaceTab", ""), "2");
  EXPECT_EQ(file.ReadInteger("PRINT_FONT", "Charset", 0) + file.ReadInteger("USER_STYLE", "Charset", 0), 0xCC + 0xFF);
  settings.RestoreLastPath = true;
  EXPECT_EQ(Saved(settings).ReadString("EDITOR", "LastPath", ""), settings.LastPath);
}

TEST(Settings, EveryFieldSurvivesASaveAndALoad) {
  Settings s;
  for (const SettingEntry& entry : SettingsTable()) {
    if (const auto* field = std::get_if<IntField>(&entry.field))
      (*field)(s) = (*field)(s) != entry.limits.min ? entry.limits.min : entry.limits.max;
    else if (const auto* field = std::get_if<BoolField>(&entry.field))
      (*field)(s) = !(*field)(s);
    else if (const auto* field = std::get_if<TextField>(&entry.field))
      (*field)(s) = " \"" + std::string(entry.section) + "\" ;\\" + std::string(entry.key) + "\xE9\xFF ";
  }
  s.RestoreLastPath = true;
  s.TabSpaces.assign(static_cast<std::size_t>(s.SpaceTab), ' ');
  s.LOCount = 3;
  s.Layouts = {{{"Aa", "0000040A", "abc"}, {"B b", "0000040B", " \"x\" "}, {"\xD1\xF0", "00000C1A", "\xE0\xE1\xE2"}}};
  s.CaseUpperAll = s.StrUpCase_En + s.StrUpCase_Ru + s.StrUpCase_Add;
  s.CaseLowerAll = s.StrLoCase_En + s.StrLoCase_Ru + s.StrLoCase_Add;
  ExpectSameSettings(Loaded(Saved(s).Serialize()), s);
  std::string junk;  // and a hostile file loads without harm
  for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 7919) % 256);
  const Settings hostile = Loaded("[EDITOR]\n" + junk + "\n[LAYOUT]\nLOCount=3\n" + junk);
  EXPECT_EQ(hostile.TabSpaces.size(), static_cast<std::size_t>(hostile.SpaceTab));
  EXPECT_TRUE(Loaded(Saved(hostile).Serialize()) == hostile);
}

// A hand-edited value is read as the INI layer reads it, then brought into
// the meaning the program gives that key and no further: the wheel stays
// off, an unknown Esc action stays unknown (and does nothing).
TEST(Settings, HandEditedValuesKeepTheirMeaningThroughLoadAndSave) {
  constexpr const char *E = "EDITOR", *A = "AUTODETECT", *U = "USER_STYLE", *X = "EXTS", *C = "16777215";
  const struct { const char *section, *key, *stored, *loaded; } cases[] = {
      {E, "LinesToScroll", "0", "0"}, {E, "LinesToScroll", "-4", "0"}, {E, "LinesToScroll", "99", "99"},
      {E, "LinesToScroll", "2147483647", C}, {E, "EscFunction", "3", "3"}, {E, "EscFunction", "-1", "-1"},
      {E, "SpaceTab", "-3", "0"}, {E, "SpaceTab", "2147483647", C}, {E, "AppearStyle", "0", "0"},
      {E, "AppearStyle", "9", "9"}, {E, "Mins", "0", "0"}, {E, "Mins", "90", "90"}, {E, "CharsLimit", "0", "0"},
      {E, "CharsLimit", "5000", "5000"}, {E, "RInd", "20000", "16384"}, {E, "BookmarkType", "5", "5"},
      {E, "Bookmark", "-7", "0"}, {E, "SetsWidth", "10", "500"}, {E, "Starts", "2147483647", "1000000000"},
      {E, "EditorLeft", "-2147483648", "-16384"}, {E, "NormFontSize", "0", "1"}, {U, "Size", "100000", "16384"},
      {E, "StartCharMap", "300", "300"}, {E, "EndCharMap", "2147483647", "2147483647"}, {E, "IsWW", "yes", "0"},
      {E, "IsWW", "", "1"}, {A, "DetectBuffer", "0", "1024"}, {A, "DetectBuffer", "5", "5"},
      {A, "WinDetectString", "", "\xE5\xE8\xED\xEE"}, {"PRINT_FONT", "Charset", "256", "204"},
      {U, "BackColor", "16777216", "15727868"}, {X, "CountExts", "-5", "0"}, {X, "CountExts", "-1", "-1"},
      {"LAYOUT", "LOCount", "99", "2"},
  };
  for (const auto& c : cases) {
    const std::string where = std::string(c.key) + "=" + c.stored;
    const Settings settings = Loaded("[" + std::string(c.section) + "]\n" + where + "\n");
    std::string loaded = "<no such key>";
    for (const SettingEntry& entry : SettingsTable())
      if (entry.section == c.section && entry.key == c.key) loaded = ValueText(entry, settings);
    EXPECT_EQ(loaded, c.loaded) << where;
    EXPECT_EQ(Saved(settings).ReadString(c.section, c.key, ""), c.loaded) << where;
    EXPECT_EQ(settings.TabSpaces.size(), static_cast<std::size_t>(settings.SpaceTab)) << where;
  }
  Settings settings;
  const std::pair<const char*, bool> starts[] = {{"0", true}, {"-4", true}, {"junk", true}, {"1", false}};
  for (const auto& [value, first] : starts)
    EXPECT_EQ(LoadSettings(IniFile::Parse(std::string("[EDITOR]\nStarts=") + value), settings).firstStart, first);
  // The settings dialog offers its own ranges, from the same table.
  const std::pair<const int*, std::pair<int, int>> offered[] = {
      {&settings.Mins, {1, 60}}, {&settings.LinesToScroll, {1, 20}}, {&settings.EscFunction, {0, 2}}};
  for (const auto& [field, range] : offered)
    EXPECT_EQ(std::make_pair(AllowedRange(settings, *field).min, AllowedRange(settings, *field).max), range);
}

TEST(Settings, AtMostThreeLayoutsAndOnlyUsableOnesAreKept) {
  const struct { const char* lines; int count; const char* firstName; } cases[] = {
      {"LOCount=0\n1=Aa", 2, "En"}, {"LOCount=2\n1=\n2=Ru", 2, "En"}, {"LOCount=2\n1=a=b", 2, "En"},  // no key
      {"LOCount=2\n1=2", 2, "En"}, {"LOCount=2\n1=LOCount", 2, "En"},  // would overwrite layout 2's name; the count
      {"LOCount=2\n1=;x", 2, "En"}, {"LOCount=3\n1=Aa\n2=aA\n3=Bb", 1, "Aa"},  // a comment; names differ only in case
      {"LOCount=3\n1=Aa\n2=Bb\n3=", 2, "Aa"}, {"LOCount=1\n1=Aa", 1, "Aa"},
      {"LOCount=3\n1=Aa\n2=Bb", 2, "Aa"}, {"1=x\n2=StrLO_x", 1, "x"},  // "3" missing; layout 2's id key is 1's row
      {"LOCount=7\n3=Ua\nUa=00000422\nStrLO_Ua=\xE9\xF6\xF3\n4=Xx\nXx=1\nStrLO_Xx=x", 3, "En"},
  };
  for (const auto& c : cases) {
    const Settings settings = Loaded(std::string("[LAYOUT]\n") + c.lines);
    EXPECT_EQ(std::pair(settings.LOCount, settings.Layouts[0].Name), std::pair(c.count, std::string(c.firstName)))
        << c.lines;
    for (int i = 0; i < kMaxLayouts; ++i)
      EXPECT_EQ(settings.Layouts[i] == LayoutSlot{}, i >= settings.LOCount) << c.lines << " slot " << i;
    EXPECT_TRUE(Loaded(Saved(settings).Serialize()) == settings) << c.lines;
  }
  // A renamed layout has only what the file gives it; names and identifiers
  // are cut to 255 characters.
  const std::string name(300, 'n');
  const Settings renamed = Loaded("[LAYOUT]\n1=" + name + "\n" + name.substr(0, 255) + "=" + std::string(400, '9'));
  EXPECT_EQ(renamed.Layouts[0], (LayoutSlot{name.substr(0, 255), std::string(255, '9'), ""}));
  EXPECT_EQ(renamed.Layouts[1], Settings().Layouts[1]);
}

// A language file (here in UTF-8, as some are saved) brings only its tables,
// and of those only the ones whose characters all fit Windows-1251; they
// never reach the settings file, which keeps its own. Case pairs of unequal
// length are cut to the shorter, so positions keep pairing.
TEST(Settings, LanguageTablesReplaceOnlyTablesAndNeverReachTheSettingsFile) {
  const std::string original = "[EDITOR]\nMins=9\n[AUTODETECT]\nWinDetectString=abc\nDetectBuffer=77\n[ECODINGS]\n"
                               "StrWIN=w\n[CASE]\nStrUpCase_En=ABC\nStrLoCase_En=ab\nStrUpCase_Add=U\n"
                               "[LAYOUT]\nLOCount=1\n1=Xx\nXx=1\nStrLO_Xx=x\n";
  Settings settings = Loaded(original);
  LoadTables(IniFile::Parse("\xEF\xBB\xBF[EDITOR]\nMins=30\n[ECODINGS]\nStrKOI=k\nStrMAC=m\xE4\xB8\xAD\n"
                            "[CASE]\nStrUpCase_Add=\xD0\x86\nStrLoCase_Add=\xD1\x96\nStrUpCase_En=no\n"
                            "[AUTODETECT]\nDetectBuffer=-1\nWinDetectString=\xD0\xB0\n"
                            "[LAYOUT]\nLOCount=3\n2=Ru\n3=Ua\nUa=00000422\nStrLO_Ua=u\n"),
             settings);
  EXPECT_EQ(settings.Mins + settings.DetectBuffer, 9 + 1024);
  EXPECT_EQ(settings.StrKOI + settings.StrWIN + settings.WinDetectString, "kw\xE0");
  EXPECT_EQ(settings.StrMAC, Settings().StrMAC) << "a table with a character 1251 lacks";
  EXPECT_EQ(settings.StrUpCase_En, "ABC") << "not a table; kept whole";
  EXPECT_EQ(settings.Layouts[2], (LayoutSlot{"Ua", "00000422", "u"}));
  EXPECT_EQ(settings.CaseUpperAll + "|" + settings.CaseLowerAll,
            "AB" + settings.StrUpCase_Ru + "\xB2|ab" + settings.StrLoCase_Ru + "\xB3");

  settings.Mins = 7;
  const IniFile file = Saved(settings, TableSource::LanguageFile, original);
  EXPECT_EQ(file.ReadString("ECODINGS", "StrWIN", "") + file.ReadString("AUTODETECT", "WinDetectString", ""), "wabc");
  EXPECT_EQ(file.ReadInteger("AUTODETECT", "DetectBuffer", 0) + file.ReadInteger("EDITOR", "Mins", 0), 77 + 7);
  EXPECT_FALSE(file.HasKey("ECODINGS", "StrKOI") || file.HasKey("CASE", "StrLoCase_Add") || file.HasKey("LAYOUT", "Ua"));
  EXPECT_TRUE(file.ReadString("LAYOUT", "1", "") == "Xx" && file.HasKey("AUTODETECT", "IsAutoDetect"));
}

// A settings file that cannot be read (IniFile.LoadTellsMissingLoadedAndFailedApart
// tells which) gives the built-in settings and is never written over.
TEST(SettingsStore, AFileThatCannotBeReadIsNeverWrittenOverAndLoadingWritesNothing) {
  test::TempDir dir;
  std::filesystem::create_directory(dir / "folder.ini");
  SettingsStore store;
  Settings settings;
  settings.Mins = 33;
  EXPECT_FALSE(store.Load(dir / "folder.ini", settings).firstStart);
  EXPECT_TRUE(store.LoadFailed() && !store.LoadError().empty() && settings.Mins == Settings().Mins);
  const IoStatus saved = store.Save(settings, TableSource::SettingsFile);
  EXPECT_TRUE(!saved && !saved.error.empty() && std::filesystem::is_directory(dir / "folder.ini"));
  EXPECT_FALSE(SettingsStore().Save(Settings(), TableSource::SettingsFile)) << "nothing was loaded";
  EXPECT_TRUE(SettingsStore().Load(dir / "new.ini", settings).firstStart && !std::filesystem::exists(dir / "new.ini"));
}

// A typed default extension ends file names: trimmed, without leading dots,
// and nothing that leaves the folder or cannot be read back.
TEST(SettingsTable, TypedTextsAreCleanedOrRefusedByTheirRule) {
  using enum TextRule;
  const std::nullopt_t no = std::nullopt;
  const struct { TextRule rule; const char* typed; std::optional<std::string> value; } cases[] = {
      {Extension, " \t..txt\t", "txt"}, {Extension, ".tar.gz", "tar.gz"}, {Extension, " . ", ""},
      {Extension, "\xF2\xE5\xEA", "\xF2\xE5\xEA"}, {Extension, "../etc", no}, {Extension, "a/b", no},
      {Extension, "t\nx", no}, {Extension, "x\x7F", no}, {NoBlanks, " a  b ", "ab"}, {AsTyped, " a ", " a "}};
  for (const auto& c : cases) EXPECT_EQ(TypedValue(c.rule, c.typed), c.value) << c.typed;
}

TEST(SettingsTable, DialogBindingsNameKnownCaptionsAndCheckBoxGuards) {
  std::set<std::string> keys, names;
  for (const LanguageText& text : EnglishTexts()) keys.insert(text.key);
  for (const SettingEntry& entry : SettingsTable()) {
    const DialogBinding& shown = entry.dialog;
    if (shown.control == DialogControl::None) continue;
    EXPECT_TRUE(names.insert(std::string(shown.name)).second) << shown.name;
    for (std::string_view key : {shown.caption, shown.after})
      EXPECT_TRUE(key.empty() || keys.count(std::string(key))) << shown.name << ": " << key;
    for (std::string_view item : shown.items)
      EXPECT_TRUE(shown.control != DialogControl::Choice || keys.count(std::string(item))) << item;
    if (shown.guard.empty()) continue;
    const auto guard = std::find_if(SettingsTable().begin(), SettingsTable().end(),
                                    [&](const SettingEntry& other) { return other.key == shown.guard; });
    ASSERT_NE(guard, SettingsTable().end()) << shown.guard;
    EXPECT_EQ(std::pair(guard->dialog.control, guard->dialog.page), std::pair(DialogControl::Check, shown.page));
  }
}

}  // namespace
}  // namespace plumex
