// Find, Replace and Replace All through the real boxes and editor widget.
#include "commands/find_replace.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/find_replace_dialog.h"
#include "convert/conversion_tables.h"
#include "gui/fakes.h"
#include "platform/editor_widget.h"
#include "platform/win1251.h"

namespace plumex {
namespace {

class FindReplaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(700, 500);
    editor = new EditorWidget(&window);
    editor->resize(700, 500);
    finder = new FindReplace(
        &window, *editor, settings, [this]() -> const CaseTables& { return tables.Case(); },
        [this](const QString& text) { info = text; });
    window.show();
  }

  FindReplaceDialog* Box(SearchDialogKind kind) const {
    return window.findChild<FindReplaceDialog*>(kind == SearchDialogKind::Find ? "findDialog" : "replaceDialog");
  }
  template <typename T>
  T* Part(SearchDialogKind kind, const char* name) const {
    return Box(kind)->findChild<T*>(QLatin1String(name));
  }
  void Click(SearchDialogKind kind, const char* button) const {
    QTest::mouseClick(Part<QPushButton>(kind, button), Qt::LeftButton);
  }
  void FillReplace(const QString& what, const QString& with) const {
    Part<QLineEdit>(SearchDialogKind::Replace, "findText")->setText(what);
    Part<QLineEdit>(SearchDialogKind::Replace, "replaceText")->setText(with);
  }
  std::pair<int, int> Selection() const { return {editor->SelStart(), editor->SelStart() + editor->SelLength()}; }

  QWidget window;
  EditorWidget* editor = nullptr;
  Settings settings;
  ConversionTables tables = ConversionTables::FromSettings(Settings{});
  QString info;
  FindReplace* finder = nullptr;  // owned by the window
};

const QString kNotFound = QStringLiteral(" Search finished");
QString Count(int n) { return QStringLiteral(" Replacements amount: %1").arg(n); }

TEST_F(FindReplaceTest, FindProposesTheWordAtTheCaretThenFindsOnward) {
  editor->Load("alpha beta alpha beta");
  editor->Select(2, 2);
  info = QStringLiteral("old message");
  finder->ShowFind();
  EXPECT_TRUE(info.isEmpty());
  ASSERT_TRUE(Box(SearchDialogKind::Find)->isVisible());
  EXPECT_TRUE(finder->DialogOpen());
  EXPECT_EQ(Part<QLineEdit>(SearchDialogKind::Find, "findText")->text(), "alpha");
  EXPECT_TRUE(Part<QRadioButton>(SearchDialogKind::Find, "down")->isChecked());

  Click(SearchDialogKind::Find, "findNext");  // from the caret on
  EXPECT_EQ(Selection(), std::pair(11, 16));
  Click(SearchDialogKind::Find, "findNext");
  EXPECT_EQ(Selection(), std::pair(11, 16)) << "the last match stays selected";
  EXPECT_EQ(info, kNotFound);

  editor->Select(6, 10);  // a selection is proposed as it is
  finder->ShowFind();
  EXPECT_EQ(Part<QLineEdit>(SearchDialogKind::Find, "findText")->text(), "beta");
}

TEST_F(FindReplaceTest, FindNextAfterTheBoxClosedRepeatsTheLastSearch) {
  editor->Load("one two one two");
  finder->FindNext();  // no search yet: opens the box
  ASSERT_TRUE(Box(SearchDialogKind::Find)->isVisible());
  Part<QLineEdit>(SearchDialogKind::Find, "findText")->setText("TWO");
  Click(SearchDialogKind::Find, "findNext");
  EXPECT_EQ(Selection(), std::pair(4, 7));

  Click(SearchDialogKind::Find, "cancel");
  EXPECT_FALSE(finder->DialogOpen());
  EXPECT_TRUE(info.isEmpty());
  finder->FindNext();
  EXPECT_EQ(Selection(), std::pair(12, 15));
  EXPECT_FALSE(Box(SearchDialogKind::Find)->isVisible());
  finder->FindNext();
  EXPECT_EQ(info, kNotFound);
}

