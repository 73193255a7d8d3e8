#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <unistd.h>
#include <vector>

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
      {"[S]\nk=v\n", "S", "k", "v"}, {"[Sect]\nMyKey=v\n", "sECT", "mykey", "v"},
      {"  [ S ]  \n \t k \t=  a b \t\n", "S", "k", "a b"}, {"[S]\nk='v'\n", "S", "k", "v"},
      {"[S]\nk=\"\"v\"\"\n", "S", "k", "\"v\""}, {"[S]\nk=\"v'\n", "S", "k", "\"v'"}, {"[S]\nk=\"\n", "S", "k", "\""},
      {"[S]\nk=a \"b\" c\n", "S", "k", "a \"b\" c"}, {"[S]\nk=v\n", "S", "other", none},
      {"[S]\nk=v\n", "T", "k", none}, {"[S]\n;k=v\n", "S", "k", none}, {"[S]\n  ;k=v\n", "S", "k", none},
      {"[S]\nk=1\nK=2\n", "S", "k", "1"}, {"[S]\nk=1\n[s]\nk=2\n", "S", "k", "1"},
      {"[S]\na=1\n[S]\nb=2\n", "S", "b", none}, {"k=v\n[S]\n", "S", "k", none}, {"[S]\n[T\nk=v\n", "S", "k", "v"},
      {"[S] tail\nk=v\n", "S", "k", "v"}, {"[S]\n=v\n", "S", "", none},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IniFile::Parse(c.bytes).ReadString(c.section, c.key, kFallback), c.expected) << c.bytes;
}

// A hand-edited value as string, integer and boolean, under every line-ending
// style. Integers take the leading number; only an empty value, a number
// beyond 32 bits (or a missing key) gives the fallback; booleans follow.
TEST(IniFile, HandEditedValuesReadAsThePrivateProfileReaderReadsThem) {
  constexpr int kMax = 2147483647, kMin = -2147483647 - 1;
  const struct { std::string value, text; std::optional<int> number; } cases[] = {
      {"5", "5", 5},            {"-5", "-5", -5},         {"+5", "+5", 5},          {" 7 ", "7", 7},
      {"\"7\"", "7", 7},        {"007", "007", 7},        {"12abc", "12abc", 12},   {"100 ; px", "100 ; px", 100},
      {"1.5", "1.5", 1},        {"42A9", "42A9", 42},     {"1x", "1x", 1},          {"0x10", "0x10", 0},
      {"false", "false", 0},    {"no", "no", 0},          {"-", "-", 0},            {"+-5", "+-5", 0},
      {"- 5", "- 5", 0},        {"\" 3\"", " 3", 3},      {"-0", "-0", 0},          {"\xC0", "\xC0", 0},
      {"2147483647", "2147483647", kMax},                 {"-2147483648", "-2147483648", kMin},
      {"2147483648", "2147483648", std::nullopt},         {"-2147483649", "-2147483649", std::nullopt},
      {std::string(100000, '9'), std::string(100000, '9'), std::nullopt},  {"12345678901x", "12345678901x", std::nullopt},
      {"", "", std::nullopt},   {"\"\"", "", std::nullopt}, {"  ", "", std::nullopt},
  };
  for (const char* end : {"\r\n", "\n", "\r"}) {
    for (const auto& c : cases) {
      const IniFile file = IniFile::Parse(std::string("[S]") + end + "k=" + c.value + end + "j=1");
      const std::string where = c.value.substr(0, 20) + (end[0] == '\n' ? " LF" : end[1] ? " CR LF" : " CR");
      EXPECT_EQ(file.ReadString("S", "k", kFallback), c.text) << where;
      EXPECT_EQ(file.ReadInteger("S", "k", -77), c.number.value_or(-77)) << where;
      for (bool fallback : {false, true})
        EXPECT_EQ(file.ReadBool("S", "k", fallback), c.number ? *c.number != 0 : fallback) << where;
      EXPECT_EQ(file.ReadInteger("S", "j", 0), 1) << where;
    }
  }
  EXPECT_TRUE(IniFile::Parse("").ReadInteger("S", "k", 42) == 42 && IniFile::Parse("").ReadBool("S", "k", true));
}

