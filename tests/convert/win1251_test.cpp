#include "convert/win1251.h"

#include <gtest/gtest.h>

#include <set>

#include "convert/display_text.h"
#include "support/file_helpers.h"

namespace plumex {
namespace {

TEST(Win1251, EveryByteHasItsOwnPublishedCharacterAndComesBack) {
  std::set<char16_t> seen;
  for (int b = 0; b < 256; ++b) {
    EXPECT_TRUE(seen.insert(Win1251ToUnicode(static_cast<unsigned char>(b))).second) << b << " shares its character";
    EXPECT_EQ(UnicodeToWin1251(Win1251ToUnicode(static_cast<unsigned char>(b))), b);
  }
  const std::u16string published = u"A\u0402\u20AC\u0098\u00A0\u0401\u0451\u2116\u0410\u042F\u0430\u044F";
  EXPECT_EQ(BytesToDisplay("A\x80\x88\x98\xA0\xA8\xB8\xB9\xC0\xDF\xE0\xFF", LineBreak::CrLf), published);
  EXPECT_EQ(UnicodeToWin1251(u'\u00E9'), -1);
  EXPECT_EQ(Utf8ToWin1251(Win1251ToUtf8(test::AllBytes())), test::AllBytes());
  EXPECT_EQ(Win1251ToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2"), "Привет");
  // Characters the code page lacks, and broken UTF-8, become question marks.
  const std::pair<const char*, const char*> bad[] = {{"a\xFF" "b", "a?b"}, {"\xD0", "?"}, {"x\xE4\xB8", "x??"},
                                                     {"中ж", "?\xE6"}, {"\xF0\x9F\x98\x80", "?"}};
  for (const auto& [utf8, bytes] : bad) EXPECT_EQ(Utf8ToWin1251(utf8), bytes) << utf8;
}

TEST(DisplayText, BytesSurviveTheTripThroughTheWidgetFormInTheirLineBreakStyle) {
  // More lone LFs than CR LF pairs make an LF text; ties and texts without LF are CR LF.
  for (const char* text : {"", "one line", "a\r\nb\r\n", "a\r\nb\nc", "a\rb"})
    EXPECT_EQ(DetectLineBreak(text), LineBreak::CrLf) << text;
  for (const char* text : {"\n", "a\nb\n", "a\nb\r\nc\nd\n"}) EXPECT_EQ(DetectLineBreak(text), LineBreak::Lf) << text;
  for (const std::string& bytes : {std::string("stray\rcr\r\nand\nlf\r\n"), std::string("mostly\nlf\nwith one\r\ncr lf\n"),
                                   std::string("\r\r\n\n\r"), test::AllBytes() + "\r\n" + test::AllBytes()}) {
    const LineBreak style = DetectLineBreak(bytes);
    EXPECT_EQ(DisplayToBytes(BytesToDisplay(bytes, style), style), bytes);
  }
  // One character per byte, but one per line break; stray breaks show as marks.
  EXPECT_EQ(BytesToDisplay("a\r\nb", LineBreak::CrLf) + BytesToDisplay("a\nb", LineBreak::Lf), u"a\u2029ba\u2029b");
  EXPECT_EQ(BytesToDisplay("a\nb", LineBreak::CrLf) + BytesToDisplay("a\rb", LineBreak::Lf), u"a\u240Aba\u240Db");
  EXPECT_EQ(DisplayToBytes(u"x\u2028y\u2029z", LineBreak::CrLf), "x\r\ny\r\nz") << "typed breaks";
  EXPECT_EQ(DisplayToBytes(u"x\u2029y", LineBreak::Lf), "x\ny");
  EXPECT_EQ(DisplayToBytes(u"\u4E2D\u0416", LineBreak::CrLf), "?\xC6");
}

}  // namespace
}  // namespace plumex
