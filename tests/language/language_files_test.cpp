#include "language/language_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "convert/win1251.h"
#include "language/language_table.h"
#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

using test::WriteRaw;

const std::string kRussian = "\xD0\xF3\xF1\xF1\xEA\xE8\xE9";  // Русский
const std::string kNew = "\xCD\xEE\xE2\xFB\xE9";               // Новый

class LanguageFiles : public ::testing::Test {
 protected:
  void TearDown() override { Language().ResetToEnglish(); }

  std::string Lang(const std::string& name, const std::string& bytes) {
    WriteRaw(lang / name, bytes);
    return lang / name;
  }

  // Applies the entry and returns what changed, with the settings file given.
  LanguageChange Apply(int index, const LanguageList& list, int starts = 5) {
    return ApplyLanguage(index, list, settings, starts, {settingsFile, program.path()});
  }
  // Puts a language file of these bytes in force.
  LanguageChange ApplyFile(const std::string& bytes) {
    return Apply(1, {{"English", ""}, {"File", Lang("file.lng", bytes)}});
  }
  LanguageChange ApplyEnglish() { return Apply(0, {{"English", ""}}); }

  test::TempDir lang;
  test::TempDir program;
  IniFile settingsFile;
  Settings settings;
};

TEST_F(LanguageFiles, ScanSortsIgnoringCaseAndPassesOverWhatIsNoLanguage) {
  const LanguageList english = {{"English", ""}};
  EXPECT_EQ(ScanLanguageFiles(lang / "missing/"), english);
  EXPECT_EQ(ScanLanguageFiles(lang.path()), english);
  Lang("b.lng", "[LANGUAGE]\r\nLanguage=Bee\r\n");
  Lang("A.lng", "[LANGUAGE]\r\nLanguage=Ay\r\n");
  Lang("c.LNG", "[LANGUAGE]\r\nLanguage=Cee\r\n");
  Lang("d.lng", "[LANGUAGE]\r\nLanguageCode=dd\r\n");                 // no Language
  Lang("e.lng", "[LANGUAGE]\r\nLanguage=English\r\n");                // the built-in one
  Lang("f.lng", "[LANGUAGE]\r\nLanguage=" + kRussian + "\r\n");       // Windows-1251
  Lang("g.lng", "\xEF\xBB\xBF[LANGUAGE]\r\nLanguage=" + Win1251ToUtf8(kRussian) + "\r\n");
  Lang("h.lng", "[LANGUAGE]\r\nLanguage=Ru=ss\r\n");
  Lang("i.lng", "[LANGUAGE]\r\nLanguage=Big\r\n" + std::string(kLanguageFileLimit, ';'));
  Lang("notes.txt", "[LANGUAGE]\r\nLanguage=Text\r\n");
  std::filesystem::create_directory(lang / "x.lng");

  const LanguageList expected = {
      {"English", ""},          {"Ay", lang / "A.lng"},       {"Bee", lang / "b.lng"},
      {"Cee", lang / "c.LNG"},  {"???", lang / "d.lng"},      {kRussian, lang / "f.lng"},
      {kRussian, lang / "g.lng"}, {"Ru=ss", lang / "h.lng"},
  };
  EXPECT_EQ(ScanLanguageFiles(lang.path()), expected);
}

TEST_F(LanguageFiles, TextsOverEnglishAndBackToEnglishRestoresEveryText) {
  const std::string path = Lang("ru.lng",
                                "[LANGUAGE]\r\nLanguage=" + kRussian +
                                    "\r\nLanguageCode=ru\r\nEnglishName=Russian\r\n"
                                    "aNew=" + kNew + "\r\naNew=second\r\nAuthor=Ivan\r\n"
                                    "tPrinting=\r\n");
  const LanguageList list = {{"English", ""}, {kRussian, path}};

  EXPECT_EQ(Apply(1, list).index, 1);
  const LanguageTable& table = Language();
  EXPECT_EQ(table.Text("aNew"), kNew) << "the first of two lines wins";
  EXPECT_EQ(table.Text("aOpen"), "Open...") << "a missing key keeps English";
  EXPECT_EQ(table.Text("tPrinting"), "");
  EXPECT_EQ(table.Text("Author"), "Ivan");
  EXPECT_EQ(table.LanguageCode(), "ru");
  EXPECT_EQ(table.EnglishName(), "Russian");

  EXPECT_EQ(Apply(0, list).index, 0);
  for (const LanguageText& text : EnglishTexts()) EXPECT_EQ(table.Text(text.key), text.english) << text.key;
  EXPECT_EQ(table.LanguageCode(), "en");
  EXPECT_EQ(table.EnglishName(), "English");
}

TEST_F(LanguageFiles, AnIndexOutOfRangeMeansEnglish) {
  const LanguageList list = {{"English", ""}, {"X", Lang("x.lng", "[LANGUAGE]\r\naNew=X\r\n")}};
  for (int index : {-1, 2, INT_MIN, INT_MAX}) {
    settings.Language = index;
    EXPECT_EQ(Apply(index, list).index, 0) << index;
    EXPECT_EQ(settings.Language, 0);
    EXPECT_EQ(Language().Text("aNew"), "New");
  }
}