TEST_F(FindReplaceTest, EverySearchSeesTheTextAsItIsNow) {
  editor->Load("abc");
  finder->ShowFind();
  Part<QLineEdit>(SearchDialogKind::Find, "findText")->setText("abc");
  Click(SearchDialogKind::Find, "findNext");
  EXPECT_EQ(Selection(), std::pair(0, 3));

  editor->Load("xyz abc");  // another file
  finder->FindNext();
  EXPECT_EQ(Selection(), std::pair(4, 7));

  editor->Select(0, 0);
  editor->ReplaceSelection("abc ", UndoMode::Skip);  // a rewrite without undo
  finder->FindNext();
  EXPECT_EQ(Selection(), std::pair(8, 11));

  editor->Select(0, 0);
  QTest::keyClicks(editor, "q");  // typing
  editor->undo();
  editor->Select(0, 0);
  finder->FindNext();
  EXPECT_EQ(Selection(), std::pair(0, 3));
  EXPECT_EQ(editor->Text(), "abc xyz abc");
}

TEST_F(FindReplaceTest, UpwardsAndMatchCaseOnCyrillic) {
  editor->Load(Utf8ToWin1251("Ёлка ёлка ЁЛКА"));
  editor->Select(14, 14);
  finder->ShowFind();
  Part<QLineEdit>(SearchDialogKind::Find, "findText")->setText(QString::fromUtf8("ёлка"));
  Part<QRadioButton>(SearchDialogKind::Find, "up")->setChecked(true);
  Click(SearchDialogKind::Find, "findNext");
  EXPECT_EQ(Selection(), std::pair(10, 14));
  Part<QCheckBox>(SearchDialogKind::Find, "matchCase")->setChecked(true);
  Click(SearchDialogKind::Find, "findNext");
  EXPECT_EQ(Selection(), std::pair(5, 9));
  Click(SearchDialogKind::Find, "findNext");
  EXPECT_EQ(info, kNotFound);
  EXPECT_EQ(Selection(), std::pair(5, 9));
}

TEST_F(FindReplaceTest, PositionsCountALineBreakAsOneCharacter) {
  editor->Load("one\r\ntwo\r\none");
  finder->ShowReplace();
  FillReplace("one", "1");
  Click(SearchDialogKind::Replace, "findNext");
  EXPECT_EQ(Selection(), std::pair(0, 3));
  Click(SearchDialogKind::Replace, "findNext");
  EXPECT_EQ(Selection(), std::pair(8, 11));
  editor->Select(0, 0);
  Click(SearchDialogKind::Replace, "replaceAll");
  EXPECT_EQ(editor->Text(), "1\r\ntwo\r\n1");
  EXPECT_EQ(info, Count(2));
}

TEST_F(FindReplaceTest, ReplaceChangesTheMatchAndSelectsTheNext) {
  editor->Load("cat dog cat dog cat");
  finder->ShowReplace();
  ASSERT_TRUE(Box(SearchDialogKind::Replace)->isVisible());
  FillReplace("cat", "cow");
  Click(SearchDialogKind::Replace, "replace");
  EXPECT_EQ(editor->Text(), "cow dog cat dog cat");
  EXPECT_EQ(Selection(), std::pair(8, 11));
  Click(SearchDialogKind::Replace, "replace");  // the selected match goes next
  EXPECT_EQ(editor->Text(), "cow dog cow dog cat");
  EXPECT_EQ(Selection(), std::pair(16, 19));
  Click(SearchDialogKind::Replace, "replace");
  EXPECT_EQ(editor->Text(), "cow dog cow dog cow");
  EXPECT_EQ(info, kNotFound);
  EXPECT_FALSE(editor->CanUndo()) << "replacements are not undoable";
}

