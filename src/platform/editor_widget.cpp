#include "platform/editor_widget.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "convert/win1251.h"
#include "platform/links.h"
#include "platform/qt_keys.h"
#include "platform/qt_text.h"

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

// Letters with Ctrl are the text control's own emacs-style commands on X11
// (Ctrl+D deletes, Ctrl+K cuts the line end); letters and digits with Alt
// alone are menu keys. Neither may edit the text.
bool IsCommandLetter(const QKeyEvent& key) {
  const Qt::KeyboardModifiers held = key.modifiers();
  const int k = key.key();
  const bool letter = k >= Qt::Key_A && k <= Qt::Key_Z;
  const bool digit = k >= Qt::Key_0 && k <= Qt::Key_9;
  if (held.testFlag(Qt::ControlModifier)) return letter;
  const bool typedLetter = !key.text().isEmpty() && key.text().front().isLetterOrNumber();
  return held.testFlag(Qt::AltModifier) && (letter || digit || typedLetter);
}

}  // namespace

// The Qt text area behind the editor; only this file sees it.
class TextArea : public QPlainTextEdit {
 public:
  TextArea(EditorWidget& view, QWidget* parent) : QPlainTextEdit(parent), view_(view) {
    setCenterOnScroll(false);
    setLineWrapMode(NoWrap);  // word wrap is the Word Wrap command's to switch on
    setAcceptDrops(true);
    setContextMenuPolicy(Qt::NoContextMenu);  // our pop-ups open on release
    // Full-screen margins lie outside the viewport: they show the text's
    // ground, not the window's.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
  }

  void SetSideMargins(int left, int right) { setViewportMargins(left, 0, right, 0); }

  // Underlines the links of the visible lines.
  void HighlightLinks(bool on) {
    QList<QTextEdit::ExtraSelection> underlines;
    if (on) {
      QTextCharFormat format;
      format.setFontUnderline(true);
      format.setForeground(QColor(0, 0, 0xCC));
      const qreal bottom = viewport()->height();
      for (QTextBlock block = firstVisibleBlock();
           block.isValid() && blockBoundingGeometry(block).translated(contentOffset()).top() <= bottom;
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

  int TopLine() const { return firstVisibleBlock().blockNumber(); }

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride) {
      const auto& key = static_cast<QKeyEvent&>(*event);
      if (WindowKeyOf(key) != WindowKey::None) {
        event->accept();  // ours: it comes back as a key press
        return true;
      }
      // The text control claims copy, paste, undo and word keys for itself;
      // a key bound to an action runs that action instead.
      if (view_.boundToAction_ && view_.boundToAction_(key)) {
        event->ignore();
        return true;
      }
    }
    return QPlainTextEdit::event(event);
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (const WindowKey key = WindowKeyOf(*event); key != WindowKey::None) {
      emit view_.windowKeyPressed(key);
      return;
    }
    // A bound key whose action is disabled ends here, never in the text.
    if (view_.boundToAction_ && view_.boundToAction_(*event)) return;
    // Typing would abandon a running Replace All; it waits instead.
    if (view_.Locked() && (!event->text().isEmpty() || event->key() == Qt::Key_Delete)) return;
    for (const QChar typed : event->text()) {
      const int byte = UnicodeToWin1251(typed.unicode());
      emit view_.characterTyped(static_cast<unsigned char>(byte < 0 ? '?' : byte));
    }
    if (view_.HandleKey(*event) || IsCommandLetter(*event)) return;
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.front() >= QChar(0x20);
    if (printable && !isReadOnly() && !Representable(typed)) {
      // A letter the code page lacks is typed as the "?" it would be saved as.
      view_.ReplaceSelection(QStringToBytes(typed, view_.lineBreak_), UndoMode::Record);
      return;
    }
    QPlainTextEdit::keyPressEvent(event);
  }

  void insertFromMimeData(const QMimeData* source) override {
    if (!source->hasText()) return;
    // Pasted text goes in as the bytes it will be saved as, so the screen
    // never shows a character the file cannot hold.
    view_.ReplaceSelection(PastedBytes(source->text(), view_.lineBreak_), UndoMode::Record);
    ensureCursorVisible();
  }

  void wheelEvent(QWheelEvent* event) override {
    if (event->modifiers() != Qt::NoModifier || event->angleDelta().y() == 0) {
      QPlainTextEdit::wheelEvent(event);
      return;
    }
    event->accept();
    if (view_.linesToScroll_ <= 0) return;
    // High-resolution wheels send parts of a notch; a notch is 120.
    view_.wheelRemainder_ += event->angleDelta().y();
    const int notches = view_.wheelRemainder_ / 120;
    view_.wheelRemainder_ %= 120;
    // A hand-edited LinesToScroll may be huge; the bar stops at its ends.
    const long long lines = static_cast<long long>(notches) * view_.linesToScroll_;
    view_.ScrollLines(static_cast<int>(std::clamp(-lines, -1LL * INT_MAX, 1LL * INT_MAX)));
  }

  void dragEnterEvent(QDragEnterEvent* event) override {
    if (LocalFiles(event->mimeData()).isEmpty()) QPlainTextEdit::dragEnterEvent(event);
    else event->acceptProposedAction();
  }

  void dragMoveEvent(QDragMoveEvent* event) override {
    if (LocalFiles(event->mimeData()).isEmpty()) QPlainTextEdit::dragMoveEvent(event);
    else event->acceptProposedAction();
  }

  void dropEvent(QDropEvent* event) override {
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty()) {
      QPlainTextEdit::dropEvent(event);
      return;
    }
    event->acceptProposedAction();
    emit view_.filesDropped(files);
  }

