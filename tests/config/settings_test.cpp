#include "config/settings.h"

#include <gtest/gtest.h>

#include <set>

#include "config/settings_table.h"

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
  EXPECT_EQ(actual.Layouts, expected.Layouts);
  EXPECT_TRUE(actual == expected) << "a field outside the table differs";
}

Settings Loaded(const std::string& bytes) {
  Settings settings;
  LoadSettings(IniFile::Parse(bytes), settings);
  return settings;
}

// Every keyed field away from its default, texts with blanks, quotes,
// semicolons, backslashes and high bytes.
Settings EverythingChanged() {
  Settings s;
  for (const SettingEntry& entry : SettingsTable()) {
    if (const auto* field = std::get_if<IntField>(&entry.field)) {
      int& value = (*field)(s);
      value = value != entry.limits.min ? entry.limits.min : entry.limits.max;
    } else if (const auto* field = std::get_if<BoolField>(&entry.field)) {
      bool& value = (*field)(s);
      value = !value;
    } else if (const auto* field = std::get_if<TextField>(&entry.field)) {
      (*field)(s) = " \"" + std::string(entry.section) + "\" ;\\" + std::string(entry.key) + "\xE9\xFF ";
    }
  }
  s.RestoreLastPath = true;
  s.TabSpaces.assign(static_cast<std::size_t>(s.SpaceTab), ' ');
  s.LOCount = 3;
  s.Layouts = {{{"Aa", "0000040A", "abc"}, {"B b", "0000040B", " \"x\" "}, {"\xD1\xF0", "00000C1A", "\xE0\xE1\xE2"}}};
  s.CaseUpperAll = s.StrUpCase_En + s.StrUpCase_Ru + s.StrUpCase_Add;
  s.CaseLowerAll = s.StrLoCase_En + s.StrLoCase_Ru + s.StrLoCase_Add;
  return s;
}

std::string Saved(const Settings& settings, TableSource tables = TableSource::SettingsFile,
                  const std::string& original = "") {
  IniFile file = IniFile::Parse(original);
  SaveSettings(settings, file, tables);
  return file.Serialize();
}

TEST(Settings, MissingFileGivesTheBuiltInSettingsAndAFirstStart) {
  Settings s = EverythingChanged();
  EXPECT_TRUE(LoadSettings(IniFile(), s).firstStart);
  ExpectSameSettings(s, Settings());
  // The code page tables and the layouts' keys themselves are checked where they are used.
  EXPECT_EQ(s.CaseUpperAll.size(), 70u);
  EXPECT_EQ(s.StrWIN, s.StrUpCase_Ru + s.StrLoCase_Ru);
  EXPECT_EQ(s.LOCount, 2);
  EXPECT_EQ(s.Layouts[0].Name + s.Layouts[0].Id + s.Layouts[1].Name + s.Layouts[1].Id, "En00000409Ru00000419");
  EXPECT_EQ(s.Layouts[0].Keys.size(), s.Layouts[1].Keys.size());
}

TEST(Settings, FirstSaveWritesEveryKeyOfEverySection) {
  Settings settings = Loaded("");
  const std::string bytes = Saved(settings);
  EXPECT_TRUE(bytes.starts_with("[GENERAL]\r\nProgName=Plumex\r\nProgVer=1.91\r\nProgDate=17.04.2004\r\n"));
  const IniFile file = IniFile::Parse(bytes);
  for (const SettingEntry& entry : SettingsTable())
    EXPECT_EQ(file.ReadString(entry.section, entry.key, "<missing>"), ValueText(entry, settings))
        << entry.section << "/" << entry.key;
  EXPECT_EQ(file.SectionNames(),
            (std::vector<std::string>{"GENERAL", "EDITOR", "AUTODETECT", "ECODINGS", "CASE", "LAYOUT",
                                      "PRINT_FONT", "USER_STYLE", "EXTS", "ADDITIONAL"}));
  EXPECT_EQ(file.Keys("LAYOUT"),
            (std::vector<std::string>{"LOCount", "1", "En", "StrLO_En", "2", "Ru", "StrLO_Ru"}));
  EXPECT_EQ(file.ReadString("LAYOUT", "StrLO_Ru", ""), settings.Layouts[1].Keys);
}

TEST(Settings, FirstStartIsAStartCountBelowOne) {
  const std::pair<const char*, bool> cases[] = {{"0", true}, {"-4", true}, {"junk", true}, {"1", false}};
  for (const auto& [starts, first] : cases) {
    Settings settings;
    EXPECT_EQ(LoadSettings(IniFile::Parse(std::string("[EDITOR]\nStarts=") + starts), settings).firstStart, first)
        << starts;
    EXPECT_GE(settings.Starts, 0);
  }
}

