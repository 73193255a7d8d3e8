#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/byte_streams.h"
#include "cli/text_tool_fixture.h"
#include "commands/layout_repair.h"
#include "convert/translit.h"
#include "support/file_helpers.h"

namespace plumex {
namespace {

using test::LineCount;
using test::ToolResult;
using test::W;

class TextToolTranslit : public test::TextTool {};
class TextToolLayout : public test::TextTool {};

std::string Builtin(std::string_view command, std::string_view text) {
  return TranslitTable(command.ends_with("ruslit") ? BuiltInRuslitLines() : BuiltInTranslitLines(),
                       command.starts_with("un") ? TranslitDirection::Reverse : TranslitDirection::Forward)
      .Apply(text);
}

TEST_F(TextToolTranslit, BothWaysOnFilesAndStandardInput) {
  const struct { const char* command; const char* input; const char* expected; } cases[] = {
      {"translit", "Щука\r\nЖук, ёж\n", "Shchuka\r\nZhuk, ezh\n"},
      {"translit", "no letters here 123\r\n", "no letters here 123\r\n"},
      {"untranslit", "tsar", "цар"},   {"untranslit", "ZHUK Zhuk", "ЗХУК Жук"},
      {"untranslit", "\xD0\xA9", "\xD0\xA9"},  // UTF-8 bytes are no table's keys
      {"ruslit", "Жук", "}|{yk"},      {"ruslit", "", ""},
      {"unruslit", "}|{yk", "Жук"},    {"unruslit", "|||,|||b|", "ЩШЫ"},
  };
  const std::string path = File("it's a \"file\".txt", "");
  for (const auto& c : cases) {
    test::WriteRaw(path, W(c.input));
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{c.command, path}, {c.command}, {c.command, "-"}, {c.command, "--", path}}) {
      const ToolResult r = Run(arguments, W(c.input));
      EXPECT_EQ(r.status, 0) << c.command << ' ' << c.input;
      EXPECT_EQ(r.out, W(c.expected)) << c.command << ' ' << c.input;
      EXPECT_EQ(r.err, "");
    }
  }
  // The bytes themselves: Щ is 0xD9, щ 0xF9 in Windows-1251.
  EXPECT_EQ(Run({"untranslit"}, "Shchuka shch").out, "\xD9\xF3\xEA\xE0 \xF9");
}

TEST_F(TextToolTranslit, EveryByteSurvives) {
  const std::string all = test::AllBytes() + "\r\n\r\n\n\r" + test::AllBytes();
  for (const char* command : {"translit", "untranslit", "ruslit", "unruslit"}) {
    const ToolResult r = Run({command}, all);
    EXPECT_EQ(r.status, 0) << command;
    EXPECT_EQ(r.out, Builtin(command, all)) << command;
  }
  const std::string latin("q\0w\x01\xFF\r", 6);  // NUL among bytes outside the table
  EXPECT_EQ(Run({"unruslit"}, latin).out, latin);
}

TEST_F(TextToolTranslit, MatchesAcrossChunkSeamsAsInOnePass) {
  std::vector<std::string> texts;
  for (std::size_t before : {kChunkSize - 1, kChunkSize - 2, kChunkSize - 3, kChunkSize}) {
    // A key cut by the seam, after a line break and with none before it.
    texts.push_back("Ya\r\n" + std::string(before - 4, 'x') + "Shchuka" + std::string(kChunkSize, 'y') + "\nTs");
    texts.push_back(std::string(before, 'x') + "Shch" + std::string(2 * kChunkSize, 'z') + "Yu");
    // CR and LF of one line break in two chunks.
    texts.push_back(std::string(before, 'x') + "\r\nZh" + std::string(kChunkSize, '\r') + "Ch");
  }
  for (const std::string& text : texts) {
    const ToolResult r = Run({"untranslit", File("big.txt", text)});
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.out == Builtin("untranslit", text)) << "input of " << text.size() << " bytes";
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\xD9'), std::count(text.begin(), text.end(), 'S'));
  }
}

TEST_F(TextToolTranslit, TheUsersEditedTablesDecideAndAreNeverWritten) {
  const std::string translit = W("Щ=SCH\r\nщ=sch\r\nжук=beetle\r\nno equals sign\r\n=empty key\r\n");
  const std::string path = UserFile("translit.ini", translit);
  const auto written = std::filesystem::last_write_time(path);
  EXPECT_EQ(Run({"translit"}, W("Щука и жук")).out, W("SCHука и beetle"));
  EXPECT_EQ(Run({"untranslit"}, "SCH sch Shch beetle").out, W("Щ щ Shch жук"));
  // ruslit.ini is missing: its built-in table serves.
  EXPECT_EQ(Run({"ruslit"}, W("Жук")).out, "}|{yk");
  EXPECT_EQ(test::ReadRaw(path), translit);
  EXPECT_EQ(std::filesystem::last_write_time(path), written);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "settings/ruslit.ini"));
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
}

