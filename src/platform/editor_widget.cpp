#include "platform/editor_widget.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>

#include "platform/links.h"
#include "platform/qt_text.h"
#include "convert/win1251.h"

namespace plumex {
namespace {

constexpr int kLongestLinkLine = 1 << 16;

// Wrapping at word boundaries looks back for a blank at every line it breaks,
// which takes time quadratic in the length of a word: a megabyte without a
// blank would freeze the window for a minute. Texts with such words wrap at
// any character instead.
constexpr std::size_t kLongestWrappedWord = 4096;

// Whether the code page holds every character of a typed text.
bool Representable(const QString& text) {
  for (const QChar c : text)
    if (UnicodeToWin1251(c.unicode()) < 0) return false;
  return true;
}

// Pasted text as the bytes it will be saved as; its line breaks, of any
// style, become the document's own.
std::string PastedBytes(QString text, LineBreak style) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return QStringToBytes(text, style);
}

bool HasHugeWord(std::string_view bytes) {
  std::size_t run = 0;
  for (const char c : bytes) {
    run = (c == ' ' || c == '\t' || c == '\n' || c == '\r') ? 0 : run + 1;
    if (run > kLongestWrappedWord) return true;
  }
  return false;
}

QStringList LocalFiles(const QMimeData* data) {
  QStringList paths;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  return paths;
}

}  // namespace

EditorWidget::EditorWidget(QWidget* parent) : QPlainTextEdit(parent) {
  setCenterOnScroll(false);
  setLineWrapMode(NoWrap);  // word wrap is the Word Wrap command's to switch on
  setAcceptDrops(true);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &EditorWidget::scrolled);
  connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &EditorWidget::scrolled);
  connect(this, &QPlainTextEdit::updateRequest, this, &EditorWidget::HighlightVisibleLinks);
}

void EditorWidget::SetLinkHighlighting(bool on) {
  highlightLinks_ = on;
  highlightedTop_ = -1;
  HighlightVisibleLinks();
}

void EditorWidget::HighlightVisibleLinks() {
  QTextBlock block = firstVisibleBlock();
  const int revision = document()->revision();
  const int height = viewport()->height();
  if (block.blockNumber() == highlightedTop_ && revision == highlightedRevision_ &&
      height == highlightedHeight_)
    return;
  highlightedTop_ = block.blockNumber();
  highlightedRevision_ = revision;
  highlightedHeight_ = height;

  QList<QTextEdit::ExtraSelection> underlines;
  if (highlightLinks_) {
    QTextCharFormat format;
    format.setFontUnderline(true);
    format.setForeground(QColor(0, 0, 0xCC));
    const qreal bottom = viewport()->height();
    for (; block.isValid() && blockBoundingGeometry(block).translated(contentOffset()).top() <= bottom;
         block = block.next()) {
      // A huge line would cost its whole length on every keystroke.
      if (block.length() > kLongestLinkLine) continue;
      for (const LinkSpan& link : LinksIn(QStringToBytes(block.text()))) {
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + static_cast<int>(link.start));
        cursor.setPosition(block.position() + static_cast<int>(link.start + link.length),
                           QTextCursor::KeepAnchor);
        underlines.append({cursor, format});
      }
    }
  }
  setExtraSelections(underlines);
}

std::string EditorWidget::Text() const {
  return QStringToBytes(document()->toRawText(), lineBreak_);
}

void EditorWidget::Load(std::string_view bytes) {
  lineBreak_ = DetectLineBreak(bytes);
  setWordWrapMode(HasHugeWord(bytes) ? QTextOption::WrapAnywhere
                                     : QTextOption::WrapAtWordBoundaryOrAnywhere);
  highlightedTop_ = -1;  // a new text: the links are found again
  setPlainText(BytesToQString(bytes, lineBreak_));
}

int EditorWidget::Length() const { return document()->characterCount() - 1; }

std::string EditorWidget::TextRange(int from, int to) const {
  QTextCursor cursor(document());
  cursor.setPosition(Clamp(from));
  cursor.setPosition(Clamp(std::max(from, to)), QTextCursor::KeepAnchor);
  return QStringToBytes(cursor.selectedText(), lineBreak_);
}

long long EditorWidget::ByteSize() const {
  const long long breaks = document()->blockCount() - 1;
  return Length() + (lineBreak_ == LineBreak::CrLf ? breaks : 0);
}

int EditorWidget::SelStart() const { return textCursor().selectionStart(); }