TEST(Settings, EveryFieldSurvivesASaveAndALoad) {
  const Settings changed = EverythingChanged();
  for (const SettingEntry& entry : SettingsTable()) {
    if (std::holds_alternative<std::string_view>(entry.field)) continue;
    EXPECT_NE(ValueText(entry, changed), ValueText(entry, Settings())) << entry.key << " kept its default";
  }
  ExpectSameSettings(Loaded(Saved(changed)), changed);
}

TEST(Settings, LastPathIsKeptOnlyWhenItIsToBeRestored) {
  Settings settings = Loaded("");
  settings.LastPath = "/home/user/texts/";
  EXPECT_EQ(Loaded(Saved(settings)).LastPath, "");
  settings.RestoreLastPath = true;
  EXPECT_TRUE(Loaded(Saved(settings)) == settings);
}

TEST(Settings, TabReplacementFollowsSpaceTab) {
  const std::pair<const char*, std::size_t> cases[] = {{"-3", 0}, {"1", 1}, {"2000000000", 64}, {"x", 6}};
  for (const auto& [value, blanks] : cases) {
    const Settings settings = Loaded(std::string("[EDITOR]\nSpaceTab=") + value + "\n");
    EXPECT_EQ(settings.TabSpaces, std::string(blanks, ' ')) << value;
    EXPECT_EQ(settings.SpaceTab, static_cast<int>(blanks)) << value;
    EXPECT_EQ(IniFile::Parse(Saved(settings)).ReadInteger("EDITOR", "SpaceTab", -1), static_cast<int>(blanks));
  }
  Settings settings = Loaded("");
  settings.TabSpaces = "  ";  // what the Tab key inserts is what is remembered
  EXPECT_EQ(IniFile::Parse(Saved(settings)).ReadInteger("EDITOR", "SpaceTab", -1), 2);
}

// "Key=value": the key's value after loading `lines` under `section`.
std::string LoadedValue(std::string_view section, std::string_view key, const std::string& lines) {
  const Settings settings = Loaded("[" + std::string(section) + "]\n" + lines);
  for (const SettingEntry& entry : SettingsTable())
    if (entry.section == section && entry.key == key) return std::string(key) + "=" + ValueText(entry, settings);
  return "no such key";
}

TEST(Settings, HandEditedValuesAreBroughtIntoRange) {
  const struct { const char* section; const char* lines; std::string expected; } cases[] = {
      {"EDITOR", "LinesToScroll=0", "LinesToScroll=1"},    {"EDITOR", "LinesToScroll=99", "LinesToScroll=20"},
      {"EDITOR", "LinesToScroll=abc", "LinesToScroll=3"},  {"EDITOR", "CharsLimit=5000", "CharsLimit=999"},
      {"EDITOR", "RInd=10000", "RInd=9999"},               {"EDITOR", "AppearStyle=9", "AppearStyle=5"},
      {"EDITOR", "EscFunction=3", "EscFunction=2"},        {"EDITOR", "BookmarkType=5", "BookmarkType=1"},
      {"EDITOR", "Bookmark=-7", "Bookmark=0"},             {"EDITOR", "Style=-2147483648", "Style=0"},
      {"EDITOR", "Starts=2147483647", "Starts=1000000000"}, {"EDITOR", "SetsWidth=10", "SetsWidth=500"},
      {"EDITOR", "EditorHeight=99999999", "EditorHeight=16384"},
      {"EDITOR", "EditorLeft=-2147483648", "EditorLeft=-16384"},
      {"EDITOR", "NormFontSize=0", "NormFontSize=1"},      {"EDITOR", "DefCharSet=300", "DefCharSet=204"},
      {"EDITOR", "StartCharMap=-1", "StartCharMap=0"},
      {"EDITOR", "StartCharMap=300\nEndCharMap=255", "StartCharMap=255"},
      {"EDITOR", "StartCharMap=200\nEndCharMap=100", "StartCharMap=100"},
      {"EDITOR", "StartCharMap=200\nEndCharMap=100", "EndCharMap=200"},
      {"EDITOR", "IsWW=0", "IsWW=0"}, {"EDITOR", "IsWW=yes", "IsWW=1"}, {"EDITOR", "IsDC=7", "IsDC=1"},
      {"AUTODETECT", "DetectBuffer=0", "DetectBuffer=1024"}, {"AUTODETECT", "DetectBuffer=-5", "DetectBuffer=1024"},
      {"AUTODETECT", "DetectBuffer=5", "DetectBuffer=5"},
      {"AUTODETECT", "WinDetectString=", "WinDetectString=\xE5\xE8\xED\xEE"},
      {"PRINT_FONT", "Charset=256", "Charset=204"}, {"PRINT_FONT", "Size=0", "Size=1"},
      {"PRINT_FONT", "Color=-1", "Color=0"},        {"USER_STYLE", "Size=100000", "Size=999"},
      {"USER_STYLE", "BackColor=16777216", "BackColor=15727868"},
      {"EXTS", "CountExts=-5", "CountExts=-1"},     {"EXTS", "CountExts=-1", "CountExts=-1"},
      {"LAYOUT", "LOCount=2147483647", "LOCount=2"},
  };
  for (const auto& c : cases) {
    const std::string key = c.expected.substr(0, c.expected.find('='));
    EXPECT_EQ(LoadedValue(c.section, key, c.lines), c.expected) << c.section << ": " << c.lines;
  }
}