  void mousePressEvent(QMouseEvent* event) override {
    view_.MousePressed(event->position().toPoint());
    QPlainTextEdit::mousePressEvent(event);
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    view_.MouseReleased(*event);
    QPlainTextEdit::mouseReleaseEvent(event);
  }

  void mouseDoubleClickEvent(QMouseEvent* event) override {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    emit view_.doubleClicked();
  }

 private:
  EditorWidget& view_;
};

EditorWidget::EditorWidget(QWidget* parent) : QWidget(parent), area_(new TextArea(*this, this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(area_);
  setFocusProxy(area_);
  connect(area_, &QPlainTextEdit::textChanged, this, &EditorWidget::textChanged);
  connect(area_, &QPlainTextEdit::cursorPositionChanged, this, &EditorWidget::caretMoved);
  connect(area_, &QPlainTextEdit::selectionChanged, this, &EditorWidget::caretMoved);
  connect(area_->document(), &QTextDocument::contentsChange, this, &EditorWidget::contentsChanged);
  connect(area_->verticalScrollBar(), &QScrollBar::valueChanged, this, &EditorWidget::FollowScroll);
  connect(area_->verticalScrollBar(), &QScrollBar::rangeChanged, this, &EditorWidget::FollowScroll);
  connect(area_, &QPlainTextEdit::updateRequest, this, &EditorWidget::HighlightVisibleLinks);
}

EditorWidget::~EditorWidget() {
  // The area goes first: what it sends while it goes (a focus change, a
  // last repaint) must not reach this half-destroyed widget.
  disconnect(area_, nullptr, this, nullptr);
  disconnect(area_->document(), nullptr, this, nullptr);
  disconnect(area_->verticalScrollBar(), nullptr, this, nullptr);
  delete area_;
}

void EditorWidget::SetKeyRules(std::function<bool(const QKeyEvent&)> boundToAction,
                               std::function<bool()> locked) {
  boundToAction_ = std::move(boundToAction);
  locked_ = std::move(locked);
}

void EditorWidget::SetLinkHighlighting(bool on) {
  highlightLinks_ = on;
  highlightedTop_ = -1;
  HighlightVisibleLinks();
}

void EditorWidget::HighlightVisibleLinks() {
  const int top = area_->TopLine();
  const int revision = area_->document()->revision();
  const int height = area_->viewport()->height();
  if (top == highlightedTop_ && revision == highlightedRevision_ && height == highlightedHeight_)
    return;
  highlightedTop_ = top;
  highlightedRevision_ = revision;
  highlightedHeight_ = height;
  area_->HighlightLinks(highlightLinks_);
}

std::string EditorWidget::Text() const {
  return QStringToBytes(area_->document()->toRawText(), lineBreak_);
}

void EditorWidget::Load(std::string_view bytes) {
  lineBreak_ = DetectLineBreak(bytes);
  area_->setWordWrapMode(HasHugeWord(bytes) ? QTextOption::WrapAnywhere
                                            : QTextOption::WrapAtWordBoundaryOrAnywhere);
  highlightedTop_ = -1;  // a new text: the links are found again
  area_->setPlainText(BytesToQString(bytes, lineBreak_));
}

int EditorWidget::Length() const { return area_->document()->characterCount() - 1; }

std::string EditorWidget::TextRange(int from, int to) const {
  QTextCursor cursor(area_->document());
  cursor.setPosition(Clamp(from));
  cursor.setPosition(Clamp(std::max(from, to)), QTextCursor::KeepAnchor);
  return QStringToBytes(cursor.selectedText(), lineBreak_);
}

long long EditorWidget::ByteSize() const {
  const long long breaks = area_->document()->blockCount() - 1;
  return Length() + (lineBreak_ == LineBreak::CrLf ? breaks : 0);
}

int EditorWidget::SelStart() const { return area_->textCursor().selectionStart(); }

int EditorWidget::SelLength() const {
  const QTextCursor cursor = area_->textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void EditorWidget::Select(int anchor, int caret) {
  QTextCursor cursor(area_->document());
  cursor.setPosition(Clamp(anchor));
  cursor.setPosition(Clamp(caret), QTextCursor::KeepAnchor);
  area_->setTextCursor(cursor);
}

void EditorWidget::SelectAll() { area_->selectAll(); }

std::string EditorWidget::SelectedText() const {
  return QStringToBytes(area_->textCursor().selectedText(), lineBreak_);
}

void EditorWidget::ReplaceSelection(std::string_view bytes, UndoMode undo) {
  if (HasHugeWord(bytes)) area_->setWordWrapMode(QTextOption::WrapAnywhere);
  highlightedTop_ = -1;
  QTextDocument* document = area_->document();
  QTextCursor cursor = area_->textCursor();
  const QString text = BytesToQString(bytes, lineBreak_);
  if (undo == UndoMode::Skip) document->setUndoRedoEnabled(false);
  cursor.insertText(text);
  if (undo == UndoMode::Skip) document->setUndoRedoEnabled(true);
  area_->setTextCursor(cursor);
}

int EditorWidget::LineCount() const { return std::max(area_->document()->blockCount(), 1); }

int EditorWidget::LineFromChar(int index) const {
  return std::max(area_->document()->findBlock(Clamp(index)).blockNumber(), 0);
}

int EditorWidget::LineIndex(int line) const {
  const QTextBlock block = area_->document()->findBlockByNumber(std::clamp(line, 0, LineCount() - 1));
  return block.isValid() ? block.position() : 0;
}

bool EditorWidget::ReadOnly() const { return area_->isReadOnly(); }
void EditorWidget::SetReadOnly(bool on) { area_->setReadOnly(on); }
bool EditorWidget::CanUndo() const { return area_->document()->isUndoAvailable(); }
bool EditorWidget::CanRedo() const { return area_->document()->isRedoAvailable(); }
bool EditorWidget::CanPaste() const { return area_->canPaste(); }

int EditorWidget::Percent() const {
  const QScrollBar* bar = area_->verticalScrollBar();
  return PercentOf(bar->value(), bar->minimum(), bar->maximum());
}

void EditorWidget::BeginUpdate() {
  if (updateDepth_++ == 0) area_->setUpdatesEnabled(false);
}

void EditorWidget::EndUpdate() {
  if (updateDepth_ == 0) return;
  if (--updateDepth_ == 0) area_->setUpdatesEnabled(true);
}

void EditorWidget::Undo() {
  if (!ReadOnly()) area_->undo();
}

void EditorWidget::Redo() {
  if (!ReadOnly()) area_->redo();
}

void EditorWidget::Cut() {
  if (!ReadOnly()) area_->cut();
}

void EditorWidget::Copy() { area_->copy(); }

void EditorWidget::Paste() {
  if (!ReadOnly()) area_->paste();
}

bool EditorWidget::WordWrap() const { return area_->lineWrapMode() != QPlainTextEdit::NoWrap; }

void EditorWidget::SetWordWrap(bool on) {
  area_->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

bool EditorWidget::Overwrite() const { return area_->overwriteMode(); }

void EditorWidget::SetOverwrite(bool on) {
  if (on == Overwrite()) return;
  area_->setOverwriteMode(on);
  emit overwriteChanged(on);
}

void EditorWidget::ScrollLines(int lines) {
  QScrollBar* bar = area_->verticalScrollBar();
  const long long to = static_cast<long long>(bar->value()) + lines;
  bar->setValue(static_cast<int>(std::clamp<long long>(to, bar->minimum(), bar->maximum())));
}

void EditorWidget::ScrollToPercent(int percent) {
  QScrollBar* bar = area_->verticalScrollBar();
  bar->setValue(ScrollValueForPercent(percent, bar->minimum(), bar->maximum()));
}

void EditorWidget::ShowCaret(Reveal how) {
  if (how == Reveal::Centered) area_->centerCursor();
  else area_->ensureCursorVisible();
}

int EditorWidget::FontSize() const { return area_->font().pointSize(); }

void EditorWidget::SetFontSize(int points) {
  QFont font = area_->font();
  // Qt has no font of size 0; one point is the smallest.
  font.setPointSize(std::max(points, 1));
  area_->setFont(font);
}

void EditorWidget::SetLook(const QFont& font, const QColor& text, const QColor& background) {
  QPalette palette = area_->palette();
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Text, text);
  area_->setPalette(palette);
  area_->setFont(font);
}

void EditorWidget::SetBare(bool bare, bool scrollBars, int leftMargin, int rightMargin) {
  area_->setFrameShape(bare ? QFrame::NoFrame : QFrame::StyledPanel);
  const Qt::ScrollBarPolicy bars = scrollBars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  area_->setVerticalScrollBarPolicy(bars);
  area_->setHorizontalScrollBarPolicy(bars);
  area_->SetSideMargins(leftMargin, rightMargin);
}

int EditorWidget::TopPosition() const {
  QTextCursor top = area_->cursorForPosition(QPoint(0, 0));
  top.movePosition(QTextCursor::StartOfLine);
  return top.position();
}

void EditorWidget::ScrollToTop(int position) {
  const QTextBlock block = area_->document()->findBlock(Clamp(position));
  const QTextLayout* layout = block.layout();
  // The bar counts lines, the wrapped lines of a paragraph each one.
  const int line = layout != nullptr && layout->lineCount() > 0
                       ? layout->lineForTextPosition(Clamp(position) - block.position()).lineNumber()
                       : 0;
  QScrollBar* bar = area_->verticalScrollBar();
  bar->setValue(std::clamp(block.firstLineNumber() + std::max(line, 0), bar->minimum(), bar->maximum()));
}

std::pair<QPoint, QPoint> EditorWidget::SelectionEnds() const {
  QTextCursor at(area_->document());
  const auto screenPoint = [&](int position) {
    at.setPosition(Clamp(position));
    return area_->viewport()->mapToGlobal(area_->cursorRect(at).topLeft());
  };
  return {screenPoint(SelStart()), screenPoint(SelStart() + SelLength())};
}

int EditorWidget::Clamp(int position) const { return std::clamp(position, 0, Length()); }

bool EditorWidget::HandleKey(const QKeyEvent& key) {
  const Qt::KeyboardModifiers held = key.modifiers();
  // While Replace All runs, the viewer keys stand in for the writing ones.
  const bool viewer = ReadOnly() || Locked();
  switch (key.key()) {
    case Qt::Key_Insert:
      if (held.testFlag(Qt::ShiftModifier) || held.testFlag(Qt::ControlModifier)) return false;
      SetOverwrite(!Overwrite());
      return true;
    case Qt::Key_Escape:
      emit escapePressed();
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (!viewer) return false;
      ScrollLines(key.key() == Qt::Key_Up ? -1 : 1);
      return true;
    case Qt::Key_Backspace:
      if (held.testFlag(Qt::AltModifier)) {
        if (!viewer) Undo();
        return true;
      }
      if (viewer) ScrollPages(-1);
      return viewer;
    case Qt::Key_Space:
      if (!viewer) return false;
      ScrollPages(1);
      return true;
    case Qt::Key_Tab:
      // Only a Tab really typed into a writable text becomes blanks.
      if (viewer || tabBlanks_.empty() || held != Qt::NoModifier) return false;
      ReplaceSelection(tabBlanks_, UndoMode::Record);
      return true;
    default:
      return false;
  }
}

void EditorWidget::ScrollPages(int pages) {
  ScrollLines(pages * area_->verticalScrollBar()->pageStep());
  // The next page or line key starts from the top of the window.
  CaretToTopLine();
}

void EditorWidget::CaretToTopLine() {
  QTextCursor top = area_->cursorForPosition(QPoint(0, 0));
  top.movePosition(QTextCursor::StartOfLine);
  area_->setTextCursor(top);
}

void EditorWidget::FollowScroll() {
  // In read-only mode the hidden caret follows the view, and so do the
  // position pane and the caret remembered for the file.
  if (ReadOnly() && !mouseDown_ && SelLength() == 0) CaretToTopLine();
  emit scrolled();
}

QString EditorWidget::UrlAt(const QPoint& viewportPosition) const {
  if (!highlightLinks_) return {};
  const QTextCursor cursor = area_->cursorForPosition(viewportPosition);
  // A click beyond the end of a line is not on the link before it.
  if (area_->cursorRect(cursor).right() + 2 < viewportPosition.x()) return {};
  const std::string line = QStringToBytes(cursor.block().text());
  const auto offset = static_cast<std::size_t>(cursor.positionInBlock());
  std::string link = LinkAt(line, offset);
  if (link.empty() && offset > 0) link = LinkAt(line, offset - 1);
  return QString::fromLatin1(link.data(), static_cast<qsizetype>(link.size()));
}

void EditorWidget::MousePressed(const QPoint& position) {
  mouseDown_ = true;
  pressedUrl_ = UrlAt(position);
}

void EditorWidget::MouseReleased(const QMouseEvent& mouse) {
  mouseDown_ = false;
  const QString url = UrlAt(mouse.position().toPoint());
  const bool onSameLink = !url.isEmpty() && url == pressedUrl_;
  pressedUrl_.clear();
  if (mouse.button() == Qt::LeftButton && onSameLink && SelLength() == 0) emit linkClicked(url);
  if (mouse.button() == Qt::RightButton)
    emit popupRequested(mouse.globalPosition().toPoint(),
                        mouse.modifiers().testFlag(Qt::ControlModifier),
                        onSameLink ? url : QString());
}

}  // namespace plumex
