#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

constexpr std::string_view kFallback = "<fallback>";

// One pair of quotes is dropped; the first of two sections or keys of a name
// counts; an unclosed header is no section.
TEST(IniFile, ReadFindsTheValueOrGivesTheFallback) {
  const std::string none(kFallback);
  const struct { std::string bytes; const char* section; const char* key; std::string expected; } cases[] = {
      {"[S]\nk=v\n", "S", "k", "v"},                         {"[Sect]\nMyKey=v\n", "sECT", "mykey", "v"},
      {"  [ S ]  \n \t k \t=  a b \t\n", "S", "k", "a b"},    {"[S]\nk=\"  v \"\n", "S", "k", "  v "},
      {"[S]\nk='v'\n", "S", "k", "v"},                        {"[S]\nk=\"\"v\"\"\n", "S", "k", "\"v\""},
      {"[S]\nk=\"v'\n", "S", "k", "\"v'"},                    {"[S]\nk=\"\n", "S", "k", "\""},
      {"[S]\nk=a \"b\" c\n", "S", "k", "a \"b\" c"},          {"[S]\nk=a ; b\n", "S", "k", "a ; b"},
      {"[S]\nk=\n", "S", "k", ""},                            {"[S]\nk=v\n", "S", "other", none},
      {"[S]\nk=v\n", "T", "k", none},                         {"[S]\n;k=v\n", "S", "k", none},
      {"[S]\n  ;k=v\n", "S", "k", none},                      {"[S]\nk=1\nK=2\n", "S", "k", "1"},
      {"[S]\nk=1\n[s]\nk=2\n", "S", "k", "1"},                {"[S]\na=1\n[S]\nb=2\n", "S", "b", none},
      {"k=v\n[S]\n", "S", "k", none},                         {"[S]\n[T\nk=v\n", "S", "k", "v"},
      {"[S] tail\nk=v\n", "S", "k", "v"},                     {"[S]\n=v\n", "S", "", none},
      {"[S]\r\nk=v\r\nj=w\r\n", "S", "j", "w"},               {"[S]\rk=v\rj=w\r", "S", "j", "w"},
      {"[S]\nk=v", "S", "k", "v"},                            {"\xEF\xBB\xBF[S]\nk=v\n", "S", "k", "v"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IniFile::Parse(c.bytes).ReadString(c.section, c.key, kFallback), c.expected) << c.bytes;
}

TEST(IniFile, IntegersAreSignAndDecimalDigitsThatFit) {
  constexpr int kNone = -77;  // the fallback
  const std::pair<std::string, int> cases[] = {
      {"5", 5},      {"-5", -5},    {"+5", 5},      {" 7 ", 7},    {"\"7\"", 7},   {"007", 7},
      {"2147483647", 2147483647},  {"-2147483648", -2147483647 - 1},
      {"2147483648", kNone},       {"-2147483649", kNone},      {"99999999999999999999999999999", kNone},
      {"5x", kNone}, {"x5", kNone}, {"1 2", kNone}, {"0x10", kNone}, {"1.5", kNone}, {"+-5", kNone},
      {"-+5", kNone}, {"-", kNone},  {"+", kNone},   {"", kNone},
  };
  for (const auto& [value, expected] : cases)
    EXPECT_EQ(IniFile::Parse("[S]\nk=" + value + "\n").ReadInteger("S", "k", kNone), expected) << value;
  EXPECT_EQ(IniFile::Parse("").ReadInteger("S", "k", 42), 42);
}

TEST(IniFile, BooleansAreIntegersNotZero) {
  const IniFile file = IniFile::Parse("[S]\none=1\nzero=0\ntwo=2\nminus=-1\nyes=yes\nempty=\n");
  for (bool fallback : {false, true}) {
    for (const char* key : {"one", "two", "minus"}) EXPECT_TRUE(file.ReadBool("S", key, fallback)) << key;
    EXPECT_FALSE(file.ReadBool("S", "zero", fallback));
    for (const char* key : {"yes", "empty", "missing"}) EXPECT_EQ(file.ReadBool("S", key, fallback), fallback) << key;
  }
}

TEST(IniFile, EveryWrittenValueReadsBackAsWritten) {
  const std::string values[] = {
      "", "plain", " lead", "trail ", "\tboth\t", "\"q\"", "'q'", "\"", "'", "\"a'", "\"\"",
      "\" x \"", "a;b", ";start", "a\\b\\", "a=b", "[x]", "a \"b\" c", "\xC0\xFF\x80\x98",
      std::string("nul\0inside", 10), test::AllBytes().substr(0x80),
  };
  const int numbers[] = {0, -1, 2147483647, -2147483647 - 1};
  IniFile file = IniFile::Parse("[S]\n");
  for (std::size_t i = 0; i < std::size(values); ++i) file.WriteString("S", "k" + std::to_string(i), values[i]);
  for (int n : numbers) file.WriteInteger("N", std::to_string(n), n);
  file.WriteBool("N", "on", true);
  file.WriteBool("N", "off", false);
  const IniFile reread = IniFile::Parse(file.Serialize());
  for (std::size_t i = 0; i < std::size(values); ++i) {
    const std::string key = "k" + std::to_string(i);
    EXPECT_EQ(file.ReadString("S", key, kFallback), values[i]) << key;
    EXPECT_EQ(reread.ReadString("S", key, kFallback), values[i]) << key;
  }
  for (int n : numbers) EXPECT_EQ(reread.ReadInteger("N", std::to_string(n), 5), n);
  EXPECT_NE(file.Serialize().find("on=1\r\noff=0\r\n"), std::string::npos);
}

TEST(IniFile, LineBreaksInAValueCannotAddLines) {
  IniFile file = IniFile::Parse("[S]\nk=old\n");
  file.WriteString("S", "k", "new\r\n[Evil]\r\nx=1");
  file.WriteString("S", "j", "one\ntwo");
  file.WriteString("S", "i", "\rall gone");
  EXPECT_EQ(file.Serialize(), "[S]\r\nk=new\r\nj=one\r\ni=\r\n");
}

TEST(IniFile, NamesThatCannotReadBackAreNotWritten) {
  const std::string original = "[S]\r\nk=v\r\n";
  IniFile file = IniFile::Parse(original);
  for (const char* key : {"a=b", "", "   ", ";c", "[d]", "a\nb", "a\rb", "="})
    file.WriteString("S", key, "x");
  for (const char* section : {"a]b", "", " ", "a\nb", "a\rb"}) file.WriteString(section, "k", "x");
  file.WriteInteger("S", "a=b", 1);
  file.WriteBool("a]b", "k", true);
  EXPECT_EQ(file.Serialize(), original);
  EXPECT_FALSE(IniFile::IsWritableKey("[d"));
  EXPECT_TRUE(IniFile::IsWritableKey("d]"));
  EXPECT_TRUE(IniFile::IsWritableSection("[d"));
}

TEST(IniFile, RewriteKeepsForeignLinesWhereTheyStood) {
  const std::string original =
      "; preamble comment\nstray=line\n\n"
      "[First]\n; about a\na=1\nForeign = kept as spelled\nmalformed line without equals\n[unclosed\n\n\n"
      "[Second]\nb=2\n";
  IniFile file = IniFile::Parse(original);
  file.WriteInteger("first", "A", 10);  // changed in place, under the new spelling
  file.WriteString("First", "new", "n");  // at the end of the section, before its blank lines
  file.WriteString("Second", "c", "3");   // the last section has no blank lines to keep
  file.WriteString("Third", "d", "4");    // a new section goes at the end
  EXPECT_EQ(file.Serialize(),
            "; preamble comment\r\nstray=line\r\n\r\n"
            "[First]\r\n; about a\r\nA=10\r\nForeign = kept as spelled\r\nmalformed line without equals\r\n"
            "[unclosed\r\nnew=n\r\n\r\n\r\n"
            "[Second]\r\nb=2\r\nc=3\r\n"
            "[Third]\r\nd=4\r\n");
}

TEST(IniFile, UnchangedFileSerialisesWithCrLfOnly) {
  EXPECT_EQ(IniFile::Parse("[S]\nk=v\rj=w\r\n\n").Serialize(), "[S]\r\nk=v\r\nj=w\r\n\r\n");
  EXPECT_EQ(IniFile::Parse("\xEF\xBB\xBF[S]").Serialize(), "[S]\r\n");
  EXPECT_EQ(IniFile::Parse("").Serialize(), "");
}

TEST(IniFile, KeysAndSectionsListedOnceInFileOrder) {
  const IniFile file = IniFile::Parse(
      "top=0\n[B]\nz=1\n;c=2\nA=3\nz=4\na=5\n[a]\nx=1\n[b]\nlate=1\n[ C ]\n");
  EXPECT_EQ(file.Keys("b"), (std::vector<std::string>{"z", "A"}));
  EXPECT_EQ(file.Keys("a"), std::vector<std::string>{"x"});
  EXPECT_TRUE(file.Keys("C").empty());
  EXPECT_TRUE(file.Keys("missing").empty());
  EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"B", "a", "C"}));
  EXPECT_TRUE(file.HasKey("B", "a"));
  EXPECT_FALSE(file.HasKey("B", "late"));
}