TEST(Settings, DialogReadsItsLimitsFromTheTable) {
  const Settings s;
  const std::pair<const int*, std::pair<int, int>> cases[] = {
      {&s.Mins, {1, 60}}, {&s.LInd, {0, 9999}}, {&s.PrintFont.Charset, {0, 255}},
  };
  for (const auto& [field, range] : cases)
    EXPECT_EQ(std::make_pair(AllowedRange(s, *field).min, AllowedRange(s, *field).max), range);
  const int elsewhere = 0;
  EXPECT_EQ(AllowedRange(s, elsewhere).min, Limits().min);
}

TEST(Settings, NoKeyIsListedTwice) {
  std::set<std::string> keys;
  for (const SettingEntry& entry : SettingsTable())
    EXPECT_TRUE(keys.insert(IniFile::FoldName(entry.section) + "/" + IniFile::FoldName(entry.key)).second)
        << entry.section << "/" << entry.key;
}

TEST(Settings, AtMostThreeLayoutsAndOnlyUsableOnesAreKept) {
  const struct { const char* bytes; int count; const char* firstName; } cases[] = {
      {"[LAYOUT]\nLOCount=0\n1=Aa\n", 2, "En"},
      {"[LAYOUT]\nLOCount=2\n1=\n2=Ru\n", 2, "En"},
      {"[LAYOUT]\nLOCount=2\n1=2\n", 2, "En"},         // its keys would overwrite layout 2's name
      {"[LAYOUT]\nLOCount=2\n1=LOCount\n", 2, "En"},   // would overwrite the count
      {"[LAYOUT]\nLOCount=2\n1=a=b\n", 2, "En"},       // cannot be a key
      {"[LAYOUT]\nLOCount=2\n1=;x\n", 2, "En"},        // would be a comment
      {"[LAYOUT]\nLOCount=3\n1=Aa\n2=aA\n3=Bb\n", 1, "Aa"},  // names differ only in case
      {"[LAYOUT]\nLOCount=3\n1=Aa\n2=Bb\n3=\n", 2, "Aa"},
      {"[LAYOUT]\nLOCount=1\n1=Aa\n", 1, "Aa"},
      {"[LAYOUT]\nLOCount=3\n1=Aa\n2=Bb\n", 2, "Aa"},  // "3" missing: slot 3 was empty
      {"[LAYOUT]\n1=x\n2=StrLO_x\n", 1, "x"},          // layout 2's identifier key is layout 1's row
      {"[LAYOUT]\nLOCount=7\n3=Ua\nUa=00000422\nStrLO_Ua=\xE9\xF6\xF3\n4=Xx\nXx=1\nStrLO_Xx=x\n", 3, "En"},
  };
  for (const auto& c : cases) {
    const Settings settings = Loaded(c.bytes);
    EXPECT_EQ(settings.LOCount, c.count) << c.bytes;
    EXPECT_EQ(settings.Layouts[0].Name, c.firstName) << c.bytes;
    for (int i = settings.LOCount; i < kMaxLayouts; ++i)
      EXPECT_TRUE(settings.Layouts[i] == LayoutSlot{}) << c.bytes << " slot " << i;
    for (int i = 0; i < settings.LOCount; ++i) EXPECT_FALSE(settings.Layouts[i].Name.empty()) << c.bytes;
    EXPECT_TRUE(Loaded(Saved(settings)) == settings) << c.bytes;
  }
  // A renamed layout has only what the file gives it.
  const Settings renamed = Loaded("[LAYOUT]\n1=Qq\n");
  EXPECT_EQ(renamed.Layouts[0].Id, "");
  EXPECT_EQ(renamed.Layouts[0].Keys, "");
  EXPECT_EQ(renamed.Layouts[1], Settings().Layouts[1]);
}

TEST(Settings, LayoutNamesAndIdentifiersAreCutTo255) {
  const std::string name(300, 'n');
  const Settings settings =
      Loaded("[LAYOUT]\n1=" + name + "\n" + name.substr(0, 255) + "=" + std::string(400, '9') + "\n");
  EXPECT_EQ(settings.Layouts[0].Name, name.substr(0, 255));
  EXPECT_EQ(settings.Layouts[0].Id, std::string(255, '9'));
}

