// What only the real widget has: CR LF texts, how bytes are shown, link
// underlines and wrapping. The rest of its contract: editor_contract_test.cpp.
#include "platform/editor_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <tuple>

#include "support/file_helpers.h"

namespace plumex {
namespace {

QPlainTextEdit& Area(EditorWidget& editor) { return *qobject_cast<QPlainTextEdit*>(editor.focusProxy()); }

TEST(EditorWidget, EveryByteSurvivesAndALineBreakOfEitherStyleIsOneCharacter) {
  for (const std::string& bytes : {test::AllBytes() + "\r\n" + test::AllBytes() + "\r\n", std::string("nul\0\0end", 8),
                                   std::string("mixed\r\nstray\rcr\nlf\r\n\r\n")}) {
    EditorWidget editor;
    editor.Load(bytes);
    editor.SelectAll();
    EXPECT_EQ(std::tuple(editor.Text(), editor.SelectedText(), editor.ByteSize()),
              std::tuple(bytes, bytes, static_cast<long long>(bytes.size())));
  }
  EditorWidget editor;
  editor.Load("one\r\ntwo\r\n\r\nfour");
  editor.Select(2, 6);
  EXPECT_EQ(std::tuple(editor.Length(), editor.LineIndex(99), editor.SelectedText()), std::tuple(13, 9, "e\r\ntw"));
  editor.Load("a\nb\n");
  editor.Select(1, 1);
  QTest::keyClick(editor.focusProxy(), Qt::Key_Return);  // an LF text stays LF
  EXPECT_EQ(editor.Text(), "a\n\nb\n");
}

TEST(EditorWidget, PastedAndTypedTextIsShownAsItWillBeSaved) {
  EditorWidget editor;
  editor.Load("a\nb");
  editor.Select(1, 1);
  QApplication::clipboard()->setText(QStringLiteral("x\r\ny\u4E2D\u0416"));
  editor.Paste();
  EXPECT_EQ(editor.Text(), "ax\ny?\xC6\nb");
  EXPECT_EQ(Area(editor).toPlainText(), QStringLiteral("ax\ny?\u0416\nb"));
  QKeyEvent omega(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u03A9"));
  QApplication::sendEvent(editor.focusProxy(), &omega);
  EXPECT_EQ(editor.Text(), "ax\ny?\xC6?\nb");
}

TEST(EditorWidget, UnderlinesVisibleLinksWhenAskedAndAfterARewrite) {
  EditorWidget editor;
  editor.resize(400, 300);
  editor.show();
  editor.Load("see http://a.org\r\nand www.b.ru too");
  editor.SetLinkHighlighting(true);
  ASSERT_EQ(Area(editor).extraSelections().size(), 2);
  EXPECT_EQ(Area(editor).extraSelections()[1].cursor.selectedText(), "www.b.ru");
  editor.SelectAll();
  editor.ReplaceSelection("now ftp://c.net", UndoMode::Skip);
  EXPECT_EQ(Area(editor).extraSelections().size(), 1);
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

}  // namespace
}  // namespace plumex
