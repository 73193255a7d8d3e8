#include "language/language_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

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
  std::string Lang(const std::string& name, const std::string& bytes) {
    WriteRaw(lang / name, bytes);
    return lang / name;
  }

  // Applies the entry and returns what changed, with the settings file given.
  LanguageChange Apply(int index, const LanguageList& list, int starts = 5) {
    return ApplyLanguage(index, list, settings, starts, texts, {settingsFile, program.path()});
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
  LanguageTable texts;
};

TEST_F(LanguageFiles, ScanSortsIgnoringCaseAndPassesOverWhatIsNoLanguage) {
  const LanguageList english = {{"English", ""}};
  EXPECT_EQ(ScanLanguageFiles(lang / "missing/"), english);
  EXPECT_EQ(ScanLanguageFiles(lang.path()), english);
  const std::pair<const char*, std::string> files[] = {
      {"b.lng", "Language=Bee"}, {"A.lng", "Language=Ay"}, {"c.LNG", "Language=Cee"},
      {"d.lng", "LanguageCode=dd"},  {"e.lng", "Language=English"},  // no Language; the built-in one
      {"f.lng", "Language=" + kRussian}, {"h.lng", "Language=Ru=ss"},  // Windows-1251
      {"i.lng", "Language=Big\r\n" + std::string(kLanguageFileLimit, ';')}, {"notes.txt", "Language=Text"}};
  for (const auto& [name, lines] : files) Lang(name, "[LANGUAGE]\r\n" + lines + "\r\n");
  Lang("g.lng", "\xEF\xBB\xBF[LANGUAGE]\r\nLanguage=" + Win1251ToUtf8(kRussian) + "\r\n");
  std::filesystem::create_directory(lang / "x.lng");
  const LanguageList expected = {
      {"English", ""},          {"Ay", lang / "A.lng"},       {"Bee", lang / "b.lng"},
      {"Cee", lang / "c.LNG"},  {"???", lang / "d.lng"},      {kRussian, lang / "f.lng"},
      {kRussian, lang / "g.lng"}, {"Ru=ss", lang / "h.lng"},
  };
  EXPECT_EQ(ScanLanguageFiles(lang.path()), expected);
}

TEST_F(LanguageFiles, TextsOverEnglishAndBackToEnglishRestoresEveryText) {
  const std::string path = Lang("ru.lng", "[LANGUAGE]\r\nLanguage=" + kRussian + "\r\nLanguageCode=ru\r\n"
                                "EnglishName=Russian\r\naNew=" + kNew + "\r\naNew=second\r\nAuthor=Ivan\r\ntPrinting=\r\n");
  const LanguageList list = {{"English", ""}, {kRussian, path}};
  EXPECT_EQ(Apply(1, list).index, 1);
  // The first of two lines wins; a missing key keeps English; an empty value is a text.
  EXPECT_EQ(std::tuple(texts.Text("aNew"), texts.Text("aOpen"), texts.Text("tPrinting"), texts.Text("Author"),
                       texts.LanguageCode(), texts.EnglishName()),
            std::tuple(kNew, "Open...", "", "Ivan", "ru", "Russian"));
  EXPECT_EQ(Apply(0, list).index, 0);
  EXPECT_EQ(std::tuple(texts.LanguageCode(), texts.EnglishName()), std::tuple("en", "English"));
  for (const LanguageText& text : EnglishTexts()) EXPECT_EQ(texts.Text(text.key), text.english) << text.key;
}

TEST_F(LanguageFiles, AnIndexOutOfRangeOrAFileGoneOrHostileGivesEnglish) {
  const std::string huge =
      Lang("huge.lng", "[LANGUAGE]\r\naNew=X\r\n" + std::string(kLanguageFileLimit, 'x'));
  std::filesystem::create_directory(lang / "dir.lng");
  const LanguageList list = {{"English", ""}, {"Gone", lang / "gone.lng"}, {"Dir", lang / "dir.lng"}, {"Huge", huge},
                             {"Garbage", Lang("bytes.lng", test::AllBytes() + "\r\n[LANGUAGE\r\n=\r\n")}};
  for (int index : {-1, 5, INT_MIN, INT_MAX}) {
    settings.Language = index;
    EXPECT_EQ(Apply(index, list).index, 0) << index;
    EXPECT_EQ(settings.Language, 0);
  }
  for (int index = 1; index < 5; ++index) {
    const LanguageChange change = Apply(index, list);
    // Bytes that parse to nothing useful still make a language of their own,
    // with its own (here: built-in) tables rather than the settings file's.
    EXPECT_EQ(std::tuple(change.index, texts.Text("aNew"), texts.EnglishName(), change.tables),
              std::tuple(index, "New", "English", index < 4 ? TableSource::SettingsFile : TableSource::LanguageFile))
        << list[static_cast<std::size_t>(index)].name;
  }
}