TEST_F(FindReplaceTest, ReplaceAllCountsAndPlacesTheCaret) {
  const struct {
    const char* text;
    int selStart;
    int selEnd;
    const char* what;
    const char* with;
    bool up;
    const char* after;
    int count;
    int caret;
  } cases[] = {
      {"aaaaaaaaaaaa", 0, 0, "a", "b", false, "bbbbbbbbbbbb", 12, 12},
      {"aaa", 0, 0, "a", "aa", false, "aaaaaa", 3, 6},  // finishes: each original once
      {"a a a a", 3, 3, "a", "bb", false, "a a bb bb", 2, 9},  // above the caret stays
      {"a a a a", 3, 3, "a", "bb", true, "bb bb a a", 2, 2},  // upwards: ends after the topmost
      {"ab ab ab", 3, 5, "ab", "X", false, "ab X X", 2, 6},  // a selected match is the first
      {"aaaa", 0, 0, "aa", "X", false, "XX", 2, 2},
      {"x\r\none\r\ntwo one", 0, 0, "one", "1", false, "x\r\n1\r\ntwo 1", 2, 9},
      {"x\r\none\r\ntwo one", 13, 13, "one", "1", true, "x\r\n1\r\ntwo 1", 2, 3},
      {"one\r\nxx\r\n", 0, 0, "one", "1\r\n2", false, "1\r\n2\r\nxx\r\n", 1, 3},
  };
  for (const auto& c : cases) {
    editor->Load(c.text);
    editor->Select(c.selStart, c.selEnd);
    finder->ShowReplace();
    FillReplace(c.what, c.with);
    Part<QRadioButton>(SearchDialogKind::Replace, c.up ? "up" : "down")->setChecked(true);
    QSignalSpy changes(editor, &QPlainTextEdit::textChanged);
    Click(SearchDialogKind::Replace, "replaceAll");
    EXPECT_EQ(editor->Text(), c.after) << c.text;
    EXPECT_EQ(info, Count(c.count)) << c.text;
    EXPECT_EQ(Selection(), std::pair(c.caret, c.caret)) << c.text;
    EXPECT_GE(changes.count(), 1) << "the change marks the document modified";
    EXPECT_FALSE(finder->ReplaceAllRunning());
  }
}

TEST_F(FindReplaceTest, ReplaceAllWithoutAMatchChangesNothing) {
  editor->Load("abc abc");
  editor->Select(2, 2);
  finder->ShowReplace();
  FillReplace("xyz", "q");
  QSignalSpy changes(editor, &QPlainTextEdit::textChanged);
  Click(SearchDialogKind::Replace, "replaceAll");
  EXPECT_EQ(editor->Text(), "abc abc");
  EXPECT_EQ(changes.count(), 0) << "the document stays unmodified";
  EXPECT_EQ(info, kNotFound);

  FillReplace("", "q");  // an empty search text does nothing at all
  info.clear();
  Click(SearchDialogKind::Replace, "replaceAll");
  Click(SearchDialogKind::Replace, "replace");
  EXPECT_EQ(editor->Text(), "abc abc");
  EXPECT_EQ(changes.count(), 0);
}

TEST_F(FindReplaceTest, ReadOnlyTextIsNeverReplaced) {
  editor->Load("abc abc");
  editor->SetReadOnly(true);
  finder->ShowReplace();
  EXPECT_FALSE(Box(SearchDialogKind::Replace)->isVisible());
  EXPECT_FALSE(finder->DialogOpen());

  // Read-only switched on while the box is open.
  editor->SetReadOnly(false);
  finder->ShowReplace();
  FillReplace("abc", "x");
  editor->SetReadOnly(true);
  Click(SearchDialogKind::Replace, "replace");
  Click(SearchDialogKind::Replace, "replaceAll");
  EXPECT_EQ(editor->Text(), "abc abc");
}

// A text that takes Replace All several rounds of the event loop.
std::string BigText(int* matches) {
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "xxxxxxxxa\n";
  *matches = 200000;
  return text;
}

