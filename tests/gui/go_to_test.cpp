// The Go To box and the quick bookmark through the real editor widget.
#include "commands/go_to_dialog.h"

#include <QAbstractScrollArea>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/editor_widget.h"

namespace plumex {
namespace {

class GoToTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(500, 300);
    editor = new EditorWidget(&window);
    editor->resize(500, 300);
    box = new GoToDialog(&window, *editor);
    window.show();
    std::string text;
    for (int i = 0; i < 300; ++i) text += "line " + std::to_string(i) + "\r\n";
    editor->Load(text);
  }

  QSpinBox* Number() const { return box->findChild<QSpinBox*>("seGoTo"); }
  QRadioButton* Mode(const char* name) const { return box->findChild<QRadioButton*>(name); }
  void Ok() const { QTest::mouseClick(box->findChild<QPushButton*>("rsbOK"), Qt::LeftButton); }
  // Without word wrap the scroll bar counts lines: its value is the top line.
  QScrollBar* Bar() const { return static_cast<QAbstractScrollArea*>(editor->focusProxy())->verticalScrollBar(); }

  QWidget window;
  EditorWidget* editor = nullptr;
  GoToDialog* box = nullptr;
};

TEST_F(GoToTest, LineModeMovesTheCaretAndClosesTheBox) {
  QSignalSpy applied(box, &GoToDialog::applied);
  const struct { int line, caretLine; } cases[] = {{1, 0}, {50, 49}, {300, 299}, {301, 300}, {100000, 300}};
  for (const auto& c : cases) {
    box->ShowCentred(GoToMode::Line);
    ASSERT_TRUE(box->isVisible());
    EXPECT_TRUE(Mode("line")->isChecked());
    Number()->setValue(c.line);
    Ok();
    EXPECT_EQ(editor->SelStart(), editor->LineIndex(c.caretLine)) << c.line;
    EXPECT_EQ(editor->SelLength(), 0);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(Number()->value(), 0) << "the number starts again at 0";
  }
  EXPECT_EQ(applied.count(), 5);

  // 0 means the caret's own line.
  editor->Select(editor->LineIndex(7) + 3, editor->LineIndex(7) + 3);
  box->ShowCentred(GoToMode::Line);
  Ok();
  EXPECT_EQ(editor->SelStart(), editor->LineIndex(7));
}

TEST_F(GoToTest, PercentModeScrollsWithoutMovingTheCaret) {
  editor->Select(5, 5);
  ASSERT_GT(Bar()->maximum(), 0);
  const struct { int percent, value; } cases[] = {
      {100, Bar()->maximum()}, {0, Bar()->minimum()}, {50, (Bar()->maximum() + 1) / 2}};
  for (const auto& c : cases) {
    box->ShowAt(GoToMode::Percent, QPoint(20, 30));
    EXPECT_TRUE(Mode("percent")->isChecked());
    Number()->setValue(c.percent);
    Ok();
    EXPECT_EQ(Bar()->value(), c.value) << c.percent;
    EXPECT_EQ(editor->SelStart(), 5);
  }
}

TEST_F(GoToTest, EnterRunsOkAndEscapeCloses) {
  for (const auto& [key, caret] : {std::pair{Qt::Key_Escape, 0}, std::pair{Qt::Key_Return, editor->LineIndex(9)}}) {
    box->ShowCentred(GoToMode::Line);
    Number()->setValue(10);
    QTest::keyClick(Number(), key);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(editor->SelStart(), caret);
  }
}

TEST_F(GoToTest, LineBookmarkComesToTheTopOfTheView) {
  Settings settings;
  settings.BookmarkType = 0;
  settings.Bookmark = 120;
  ShowQuickBookmark(*editor, settings);
  EXPECT_EQ(editor->SelStart(), editor->LineIndex(120));
  EXPECT_EQ(Bar()->value(), 120);

  settings.Bookmark = 5000;  // set in a longer text
  ShowQuickBookmark(*editor, settings);
  EXPECT_EQ(editor->SelStart(), editor->LineIndex(300));

  settings.BookmarkType = 1;
  settings.Bookmark = 17;
  ShowQuickBookmark(*editor, settings);
  EXPECT_EQ(editor->SelStart(), 17);
}

}  // namespace
}  // namespace plumex