TEST_F(TextToolTranslit, AnEmptyTableChangesNothing) {
  UserFile("ruslit.ini", "");
  EXPECT_EQ(Run({"ruslit"}, W("Жук")).out, W("Жук"));
  EXPECT_EQ(Run({"unruslit"}, "}|{yk").out, "}|{yk");
}

TEST_F(TextToolTranslit, AnUnreadableTableIsReportedAndTheBuiltInOneServes) {
  std::filesystem::create_directories(dir_ / "settings/translit.ini");
  const ToolResult r = Run({"translit"}, W("Щука"));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Shchuka");
  EXPECT_NE(r.err.find("translit.ini"), std::string::npos);
  EXPECT_EQ(LineCount(r.err), 1) << r.err;
  EXPECT_TRUE(std::filesystem::is_directory(dir_ / "settings/translit.ini"));
}

// Layout 3 of the user's settings: the Russian keys with і where ы stands.
std::string ThirdLayoutKeys() {
  std::string keys = Settings{}.Layouts[1].Keys;
  std::replace(keys.begin(), keys.end(), '\xFB', '\xB3');
  std::replace(keys.begin(), keys.end(), '\xDB', '\xB2');
  return keys;
}

TEST_F(TextToolLayout, RepairsOnFilesAndStandardInput) {
  const struct { const char* from; const char* to; const char* input; const char* expected; } cases[] = {
      {"2", "1", "руддщ", "hello"},
      {"1", "2", "Ghbdtn? Ndjq lheu\r\n", "Привет, Твой друг\r\n"},
      {"2", "1", "Ё-моё 1=1", "~-vj` 1=1"},
      {"1", "2", "", ""},
  };
  const std::string path = File("typed wrong.txt", "");
  for (const auto& c : cases) {
    test::WriteRaw(path, W(c.input));
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"layout", "--from", c.from, "--to", c.to, path},
          {"layout", "--to", c.to, "--from", c.from},
          {"layout", std::string("--from=") + c.from, std::string("--to=") + c.to, "-"}}) {
      const ToolResult r = Run(arguments, W(c.input));
      EXPECT_EQ(r.status, 0) << c.input;
      EXPECT_EQ(r.out, W(c.expected)) << c.input;
      EXPECT_EQ(r.err, "");
    }
  }
  EXPECT_EQ(Run({"layout", "--from", "1", "--to", "2"}, "ghbdtn").out, "\xEF\xF0\xE8\xE2\xE5\xF2");
}

TEST_F(TextToolLayout, EveryByteKeepsItsPlaceThroughBigInputs) {
  std::string big;
  while (big.size() < 2 * kChunkSize + 7) big += test::AllBytes() + "ghbdtn\r\n";
  const LayoutRepair repair(LayoutAction::From1To2, Settings{}.Layouts, 2);
  const ToolResult r = Run({"layout", "--from", "1", "--to", "2", File("big.bin", big)});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.out == repair.Apply(big));
  EXPECT_EQ(r.out.size(), big.size());
}

TEST_F(TextToolLayout, UsesTheUsersThirdLayout) {
  const std::string ini = "[LAYOUT]\r\nLOCount=3\r\n3=Ua\r\nUa=00000422\r\nStrLO_Ua=" + ThirdLayoutKeys() + "\r\n";
  UserFile(SettingsFileName(), ini);
  EXPECT_EQ(Run({"layout", "--from", "1", "--to", "3"}, "s S d").out, "\xB3 \xB2 \xE2");
  EXPECT_EQ(Run({"layout", "--from", "3", "--to", "2"}, "\xB3\xB2\xE2").out, "\xFB\xDB\xE2");
  EXPECT_EQ(Run({"layout", "--from", "3", "--to", "1"}, "\xB3").out, "s");
  EXPECT_EQ(Run({"layout", "--from", "2", "--to", "3"}, "\xFB").out, "\xB3");
  EXPECT_EQ(test::ReadRaw(SettingsPath()), ini);
}

TEST_F(TextToolLayout, LayoutsTheSettingsLackAreRefused) {
  const struct { const char* ini; const char* from; const char* to; const char* says; } cases[] = {
      {"", "1", "3", "LOCount=2"},
      {"", "3", "2", "LOCount=2"},
      {"[LAYOUT]\r\nLOCount=7\r\n", "2", "3", "LOCount=2"},  // no name for a third layout
      {"[LAYOUT]\r\nLOCount=1\r\n", "2", "1", "layout 2 is not in use (LOCount=1"},
      {"[LAYOUT]\r\nStrLO_Ru=\r\n", "1", "2", "layout 2 has no key characters"},
      {"[LAYOUT]\r\nStrLO_Ru=\r\n", "2", "1", "layout 2 has no key characters"},
      {"[LAYOUT]\r\nLOCount=3\r\n3=Ua\r\n", "1", "3", "layout 3 has no key characters"},
  };
  for (const auto& c : cases) {
    UserFile(SettingsFileName(), c.ini);
    const ToolResult r = Run({"layout", "--from", c.from, "--to", c.to}, "ghbdtn");
    EXPECT_EQ(r.status, 2) << c.ini;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_EQ(LineCount(r.err), 1) << r.err;
  }
}

}  // namespace
}  // namespace plumex