TEST_F(LanguageFiles, AFileGoneOrHostileGivesEnglish) {
  const std::string huge =
      Lang("huge.lng", "[LANGUAGE]\r\naNew=X\r\n" + std::string(kLanguageFileLimit, 'x'));
  std::filesystem::create_directory(lang / "dir.lng");
  const LanguageList list = {{"English", ""}, {"Gone", lang / "gone.lng"}, {"Dir", lang / "dir.lng"}, {"Huge", huge},
                             {"Garbage", Lang("bytes.lng", test::AllBytes() + "\r\n[LANGUAGE\r\n=\r\n")}};
  for (int index = 1; index < 5; ++index) {
    const LanguageChange change = Apply(index, list);
    EXPECT_EQ(change.index, index);
    EXPECT_EQ(Language().Text("aNew"), "New") << list[static_cast<std::size_t>(index)].name;
    EXPECT_EQ(Language().EnglishName(), "English");
    // Bytes that parse to nothing useful still make a language of their own,
    // with its own (here: built-in) tables rather than the settings file's.
    EXPECT_EQ(change.tables, index < 4 ? TableSource::SettingsFile : TableSource::LanguageFile);
  }
}

TEST_F(LanguageFiles, LongTextsAreCut) {
  ApplyFile("[LANGUAGE]\r\naNew=" + std::string(100000, 'n') + "\r\n");
  EXPECT_EQ(Language().Text("aNew"), std::string(kLanguageTextLimit, 'n'));
}

// The last case follows a wider one: a size the file does not give goes back to the built-in.
TEST_F(LanguageFiles, DialogSizeIsAtLeastTheBuiltIn) {
  const std::pair<const char*, DialogSize> cases[] = {
      {"", {500, 390}},
      {"SetsWidth=100\r\nSetsHeight=-5", {500, 390}},
      {"SetsWidth=800", {800, 390}},
      {"SetsWidth=wide\r\nSetsHeight=99999999999", {500, 390}},
  };
  for (const auto& [lines, size] : cases) {
    ApplyFile(std::string("[SETS_FORM]\r\n") + lines);
    EXPECT_EQ(Language().SettingsDialogSize(), size) << lines;
  }
}

// Help falls back to the English page; the readme, as a menu item of its own, does not.
TEST_F(LanguageFiles, HelpAndReadmeFollowASafeLanguageCode) {
  EXPECT_EQ(ApplyEnglish().helpPath, "");
  for (const char* name : {"readme.txt", "readme_ru.txt", "readme_pt-BR.txt", "readme_.txt", "history.txt",
                           "help.html", "help_ru.html"})
    WriteRaw(program / name, "");
  const struct { const char* code; const char* readme; const char* help; } cases[] = {
      {"ru", "readme_ru.txt", "help_ru.html"}, {"pt-BR", "readme_pt-BR.txt", "help.html"},
      {"", "readme_.txt", "help.html"},       {"de", "", "help.html"},
      {"../../etc/x", "readme.txt", "help.html"}, {"r u", "readme.txt", "help.html"},
      {"\xF0\xF3", "readme.txt", "help.html"},
  };
  for (const auto& c : cases) {
    const LanguageChange change = ApplyFile(std::string("[LANGUAGE]\r\nLanguageCode=") + c.code);
    EXPECT_EQ(change.readmePath, *c.readme ? program / c.readme : "") << c.code;
    EXPECT_EQ(change.helpPath, program / c.help) << c.code;
    EXPECT_EQ(change.historyPath, program / "history.txt");
  }
  EXPECT_EQ(ApplyEnglish().helpPath, program / "help.html");
  EXPECT_EQ(ApplyEnglish().readmePath, program / "readme.txt");
}

const std::string kThreeLayouts =
    "[LAYOUT]\r\nLOCount=5\r\n1=En\r\nEn=00000409\r\nStrLO_En=qw\r\n2=Ru\r\nRu=00000419\r\n"
    "StrLO_Ru=\xE9\xF6\r\n3=Ua\r\nUa=00000422\r\nStrLO_Ua=\xE9\xF6\r\n";

TEST_F(LanguageFiles, TablesComeFromTheLanguageFileAfterTheFirstStart) {
  const std::string path =
      Lang("ua.lng", "[LANGUAGE]\r\nLanguage=Ua\r\n[CASE]\r\nStrUpCase_Add=\xA5\r\nStrLoCase_Add=\xB4\r\n"
                     "[AUTODETECT]\r\nDetectBuffer=-7\r\nWinDetectString=\xE0\r\n" + kThreeLayouts);
  const LanguageList list = {{"English", ""}, {"Ua", path}};

  LanguageChange change = Apply(1, list, 0);  // first start: the settings file's tables
  EXPECT_EQ(change.tables, TableSource::SettingsFile);
  EXPECT_EQ(settings.StrUpCase_Add, Settings().StrUpCase_Add);
  EXPECT_FALSE(change.thirdLayout);

  change = Apply(1, list, 1);
  EXPECT_EQ(change.tables, TableSource::LanguageFile);
  EXPECT_EQ(settings.StrUpCase_Add, "\xA5");
  EXPECT_EQ(settings.WinDetectString, "\xE0");
  EXPECT_EQ(settings.DetectBuffer, 1024) << "checked like the settings file's";
  EXPECT_EQ(settings.LOCount, 3) << "5 is more layouts than there are";
  EXPECT_TRUE(change.thirdLayout);
  EXPECT_EQ(settings.Layouts[2].Name, "Ua");
  EXPECT_EQ(ActionCaption(ActionId::LO_23, settings), "Ru -> Ua");
}

