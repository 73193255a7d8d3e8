#include "platform/editor_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "support/file_helpers.h"

namespace plumex {
namespace {

TEST(EditorWidget, EveryByteSurvivesTheWidget) {
  const std::string cases[] = {
      test::AllBytes(),
      test::AllBytes() + "\r\n" + test::AllBytes() + "\r\n",
      "unix\nlines\n\xA0nbsp\n",
      std::string("nul\0\0end", 8),
      "mixed\r\nstray\rcr\nlf\r\n\r\n",
      "",
  };
  for (const std::string& bytes : cases) {
    EditorWidget editor;
    editor.Load(bytes);
    EXPECT_EQ(editor.Text(), bytes);
    editor.SelectAll();
    EXPECT_EQ(editor.SelectedText(), bytes);
    EXPECT_EQ(editor.TextRange(0, editor.Length()), bytes);
    EXPECT_EQ(editor.ByteSize(), static_cast<long long>(bytes.size()));
  }
}

TEST(EditorWidget, LineBreakStyleFollowsTheFile) {
  EditorWidget editor;
  editor.Load("a\nb\n");
  EXPECT_EQ(editor.LineBreakStyle(), LineBreak::Lf);
  editor.Select(1, 1);
  editor.ReplaceSelection("\nx", UndoMode::Record);
  EXPECT_EQ(editor.Text(), "a\nx\nb\n");
  editor.Load("a\r\nb");
  EXPECT_EQ(editor.LineBreakStyle(), LineBreak::CrLf);
  EXPECT_EQ(editor.Length(), 3);
  EXPECT_EQ(editor.ByteSize(), 4);
}

TEST(EditorWidget, PositionsCountALineBreakAsOne) {
  EditorWidget editor;
  editor.Load("one\r\ntwo\r\n\r\nfour");
  EXPECT_EQ(editor.LineCount(), 4);
  EXPECT_EQ(editor.LineIndex(1), 4);
  EXPECT_EQ(editor.LineIndex(3), 9);
  EXPECT_EQ(editor.LineFromChar(8), 2);
  EXPECT_EQ(editor.LineIndex(99), 9);
  EXPECT_EQ(editor.LineFromChar(-5), 0);
  editor.Select(2, 6);
  EXPECT_EQ(editor.SelStart(), 2);
  EXPECT_EQ(editor.SelLength(), 4);
  EXPECT_EQ(editor.SelectedText(), "e\r\ntw");
  editor.Select(6, 2);
  EXPECT_EQ(editor.SelStart(), 2);
  editor.Select(-10, 1000);
  EXPECT_EQ(editor.SelLength(), editor.Length());
}

TEST(EditorWidget, ReplaceWithoutUndoForgetsEarlierSteps) {
  EditorWidget editor;
  editor.Load("abc");
  editor.Select(3, 3);
  editor.ReplaceSelection("d", UndoMode::Record);
  EXPECT_TRUE(editor.CanUndo());
  editor.Select(0, 4);
  editor.ReplaceSelection("XYZW", UndoMode::Skip);
  EXPECT_FALSE(editor.CanUndo());
  editor.undo();
  EXPECT_EQ(editor.Text(), "XYZW");
  EXPECT_EQ(editor.SelStart(), 4);
}

TEST(EditorWidget, UnderlinesVisibleLinksWhenAsked) {
  EditorWidget editor;
  editor.resize(400, 300);
  editor.show();
  editor.Load("see http://a.org\r\nand www.b.ru too");
  editor.SetLinkHighlighting(true);
  ASSERT_EQ(editor.extraSelections().size(), 2);
  EXPECT_EQ(editor.extraSelections()[1].cursor.selectedText(), "www.b.ru");
  editor.SetLinkHighlighting(false);
  EXPECT_TRUE(editor.extraSelections().isEmpty());
}

TEST(EditorWidget, HugeWordsWrapAnywhereSoLayoutStaysLinear) {
  EditorWidget editor;
  editor.Load(std::string(5000, 'n'));
  EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAnywhere);
  editor.Load("ordinary words " + std::string(4000, 'w'));
  EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
  editor.ReplaceSelection(std::string(5000, 'p'), UndoMode::Record);
  EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAnywhere);
}

TEST(EditorWidget, EmptyTextIsFullyScrolled) {
  EditorWidget editor;
  editor.Load("");
  EXPECT_EQ(editor.Percent(), 100);
  EXPECT_EQ(editor.LineCount(), 1);
}

TEST(EditorWidget, PastedAndTypedTextIsShownAsItWillBeSaved) {
  EditorWidget editor;
  editor.Load("a\nb");  // an LF text
  editor.Select(1, 1);
  QApplication::clipboard()->setText(QStringLiteral("x\r\ny\u4E2D\u0416"));
  editor.paste();
  EXPECT_EQ(editor.Text(), "ax\ny?\xC6\nb");
  EXPECT_EQ(editor.toPlainText(), QStringLiteral("ax\ny?\u0416\nb"));
  QKeyEvent omega(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u03A9"));
  QApplication::sendEvent(&editor, &omega);
  QTest::keyClicks(&editor, QStringLiteral("z"));
  EXPECT_EQ(editor.Text(), "ax\ny?\xC6?z\nb");
}

}  // namespace
}  // namespace plumex
