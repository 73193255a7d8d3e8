// plumex-text in-process, each test with a settings folder of its own: the user's files take no part.
#include "cli/text_tool.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <thread>

#include "cli/byte_streams.h"
#include "cli/subcommands.h"
#include "commands/layout_repair.h"
#include "config/conversion_settings.h"
#include "convert/translit.h"
#include "convert/utf8.h"
#include "convert/win1251.h"
#include "model/command_line.h"
#include "platform/system_facts.h"
#include "support/file_helpers.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

using Args = std::vector<std::string>;
namespace fs = std::filesystem;

struct ToolResult { int status; std::string out, err; };

std::string W(std::string_view utf8) { return Utf8ToWin1251(utf8); }
std::string U(std::string_view win) { return Win1251ToUtf8(win); }
std::string Latin(std::string_view win) { std::string s; for (unsigned char b : win) s += Utf8Of(b); return s; }
const std::string kBom(kUtf8Bom);
long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }
Args Plus(Args a, const Args& more) { a.insert(a.end(), more.begin(), more.end()); return a; }
// The exit status, the output and how many lines went to standard error.
std::string Outcome(const ToolResult& r) {
  return std::to_string(r.status) + " [" + r.out + "] " + std::to_string(Lines(r.err));
}

const std::string kProse = W(
    "Осенью город становится тише. Туристы разъезжаются, кафе убирают столики с улиц, "
    "а в парках дворники собирают листья в большие кучи. Она смотрит в окно.\r\n");

class TextTool : public ::testing::Test {
 protected:
  ToolResult Run(const Args& arguments, const std::string& input = {}, std::ostream* output = nullptr) {
    std::vector<const char*> argv = {"plumex-text"};
    for (const std::string& a : arguments) argv.push_back(a.c_str());
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunTextTool(static_cast<int>(argv.size()), argv.data(), in, output ? *output : out, err);
    return {status, out.str(), err.str()};
  }
  // "settings/..." is in the user's settings folder.
  std::string File(const std::string& name, const std::string& bytes) {
    fs::create_directories(fs::path(dir_ / name).parent_path());
    test::WriteRaw(dir_ / name, bytes);
    return dir_ / name;
  }
  std::string In(EncodingCode code, const std::string& text = kProse) const {
    return defaults_.Conversion(EncodingCode::WIN, code).Apply(text);
  }

  test::TempDir dir_;
  test::ScopedEnv home_{"PLUMEX_HOME", dir_ / "settings"};
  const std::string settingsName_ = "settings/" + SettingsFileName();
  const ConversionTables defaults_ = TablesFromSettings(Settings{});
};

