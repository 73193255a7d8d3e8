// Find, Replace and Replace All through the real boxes and editor widget.
#include "commands/find_replace.h"
#include "config/conversion_settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/find_replace_dialog.h"
#include "convert/conversion_tables.h"
#include "platform/editor_widget.h"
#include "convert/win1251.h"

namespace plumex {
namespace {

constexpr SearchDialogKind kFind = SearchDialogKind::Find;
constexpr SearchDialogKind kReplace = SearchDialogKind::Replace;
const QString kNotFound = QStringLiteral(" Search finished");
QString Count(int n) { return QStringLiteral(" Replacements amount: %1").arg(n); }

// A text that takes Replace All several rounds of the event loop.
constexpr int kBigLines = 200000;
std::string BigText() {
  std::string text;
  for (int i = 0; i < kBigLines; ++i) text += "xxxxxxxxa\n";
  return text;
}

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
    return window.findChild<FindReplaceDialog*>(kind == kFind ? "findDialog" : "replaceDialog");
  }
  template <typename T>
  T* Part(SearchDialogKind kind, const char* name) const {
    return Box(kind)->findChild<T*>(QLatin1String(name));
  }
  void Click(SearchDialogKind kind, const char* button) const {
    QTest::mouseClick(Part<QPushButton>(kind, button), Qt::LeftButton);
  }
  void Search(SearchDialogKind kind, const QString& what) const { Part<QLineEdit>(kind, "findText")->setText(what); }
  // Opens the Replace box on `text` with both fields filled.
  void ReplaceIn(const std::string& text, const QString& what, const QString& with) const {
    editor->Load(text);
    finder->ShowReplace();
    Search(kReplace, what);
    Part<QLineEdit>(kReplace, "replaceText")->setText(with);
  }
  std::pair<int, int> Selection() const { return {editor->SelStart(), editor->SelStart() + editor->SelLength()}; }
  // Clicks Find Next and tells what is selected then.
  std::pair<int, int> NextMatch(SearchDialogKind kind = kFind) const {
    Click(kind, "findNext");
    return Selection();
  }

  QWidget window;
  EditorWidget* editor = nullptr;
  Settings settings;
  ConversionTables tables = TablesFromSettings(Settings{});
  QString info;
  FindReplace* finder = nullptr;  // owned by the window
};

TEST_F(FindReplaceTest, FindProposesTheWordAtTheCaretThenFindsOnward) {
  editor->Load("alpha beta alpha beta");
  editor->Select(2, 2);
  info = QStringLiteral("old message");
  finder->ShowFind();
  EXPECT_TRUE(info.isEmpty());
  ASSERT_TRUE(finder->DialogOpen());
  EXPECT_EQ(Part<QLineEdit>(kFind, "findText")->text(), "alpha");
  EXPECT_TRUE(Part<QRadioButton>(kFind, "down")->isChecked());

  EXPECT_EQ(NextMatch(), std::pair(11, 16));  // from the caret on
  EXPECT_EQ(NextMatch(), std::pair(11, 16)) << "the last match stays selected";
  EXPECT_EQ(info, kNotFound);

  editor->Select(6, 10);  // a selection is proposed as it is
  finder->ShowFind();
  EXPECT_EQ(Part<QLineEdit>(kFind, "findText")->text(), "beta");
}

TEST_F(FindReplaceTest, FindNextAfterTheBoxClosedRepeatsTheLastSearch) {
  editor->Load("one two one two");
  finder->FindNext();  // no search yet: opens the box
  ASSERT_TRUE(Box(kFind)->isVisible());
  Search(kFind, "TWO");
  EXPECT_EQ(NextMatch(), std::pair(4, 7));

  Click(kFind, "cancel");
  EXPECT_FALSE(finder->DialogOpen());
  EXPECT_TRUE(info.isEmpty());
  finder->FindNext();
  EXPECT_EQ(Selection(), std::pair(12, 15));
  EXPECT_FALSE(Box(kFind)->isVisible());
  finder->FindNext();
  EXPECT_EQ(info, kNotFound);
}