TEST(IniFile, DeleteKeyRemovesEveryLineOfIt) {
  IniFile file = IniFile::Parse("[S]\nk=1\nj=2\nK=3\ni=4\n[T]\nk=5\n");
  file.DeleteKey("s", "k");
  file.WriteString("S", "i", "changed");  // found where it now stands
  file.DeleteKey("S", "missing");
  file.DeleteKey("Missing", "k");
  EXPECT_EQ(file.Serialize(), "[S]\r\nj=2\r\ni=changed\r\n[T]\r\nk=5\r\n");
}

TEST(IniFile, ManyKeysAndSectionsStayFast) {
  // Quadratic lookups would take hours here.
  constexpr int kKeys = 100000;
  constexpr int kSections = 10000;
  std::string bytes = "[Big]\n";
  for (int i = 0; i < kKeys; ++i) bytes += "key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
  for (int i = 0; i < kSections; ++i) bytes += "[S" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n\n";
  IniFile file = IniFile::Parse(bytes);
  for (int i = 0; i < kKeys; i += 997) EXPECT_EQ(file.ReadInteger("Big", "KEY" + std::to_string(i), -1), i);
  for (int i = 0; i < kSections; ++i) file.WriteInteger("s" + std::to_string(i), "added", i);
  for (int i = 0; i < kKeys; ++i) file.WriteInteger("Big", "new" + std::to_string(i), i);
  const IniFile reread = IniFile::Parse(file.Serialize());
  EXPECT_EQ(reread.ReadInteger("S9999", "added", -1), 9999);
  EXPECT_EQ(reread.ReadInteger("Big", "new99999", -1), 99999);
  EXPECT_EQ(reread.Keys("Big").size(), static_cast<std::size_t>(2 * kKeys));
}