TEST_F(TextTool, EveryCommandOnAFileAndOnStandardInput) {
  const std::string mixed = W("привет, МИР! don't stop");
  const struct { Args arguments; std::string input, expected; } cases[] = {
      {{"case", "upper"}, mixed, W("ПРИВЕТ, МИР! DON'T STOP")}, {{"case", "lower"}, mixed, W("привет, мир! don't stop")},
      {{"case", "invert"}, mixed, W("ПРИВЕТ, мир! DON'T STOP")}, {{"case", "capitalize"}, mixed, W("Привет, Мир! Don'T Stop")},
      {{"translit"}, W("Щука\r\nЖук, ёж\n"), "Shchuka\r\nZhuk, ezh\n"}, {{"ruslit"}, W("Жук"), "}|{yk"},
      {{"untranslit"}, "tsar ZHUK Zhuk \xD0\xA9", W("цар ЗХУК Жук ") + "\xD0\xA9"},
      {{"unruslit"}, "|||,|||b|}|{yk", W("ЩШЫЖук")}, {{"convert", "--auto"}, In(EncodingCode::ISO), kProse},
      {{"layout", "--from", "2", "--to", "1"}, W("руддщ Ё-моё 1=1"), "hello ~-vj` 1=1"},
      {{"layout", "--to=2", "--from=1"}, "Ghbdtn? Ndjq lheu\r\n", W("Привет, Твой друг\r\n")},
      {{"convert", "--from", "KOI", "--to", "WIN"}, In(EncodingCode::KOI), kProse},
      {{"convert", "--to=dos", "--from=Win"}, kProse, In(EncodingCode::DOS)},
      {{"convert", "--from", "UTF8", "--to", "KOI"}, kBom + U(kProse), In(EncodingCode::KOI)},
      {{"convert", "--from=dos", "--to=utf8"}, In(EncodingCode::DOS), U(kProse)},
      {{"convert", "--auto"}, std::string(4096, 'x') + U(kProse), std::string(4096, 'x') + kProse},
      // Mojibake, repaired in the input's form: UTF-8 read as WIN, WIN read as Latin-1, UTF-8 read as KOI.
      {{"repair"}, kBom + U(U(kProse)), kBom + U(kProse)}, {{"repair"}, Latin(kProse), U(kProse)},
      {{"repair"}, defaults_.Conversion(EncodingCode::KOI, EncodingCode::WIN).Apply(U(kProse)), kProse},
  };
  const std::string fifo = dir_ / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);  // a pipe can be read only once
  for (const auto& c : cases) {
    const std::string path = File("it's a \"file\".txt", c.input);
    for (const Args& operands : {Args{path}, Args{"--", path}, Args{"-"}, Args{}, Args{fifo}}) {
      std::jthread feed;
      if (operands == Args{fifo}) feed = std::jthread([&] { test::WriteRaw(fifo, c.input); });
      const Args arguments = Plus(c.arguments, operands);
      const ToolResult r = Run(arguments, c.input);
      EXPECT_EQ(std::to_string(r.status) + r.err + r.out, "0" + c.expected) << ::testing::PrintToString(arguments);
    }
  }
}

TEST_F(TextTool, DetectNamesEachFileOrStandardInputAndGoesOnPastUnreadableOnes) {
  const std::string koi = File("with space.txt", In(EncodingCode::KOI)), mac = File("-dash.txt", In(EncodingCode::MAC));
  const std::string empty = File("empty.txt", "");
  ToolResult r = Run({"detect", koi, dir_ / "missing.txt", dir_.path(), "--", mac, empty});
  EXPECT_EQ(Outcome(r), "1 [" + koi + "\tKOI\n" + mac + "\tMAC\n" + empty + "\tWIN\n] 2");
  EXPECT_NE(r.err.find("missing.txt"), std::string::npos);
  for (const Args& arguments : {Args{"detect"}, Args{"detect", "-"}})
    EXPECT_EQ(Run(arguments, In(EncodingCode::DOS)).out, "-\tDOS\n");
  const std::string late = std::string(1024, 'x') + In(EncodingCode::KOI);  // after the bytes detection reads
  EXPECT_EQ(Run({"detect"}, late).out + Run({"convert", "--auto"}, late).out, "-\tWIN\n" + late);
  const std::string spoilt = std::string(2 * kChunkSize, 'x') + U(kProse) + "\xFF";  // UTF-8 up to its last byte
  EXPECT_EQ(Run({"detect"}, spoilt).out + Run({"convert", "--auto"}, spoilt).out, "-\tWIN\n" + spoilt);
  EXPECT_EQ(Run({"detect"}, std::string(4096, 'x') + U(kProse)).out, "-\tUTF8\n");
  // Mac lower case ties with WIN in the marker count; the statistical method tells them apart and says how sure.
  const std::string macWords = In(EncodingCode::MAC, W("моя семья и дом"));
  EXPECT_EQ(Run({"detect", "--statistical"}, macWords).out + Run({"detect"}, macWords).out, "-\tMAC\n-\tWIN\n");
  EXPECT_EQ(Run({"detect", "--statistical", "--verbose"}, "123").out, "-\tWIN\tnot Cyrillic\n");
  EXPECT_TRUE(Run({"detect", "--statistical", "--verbose"}, macWords).out.starts_with("-\tMAC\tWIN 0.0")) << macWords;
  File(settingsName_, "[AUTODETECT]\r\nDetectBuffer=999999\r\n");  // read on past an invalid chunk: still no UTF-8
  EXPECT_EQ(Run({"detect"}, In(EncodingCode::KOI) + std::string(kChunkSize, 'x') + "Ж").out, "-\tKOI\n");
}