TEST_F(FindReplaceTest, EverySearchSeesTheTextAsItIsNow) {
  editor->Load("abc");
  finder->ShowFind();
  Search(kFind, "abc");
  EXPECT_EQ(NextMatch(), std::pair(0, 3));

  editor->Load("xyz abc");  // another file
  finder->FindNext();
  EXPECT_EQ(Selection(), std::pair(4, 7));

  editor->Select(0, 0);
  editor->ReplaceSelection("abc ", UndoMode::Skip);  // a rewrite without undo
  finder->FindNext();
  EXPECT_EQ(Selection(), std::pair(8, 11));

  editor->Select(0, 0);
  QTest::keyClicks(editor->focusProxy(), "q");  // typing
  editor->Undo();
  editor->Select(0, 0);
  finder->FindNext();
  EXPECT_EQ(Selection(), std::pair(0, 3));
  EXPECT_EQ(editor->Text(), "abc xyz abc");
}

TEST_F(FindReplaceTest, UpwardsAndMatchCaseOnCyrillicAndLineBreaksAsOneCharacter) {
  editor->Load(Utf8ToWin1251("Ёлка ёлка ЁЛКА"));
  editor->Select(14, 14);
  finder->ShowFind();
  Search(kFind, QString::fromUtf8("ёлка"));
  Part<QRadioButton>(kFind, "up")->setChecked(true);
  EXPECT_EQ(NextMatch(), std::pair(10, 14));
  Part<QCheckBox>(kFind, "matchCase")->setChecked(true);
  EXPECT_EQ(NextMatch(), std::pair(5, 9));
  EXPECT_EQ(NextMatch(), std::pair(5, 9)) << "the last match stays selected";
  EXPECT_EQ(info, kNotFound);

  editor->Load("one\r\ntwo\r\none");
  Search(kFind, "one");
  Part<QRadioButton>(kFind, "down")->setChecked(true);
  EXPECT_EQ(NextMatch(), std::pair(0, 3));
  EXPECT_EQ(NextMatch(), std::pair(8, 11));
}

TEST_F(FindReplaceTest, ReplaceChangesTheMatchAndSelectsTheNext) {
  ReplaceIn("cat dog cat dog cat", "cat", "cow");
  ASSERT_TRUE(Box(kReplace)->isVisible());
  Click(kReplace, "replace");
  EXPECT_EQ(editor->Text(), "cow dog cat dog cat");
  EXPECT_EQ(Selection(), std::pair(8, 11));
  Click(kReplace, "replace");  // the selected match goes next
  EXPECT_EQ(editor->Text(), "cow dog cow dog cat");
  EXPECT_EQ(Selection(), std::pair(16, 19));
  Click(kReplace, "replace");
  EXPECT_EQ(editor->Text(), "cow dog cow dog cow");
  EXPECT_EQ(info, kNotFound);
  EXPECT_FALSE(editor->CanUndo()) << "replacements are not undoable";
}

TEST_F(FindReplaceTest, ReplaceAllCountsAndPlacesTheCaret) {
  const struct {
    const char *text;
    int selStart, selEnd;
    const char *what, *with, *direction, *after;
    int count, caret;
  } cases[] = {
      {"aaa", 0, 0, "a", "aa", "down", "aaaaaa", 3, 6},         // finishes: each original once
      {"a a a a", 3, 3, "a", "bb", "down", "a a bb bb", 2, 9},  // above the caret stays
      {"a a a a", 3, 3, "a", "bb", "up", "bb bb a a", 2, 2},    // upwards: ends after the topmost
      {"ab ab ab", 3, 5, "ab", "X", "down", "ab X X", 2, 6},    // a selected match is the first
      {"x\r\none\r\ntwo one", 0, 0, "one", "1", "down", "x\r\n1\r\ntwo 1", 2, 9},
      {"x\r\none\r\ntwo one", 13, 13, "one", "1", "up", "x\r\n1\r\ntwo 1", 2, 3},
      {"one\r\nxx\r\n", 0, 0, "one", "1\r\n2", "down", "1\r\n2\r\nxx\r\n", 1, 3},
  };
  for (const auto& c : cases) {
    ReplaceIn(c.text, c.what, c.with);
    editor->Select(c.selStart, c.selEnd);
    Part<QRadioButton>(kReplace, c.direction)->setChecked(true);
    QSignalSpy changes(editor, &EditorWidget::textChanged);
    Click(kReplace, "replaceAll");
    EXPECT_EQ(editor->Text(), c.after) << c.text;
    EXPECT_EQ(info, Count(c.count)) << c.text;
    EXPECT_EQ(Selection(), std::pair(c.caret, c.caret)) << c.text;
    EXPECT_GE(changes.count(), 1) << "the change marks the document modified";
    EXPECT_FALSE(finder->ReplaceAllRunning());
  }
}

