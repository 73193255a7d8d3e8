// The Find, Replace and Go To boxes through their buttons on the real editor
// widget. Searching and going to a line are tested in tests/commands.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "commands/find_replace.h"
#include "commands/find_replace_dialog.h"
#include "commands/go_to_dialog.h"
#include "config/conversion_settings.h"
#include "convert/conversion_tables.h"
#include "convert/win1251.h"
#include "platform/editor_widget.h"

namespace plumex {
namespace {

const QString kNotFound = QStringLiteral(" Search finished");
QString Count(int n) { return QStringLiteral(" Replacements amount: %1").arg(n); }
using Range = std::pair<int, int>;

// A text that takes Replace All several rounds of the event loop.
constexpr int kBigLines = 200000;
const std::string kBigText = QStringLiteral("xxxxxxxxa\n").repeated(kBigLines).toStdString();

// A window holding only the editor and the box under test.
class BoxTest : public ::testing::Test {
 protected:
  void SetUp() override { window.resize(700, 500), editor->resize(700, 500), window.show(); }
  template <typename T>
  T* Part(const QWidget* box, const char* name) const { return box->findChild<T*>(QLatin1String(name)); }
  void Click(const QWidget* box, const char* button) const { QTest::mouseClick(Part<QPushButton>(box, button), Qt::LeftButton); }
  Range Selection() const { return {editor->SelStart(), editor->SelStart() + editor->SelLength()}; }

  QWidget window;
  EditorWidget* editor = new EditorWidget(&window);
};

class FindReplaceTest : public BoxTest {
 protected:
  FindReplaceDialog* Find() const { return window.findChild<FindReplaceDialog*>("findDialog"); }
  FindReplaceDialog* Replace() const { return window.findChild<FindReplaceDialog*>("replaceDialog"); }
  void Search(const QWidget* box, const QString& what) const { Part<QLineEdit>(box, "findText")->setText(what); }
  // Opens the Replace box on `text` with both fields filled.
  void ReplaceIn(const std::string& text, const QString& what, const QString& with) const {
    editor->Load(text);
    finder->ShowReplace();
    Search(Replace(), what);
    Part<QLineEdit>(Replace(), "replaceText")->setText(with);
  }
  Range NextMatch() const { return Click(Find(), "findNext"), Selection(); }
  Range Again() const { return finder->FindNext(), Selection(); }

