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

void ExpectSameSettings(const Settings& actual, const Settings& expected) {
  for (const SettingEntry& entry : SettingsTable())
    EXPECT_EQ(ValueText(entry, actual), ValueText(entry, expected)) << entry.section << "/" << entry.key;
  for (int i = 0; i < kMaxLayouts; ++i) {
    EXPECT_EQ(actual.Layouts[i].Name, expected.Layouts[i].Name) << "layout " << i;
    EXPECT_EQ(actual.Layouts[i].Id, expected.Layouts[i].Id) << "layout " << i;
    EXPECT_EQ(actual.Layouts[i].Keys, expected.Layouts[i].Keys) << "layout " << i;
  }
  EXPECT_EQ(actual.TabSpaces, expected.TabSpaces);
  EXPECT_EQ(actual.CaseUpperAll, expected.CaseUpperAll);
  EXPECT_EQ(actual.CaseLowerAll, expected.CaseLowerAll);
  EXPECT_EQ(actual.RestoreLastPath, expected.RestoreLastPath);
  EXPECT_TRUE(actual == expected) << "a field outside the table differs";
}

Settings Loaded(const std::string& bytes) {
  Settings settings;
  LoadSettings(IniFile::Parse(bytes), settings);
  return settings;
}

Settings LoadedDefaults() { return Loaded(""); }

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

TEST(Settings, BuiltInCodePageTablesHoldTheSameLettersInTheirCodePages) {
  const Settings s;
  const std::string* tables[] = {&s.StrWIN, &s.StrDOS, &s.StrKOI, &s.StrMAC, &s.StrISO};
  for (const std::string* table : tables) {
    ASSERT_EQ(table->size(), 66u);
    EXPECT_EQ(std::set<char>(table->begin(), table->end()).size(), 66u) << "a byte stands twice";
    for (char c : *table) EXPECT_GE(static_cast<unsigned char>(c), 0x80);
  }
  EXPECT_EQ(s.StrWIN, s.StrUpCase_Ru + s.StrLoCase_Ru);
  // Привет in each code page, mapped letter by letter from Windows-1251.
  const std::string privet = "\xCF\xF0\xE8\xE2\xE5\xF2";
  const std::pair<const std::string*, std::string> expected[] = {
      {&s.StrDOS, "\x8F\xE0\xA8\xA2\xA5\xE2"},
      {&s.StrKOI, "\xF0\xD2\xC9\xD7\xC5\xD4"},
      {&s.StrMAC, "\x8F\xF0\xE8\xE2\xE5\xF2"},
      {&s.StrISO, "\xBF\xE0\xD8\xD2\xD5\xE2"},
  };
  for (const auto& [table, bytes] : expected) {
    std::string mapped;
    for (char c : privet) mapped += (*table)[s.StrWIN.find(c)];
    EXPECT_EQ(mapped, bytes);
  }
  EXPECT_EQ(s.StrDOS.substr(33, 6), "\xF1\xA9\xE6\xE3\xAA\xA5");
  EXPECT_EQ(s.StrKOI.substr(0, 6), "\xB3\xEA\xE3\xF5\xEB\xE5");
  EXPECT_EQ(s.StrMAC.substr(33, 6), "\xDE\xE9\xF6\xF3\xEA\xE5");
  EXPECT_EQ(s.StrISO.substr(0, 6), "\xA1\xB9\xC6\xC3\xBA\xB5");
}