TEST(IniFile, LoadTellsMissingLoadedAndFailedApart) {
  test::TempDir dir;
  const std::string path = dir / "name with spaces, 'quotes' and \"doubles\".ini";

  const IniLoad missing = IniFile::Load(path);
  EXPECT_EQ(missing.state, IniLoadState::Missing);
  EXPECT_TRUE(missing.file.SectionNames().empty());

  IniFile file;
  file.WriteString("S", "k", " v ");
  ASSERT_TRUE(file.Save(path));
  EXPECT_EQ(test::ReadRaw(path), "[S]\r\nk=\" v \"\r\n");
  const IniLoad loaded = IniFile::Load(path);
  ASSERT_EQ(loaded.state, IniLoadState::Loaded);
  EXPECT_EQ(loaded.file.ReadString("S", "k", kFallback), " v ");

  std::filesystem::create_directory(dir / "folder.ini");
  const std::string huge = dir / "huge.ini";  // too large to be ours
  test::WriteRaw(huge, "[S]\nk=v\n");
  ASSERT_EQ(truncate(huge.c_str(), static_cast<off_t>(kIniSizeLimit + 1)), 0);  // sparse: no disk spent
  for (const std::string& bad : {dir / "folder.ini", huge}) {
    const IniLoad failed = IniFile::Load(bad);
    EXPECT_EQ(failed.state, IniLoadState::Failed) << bad;
    EXPECT_FALSE(failed.error.empty());
  }
  EXPECT_FALSE(file.Save(dir / "folder.ini"));
  EXPECT_FALSE(file.Save(dir / "no such folder/x.ini"));
}

TEST(IniFile, UnreadableFileFails) {
  if (test::RunningAsRoot()) GTEST_SKIP() << "root reads any file";
  test::TempDir dir;
  const std::string locked = dir / "locked.ini";
  test::WriteRaw(locked, "[S]\nk=v\n");
  std::filesystem::permissions(locked, std::filesystem::perms::none);
  EXPECT_EQ(IniFile::Load(locked).state, IniLoadState::Failed);
}

}  // namespace
}  // namespace plumex
