#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/byte_streams.h"
#include "cli/text_tool_fixture.h"
#include "convert/conversion_tables.h"
#include "convert/win1251.h"
#include "support/file_helpers.h"

namespace plumex {
namespace {

using test::TextTool;
using test::LineCount;
using test::ToolResult;
using test::W;

const std::string kProse = W(
    "Осенью город становится тише. Туристы разъезжаются, кафе убирают столики с улиц, "
    "а в парках дворники собирают листья в большие кучи. Она смотрит в окно.\r\n");

std::string In(EncodingCode code, const ConversionTables& tables) {
  return tables.Conversion(EncodingCode::WIN, code).Apply(kProse);
}

TEST_F(TextTool, DetectPrintsNameTabCodeForEveryFile) {
  const std::string koi = File("with space.txt", In(EncodingCode::KOI, defaults_));
  const std::string dos = File("it's \"quoted\".txt", In(EncodingCode::DOS, defaults_));
  const std::string mac = File("-dash.txt", In(EncodingCode::MAC, defaults_));
  const std::string empty = File("empty.txt", "");
  const ToolResult r = Run({"detect", koi, dos, "--", mac, empty});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, koi + "\tKOI\n" + dos + "\tDOS\n" + mac + "\tMAC\n" + empty + "\tWIN\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(Run({"detect", "-"}, In(EncodingCode::ISO, defaults_)).out, "-\tISO\n");
}

TEST_F(TextTool, DetectGoesOnPastUnreadableFiles) {
  const std::string win = File("win.txt", kProse);
  const ToolResult r = Run({"detect", dir_ / "missing.txt", dir_.path(), win});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, win + "\tWIN\n");
  EXPECT_NE(r.err.find("missing.txt"), std::string::npos);
  EXPECT_EQ(LineCount(r.err), 2);
}

TEST_F(TextTool, ConvertIsByteExactOnFilesAndStandardInput) {
  const std::string koi = In(EncodingCode::KOI, defaults_);
  const std::string path = File("a b'c\".txt", koi);
  EXPECT_EQ(Run({"convert", "--from", "KOI", "--to", "WIN", path}).out, kProse);
  EXPECT_EQ(Run({"convert", "--from=koi", "--to=Win"}, koi).out, kProse);
  EXPECT_EQ(Run({"convert", "--to", "dos", "--from", "win", "-"}, kProse).out, In(EncodingCode::DOS, defaults_));
  EXPECT_EQ(Run({"convert", "--auto", path}).out, kProse);
  EXPECT_EQ(Run({"convert", "--auto"}, In(EncodingCode::ISO, defaults_)).out, kProse);
}

TEST_F(TextTool, EveryByteSurvivesTheTrip) {
  // NUL, CR, LF and a lone CR pass as they are; only table letters move.
  const std::string all = test::AllBytes() + "\r\n\r\n\n\r";
  EXPECT_EQ(Run({"convert", "--from", "WIN", "--to", "KOI"}, all).out,
            defaults_.Conversion(EncodingCode::WIN, EncodingCode::KOI).Apply(all));
  EXPECT_EQ(Run({"convert", "--from", "WIN", "--to", "WIN"}, all).out, all);
  EXPECT_EQ(Run({"case", "lower"}, all).out.size(), all.size());
}

TEST_F(TextTool, BigInputsPassInChunksAndDetectionSeesOnlyTheStart) {
  std::string big;
  while (big.size() < 3 * kChunkSize) big += In(EncodingCode::DOS, defaults_);
  EXPECT_EQ(Run({"convert", "--auto", File("big.txt", big)}).out,
            defaults_.Conversion(EncodingCode::DOS, EncodingCode::WIN).Apply(big));
  // English first: the Russian part starts after the bytes detection reads.
  const std::string late = std::string(1024, 'x') + In(EncodingCode::KOI, defaults_);
  EXPECT_EQ(Run({"detect", File("late.txt", late)}).out, dir_ / "late.txt" + "\tWIN\n");
  EXPECT_EQ(Run({"convert", "--auto"}, late).out, late);
}

TEST_F(TextTool, CaseChanges) {
  const std::string text = W("привет, МИР! don't stop\r\n");
  const std::pair<const char*, const char*> cases[] = {
      {"upper", "ПРИВЕТ, МИР! DON'T STOP\r\n"},
      {"lower", "привет, мир! don't stop\r\n"},
      {"invert", "ПРИВЕТ, мир! DON'T STOP\r\n"},
      {"capitalize", "Привет, Мир! Don'T Stop\r\n"},
  };
  const std::string path = File("case me.txt", text);
  for (const auto& [change, expected] : cases) {
    EXPECT_EQ(Win1251ToUtf8(Run({"case", change, path}).out), expected) << change;
    EXPECT_EQ(Win1251ToUtf8(Run({"case", change}, text).out), expected) << change;
  }
}

TEST_F(TextTool, CapitalizeKeepsWordsWholeAcrossChunks) {
  for (std::size_t offset : {kChunkSize - 1, kChunkSize - 3, kChunkSize}) {
    const std::string text = std::string(offset, ' ') + W("слово СЛОВО") + std::string(kChunkSize, 'a') + " b";
    EXPECT_EQ(Run({"case", "capitalize"}, text).out, CapitalizeWords(text, defaults_.Case())) << offset;
  }
}

TEST_F(TextTool, BadArgumentsExitWithTwoAndOneLine) {
  const std::string file = File("f.txt", "x");
  std::vector<std::vector<std::string>> bad = {
      {}, {"nonsense"}, {"detect"}, {"detect", "--verbose", file},
      {"convert", "--from", "KOI"}, {"convert", "--to", "WIN"}, {"convert", "--from", "UTF8", "--to", "WIN"},
      {"convert", "--from", "KOI", "--to"}, {"convert", "--auto", "--from", "KOI", file},
      {"convert", "--auto=yes", file}, {"convert", "--from", "KOI", "--to", "WIN", file, file},
      {"case"}, {"case", "title", file}, {"case", "upper", file, file},
      {"translit", file, file}, {"untranslit", "--reverse"}, {"ruslit", "--from", "1", file}, {"unruslit", "-", file},
      {"layout"}, {"layout", file}, {"layout", "--from", "1"}, {"layout", "--to", "2", file},
      {"layout", "--from", "1", "--to"}, {"layout", "--from", "1", "--to", "-1"},
      {"layout", "--from", "2", "--to", "2"}, {"layout", "--from", "1", "--to", "2", "--auto"},
      {"layout", "--from", "1", "--to", "2", file, file}, {"layout", "--from", "1", "--to", "2", "--", file, "-"},
  };
  for (const char* number : {"0", "4", "-1", "12", "x", "", " 1"})
    bad.push_back({"layout", "--from", number, "--to", "2"});
  for (const auto& arguments : bad) {
    const ToolResult r = Run(arguments, "input");
    EXPECT_EQ(r.status, 2) << ::testing::PrintToString(arguments);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(LineCount(r.err), 1) << r.err;
  }
}

TEST_F(TextTool, UnreadableInputAndUnwritableOutputExitWithOne) {
  const std::vector<std::vector<std::string>> commands = {
      {"convert", "--auto"}, {"case", "upper"}, {"translit"}, {"untranslit"}, {"ruslit"}, {"unruslit"},
      {"layout", "--from", "2", "--to", "1"},
  };
  const std::string path = File("x.txt", W("Щука Shchuka"));
  for (const std::vector<std::string>& command : commands) {
    for (const std::string& input : {dir_ / "missing file.txt", dir_.path(), path}) {
      std::vector<std::string> arguments = command;
      arguments.push_back(input);
      const ToolResult r = Run(arguments, {}, input == path ? test::Output::Broken : test::Output::Working);
      EXPECT_EQ(r.status, 1) << ::testing::PrintToString(arguments);
      EXPECT_EQ(r.out, "");
      EXPECT_EQ(LineCount(r.err), 1) << r.err;
    }
  }
}

TEST_F(TextTool, HelpListsEveryCommand) {
  const ToolResult r = Run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* usage : {"detect", "convert", "case", "translit [FILE]", "untranslit [FILE]", "ruslit [FILE]",
                            "unruslit [FILE]", "layout --from N --to M"})
    EXPECT_NE(r.out.find(std::string("plumex-text ") + usage), std::string::npos) << usage;
}

TEST_F(TextTool, UsesTheUsersTablesAndNeverWritesThem) {
  // A hand-edited file: a shortened Latin pair and a nonsense buffer size.
  const std::string ini = "[CASE]\r\nStrUpCase_En=AB\r\nStrLoCase_En=ab\r\n[AUTODETECT]\r\nDetectBuffer=-5\r\n";
  UserFile(SettingsFileName(), ini);
  const auto written = std::filesystem::last_write_time(SettingsPath());
  EXPECT_EQ(Run({"case", "upper"}, "abc").out, "ABc");
  EXPECT_EQ(Run({"detect", "-"}, In(EncodingCode::KOI, defaults_)).out, "-\tKOI\n");
  EXPECT_EQ(test::ReadRaw(SettingsPath()), ini);
  EXPECT_EQ(std::filesystem::last_write_time(SettingsPath()), written);
}

TEST_F(TextTool, WithoutASettingsFileTheBuiltInTablesServeAndNoneIsCreated) {
  EXPECT_EQ(Run({"case", "upper"}, "abc").out, "ABC");
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
}

}  // namespace
}  // namespace plumex
