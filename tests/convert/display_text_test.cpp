#include "convert/display_text.h"

#include <gtest/gtest.h>

#include "support/file_helpers.h"

namespace plumex {
namespace {

TEST(DisplayText, LineBreakStyleOfAText) {
  // More lone LFs than CR LF pairs make an LF text; ties and texts without LF are CR LF.
  for (const char* text : {"", "one line", "a\r\nb\r\n", "a\r\nb\nc", "a\rb"})
    EXPECT_EQ(DetectLineBreak(text), LineBreak::CrLf) << text;
  for (const char* text : {"\n", "a\nb\n", "a\nb\r\nc\nd\n"}) EXPECT_EQ(DetectLineBreak(text), LineBreak::Lf) << text;
}

TEST(DisplayText, BytesSurviveTheTripThroughTheWidgetForm) {
  const std::string cases[] = {
      "",         "a\r\nb\r\n", "a\nb\nc", "stray\rcr\r\nand\nlf\r\n", "lf file\rwith cr\n",
      "mostly\nlf\nwith one\r\ncr lf\n",  "\r\r\n\n\r", test::AllBytes() + "\r\n" + test::AllBytes(),
  };
  for (const std::string& bytes : cases) {
    const LineBreak style = DetectLineBreak(bytes);
    EXPECT_EQ(DisplayToBytes(BytesToDisplay(bytes, style), style), bytes);
  }
}

TEST(DisplayText, OneCharacterPerByteButOnePerLineBreak) {
  EXPECT_EQ(BytesToDisplay("a\r\nb", LineBreak::CrLf), u"a\u2029b");
  EXPECT_EQ(BytesToDisplay("a\nb", LineBreak::Lf), u"a\u2029b");
  EXPECT_EQ(BytesToDisplay("a\nb", LineBreak::CrLf), u"a\u240Ab");
  EXPECT_EQ(BytesToDisplay("a\rb", LineBreak::Lf), u"a\u240Db");
  EXPECT_EQ(BytesToDisplay("\xC0\xA0\x98", LineBreak::CrLf), u"\u0410\u00A0\u0098");
}

TEST(DisplayText, TypedCharactersMapBackToBytes) {
  EXPECT_EQ(DisplayToBytes(u"x\u2028y\u2029z", LineBreak::CrLf), "x\r\ny\r\nz");
  EXPECT_EQ(DisplayToBytes(u"x\u2029y", LineBreak::Lf), "x\ny");
  EXPECT_EQ(DisplayToBytes(u"\u4E2D\u0416", LineBreak::CrLf), "?\xC6");
}

}  // namespace
}  // namespace plumex