// A size the file does not give goes back to the built-in, even after a wider one.
TEST_F(LanguageFiles, LongTextsAreCutAndTheDialogSizeIsAtLeastTheBuiltIn) {
  ApplyFile("[LANGUAGE]\r\naNew=" + std::string(100000, 'n') + "\r\n");
  EXPECT_EQ(texts.Text("aNew"), std::string(kLanguageTextLimit, 'n'));
  const std::pair<const char*, DialogSize> cases[] = {
      {"", {500, 390}}, {"SetsWidth=100\r\nSetsHeight=-5", {500, 390}}, {"SetsWidth=800", {800, 390}},
      {"SetsWidth=wide\r\nSetsHeight=99999999999", {500, 390}},
  };
  for (const auto& [lines, size] : cases) {
    ApplyFile(std::string("[SETS_FORM]\r\n") + lines);
    EXPECT_EQ(texts.SettingsDialogSize(), size) << lines;
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

// After the first start the language file's tables are in force, each it
// lacks from the settings file; back in English, the settings file's or the
// built-in ones.
TEST_F(LanguageFiles, TablesComeFromTheLanguageFileAfterTheFirstStartAndBackFromTheSettingsFile) {
  settingsFile = IniFile::Parse("[ECODINGS]\r\nStrKOI=koi\r\n[LAYOUT]\r\nLOCount=2\r\n");
  const std::string path =
      Lang("ua.lng", "[LANGUAGE]\r\nLanguage=Ua\r\n[CASE]\r\nStrUpCase_Add=\xA5\r\nStrLoCase_Add=\xB4\r\n"
                     "[ECODINGS]\r\nStrDOS=dos\r\n[AUTODETECT]\r\nDetectBuffer=-7\r\nWinDetectString=\xE0\r\n"
                     "[LAYOUT]\r\nLOCount=5\r\n1=En\r\nEn=00000409\r\nStrLO_En=qw\r\n2=Ru\r\nRu=00000419\r\n"
                     "StrLO_Ru=\xE9\xF6\r\n3=Ua\r\nUa=00000422\r\nStrLO_Ua=\xE9\xF6\r\n");
  const LanguageList list = {{"English", ""}, {"Ua", path}};
  LanguageChange change = Apply(1, list, 0);  // first start: the settings file's tables
  EXPECT_EQ(change.tables, TableSource::SettingsFile);
  EXPECT_EQ(settings.StrUpCase_Add, Settings().StrUpCase_Add);
  EXPECT_FALSE(change.thirdLayout);

  change = Apply(1, list, 1);
  EXPECT_EQ(change.tables, TableSource::LanguageFile);
  EXPECT_EQ(settings.StrUpCase_Add + settings.WinDetectString + "|" + settings.StrDOS, "\xA5\xE0|dos");
  EXPECT_EQ(settings.StrKOI, "koi") << "a table the language lacks comes from the settings file";
  EXPECT_EQ(settings.DetectBuffer, 1024) << "checked like the settings file's";
  EXPECT_EQ(settings.LOCount, 3) << "5 is more layouts than there are";
  EXPECT_TRUE(change.thirdLayout);
  EXPECT_EQ(ActionCaption(ActionId::LO_23, settings, texts), "Ru -> Ua");

  change = Apply(0, list);  // a table missing from both sources is the built-in one
  EXPECT_EQ(std::tuple(change.tables, change.thirdLayout, settings.LOCount, settings.StrKOI, settings.StrDOS,
                       settings.StrUpCase_Add),
            std::tuple(TableSource::SettingsFile, false, 2, "koi", Settings().StrDOS, Settings().StrUpCase_Add));
  EXPECT_EQ(settings.Layouts, Settings().Layouts);
}

TEST_F(LanguageFiles, Utf8FilesGiveWindows1251AndOnlyTablesThatFit) {
  ApplyFile("\xEF\xBB\xBF[LANGUAGE]\r\naNew=" + Win1251ToUtf8(kNew) + " \xE4\xB8\xAD\r\n"
            "[CASE]\r\nStrUpCase_Add=\xD2\x90\r\nStrLoCase_Add=\xE4\xB8\xAD\r\n"
            "[LAYOUT]\r\n1=" + Win1251ToUtf8("\xC0\xED") + "\r\n" + Win1251ToUtf8("\xC0\xED") + "=00000409\r\n");
  // Ґ fits; a table with a character 1251 lacks is not taken.
  EXPECT_EQ(std::tuple(texts.Text("aNew"), settings.StrUpCase_Add, settings.StrLoCase_Add, settings.Layouts[0].Name,
                       settings.Layouts[0].Id),
            std::tuple(kNew + " ?", "\xA5", Settings().StrLoCase_Add, "\xC0\xED", "00000409"));
}

TEST_F(LanguageFiles, CaptionsFollowTheirRules) {
  const std::pair<ActionId, const char*> captions[] = {{ActionId::New, "New"}, {ActionId::QPrint, "Print"},
      {ActionId::Print, "Print..."}, {ActionId::DosToWin, "DOS 866 -> WIN-1251"}, {ActionId::LO_21, "Ru -> En"}};
  for (const auto& [id, caption] : captions) EXPECT_EQ(ActionCaption(id, settings, texts), caption);
  texts.Set("aPrint", "Pr...int...");
  EXPECT_EQ(ActionCaption(ActionId::QPrint, settings, texts), "Print...");
}

// Texts of the Find, Replace and Go To boxes, our message boxes and messages.
TEST_F(LanguageFiles, BoxAndMessageTextsHaveKeys) {
  const char* keys[] = {"tFindWhat", "tReplaceWith", "tWholeWord", "tMatchCase", "tDirection", "tUp", "tDown",
                        "tReplaceAll", "tYes", "tNo", "tCancel", "tOK", "strNoPrinter", "strTooLarge1", "strTooLarge2"};
  for (const char* key : keys) EXPECT_NE(texts.Text(key), key) << "no English text for " << key;
}

}  // namespace
}  // namespace plumex