TEST_F(TextTool, EveryByteSurvivesAndBigInputsPassInChunks) {
  const std::string all = test::AllBytes() + "\r\n\r\n\n\r" + test::AllBytes();
  EXPECT_EQ(Run({"convert", "--from=WIN", "--to=KOI"}, all).out + Run({"convert", "--from=WIN", "--to=WIN"}, all).out,
            In(EncodingCode::KOI, all) + all);
  const std::string utf8 = Run({"convert", "--from=WIN", "--to=UTF8"}, all).out;
  EXPECT_EQ(utf8 + Run({"convert", "--from=UTF8", "--to=WIN"}, utf8).out, U(all) + all);
  EXPECT_EQ(Run({"untranslit"}, all).out, TranslitReverse(all, BuiltInTranslitLines()));  // the four share one pipe
  std::string big;
  while (big.size() < 2 * kChunkSize + 7) big += In(EncodingCode::DOS) + test::AllBytes() + "ghbdtn\r\n";
  const std::string path = File("big.bin", big);
  EXPECT_TRUE(Run({"convert", "--auto", path}).out == defaults_.Conversion(EncodingCode::DOS, EncodingCode::WIN).Apply(big));
  EXPECT_TRUE(Run({"layout", "--from", "1", "--to", "2", path}).out ==
              LayoutRepair(LayoutAction::From1To2, Settings{}.Layouts, 2).Apply(big));
}

TEST_F(TextTool, NoWordAndNoKeyIsCutAtAChunkSeam) {
  const TranslitTable untranslit(BuiltInTranslitLines(), TranslitDirection::Reverse);
  for (std::size_t before : {kChunkSize - 1, kChunkSize - 2, kChunkSize - 3, kChunkSize}) {
    const std::string words = std::string(before, ' ') + W("слово СЛОВО") + std::string(kChunkSize, 'a') + " b";
    for (const char* cut : {"Ж", "\xF0\x9F\x98\x80"}) {  // a letter, and a character Windows-1251 lacks
      const std::string utf8 = std::string(before, 'x') + cut + U(kProse);
      EXPECT_EQ(Run({"detect"}, utf8).out + Run({"convert", "--from=UTF8", "--to=WIN", "--lossy"}, utf8).out,
                "-\tUTF8\n" + std::string(before, 'x') + W(cut) + kProse) << before;
    }
    EXPECT_EQ(Run({"case", "capitalize"}, words).out, CapitalizeWords(words, defaults_.Case())) << before;
    // A key cut by the seam, after a line break or with none before it, and
    // the CR and LF of one break in two chunks.
    for (const std::string& text :
         {"Ya\r\n" + std::string(before - 4, 'x') + "Shchuka" + std::string(kChunkSize, 'y') + "\nTs",
          std::string(before, 'x') + "Shch" + std::string(2 * kChunkSize, 'z') + "Yu",
          std::string(before, 'x') + "\r\nZh" + std::string(kChunkSize, '\r') + "Ch"}) {
      EXPECT_TRUE(Run({"untranslit", File("big.txt", text)}).out == untranslit.Apply(text)) << text.size() << " bytes";
    }
  }
}

