// UTF-8 files through the real window: read as their Cyrillic, written back
// as UTF-8, and never quietly lossy.
#include <QAction>
#include <QKeyEvent>

#include "commands/document.h"
#include "gui/window_fixture.h"

namespace plumex::test {
namespace {

using Utf8Flow = WindowTest;

const std::string kPrivet = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";  // Привет in UTF-8

// UTF-8 with or without its mark reads as its Cyrillic; UTF-8 letters followed by a byte no UTF-8 has are held as
// read. An unedited save gives the same bytes; a typed letter goes in in the file's own form.
TEST_F(Utf8Flow, OpensAsCyrillicOrAsItsBytesAndSavesInTheFilesOwnForm) {
  const std::string lines = std::string(2000, 'a') + "\r\n" + kPrivet + "\r\n", bom = "\xEF\xBB\xBF";
  const struct { std::string mark, rest; bool utf8; } cases[] = {{"", lines, true}, {bom, lines, true},
      {"", kPrivet + " \xCF\xF0\r\n", false}, {"", bom + kPrivet + "\xFF", false}};
  for (const auto& c : cases) {
    const std::string file = c.mark + c.rest;
    MainWindow& w = Open(file);
    const std::string shown = c.utf8 ? std::string(2000, 'a') + "\r\n\xCF\xF0\xE8\xE2\xE5\xF2\r\n" : file;
    EXPECT_EQ(std::tuple(editor().Text(), w.statusPanes()->encoding()->text() == "UTF-8", w.document().Modified()),
              std::tuple(shown, c.utf8, false)) << c.rest.size();
    Type("x");  // an edit, then the unedited text again
    Key(Qt::Key_Backspace);
    Run(ActionId::Save);
    EXPECT_EQ(ReadRaw(path()), file) << c.rest.size();
    editor().Select(0, 0);
    QKeyEvent ya(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\xD0\xAF"));  // Я
    QApplication::sendEvent(area(), &ya);
    Run(ActionId::Save);
    EXPECT_EQ(ReadRaw(path()), c.mark + (c.utf8 ? "\xD0\xAF" : "\xDF") + c.rest) << c.rest.size();
    Restart();
  }
}

TEST_F(Utf8Flow, CharactersWindows1251LacksKeepTheFileUntilTheUserAgrees) {
  const std::string file = kPrivet + " \xE2\x86\x92 ok\n";  // an arrow
  MainWindow& w = Open(file);
  EXPECT_EQ(std::tuple(editor().ReadOnly(), Info().contains("1 characters"), editor().Text()),
            std::tuple(true, true, "\xCF\xF0\xE8\xE2\xE5\xF2 ? ok\n"));
  Run(ActionId::Save);
  EXPECT_EQ(std::pair(ReadRaw(path()), prompter.errors.size()), std::pair(file, 1LL));
  const std::string copy = files / "copy.txt";
  prompter.saveChoices = {QString::fromStdString(copy), QString::fromStdString(copy)};
  Run(ActionId::SaveAs);  // the question answered No
  EXPECT_FALSE(FileExists(copy));
  prompter.yesNo = {true};
  Run(ActionId::SaveAs);
  EXPECT_EQ(std::pair(ReadRaw(copy), w.document().Lossy()), std::pair(kPrivet + " ? ok\n", std::size_t{0}));
}

TEST_F(Utf8Flow, ConversionsChangeTheFormAndMojibakeIsRepaired) {
  MainWindow& w = Open("\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0!\r\n");  // Windows-1251
  EXPECT_NE(w.statusPanes()->encoding()->text(), "UTF-8");
  Run(ActionId::WinToUtf8);
  Run(ActionId::Save);
  EXPECT_EQ(ReadRaw(path()), kPrivet + ", \xD0\xBC\xD0\xB8\xD1\x80!\r\n");
  Run(ActionId::Utf8ToWin);
  Run(ActionId::Save);
  EXPECT_EQ(ReadRaw(path()), "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0!\r\n");
  Restart();

  WriteSettings("[AUTODETECT]\r\nIsAutoDetect=0\r\n");  // UTF-8 held as its bytes
  Open(kPrivet + ", \xD0\xBC\xD0\xB8\xD1\x80! \xD0\x9A\xD0\xB0\xD0\xBA \xD0\xB4\xD0\xB5\xD0\xBB\xD0\xB0?\r\n");
  prompter.yesNo = {true};
  Run(ActionId::Detect);
  EXPECT_TRUE(!prompter.questions.isEmpty() && prompter.questions.last().contains(QString::fromUtf8("Привет, мир!")));
  EXPECT_EQ(editor().Text(), "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0! \xCA\xE0\xEA \xE4\xE5\xEB\xE0?\r\n");
}

}  // namespace
}  // namespace plumex::test
