// The document's open, save and auto-save flow on the fake editor, with the
// user's replies given in advance.
#include "commands/document.h"

#include <gtest/gtest.h>

#include "convert/display_text.h"
#include "convert/utf8.h"
#include "support/fake_dialogs.h"
#include "support/fake_editor.h"
#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

using test::ReadRaw;
using test::WriteRaw;
using Strings = std::vector<std::string>;

class DocumentTest : public ::testing::Test {
 protected:
  void Open(const std::string& bytes) {
    WriteRaw(path, bytes);
    ASSERT_TRUE(document.Load(path));
  }

  test::TempDir dir;
  const std::string path = dir / "a.txt";
  Settings settings;
  const LanguageTable texts;
  test::FakeDialogs dialogs;
  test::FakeEditor editor{{}, [this] { document.Edited(); }};
  Document document{editor, settings, texts, dialogs, 1000};
};

TEST_F(DocumentTest, FailuresKeepTheFileTheNameAndTheTextAndNoOnCloseLeavesTheFile) {
  Open("old text");
  editor.Type(std::string(1 << 20, 'n'));
  {
    const test::FullDisk disk;
    EXPECT_FALSE(document.Save());  // the Save As that follows is cancelled
    dialogs.replies = {"Yes"};
    EXPECT_FALSE(document.ConfirmClose()) << "a text that could not be saved keeps its window";
  }
  EXPECT_EQ(std::pair(ReadRaw(path), document.Modified()), std::pair(std::string("old text"), true));
  dialogs.replies = {"No"};
  EXPECT_TRUE(document.ConfirmClose());
  EXPECT_EQ(ReadRaw(path), "old text");
  EXPECT_EQ(dialogs.asked, Strings({"save as", "a.txt", "save as", "a.txt"}));
  Document small(editor, settings, texts, dialogs, 4);
  WriteRaw(dir / "4.txt", "1\r\n2\r\n");  // four characters: a CR LF is one
  ASSERT_TRUE(small.Load(dir / "4.txt"));
  WriteRaw(dir / "5.txt", "12345");
  for (const std::string& bad : {dir.path(), dir / "5.txt", dir / "none.txt"}) {
    EXPECT_FALSE(small.Load(bad)) << bad;
    EXPECT_EQ(small.Path() + "|" + editor.Text(), dir / "4.txt|1\r\n2\r\n");
  }
  EXPECT_EQ(dialogs.errors.size(), 5u);
}

// Loaded, shown in the widget's form and saved, any file comes back byte for
// byte: every byte value, each line break style and their mixtures, UTF-8
// with its mark, an empty file and a 16 MB one.
TEST_F(DocumentTest, EveryFileComesBackByteForByteThroughLoadDisplayAndSave) {
  std::string big;
  while (big.size() < (16u << 20)) big += test::AllBytes() + "line\r\nlf\ncr\r";
  Document roomy{editor, settings, texts, dialogs, 1 << 25};
  for (const std::string& bytes : {std::string(), test::AllBytes(), std::string("a\nb\n"), std::string("a\r\nb\r\n"),
                                   std::string("a\rb\r"), std::string("\r\na\nb\rc\r\r\n\n"),
                                   std::string(kUtf8Bom) + EncodeUtf8(test::AllBytes()), big}) {
    WriteRaw(path, bytes);
    ASSERT_TRUE(roomy.Load(path));
    const LineBreak style = DetectLineBreak(editor.Text());
    EXPECT_EQ(DisplayToBytes(BytesToDisplay(editor.Text(), style), style), editor.Text());
    WriteRaw(path, "changed meanwhile");
    ASSERT_TRUE(roomy.Save());
    EXPECT_TRUE(ReadRaw(path) == bytes) << bytes.size() << " bytes";
  }
}

TEST_F(DocumentTest, SaveAsAsksAboutTheNameReallyWrittenAndASavedSelectionEndsWithALineBreak) {
  settings.RestoreLastPath = settings.IsSaveExit = settings.IsSaveFocus = true;
  settings.LastPath = dir.path();  // where new texts start
  document.StartUntitled();
  WriteRaw(document.Path(), "someone's file");
  editor.Type("draft\nend");
  EXPECT_EQ(document.SaveOnFocusLoss(), "");
  EXPECT_FALSE(document.ConfirmClose());  // Save As offered and cancelled: stay open
  EXPECT_EQ(ReadRaw(dir / "Untitled.txt"), "someone's file") << "an untitled file this text did not write";
  WriteRaw(dir / "report.txt", "precious");
  dialogs.replies = {dir / "report", "No", dir / "other"};
  EXPECT_TRUE(document.SaveOrSaveAs());
  EXPECT_EQ(dialogs.asked, Strings({"save as", "save as", dir / "report.txt", "save as"}));
  EXPECT_EQ(ReadRaw(dir / "report.txt"), "precious");
  EXPECT_EQ(std::pair(document.Path(), document.Untitled()), std::pair(dir / "other.txt", false));
  editor.Select(0, 3);
  dialogs.replies = {dir / "part", document.Path(), "No", document.Path(), "Yes"};
  for (const char* after : {"draft\nend", "draft\nend", "dra\n"}) {
    document.SaveSelectionAs();  // a new file, then the document's own: answered No, then Yes
    EXPECT_EQ(ReadRaw(dir / "other.txt"), after);
  }
  EXPECT_EQ(ReadRaw(dir / "part.txt"), "dra\n");
  EXPECT_TRUE(document.Modified()) << "the rest of the text would go without a question";
}

TEST_F(DocumentTest, TheLogStampEndsALogFileInItsOwnLineBreaksUnlessReadOnly) {
  const struct { const char* text; bool readOnly; const char* after; } cases[] = {
      {".LOG\nday", false, ".LOG\nday\n12:00\n"}, {".LOG\nday", true, ".LOG\nday"}, {"LOG\nday", false, "LOG\nday"}};
  for (const auto& c : cases) {
    Open(c.text);
    editor.SetReadOnly(c.readOnly);
    document.AppendLogStamp("12:00");
    EXPECT_EQ(editor.Text(), c.after);
    EXPECT_EQ(document.Modified(), std::string(c.text) != c.after) << c.text;
  }
}

TEST_F(DocumentTest, AutoSaveAndFocusLossSaveOnlyWhatTheUserWouldAndSayAFailureOnce) {
  settings.IsAutoSaving = settings.IsSaveFocus = true;
  settings.Mins = 2;
  Open("v1");
  editor.Type("a");
  for (int minute = 0; minute < 4; ++minute) document.AutoSaveMinute(false);
  EXPECT_EQ(ReadRaw(path), "v1") << "auto-saved before the user saved once";
  EXPECT_EQ(document.SaveOnFocusLoss(), "");
  editor.Type("b");
  document.AutoSaveMinute(false);
  document.AutoSaveMinute(true);  // a question on screen
  EXPECT_EQ(ReadRaw(path), "av1");
  document.AutoSaveMinute(false);
  EXPECT_EQ(ReadRaw(path), "abv1");
  editor.SetReadOnly(true);
  document.Edited();
  document.SaveOnFocusLoss();
  EXPECT_TRUE(document.Modified()) << "a read-only text was saved";
  editor.SetReadOnly(false);
  document.StartNamed(dir / "gone", "b.txt");  // a folder that is not there
  editor.Type("c");
  EXPECT_NE(document.SaveOnFocusLoss(), "");
  EXPECT_EQ(document.SaveOnFocusLoss(), "") << "the same failure is said once";
  EXPECT_TRUE(document.Modified() && dialogs.asked.empty() && dialogs.errors.empty());
}

}  // namespace
}  // namespace plumex