TEST_F(TextTool, BadArgumentsExitWithTwoAndOneLine) {
  const std::string file = File("f.txt", "x");
  std::vector<Args> bad = {
      {}, {"nonsense"}, {"-v"}, {"detect", "--verbose", file},
      {"convert", "--from", "KOI"}, {"convert", "--to", "WIN"}, {"convert", "--from", "UTF-16", "--to", "WIN"},
      {"convert", "--from", "KOI", "--to"}, {"convert", "--auto", "--from", "KOI", file},
      {"convert", "--auto=yes", file}, {"convert", "--from", "KOI", "--to", "WIN", file, file},
      {"convert", "--auto", "--lossy=1", file}, {"repair", file, file},
      {"case"}, {"case", "title", file}, {"case", "upper", file, file}, {"translit", file, file}, {"repair", "--lossy"},
      {"untranslit", "--reverse"}, {"layout"}, {"layout", file}, {"layout", "--from", "1"},
      {"layout", "--to", "2", file}, {"layout", "--from", "1", "--to"}, {"layout", "--from", "2", "--to", "2"},
      {"layout", "--from", "1", "--to", "2", "--auto"}, {"layout", "--from", "1", "--to", "2", "--", file, "-"},
  };
  for (const char* number : {"0", "4", "-1", "12", "x", "", " 1"}) bad.push_back({"layout", "--from", number, "--to", "2"});
  for (const Args& arguments : bad)
    EXPECT_EQ(Outcome(Run(arguments, "input")), "2 [] 1") << ::testing::PrintToString(arguments);
}

TEST_F(TextTool, UnreadableInputAndUnwritableOutputExitWithOne) {
  const std::string path = File("x.txt", U("Щука") + " Shchuka");
  std::ostream closedPipe(nullptr);
  for (const Args& command : {Args{"convert", "--auto"}, Args{"convert", "--from=UTF8", "--to=KOI"}, Args{"repair"},
                              Args{"case", "upper"}, Args{"translit"}, Args{"layout", "--from", "2", "--to", "1"}})
    for (const std::string& input : {dir_ / "missing file.txt", dir_.path(), path})
      EXPECT_EQ(Outcome(Run(Plus(command, {input}), {}, input == path ? &closedPipe : nullptr)), "1 [] 1") << input;
}

TEST_F(TextTool, CharactersWindows1251LacksAreWrittenOnlyWithLossy) {
  const std::string lacking = "→ Привет, 😀 мир";
  const struct { Args arguments; std::string input; const char* lost; std::string lossy; } cases[] = {
      {{"convert", "--from", "UTF8", "--to", "WIN"}, lacking + "\xD0", "3", W("? Привет, ? мир?")},  // cut short
      {{"convert", "--auto"}, lacking, "2", W("? Привет, ? мир")},
  };
  for (const auto& c : cases)
    for (const Args& operands : {Args{}, Args{File("lacking.txt", c.input)}}) {  // held whole, or read twice
      const ToolResult r = Run(Plus(c.arguments, operands), c.input);
      EXPECT_EQ(Outcome(r), "4 [] 1");
      EXPECT_TRUE(r.err.starts_with(std::string("plumex-text: convert: ") + c.lost + " characters")) << r.err;
      EXPECT_EQ(Outcome(Run(Plus(Plus(c.arguments, operands), {"--lossy"}), c.input)), "0 [" + c.lossy + "] 0");
    }
}

TEST_F(TextTool, RepairWritesTextWithNothingToRepairAsItWasAndExitsWithThree) {
  // Clean text in any form, and a repair that would lose a character Windows-1251 lacks.
  for (const std::string& input : {kProse, In(EncodingCode::KOI), U(kProse), kBom + U(kProse), test::AllBytes(),
                                   std::string(), "→ " + U(U(kProse))})
    EXPECT_EQ(Outcome(Run({"repair"}, input)), "3 [" + input + "] 0");
}

TEST_F(TextTool, HelpShowsEveryCommandAndVersionIsTheEditorsLine) {
  const ToolResult help = Run({"--help"});
  for (const Subcommand& command : Subcommands())
    EXPECT_NE(help.out.find("plumex-text " + std::string(command.name) + ' ' + std::string(command.usage)),
              std::string::npos) << command.name;
  EXPECT_TRUE(help.status == 0 && help.out.find("plumex-text --help | --version") != std::string::npos) << help.status;
  const ToolResult version = Run({"--version"});
  EXPECT_EQ(std::to_string(version.status) + version.err + version.out, "0" + VersionText());
}