TEST(Settings, CaseTablesPairOnlyEqualLengths) {
  const Settings settings = Loaded("[CASE]\nStrUpCase_En=ABC\nStrLoCase_En=ab\nStrUpCase_Add=\nStrLoCase_Add=\xB3\n");
  EXPECT_EQ(settings.CaseUpperAll, "AB" + settings.StrUpCase_Ru);
  EXPECT_EQ(settings.CaseLowerAll, "ab" + settings.StrLoCase_Ru);
  EXPECT_EQ(settings.StrUpCase_En, "ABC") << "the stored text itself is kept";
}

TEST(Settings, LanguageTablesNeverReachTheSettingsFile) {
  const std::string original =
      "[AUTODETECT]\nWinDetectString=abc\nDetectBuffer=77\n[ECODINGS]\nStrWIN=w\n"
      "[CASE]\nStrUpCase_Add=U\n[LAYOUT]\nLOCount=1\n1=Xx\nXx=1\nStrLO_Xx=x\n";
  Settings settings = Loaded(original);
  settings.StrWIN = "from a language";
  settings.DetectBuffer = 5;
  settings.StrLoCase_Add = "language";
  settings.Layouts[0] = {"Zz", "2", "z"};
  settings.Mins = 7;
  const IniFile file = IniFile::Parse(Saved(settings, TableSource::LanguageFile, original));
  EXPECT_EQ(file.ReadString("ECODINGS", "StrWIN", ""), "w");
  EXPECT_EQ(file.ReadInteger("AUTODETECT", "DetectBuffer", 0), 77);
  EXPECT_EQ(file.ReadString("AUTODETECT", "WinDetectString", ""), "abc");
  EXPECT_FALSE(file.HasKey("ECODINGS", "StrDOS"));
  EXPECT_FALSE(file.HasKey("CASE", "StrLoCase_Add"));
  EXPECT_EQ(file.ReadString("LAYOUT", "1", ""), "Xx");
  EXPECT_FALSE(file.HasKey("LAYOUT", "Zz"));
  EXPECT_EQ(file.ReadInteger("EDITOR", "Mins", 0), 7);
  EXPECT_TRUE(file.HasKey("AUTODETECT", "IsAutoDetect"));
}

TEST(Settings, LanguageFileReplacesOnlyItsTables) {
  Settings settings = Loaded("[EDITOR]\nMins=9\n");
  const IniFile language = IniFile::Parse(
      "[EDITOR]\nMins=30\n[ECODINGS]\nStrKOI=k\n[CASE]\nStrUpCase_Add=\xB2\nStrLoCase_Add=\xB3\n"
      "StrUpCase_En=no\n[AUTODETECT]\nDetectBuffer=-1\n[LAYOUT]\nLOCount=3\n3=Ua\nUa=00000422\nStrLO_Ua=u\n");
  LoadTables(language, settings);
  EXPECT_EQ(settings.Mins, 9);
  EXPECT_EQ(settings.StrKOI, "k");
  EXPECT_EQ(settings.StrDOS, Settings().StrDOS);
  EXPECT_EQ(settings.StrUpCase_En, Settings().StrUpCase_En);
  EXPECT_EQ(settings.DetectBuffer, 1024);
  EXPECT_EQ(settings.LOCount, 3);
  EXPECT_EQ(settings.Layouts[0], Settings().Layouts[0]);
  EXPECT_EQ(settings.Layouts[2], (LayoutSlot{"Ua", "00000422", "u"}));
  EXPECT_EQ(settings.CaseUpperAll, settings.StrUpCase_En + settings.StrUpCase_Ru + "\xB2");
}

TEST(Settings, FontCharsetsAreSavedAsOneByte) {
  Settings settings = Loaded("");
  settings.PrintFont.Charset = 0x1CC;
  settings.UserStyle.Charset = -1;
  const IniFile file = IniFile::Parse(Saved(settings));
  EXPECT_EQ(file.ReadInteger("PRINT_FONT", "Charset", 0), 0xCC);
  EXPECT_EQ(file.ReadInteger("USER_STYLE", "Charset", 0), 0xFF);
}

TEST(Settings, HostileFileLoadsWithoutHarm) {
  std::string junk;
  for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 7919) % 256);
  const Settings settings = Loaded("[EDITOR]\n" + junk + "\n[LAYOUT]\nLOCount=3\n" + junk);
  EXPECT_GE(settings.LOCount, 1);
  EXPECT_LE(settings.LOCount, kMaxLayouts);
  EXPECT_LE(settings.TabSpaces.size(), 64u);
  EXPECT_TRUE(Loaded(Saved(settings)) == settings);
}

}  // namespace
}  // namespace plumex