// UTF-16 and UTF-8 with a byte order mark, as Windows editors save
// "Unicode": read through the Windows-1251 table, written back in their form.
TEST(IniFile, MarkedUnicodeFilesAreReadAndKeepTheirForm) {
  const std::string le = std::string("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0/\x04\r\0\n\0", 22);  // [S] k=Я
  const std::string be = std::string("\xFE\xFF\0[\0S\0]\0\n\0k\0=\x04/", 16);
  for (const std::string& bytes : {le, be, std::string("\xEF\xBB\xBF[S]\nk=\xD0\xAF")}) {
    IniFile file = IniFile::Parse(bytes);
    EXPECT_EQ(file.ReadString("S", "k", kFallback), "\xDF") << bytes;
    file.WriteString("S", "new", "\xB8\x98");  // ё and the one byte 1251 leaves empty
    const std::string saved = file.Serialize();
    EXPECT_EQ(saved.substr(0, 2), bytes.substr(0, 2)) << "keeps its mark";
    EXPECT_EQ(IniFile::Parse(saved).ReadString("S", "new", kFallback), "\xB8\x98");
    EXPECT_EQ(IniFile::Parse(saved).Serialize(), saved);
  }
  EXPECT_EQ(IniFile::Parse(le).Serialize(), le);
  // Characters 1251 lacks (中, an unpaired surrogate) read as "?"; tables
  // refuse such a line. An odd last byte, half a character, is dropped.
  const IniFile odd = IniFile::Parse(std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0-\x4E\0\xD8x\0\n\0j\0=\0\x1C\x04" "A", 29));
  EXPECT_EQ(odd.ReadString("S", "k", kFallback), "??x");
  EXPECT_EQ(odd.ReadExactString("S", "k", kFallback), kFallback);
  EXPECT_EQ(odd.ReadExactString("S", "j", kFallback), "\xCC");
  EXPECT_EQ(IniFile::Parse("\xEF\xBB\xBF[S]\nk=\xE4\xB8\xAD \xFF").ReadString("S", "k", kFallback), "? ?");
  EXPECT_EQ(IniFile::Parse("\xEF\xBBk=v").Serialize(), "\xEF\xBBk=v\r\n") << "half a mark is text";
  // In every form a DOS end-of-file mark (0x1A) ends the file.
  for (const std::string& bytes : {std::string("[S]\nk=v\x1A\r\nj=w\n"), std::string("\xEF\xBB\xBF[S]\nk=v\x1Aj=w"),
                                   std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0v\0\x1A\0j\0=\0w\0", 24)}) {
    const IniFile file = IniFile::Parse(bytes);
    EXPECT_EQ(file.ReadString("S", "k", kFallback), "v");
    EXPECT_FALSE(file.HasKey("S", "j"));
  }
  EXPECT_EQ(IniFile::Parse("\x1A[S]\nk=v").Serialize(), "");
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
  for (bool on : {true, false}) file.WriteBool("N", on ? "on" : "off", on);
  const IniFile reread = IniFile::Parse(file.Serialize());
  for (std::size_t i = 0; i < std::size(values); ++i)
    for (const IniFile& f : {file, reread}) EXPECT_EQ(f.ReadString("S", "k" + std::to_string(i), kFallback), values[i]);
  for (int n : numbers) EXPECT_EQ(reread.ReadInteger("N", std::to_string(n), 5), n);
  EXPECT_NE(file.Serialize().find("on=1\r\noff=0\r\n"), std::string::npos);
}

// Line breaks in a value, and names that would not read back, add no lines.
TEST(IniFile, WritesThatCouldNotReadBackAddNoLines) {
  IniFile file = IniFile::Parse("[S]\nk=old\n");
  file.WriteString("S", "k", "new\r\n[Evil]\r\nx=1");
  file.WriteString("S", "j", "one\ntwo");
  file.WriteString("S", "i", "\rall gone");
  file.WriteString("S", "h", "cut\x1A[S]\r\nk=lost");  // 0x1A would end the file there
  for (const char* key : {"a=b", "", "   ", ";c", "[d]", "a\nb", "a\rb", "=", "a\x1A"}) file.WriteString("S", key, "x");
  for (const char* section : {"a]b", "", " ", "a\nb", "a\rb", "\x1A"}) file.WriteString(section, "k", "x");
  file.WriteInteger("S", "a=b", 1);
  file.WriteBool("a]b", "k", true);
  EXPECT_EQ(file.Serialize(), "[S]\r\nk=new\r\nj=one\r\ni=\r\nh=cut\r\n");
  EXPECT_EQ(IniFile::Parse("[S]\nk=v\rj=w\r\n\n").Serialize(), "[S]\r\nk=v\r\nj=w\r\n\r\n");
  EXPECT_TRUE(!IniFile::IsWritableKey("[d") && IniFile::IsWritableKey("d]") && IniFile::IsWritableSection("[d"));
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

// Keys and sections are listed once, in file order; deleting a key removes
// every line of it.
TEST(IniFile, KeysAndSectionsListedOnceInFileOrderAndDeletedWhole) {
  const IniFile file = IniFile::Parse(
      "top=0\n[B]\nz=1\n;c=2\nA=3\nz=4\na=5\n[a]\nx=1\n[b]\nlate=1\n[ C ]\n");
  EXPECT_EQ(file.Keys("b"), (std::vector<std::string>{"z", "A"}));
  EXPECT_EQ(file.Keys("a"), std::vector<std::string>{"x"});
  EXPECT_TRUE(file.Keys("C").empty() && file.Keys("missing").empty());
  EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"B", "a", "C"}));
  EXPECT_TRUE(file.HasKey("B", "a") && !file.HasKey("B", "late"));
  IniFile deleting = IniFile::Parse("[S]\nk=1\nj=2\nK=3\ni=4\n[T]\nk=5\n");
  deleting.DeleteKey("s", "k");
  deleting.WriteString("S", "i", "changed");  // found where it now stands
  deleting.DeleteKey("S", "missing");
  deleting.DeleteKey("Missing", "k");
  EXPECT_EQ(deleting.Serialize(), "[S]\r\nj=2\r\ni=changed\r\n[T]\r\nk=5\r\n");
}

TEST(IniFile, ManyKeysAndSectionsStayFast) {
  // Quadratic lookups would take hours here.
  constexpr int kKeys = 100000, kSections = 10000;
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
  EXPECT_EQ(IniFile::Load(path).state, IniLoadState::Missing);
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
  std::vector<std::string> failing = {dir / "folder.ini", huge};
  if (!test::RunningAsRoot()) {  // root reads any file
    test::WriteRaw(dir / "locked.ini", "[S]\nk=v\n");
    std::filesystem::permissions(dir / "locked.ini", std::filesystem::perms::none);
    failing.push_back(dir / "locked.ini");
  }
  for (const std::string& bad : failing) {
    const IniLoad failed = IniFile::Load(bad);
    EXPECT_TRUE(failed.state == IniLoadState::Failed && !failed.error.empty()) << bad;
  }
  EXPECT_FALSE(file.Save(dir / "folder.ini") || file.Save(dir / "no such folder/x.ini"));
}

}  // namespace
}  // namespace plumex