TEST_F(LanguageFiles, BackToEnglishTakesTheSettingsFileTablesOrTheBuiltIn) {
  settingsFile = IniFile::Parse("[ECODINGS]\r\nStrKOI=koi\r\n[LAYOUT]\r\nLOCount=2\r\n");
  const std::string path =
      Lang("ua.lng", "[CASE]\r\nStrUpCase_Add=\xA5\r\n[ECODINGS]\r\nStrDOS=dos\r\n" + kThreeLayouts);
  const LanguageList list = {{"English", ""}, {"Ua", path}};
  Apply(1, list);
  EXPECT_EQ(settings.StrKOI, "koi") << "a table the language lacks comes from the settings file";
  EXPECT_EQ(settings.StrDOS, "dos");

  const LanguageChange change = Apply(0, list);
  EXPECT_EQ(change.tables, TableSource::SettingsFile);
  EXPECT_FALSE(change.thirdLayout);
  EXPECT_EQ(settings.LOCount, 2);
  EXPECT_EQ(settings.Layouts, Settings().Layouts);
  EXPECT_EQ(settings.StrKOI, "koi");
  EXPECT_EQ(settings.StrDOS, Settings().StrDOS) << "missing from both sources: built in";
  EXPECT_EQ(settings.StrUpCase_Add, Settings().StrUpCase_Add);
  EXPECT_EQ(ActionCaption(ActionId::LO_12, settings), "En -> Ru");
}

TEST_F(LanguageFiles, Utf8FilesGiveWindows1251AndOnlyTablesThatFit) {
  ApplyFile("\xEF\xBB\xBF[LANGUAGE]\r\naNew=" + Win1251ToUtf8(kNew) + " \xE4\xB8\xAD\r\n"
            "[CASE]\r\nStrUpCase_Add=\xD2\x90\r\nStrLoCase_Add=\xE4\xB8\xAD\r\n"
            "[LAYOUT]\r\n1=" + Win1251ToUtf8("\xC0\xED") + "\r\n" + Win1251ToUtf8("\xC0\xED") + "=00000409\r\n");
  EXPECT_EQ(Language().Text("aNew"), kNew + " ?");
  EXPECT_EQ(settings.StrUpCase_Add, "\xA5");                          // Ґ
  EXPECT_EQ(settings.StrLoCase_Add, Settings().StrLoCase_Add);       // a character 1251 lacks
  EXPECT_EQ(settings.Layouts[0].Name, "\xC0\xED");
  EXPECT_EQ(settings.Layouts[0].Id, "00000409");
}

TEST_F(LanguageFiles, CaptionsFollowTheirRules) {
  EXPECT_EQ(ActionCaption(ActionId::New, settings), "New");
  EXPECT_EQ(ActionCaption(ActionId::QPrint, settings), "Print");
  EXPECT_EQ(ActionCaption(ActionId::Print, settings), "Print...");
  EXPECT_EQ(ActionCaption(ActionId::DosToWin, settings), "DOS 866 -> WIN-1251");
  EXPECT_EQ(ActionCaption(ActionId::LO_21, settings), "Ru -> En");
  Language().Set("aPrint", "Pr...int...");
  EXPECT_EQ(ActionCaption(ActionId::QPrint, settings), "Print...");
}

// Texts of the Find, Replace and Go To boxes, our message boxes and messages.
TEST_F(LanguageFiles, BoxAndMessageTextsHaveKeys) {
  const std::pair<const char*, const char*> english[] = {
      {"tFindWhat", "Find what:"}, {"tReplaceWith", "Replace with:"}, {"tWholeWord", "Match whole word only"},
      {"tMatchCase", "Match case"}, {"tDirection", "Direction"}, {"tUp", "Up"}, {"tDown", "Down"},
      {"tReplaceAll", "Replace All"}, {"tYes", "Yes"}, {"tNo", "No"}, {"tCancel", "Cancel"}, {"tOK", "OK"},
      {"strNoPrinter", "No printer is available."},
      {"strTooLarge1", "the file is larger than the editor's limit of"}, {"strTooLarge2", "characters"}};
  std::string file = "[LANGUAGE]\r\n";
  for (const auto& [key, text] : english) {
    EXPECT_EQ(Language().Text(key), text);
    file += std::string(key) + "=" + kNew + key + "\r\n";
  }
  ApplyFile(file);
  for (const auto& [key, text] : english) EXPECT_EQ(Language().Text(key), kNew + key);
}

}  // namespace
}  // namespace plumex