TEST_F(FindReplaceTest, ClosingTheBoxStopsALongReplaceAllAndKeepsItsWork) {
  int total = 0;
  editor->Load(BigText(&total));
  finder->ShowReplace();
  FillReplace("a", "b");
  QTimer::singleShot(0, Box(SearchDialogKind::Replace), &QDialog::reject);
  Click(SearchDialogKind::Replace, "replaceAll");

  EXPECT_FALSE(finder->ReplaceAllRunning());
  EXPECT_FALSE(Box(SearchDialogKind::Replace)->isVisible());
  const std::string text = editor->Text();
  const auto replaced = std::count(text.begin(), text.end(), 'b');
  EXPECT_GT(replaced, 0);
  EXPECT_LT(replaced, total);
  EXPECT_EQ(replaced + std::count(text.begin(), text.end(), 'a'), total);
  EXPECT_EQ(info, Count(static_cast<int>(replaced)));
  // Done from the top down: every replaced line comes before every other.
  EXPECT_EQ(text.find('a'), static_cast<std::size_t>(replaced) * 10 + 8);
  EXPECT_EQ(text.size(), static_cast<std::size_t>(total) * 10);
}

TEST_F(FindReplaceTest, CloseDialogsWritesTheWorkSoFarBeforeItReturns) {
  int total = 0;
  editor->Load(BigText(&total));
  finder->ShowReplace();
  FillReplace("a", "b");
  std::string seen;
  bool running = true;
  QTimer::singleShot(0, &window, [&] {
    finder->CloseDialogs();  // as the window's close does, before asking to save
    running = finder->ReplaceAllRunning();
    seen = editor->Text();
  });
  Click(SearchDialogKind::Replace, "replaceAll");
  EXPECT_FALSE(running);
  EXPECT_NE(seen.find('b'), std::string::npos);
  EXPECT_EQ(seen, editor->Text()) << "nothing more is written after the close";
}

TEST_F(FindReplaceTest, AChangeFromElsewhereAbandonsTheRun) {
  int total = 0;
  const std::string original = BigText(&total);
  editor->Load(original);
  finder->ShowReplace();
  FillReplace("a", "b");
  QTimer::singleShot(0, &window, [&] { QTextCursor(editor->document()).insertText(QStringLiteral("Z")); });
  Click(SearchDialogKind::Replace, "replaceAll");
  EXPECT_FALSE(finder->ReplaceAllRunning());
  EXPECT_EQ(editor->Text(), "Z" + original) << "only the other change is in the text";
  EXPECT_EQ(info, Count(0));
  EXPECT_TRUE(Part<QPushButton>(SearchDialogKind::Replace, "replaceAll")->isEnabled());
}

TEST_F(FindReplaceTest, TheBoxMovesOffTheMatch) {
  settings.IsChangeFindDlgPos = true;
  std::string text;
  for (int i = 0; i < 12; ++i) text += "line\r\n";
  editor->Load(text + "target\r\n");
  finder->ShowFind();
  FindReplaceDialog* box = Box(SearchDialogKind::Find);
  Part<QLineEdit>(SearchDialogKind::Find, "findText")->setText("target");
  QTextCursor at(editor->document());
  at.setPosition(12 * 5);
  const QPoint match = editor->viewport()->mapToGlobal(editor->cursorRect(at).topLeft());
  box->move(match - QPoint(10, 10));
  QApplication::processEvents();
  ASSERT_TRUE(box->frameGeometry().contains(match));
  Click(SearchDialogKind::Find, "findNext");
  EXPECT_EQ(Selection(), std::pair(60, 66));
  EXPECT_FALSE(box->frameGeometry().contains(match));
}

TEST(FindReplacePlacement, AboveWhenThereIsRoomElseBelow) {
  const QRect box(100, 100, 200, 100);
  const struct {
    QPoint start;
    QPoint end;
    int screenHeight;
    std::optional<QPoint> to;
  } cases[] = {
      {{150, 150}, {180, 150}, 1000, QPoint(100, 30)},   // room above
      {{150, 110}, {180, 110}, 1000, QPoint(100, 150)},  // no room above: below
      {{150, 110}, {180, 110}, 200, std::nullopt},       // neither fits
      {{10, 10}, {150, 90}, 1000, QPoint(100, 50)},      // only the end (20 down) is covered
      {{10, 10}, {20, 10}, 1000, std::nullopt},          // nothing covered
  };
  for (const auto& c : cases) EXPECT_EQ(PositionClearOf(box, c.start, c.end, c.screenHeight), c.to);
}

}  // namespace
}  // namespace plumex