int EditorWidget::SelLength() const {
  const QTextCursor cursor = textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void EditorWidget::Select(int anchor, int caret) {
  QTextCursor cursor(document());
  cursor.setPosition(Clamp(anchor));
  cursor.setPosition(Clamp(caret), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

void EditorWidget::SelectAll() { selectAll(); }

std::string EditorWidget::SelectedText() const {
  return QStringToBytes(textCursor().selectedText(), lineBreak_);
}

void EditorWidget::ReplaceSelection(std::string_view bytes, UndoMode undo) {
  if (HasHugeWord(bytes)) setWordWrapMode(QTextOption::WrapAnywhere);
  highlightedTop_ = -1;
  QTextCursor cursor = textCursor();
  const QString text = BytesToQString(bytes, lineBreak_);
  if (undo == UndoMode::Skip) document()->setUndoRedoEnabled(false);
  cursor.insertText(text);
  if (undo == UndoMode::Skip) document()->setUndoRedoEnabled(true);
  setTextCursor(cursor);
}

int EditorWidget::LineCount() const { return std::max(document()->blockCount(), 1); }

int EditorWidget::LineFromChar(int index) const {
  return std::max(document()->findBlock(Clamp(index)).blockNumber(), 0);
}

int EditorWidget::LineIndex(int line) const {
  const QTextBlock block = document()->findBlockByNumber(std::clamp(line, 0, LineCount() - 1));
  return block.isValid() ? block.position() : 0;
}

bool EditorWidget::ReadOnly() const { return isReadOnly(); }
void EditorWidget::SetReadOnly(bool on) { setReadOnly(on); }
bool EditorWidget::CanUndo() const { return document()->isUndoAvailable(); }
bool EditorWidget::CanRedo() const { return document()->isRedoAvailable(); }
bool EditorWidget::CanPaste() const { return canPaste(); }

int EditorWidget::Percent() const {
  const QScrollBar* bar = verticalScrollBar();
  return PercentOf(bar->value(), bar->minimum(), bar->maximum());
}

void EditorWidget::BeginUpdate() {
  if (updateDepth_++ == 0) setUpdatesEnabled(false);
}

void EditorWidget::EndUpdate() {
  if (updateDepth_ == 0) return;
  if (--updateDepth_ == 0) setUpdatesEnabled(true);
}

int EditorWidget::Clamp(int position) const { return std::clamp(position, 0, Length()); }

void EditorWidget::wheelEvent(QWheelEvent* event) {
  if (event->modifiers() != Qt::NoModifier || event->angleDelta().y() == 0) {
    QPlainTextEdit::wheelEvent(event);
    return;
  }
  event->accept();
  if (linesToScroll_ <= 0) return;
  // High-resolution wheels send parts of a notch; a notch is 120.
  wheelRemainder_ += event->angleDelta().y();
  const int notches = wheelRemainder_ / 120;
  wheelRemainder_ %= 120;
  QScrollBar* bar = verticalScrollBar();
  bar->setValue(bar->value() - notches * linesToScroll_);
}

void EditorWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFiles(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
    return;
  }
  QPlainTextEdit::dragEnterEvent(event);
}

void EditorWidget::dragMoveEvent(QDragMoveEvent* event) {
  if (!LocalFiles(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
    return;
  }
  QPlainTextEdit::dragMoveEvent(event);
}

void EditorWidget::dropEvent(QDropEvent* event) {
  const QStringList files = LocalFiles(event->mimeData());
  if (files.isEmpty()) {
    QPlainTextEdit::dropEvent(event);
    return;
  }
  event->acceptProposedAction();
  emit filesDropped(files);
}

void EditorWidget::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) return;
  // Pasted text goes in as the bytes it will be saved as, so the screen
  // never shows a character the file cannot hold.
  ReplaceSelection(PastedBytes(source->text(), lineBreak_), UndoMode::Record);
  ensureCursorVisible();
}

void EditorWidget::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  const bool printable = !typed.isEmpty() && typed.front() >= QChar(0x20);
  if (printable && !isReadOnly() && !event->modifiers().testFlag(Qt::ControlModifier) &&
      !Representable(typed)) {
    // A letter the code page lacks is typed as the "?" it would be saved as.
    ReplaceSelection(QStringToBytes(typed, lineBreak_), UndoMode::Record);
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void EditorWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseDoubleClickEvent(event);
  emit doubleClicked();
}

}  // namespace plumex