  Settings settings;
  ConversionTables tables = TablesFromSettings(Settings{});
  QString info;
  FindReplace* finder = new FindReplace(  // owned by the window
      &window, *editor, settings, [this]() -> const CaseTables& { return tables.Case(); },
      [this](const QString& text) { info = text; });
};

TEST_F(FindReplaceTest, FindProposesTheWordAtTheCaretOrTheSelectionAndSearchesAsTheBoxSays) {
  editor->Load("alpha beta alpha beta");
  editor->Select(2, 2);
  info = QStringLiteral("old message");
  finder->ShowFind();
  EXPECT_EQ(std::tuple(info, Part<QLineEdit>(Find(), "findText")->text(), Part<QRadioButton>(Find(), "down")->isChecked()),
            std::tuple(QString(), "alpha", true));
  EXPECT_EQ(NextMatch(), Range(11, 16));  // from the caret on
  EXPECT_EQ((std::pair{NextMatch(), info}), std::pair(Range(11, 16), kNotFound)) << "the last match stays selected";
  editor->Select(6, 10);
  finder->ShowFind();
  EXPECT_EQ(Part<QLineEdit>(Find(), "findText")->text(), "beta");

  editor->Load(Utf8ToWin1251("Ёлка ёлка ЁЛКА\r\nёлка"));  // a line break is one character
  editor->Select(14, 14);
  Search(Find(), QString::fromUtf8("ёлка"));
  Part<QRadioButton>(Find(), "up")->setChecked(true);
  EXPECT_EQ(NextMatch(), Range(10, 14));
  Part<QCheckBox>(Find(), "matchCase")->setChecked(true);
  EXPECT_EQ(NextMatch(), Range(5, 9));
  Part<QRadioButton>(Find(), "down")->setChecked(true);
  EXPECT_EQ(NextMatch(), Range(15, 19));
}

TEST_F(FindReplaceTest, FindNextRepeatsTheLastSearchAfterTheBoxClosedOnTheTextAsItIsNow) {
  editor->Load("one two one two");
  finder->FindNext();  // no search yet: opens the box
  ASSERT_TRUE(Find()->isVisible());
  Search(Find(), "TWO");
  EXPECT_EQ(NextMatch(), Range(4, 7));
  Click(Find(), "cancel");
  EXPECT_EQ((std::pair{Again(), Find()->isVisible()}), std::pair(Range(12, 15), false));
  editor->Load("xyz two");  // another file
  EXPECT_EQ(Again(), Range(4, 7));
  editor->Select(0, 0);
  editor->ReplaceSelection("two ", UndoMode::Skip);  // a rewrite without undo
  EXPECT_EQ(Again(), Range(8, 11));
  editor->Select(0, 0);
  QTest::keyClicks(editor->focusProxy(), "q");  // typing, then undone
  editor->Undo();
  editor->Select(0, 0);
  EXPECT_EQ(Again(), Range(0, 3));
}

TEST_F(FindReplaceTest, ReplaceSelectsTheNextMatchAndReplaceAllCountsAndPlacesTheCaretWithoutUndo) {
  ReplaceIn("cat dog cat dog cat", "cat", "cow");
  Click(Replace(), "replace");
  EXPECT_EQ(Selection(), Range(8, 11));
  Click(Replace(), "replace");  // the selected match goes next
  Click(Replace(), "replace");
  EXPECT_EQ(std::pair(editor->Text(), info), std::pair(std::string("cow dog cow dog cow"), kNotFound));
  const struct { const char *text; int selStart, selEnd; const char *direction, *after; int count, caret; } cases[] = {
      {"cat cat cat cat", 4, 4, "down", "cat cow cow cow", 3, 15},  // above the caret stays
      {"cat cat cat cat", 7, 7, "up", "cow cow cat cat", 2, 3},     // upwards: ends after the topmost
      {"cat cat cat", 4, 7, "down", "cat cow cow", 2, 11},          // a selected match is the first
      {"cat\r\nxx cat", 0, 0, "down", "cow\r\nxx cow", 2, 10},
  };
  for (const auto& c : cases) {
    ReplaceIn(c.text, "cat", "cow");
    editor->Select(c.selStart, c.selEnd);
    Part<QRadioButton>(Replace(), c.direction)->setChecked(true);
    QSignalSpy changes(editor, &EditorWidget::textChanged);
    Click(Replace(), "replaceAll");
    EXPECT_EQ(std::tuple(editor->Text(), info, Selection()), std::tuple(c.after, Count(c.count), Range(c.caret, c.caret)))
        << c.text;
    EXPECT_GE(changes.count(), 1) << "the change marks the document modified";
  }
  EXPECT_FALSE(editor->CanUndo());
}

TEST_F(FindReplaceTest, NoMatchAnEmptySearchOrAReadOnlyTextChangesNothing) {
  ReplaceIn("abc abc", "xyz", "q");
  QSignalSpy changes(editor, &EditorWidget::textChanged);
  Click(Replace(), "replaceAll");
  EXPECT_EQ(info, kNotFound);
  Search(Replace(), "");
  info.clear();
  Click(Replace(), "replaceAll");
  Click(Replace(), "replace");
  EXPECT_TRUE(info.isEmpty()) << "an empty search does nothing at all";
  Search(Replace(), "abc");
  editor->SetReadOnly(true);  // switched on while the box is open
  Click(Replace(), "replace");
  Click(Replace(), "replaceAll");
  Replace()->hide();
  finder->ShowReplace();
  EXPECT_EQ(std::pair(changes.count(), finder->DialogOpen()), std::pair(0LL, false))
      << "the document stays unmodified and the Replace box opens on a writable text only";
}

TEST_F(FindReplaceTest, ALongReplaceAllStopsAtTheCloseOfItsBoxOrAChangeFromElsewhereKeepingItsWork) {
  // Runs Replace All over the big text; `meanwhile` comes in between two of its rounds.
  const auto replaceAllWith = [this](const std::function<void()>& meanwhile) {
    ReplaceIn(kBigText, "a", "b");
    QTimer::singleShot(0, &window, meanwhile);
    Click(Replace(), "replaceAll");
    EXPECT_FALSE(finder->ReplaceAllRunning());
    return editor->Text();
  };
  std::string text = replaceAllWith([this] { Replace()->reject(); });
  const auto replaced = std::count(text.begin(), text.end(), 'b');
  EXPECT_TRUE(replaced > 0 && replaced < kBigLines) << replaced;
  EXPECT_EQ(info, Count(static_cast<int>(replaced)));
  EXPECT_EQ(text.find('a'), static_cast<std::size_t>(replaced) * 10 + 8) << "done from the top down";

  std::string seen;
  text = replaceAllWith([&] {
    finder->CloseDialogs();  // as the window's close does, before asking to save
    seen = editor->Text();
  });
  EXPECT_NE(seen.find('b'), std::string::npos) << "the work so far is written before CloseDialogs returns";
  EXPECT_EQ(seen, text) << "nothing more is written after the close";

  text = replaceAllWith([this] {
    editor->Select(0, 0);
    editor->ReplaceSelection("Z", UndoMode::Record);
  });
  EXPECT_EQ(std::tuple(text, info, Part<QPushButton>(Replace(), "replaceAll")->isEnabled()),
            std::tuple("Z" + kBigText, Count(0), true)) << "only the other change is in the text";
}

TEST_F(FindReplaceTest, TheBoxMovesOffTheMatchAboveItWhenThereIsRoomElseBelow) {
  settings.IsChangeFindDlgPos = true;
  editor->Load(QStringLiteral("line\n").repeated(12).toStdString() + "target\n");
  finder->ShowFind();
  Search(Find(), "target");
  editor->Select(60, 60);
  const QPoint match = editor->SelectionEnds().first;
  editor->Select(0, 0);
  Find()->move(match - QPoint(10, 10));
  QApplication::processEvents();
  ASSERT_TRUE(Find()->frameGeometry().contains(match));
  EXPECT_EQ(NextMatch(), Range(60, 66));
  EXPECT_FALSE(Find()->frameGeometry().contains(match));
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

class GoToTest : public BoxTest {
 protected:
  void SetUp() override { BoxTest::SetUp(), editor->Load(QStringLiteral("line\r\n").repeated(300).toStdString()); }
  QSpinBox* Number() const { return Part<QSpinBox>(box, "seGoTo"); }
  // Without word wrap the scroll bar counts lines: its value is the top line.
  QScrollBar* Bar() const { return static_cast<QAbstractScrollArea*>(editor->focusProxy())->verticalScrollBar(); }

  GoToDialog* box = new GoToDialog(&window, *editor);
};

TEST_F(GoToTest, LineModeMovesTheCaretByOkOrEnterAndEscapeLeavesIt) {
  QSignalSpy applied(box, &GoToDialog::applied);
  const struct { int line, caretLine; Qt::Key key; } cases[] = {
      {50, 49, Qt::Key_unknown}, {100000, 300, Qt::Key_unknown}, {10, 9, Qt::Key_Return},
      {0, 9, Qt::Key_unknown}, {20, 9, Qt::Key_Escape}};  // 0: the caret's own line
  for (const auto& c : cases) {
    box->ShowCentred(GoToMode::Line);
    EXPECT_EQ(std::pair(Part<QRadioButton>(box, "line")->isChecked(), Number()->value()), std::pair(true, 0))
        << "the number starts again at 0";
    Number()->setValue(c.line);
    c.key == Qt::Key_unknown ? Click(box, "rsbOK") : QTest::keyClick(Number(), c.key);
    EXPECT_EQ(std::pair(editor->SelStart(), box->isVisible()), std::pair(editor->LineIndex(c.caretLine), false)) << c.line;
  }
  EXPECT_EQ(applied.count(), 4);
}

TEST_F(GoToTest, PercentModeScrollsWithoutMovingTheCaretAndALineBookmarkComesToTheTop) {
  editor->Select(5, 5);
  for (const int percent : {100, 50}) {  // the lines the bar scrolls depend on the font: half of them
    box->ShowAt(GoToMode::Percent, QPoint(20, 30));
    EXPECT_TRUE(Part<QRadioButton>(box, "percent")->isChecked());
    Number()->setValue(percent);
    Click(box, "rsbOK");
    EXPECT_NEAR(Bar()->value(), Bar()->maximum() * percent / 100.0, 0.5);
    EXPECT_EQ(editor->SelStart(), 5);
  }
  Settings settings;
  settings.BookmarkType = 0;
  settings.Bookmark = 120;
  ShowQuickBookmark(*editor, settings);
  EXPECT_EQ(std::pair(editor->SelStart(), Bar()->value()), std::pair(editor->LineIndex(120), 120));
}

}  // namespace
}  // namespace plumex