TEST_F(FindReplaceTest, ReplaceAllWithoutAMatchChangesNothing) {
  ReplaceIn("abc abc", "xyz", "q");
  QSignalSpy changes(editor, &EditorWidget::textChanged);
  Click(kReplace, "replaceAll");
  EXPECT_EQ(info, kNotFound);
  Search(kReplace, "");  // an empty search text does nothing at all
  info.clear();
  Click(kReplace, "replaceAll");
  Click(kReplace, "replace");
  EXPECT_EQ(editor->Text(), "abc abc");
  EXPECT_EQ(changes.count(), 0) << "the document stays unmodified";
  EXPECT_TRUE(info.isEmpty());
}

TEST_F(FindReplaceTest, ReadOnlyTextIsNeverReplaced) {
  editor->Load("abc abc");
  editor->SetReadOnly(true);
  finder->ShowReplace();
  EXPECT_FALSE(finder->DialogOpen());
  editor->SetReadOnly(false);
  ReplaceIn("abc abc", "abc", "x");
  editor->SetReadOnly(true);  // switched on while the box is open
  Click(kReplace, "replace");
  Click(kReplace, "replaceAll");
  EXPECT_EQ(editor->Text(), "abc abc");
}

TEST_F(FindReplaceTest, ClosingTheBoxStopsALongReplaceAllAndKeepsItsWork) {
  ReplaceIn(BigText(), "a", "b");
  QTimer::singleShot(0, Box(kReplace), &QDialog::reject);
  Click(kReplace, "replaceAll");
  EXPECT_FALSE(finder->ReplaceAllRunning());
  EXPECT_FALSE(Box(kReplace)->isVisible());
  const std::string text = editor->Text();
  const auto replaced = std::count(text.begin(), text.end(), 'b');
  EXPECT_GT(replaced, 0);
  EXPECT_LT(replaced, kBigLines);
  EXPECT_EQ(replaced + std::count(text.begin(), text.end(), 'a'), kBigLines);
  EXPECT_EQ(info, Count(static_cast<int>(replaced)));
  // Done from the top down: every replaced line comes before every other.
  EXPECT_EQ(text.find('a'), static_cast<std::size_t>(replaced) * 10 + 8);
  EXPECT_EQ(text.size(), std::size_t{kBigLines} * 10);
}

TEST_F(FindReplaceTest, CloseDialogsWritesTheWorkSoFarBeforeItReturns) {
  ReplaceIn(BigText(), "a", "b");
  std::string seen;
  bool running = true;
  QTimer::singleShot(0, &window, [&] {
    finder->CloseDialogs();  // as the window's close does, before asking to save
    running = finder->ReplaceAllRunning();
    seen = editor->Text();
  });
  Click(kReplace, "replaceAll");
  EXPECT_FALSE(running);
  EXPECT_NE(seen.find('b'), std::string::npos);
  EXPECT_EQ(seen, editor->Text()) << "nothing more is written after the close";
}

TEST_F(FindReplaceTest, AChangeFromElsewhereAbandonsTheRun) {
  ReplaceIn(BigText(), "a", "b");
  QTimer::singleShot(0, &window, [&] {
    editor->Select(0, 0);
    editor->ReplaceSelection("Z", UndoMode::Record);
  });
  Click(kReplace, "replaceAll");
  EXPECT_FALSE(finder->ReplaceAllRunning());
  EXPECT_EQ(editor->Text(), "Z" + BigText()) << "only the other change is in the text";
  EXPECT_EQ(info, Count(0));
  EXPECT_TRUE(Part<QPushButton>(kReplace, "replaceAll")->isEnabled());
}

TEST_F(FindReplaceTest, TheBoxMovesOffTheMatch) {
  settings.IsChangeFindDlgPos = true;
  std::string text;
  for (int i = 0; i < 12; ++i) text += "line\r\n";
  editor->Load(text + "target\r\n");
  finder->ShowFind();
  Search(kFind, "target");
  editor->Select(60, 60);
  const QPoint match = editor->SelectionEnds().first;
  editor->Select(0, 0);
  Box(kFind)->move(match - QPoint(10, 10));
  QApplication::processEvents();
  ASSERT_TRUE(Box(kFind)->frameGeometry().contains(match));
  EXPECT_EQ(NextMatch(), std::pair(60, 66));
  EXPECT_FALSE(Box(kFind)->frameGeometry().contains(match));
}

TEST(FindReplacePlacement, AboveWhenThereIsRoomElseBelow) {
  const QRect box(100, 100, 200, 100);
  const struct { QPoint start, end; int screenHeight; std::optional<QPoint> to; } cases[] = {
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
