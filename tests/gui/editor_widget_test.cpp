// What only the real widget has: line-break styles, the display of bytes,
// link underlines and wrapping. The rest of its contract is in
// editor_contract_test.cpp.
#include "platform/editor_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "support/file_helpers.h"

namespace plumex {
namespace {

QPlainTextEdit& Area(EditorWidget& editor) { return *qobject_cast<QPlainTextEdit*>(editor.focusProxy()); }

TEST(EditorWidget, EveryByteSurvivesTheWidget) {
  const std::string cases[] = {
      test::AllBytes() + "\r\n" + test::AllBytes() + "\r\n",
      std::string("nul\0\0end", 8),
      "mixed\r\nstray\rcr\nlf\r\n\r\n",
  };
  for (const std::string& bytes : cases) {
    EditorWidget editor;
    editor.Load(bytes);
    EXPECT_EQ(editor.Text(), bytes);
    editor.SelectAll();
    EXPECT_EQ(editor.SelectedText(), bytes);
    EXPECT_EQ(editor.ByteSize(), static_cast<long long>(bytes.size()));
  }
}

TEST(EditorWidget, ATextKeepsItsOwnLineBreaksAndOneCountsAsOneCharacter) {
  EditorWidget editor;
  editor.Load("one\r\ntwo\r\n\r\nfour");
  EXPECT_EQ(editor.LineBreakStyle(), LineBreak::CrLf);
  EXPECT_EQ(editor.Length(), 13);
  EXPECT_EQ(editor.ByteSize(), 16);
  EXPECT_EQ(editor.LineIndex(3), 9);
  EXPECT_EQ(editor.LineIndex(99), 9);
  editor.Select(2, 6);
  EXPECT_EQ(editor.SelectedText(), "e\r\ntw");

  editor.Load("a\nb\n");
  EXPECT_EQ(editor.LineBreakStyle(), LineBreak::Lf);
  editor.Select(1, 1);
  QTest::keyClick(editor.focusProxy(), Qt::Key_Return);
  QTest::keyClicks(editor.focusProxy(), QStringLiteral("x"));
  EXPECT_EQ(editor.Text(), "a\nx\nb\n");
}

TEST(EditorWidget, UnderlinesVisibleLinksWhenAsked) {
  EditorWidget editor;
  editor.resize(400, 300);
  editor.show();
  editor.Load("see http://a.org\r\nand www.b.ru too");
  editor.SetLinkHighlighting(true);
  ASSERT_EQ(Area(editor).extraSelections().size(), 2);
  EXPECT_EQ(Area(editor).extraSelections()[1].cursor.selectedText(), "www.b.ru");
  editor.SelectAll();
  editor.ReplaceSelection("now ftp://c.net", UndoMode::Skip);
  ASSERT_EQ(Area(editor).extraSelections().size(), 1) << "the underlines follow a rewrite";
  editor.SetLinkHighlighting(false);
  EXPECT_TRUE(Area(editor).extraSelections().isEmpty());
}

TEST(EditorWidget, HugeWordsWrapAnywhereSoLayoutStaysLinear) {
  EditorWidget editor;
  editor.Load(std::string(5000, 'n'));
  EXPECT_EQ(Area(editor).wordWrapMode(), QTextOption::WrapAnywhere);
  editor.Load("ordinary words " + std::string(4000, 'w'));
  EXPECT_EQ(Area(editor).wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
  editor.ReplaceSelection(std::string(5000, 'p'), UndoMode::Record);
  EXPECT_EQ(Area(editor).wordWrapMode(), QTextOption::WrapAnywhere);
}

TEST(EditorWidget, PastedAndTypedTextIsShownAsItWillBeSaved) {
  EditorWidget editor;
  editor.Load("a\nb");  // an LF text
  editor.Select(1, 1);
  QApplication::clipboard()->setText(QStringLiteral("x\r\ny\u4E2D\u0416"));
  editor.Paste();
  EXPECT_EQ(editor.Text(), "ax\ny?\xC6\nb");
  EXPECT_EQ(Area(editor).toPlainText(), QStringLiteral("ax\ny?\u0416\nb"));
  QKeyEvent omega(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u03A9"));
  QApplication::sendEvent(editor.focusProxy(), &omega);
  QTest::keyClicks(editor.focusProxy(), QStringLiteral("z"));
  EXPECT_EQ(editor.Text(), "ax\ny?\xC6?z\nb");
}

}  // namespace
}  // namespace plumex
