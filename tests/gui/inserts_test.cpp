// The Insert menu and the character map through the real window.
#include <QClipboard>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>
#include <gmock/gmock.h>
#include <sys/stat.h>
#include <tuple>

#include "app/char_map.h"
#include "commands/date_time_text.h"
#include "gui/window_fixture.h"

namespace plumex {
namespace {

TEST(DateTimeText, OneInstantInTheLocalesFormsWithoutZoneAndSecondsUnlessAsked) {
  const QDateTime instant(QDate(2024, 3, 5), QTime(23, 59, 59, 999));
  const struct { const char *locale, *plain, *withSeconds; } cases[] = {
      {"ru_RU", "05.03.2024 23:59", "05.03.2024 23:59:59"}, {"en_US", "3/5/24 11:59 PM", "3/5/24 11:59:59 PM"},
      // Hangul has no Windows-1251 byte; quoted letters stay.
      {"ko_KR", "2024-03-05 23:59", "2024-03-05 23:59:59"},
      {"bg_BG", "5.03.24 \xE3. 23:59 \xF7.", "5.03.24 \xE3. 23:59:59 \xF7."},
  };
  for (const auto& c : cases) {
    const QLocale locale(QString::fromLatin1(c.locale));
    EXPECT_EQ(std::pair(DateTimeText(instant, locale, false), DateTimeText(instant, locale, true)),
              std::pair(std::string(c.plain), std::string(c.withSeconds))) << c.locale;
  }
}

class Inserts : public test::WindowTest {
 protected:
  QMenu& Special() { return *window->menu(MenuId::SpecialChars); }
  QStringList Items() {
    QStringList captions;
    for (const QAction* item : Special().actions()) captions << item->text();
    return captions;
  }
};

TEST_F(Inserts, EachGoesInOverTheSelectionUnlessReadOnlyOrEmpty) {
  const std::string hr(60, '-');
  using enum ActionId;
  const struct { ActionId id; const char* settings; bool readOnly; std::string text; int caret; } cases[] = {
      {InsHorRul, "", false, "a" + hr + "\r\nd", 61}, {InsHorRul, "[ADDITIONAL]\r\nstrHR=\r\n", false, "abcd", 1},
      {InsHorRul, "", true, "abcd", 1}, {InsSign, "", false, "aHi\r\nBob\r\nd", 7},
      {InsFile, "", true, "abcd", 1}, {InsDateTime, "", true, "abcd", 1},
  };
  test::WriteRaw(home / "signature.ini", "Hi\r\nBob\r\n");
  for (const auto& c : cases) {
    WriteSettings(c.settings);
    this->Open("abcd", c.readOnly ? std::vector<std::string>{"/r"} : std::vector<std::string>{});
    editor().Select(1, 3);
    this->Run(c.id);  // the fixture's, not the action of that name
    EXPECT_EQ(std::tuple(editor().Text(), editor().SelStart(), editor().SelLength(), window->document().Modified()),
              std::tuple(c.text, c.caret, c.readOnly || c.text == "abcd" ? 2 : 0, c.text != "abcd"))
        << Caption(window->action(c.id)).toStdString() << c.settings;
    Restart();
  }
  test::WriteRaw(home / "signature.ini", "");
  Start();
  this->Run(InsSign);
  const std::string before = DateTimeText(false);
  this->Run(InsDateTime);
  EXPECT_THAT(editor().Text(), ::testing::AnyOf(before, DateTimeText(false))) << "an empty signature adds nothing";
}

TEST_F(Inserts, AnExternalFileGoesInWholeInTheTextsLineBreaksOrNotAtAllWithTheSystemsReason) {
  const std::string fifo = files / "fifo", big = files / "big", dir = files.path();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  test::WriteRaw(big, "");
  ASSERT_EQ(truncate(big.c_str(), 17 << 20), 0);  // sparse: 17 MB of NUL, no line break
  for (const auto& [name, bytes] : {std::pair("lf", "a\nb"), {"crlf", "a\r\nb\rc"}, {"empty", ""}})
    test::WriteRaw(files / name, bytes);
  test::WriteRaw(files / "all", test::AllBytes());
  std::string all = test::AllBytes();
  all.replace(10, 4, "\r\n\x0B\x0C\r\n");  // the lone LF and CR end lines too
  const struct { std::string doc, file, text; const char* error; } cases[] = {
      {"xyz", files / "lf", "xa\r\nb\r\nz", nullptr}, {"xyz\n", files / "crlf", "xa\nb\nc\nz\n", nullptr},
      {"xyz", files / "all", "x" + all + "\r\nz", nullptr}, {"xyz", files / "empty", "xz", nullptr},
      {"xyz", fifo, "xyz", "not a regular file"}, {"xyz", dir, "xyz", "Is a directory"},
      {"xyz", files / "gone", "xyz", "No such file"},
      {"xyz", big, "xyz", "larger than the editor's limit of 16777215"},
  };
  Start();
  for (const auto& c : cases) {
    editor().Load(c.doc);
    editor().Select(1, 2);
    prompter.errors.clear();
    prompter.openChoices = {{QString::fromStdString(c.file)}};
    Run(ActionId::InsFile);
    EXPECT_EQ(std::tuple(editor().Text(), prompter.errors.size()), std::tuple(c.text, c.error ? 1 : 0)) << c.file;
    EXPECT_THAT(prompter.errors.value(0).toStdString(), ::testing::HasSubstr(c.error ? c.error : "")) << c.file;
  }
  Run(ActionId::InsFile);  // cancelled: the selection stays
  EXPECT_EQ(std::pair(editor().SelStart(), editor().SelLength()), std::pair(1, 1));
}

TEST_F(Inserts, SpecialCharactersAndTheMapInsertTheirOwnBytes) {
  WriteSettings("[ADDITIONAL]\r\nstrSpecChars=&\xA9\r\n");
  Start();
  for (MenuId in : {MenuId::Insert, MenuId::ExtendedPopup})
    EXPECT_TRUE(window->menu(in)->actions().contains(Special().menuAction()));
  EXPECT_EQ(Items(), QStringList({"&&", QStringLiteral("©")}));
  Special().actions().at(0)->trigger();
  CharMap& map = *window->findChild<CharMap*>();
  const auto& buttons = map.buttons();
  ASSERT_EQ(buttons.size(), 223U);  // "!" to "я"
  // The 17th button starts the second row.
  EXPECT_EQ(std::tuple(buttons.front()->text(), buttons.back()->text(), buttons[16]->pos()),
            std::tuple(QString("!"), QStringLiteral("я"), QPoint(1, 21)));
  Run(ActionId::CharMap);
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(buttons[32], &enter);  // "A"
  EXPECT_EQ(std::tuple(map.isVisible(), map.preview()->text(), map.codeLine()->currentMessage()),
            std::tuple(true, QString("A"), QString("Hex: #41  Dec: 65")));
  buttons[33]->setFocus();
  QTest::keyClick(buttons[33], Qt::Key_Space);  // "B", by the keyboard
  // The pop-up acts on its own button, not on the one last pointed at.
  emit buttons.back()->customContextMenuRequested(QPoint(2, 2));
  map.buttonMenu()->actions().at(1)->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("я"));
  map.buttonMenu()->actions().at(3)->trigger();
  EXPECT_EQ(Items(), QStringList({"&&", QStringLiteral("©"), QStringLiteral("я")}));
  Special().actions().at(2)->trigger();
  EXPECT_EQ(editor().Text(), "&B\xFF");
  window->settings().strSpecChars.clear();
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(window.get(), &activate);
  EXPECT_TRUE(Items().isEmpty() && !Special().isEnabled());
}

}  // namespace
}  // namespace plumex