TEST(Settings, BuiltInLayoutsPairTheKeysOfOneKeyboard) {
  const Settings s;
  const LayoutSlot& en = s.Layouts[0];
  const LayoutSlot& ru = s.Layouts[1];
  EXPECT_EQ(s.LOCount, 2);
  EXPECT_EQ(en.Name + en.Id + ru.Name + ru.Id, "En00000409Ru00000419");
  ASSERT_EQ(en.Keys.size(), 82u);
  ASSERT_EQ(ru.Keys.size(), 82u);
  EXPECT_EQ(en.Keys.back(), '\\');
  EXPECT_EQ(ru.Keys.back(), '\\');
  // ghbdtn typed on the US layout is привет.
  std::string mapped;
  for (char c : std::string("ghbdtn")) mapped += ru.Keys[en.Keys.find(c)];
  EXPECT_EQ(mapped, "\xEF\xF0\xE8\xE2\xE5\xF2");
  const std::pair<char, char> pairs[] = {{'~', '\xA8'}, {'{', '\xD5'}, {'"', '\xDD'}, {'@', '"'},
                                         {'#', '\xB9'}, {'`', '\xB8'}, {'?', ','}, {'/', '.'}};
  for (const auto& [latin, cyrillic] : pairs) EXPECT_EQ(ru.Keys[en.Keys.find(latin)], cyrillic) << latin;
  EXPECT_TRUE(s.Layouts[2] == LayoutSlot{});
}

TEST(Settings, MissingFileGivesDefaultsAndAFirstStart) {
  Settings settings = EverythingChanged();
  const SettingsLoad load = LoadSettings(IniFile(), settings);
  EXPECT_TRUE(load.firstStart);
  ExpectSameSettings(settings, Settings());
  EXPECT_EQ(settings.CaseUpperAll.size(), 70u);
  EXPECT_FALSE(settings.RestoreLastPath);
}

TEST(Settings, FirstSaveWritesEveryKeyOfEverySection) {
  Settings settings = LoadedDefaults();
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
  EXPECT_EQ(file.ReadInteger("EDITOR", "Starts", -1), 0);

  // Start-up counts the start; the next save carries it.
  ++settings.Starts;
  const IniFile next = IniFile::Parse(Saved(settings, TableSource::SettingsFile, bytes));
  EXPECT_EQ(next.ReadInteger("EDITOR", "Starts", -1), 1);
  EXPECT_FALSE(LoadSettings(next, settings).firstStart);
}