TEST_F(TextTool, TheUsersTablesDecideAndAreNeverWritten) {
  EXPECT_EQ(Run({"case", "upper"}, "abc").out + Run({"translit"}, W("Щ")).out, "ABCShch") << "the built-in tables";
  EXPECT_TRUE(!fs::exists(dir_ / "settings") || fs::is_empty(dir_ / "settings")) << "and no file is made for them";
  // Hand-edited: a short Latin pair, a bad buffer size, a translit table that chains, an empty ruslit one.
  const std::string ini = "[CASE]\r\nStrUpCase_En=AB\r\nStrLoCase_En=ab\r\n[AUTODETECT]\r\nDetectBuffer=-5\r\n";
  const std::string translit = W("Щ=SCH\r\nщ=sch\r\nк=q\r\nq=k\r\nno equals sign\r\n=empty key\r\n");
  const std::pair<std::string, std::string> files[] = {
      {settingsName_, ini}, {"settings/translit.ini", translit}, {"settings/ruslit.ini", ""}};
  for (const auto& [name, bytes] : files) File(name, bytes);
  const auto written = fs::last_write_time(dir_ / settingsName_);
  EXPECT_EQ(Run({"case", "upper"}, "abc").out + Run({"detect"}, In(EncodingCode::KOI)).out, "ABc-\tKOI\n");
  EXPECT_EQ(Run({"translit"}, W("Щука")).out, "SCH" + W("у") + "k" + W("а")) << "к, then q, became k";
  EXPECT_EQ(Run({"untranslit"}, "SCH sch Shch").out + Run({"ruslit"}, W("Жук")).out, W("Щ щ ShchЖук"));
  for (const auto& [name, bytes] : files) EXPECT_EQ(test::ReadRaw(dir_ / name), bytes);
  EXPECT_EQ(fs::last_write_time(dir_ / settingsName_), written);

  ASSERT_TRUE(fs::remove(dir_ / "settings/translit.ini") && fs::create_directories(dir_ / "settings/translit.ini"));
  const ToolResult unreadable = Run({"translit"}, W("Щука"));
  EXPECT_EQ(Outcome(unreadable), "0 [Shchuka] 1") << "a table that cannot be read: the built-in one";
  EXPECT_NE(unreadable.err.find("translit.ini"), std::string::npos);
}

TEST_F(TextTool, LayoutsComeFromTheUsersSettingsOrAreRefused) {
  // Layout 3: the Russian keys with і where ы stands.
  std::string keys = Settings{}.Layouts[1].Keys;
  std::replace(keys.begin(), keys.end(), '\xFB', '\xB3');
  std::replace(keys.begin(), keys.end(), '\xDB', '\xB2');
  File(settingsName_, "[LAYOUT]\r\nLOCount=3\r\n3=Ua\r\nUa=00000422\r\nStrLO_Ua=" + keys + "\r\n");
  EXPECT_EQ(Run({"layout", "--from", "1", "--to", "3"}, "s S d").out, "\xB3 \xB2 \xE2");
  EXPECT_EQ(Run({"layout", "--from", "3", "--to", "2"}, "\xB3\xB2\xE2").out, "\xFB\xDB\xE2");

  const struct { const char* ini; const char* from; const char* to; const char* says; } refused[] = {
      {"", "1", "3", "LOCount=2"}, {"", "3", "2", "LOCount=2"},
      {"[LAYOUT]\r\nLOCount=1\r\n", "2", "1", "layout 2 is not in use (LOCount=1"},
      {"[LAYOUT]\r\nStrLO_Ru=\r\n", "1", "2", "layout 2 has no key characters"},
      {"[LAYOUT]\r\nStrLO_Ru=\r\n", "2", "1", "layout 2 has no key characters"},
      {"[LAYOUT]\r\nLOCount=3\r\n3=Ua\r\n", "1", "3", "layout 3 has no key characters"},
  };
  for (const auto& c : refused) {
    File(settingsName_, c.ini);
    const ToolResult r = Run({"layout", "--from", c.from, "--to", c.to}, "ghbdtn");
    EXPECT_EQ(Outcome(r), "2 [] 1") << c.ini;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace plumex