TEST(Settings, FirstStartIsAStartCountBelowOne) {
  const std::pair<const char*, bool> cases[] = {
      {"[EDITOR]\nStarts=0\n", true}, {"[EDITOR]\nStarts=-4\n", true}, {"[EDITOR]\nStarts=junk\n", true},
      {"[EDITOR]\nStarts=1\n", false}, {"[EDITOR]\nStarts=12\n", false},
  };
  for (const auto& [bytes, first] : cases) {
    Settings settings;
    EXPECT_EQ(LoadSettings(IniFile::Parse(bytes), settings).firstStart, first) << bytes;
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
  Settings settings = LoadedDefaults();
  settings.LastPath = "/home/user/texts/";
  EXPECT_EQ(Loaded(Saved(settings)).LastPath, "");
  settings.RestoreLastPath = true;
  const Settings reloaded = Loaded(Saved(settings));
  EXPECT_EQ(reloaded.LastPath, "/home/user/texts/");
  EXPECT_TRUE(reloaded.RestoreLastPath);
}

TEST(Settings, TabReplacementFollowsSpaceTab) {
  const std::pair<const char*, std::size_t> cases[] = {
      {"0", 0}, {"-3", 0}, {"1", 1}, {"6", 6}, {"64", 64}, {"2000000000", 64}, {"x", 6},
  };
  for (const auto& [value, blanks] : cases) {
    const Settings settings = Loaded(std::string("[EDITOR]\nSpaceTab=") + value + "\n");
    EXPECT_EQ(settings.TabSpaces, std::string(blanks, ' ')) << value;
    EXPECT_EQ(settings.SpaceTab, static_cast<int>(blanks)) << value;
    EXPECT_EQ(IniFile::Parse(Saved(settings)).ReadInteger("EDITOR", "SpaceTab", -1), static_cast<int>(blanks));
  }
  Settings settings = LoadedDefaults();
  settings.TabSpaces = "  ";  // what the Tab key inserts is what is remembered
  EXPECT_EQ(IniFile::Parse(Saved(settings)).ReadInteger("EDITOR", "SpaceTab", -1), 2);
}

struct ClampCase {
  const char* lines;  // under [EDITOR] unless a section is given
  const char* key;
  std::string expected;
};

TEST(Settings, HandEditedValuesAreBroughtIntoRange) {
  const ClampCase cases[] = {
      {"LinesToScroll=0", "LinesToScroll", "1"},
      {"LinesToScroll=99", "LinesToScroll", "20"},
      {"LinesToScroll=abc", "LinesToScroll", "3"},
      {"Mins=0", "Mins", "1"},
      {"Mins=61", "Mins", "60"},
      {"CharsLimit=0", "CharsLimit", "1"},
      {"CharsLimit=5000", "CharsLimit", "999"},
      {"LInd=-1", "LInd", "0"},
      {"RInd=10000", "RInd", "9999"},
      {"AppearStyle=0", "AppearStyle", "1"},
      {"AppearStyle=9", "AppearStyle", "5"},
      {"EscFunction=-1", "EscFunction", "0"},
      {"EscFunction=3", "EscFunction", "2"},
      {"BookmarkType=5", "BookmarkType", "1"},
      {"Bookmark=-7", "Bookmark", "0"},
      {"Language=-1", "Language", "0"},
      {"Style=-2147483648", "Style", "0"},
      {"Starts=2147483647", "Starts", "1000000000"},
      {"EditorWidth=0", "EditorWidth", "100"},
      {"EditorHeight=99999999", "EditorHeight", "16384"},
      {"EditorLeft=-2147483648", "EditorLeft", "-16384"},
      {"SetsWidth=10", "SetsWidth", "500"},
      {"SetsHeight=-390", "SetsHeight", "390"},
      {"NormFontSize=0", "NormFontSize", "1"},
      {"DefCharSet=300", "DefCharSet", "204"},
      {"StartCharMap=300\nEndCharMap=255", "StartCharMap", "255"},
      {"StartCharMap=-1", "StartCharMap", "0"},
      {"StartCharMap=200\nEndCharMap=100", "StartCharMap", "100"},
      {"StartCharMap=200\nEndCharMap=100", "EndCharMap", "200"},
      {"IsWW=0", "IsWW", "0"},
      {"IsWW=yes", "IsWW", "1"},
      {"IsDC=7", "IsDC", "1"},
      {"[AUTODETECT]\nDetectBuffer=0", "DetectBuffer", "1024"},
      {"[AUTODETECT]\nDetectBuffer=-5", "DetectBuffer", "1024"},
      {"[AUTODETECT]\nDetectBuffer=5", "DetectBuffer", "5"},
      {"[AUTODETECT]\nWinDetectString=", "WinDetectString", "\xE5\xE8\xED\xEE"},
      {"[PRINT_FONT]\nCharset=256", "PRINT_FONT/Charset", "204"},
      {"[PRINT_FONT]\nSize=0", "PRINT_FONT/Size", "1"},
      {"[PRINT_FONT]\nColor=-1", "PRINT_FONT/Color", "0"},
      {"[USER_STYLE]\nBackColor=16777216", "USER_STYLE/BackColor", "15727868"},
      {"[USER_STYLE]\nSize=100000", "USER_STYLE/Size", "999"},
      {"[EXTS]\nCountExts=-5", "CountExts", "-1"},
      {"[EXTS]\nCountExts=-1", "CountExts", "-1"},
      {"[LAYOUT]\nLOCount=2147483647", "LOCount", "2"},
  };
  for (const ClampCase& c : cases) {
    const std::string lines = c.lines;
    const Settings settings = Loaded(lines.starts_with('[') ? lines : "[EDITOR]\n" + lines);
    const std::string key = c.key;
    const std::size_t slash = key.find('/');
    bool found = false;
    for (const SettingEntry& entry : SettingsTable()) {
      const bool match = slash == std::string::npos
                             ? entry.key == key
                             : entry.section == key.substr(0, slash) && entry.key == key.substr(slash + 1);
      if (!match) continue;
      found = true;
      EXPECT_EQ(ValueText(entry, settings), c.expected) << c.lines;
    }
    EXPECT_TRUE(found) << key;
  }
}

TEST(Settings, DialogReadsItsLimitsFromTheTable) {
  const Settings s;
  const std::pair<const int*, std::pair<int, int>> cases[] = {
      {&s.Mins, {1, 60}},   {&s.CharsLimit, {1, 999}}, {&s.LInd, {0, 9999}},
      {&s.RInd, {0, 9999}}, {&s.LinesToScroll, {1, 20}}, {&s.PrintFont.Charset, {0, 255}},
  };
  for (const auto& [field, range] : cases) {
    const Limits limits = AllowedRange(s, *field);
    EXPECT_EQ(limits.min, range.first);
    EXPECT_EQ(limits.max, range.second);
  }
  const int elsewhere = 0;
  EXPECT_EQ(AllowedRange(s, elsewhere).min, Limits().min);
}

TEST(Settings, NoKeyIsListedTwice) {
  std::set<std::string> keys;
  for (const SettingEntry& entry : SettingsTable())
    EXPECT_TRUE(keys.insert(IniFile::FoldName(entry.section) + "/" + IniFile::FoldName(entry.key)).second)
        << entry.section << "/" << entry.key;
}

TEST(Settings, LayoutCountIsAtMostThree) {
  const std::string three =
      "[LAYOUT]\nLOCount=7\n1=En\nEn=00000409\nStrLO_En=qwe\n2=Ru\nRu=00000419\nStrLO_Ru=\xE9\xF6\xF3\n"
      "3=Ua\nUa=00000422\nStrLO_Ua=\xE9\xF6\xF3\n4=Xx\nXx=1\nStrLO_Xx=x\n";
  const Settings settings = Loaded(three);
  EXPECT_EQ(settings.LOCount, 3);
  EXPECT_EQ(settings.Layouts[2].Name, "Ua");
  EXPECT_EQ(settings.Layouts[2].Id, "00000422");
  EXPECT_EQ(settings.Layouts[2].Keys, "\xE9\xF6\xF3");
  EXPECT_EQ(settings.Layouts[0].Keys, "qwe");
  const IniFile saved = IniFile::Parse(Saved(settings));
  EXPECT_EQ(saved.ReadInteger("LAYOUT", "LOCount", -1), 3);
  EXPECT_EQ(saved.ReadString("LAYOUT", "StrLO_Ua", ""), "\xE9\xF6\xF3");
}

TEST(Settings, LayoutsThatCannotBeUsedAreDropped) {
  const Settings builtIn;
  struct Case {
    const char* bytes;
    int count;
    const char* firstName;
  };
  const Case cases[] = {
      {"[LAYOUT]\nLOCount=0\n1=Aa\n", 2, "En"},
      {"[LAYOUT]\nLOCount=-3\n1=Aa\n", 2, "En"},
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
  };
  for (const Case& c : cases) {
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
  EXPECT_EQ(renamed.Layouts[1], builtIn.Layouts[1]);
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

TEST(Settings, SaveKeepsForeignKeysAndComments) {
  const std::string original =
      "; my notes\r\n[EDITOR]\r\nMins=9\r\nMyOwnKey=mine\r\n\r\n[Elsewhere]\r\nx=1\r\n";
  const std::string bytes = Saved(Loaded(original), TableSource::SettingsFile, original);
  EXPECT_TRUE(bytes.starts_with("; my notes\r\n[EDITOR]\r\nMins=9\r\nMyOwnKey=mine\r\n"));
  const IniFile file = IniFile::Parse(bytes);
  EXPECT_EQ(file.ReadString("Elsewhere", "x", ""), "1");
  EXPECT_EQ(file.ReadString("EDITOR", "MyOwnKey", ""), "mine");
}

TEST(Settings, FontCharsetsAreSavedAsOneByte) {
  Settings settings = LoadedDefaults();
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
