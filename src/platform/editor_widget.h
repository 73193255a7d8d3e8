#pragma once
// The editor control: a text area that holds the document's bytes as
// Windows-1251 characters. The area itself stays private; the program works
// through the Editor interface and the few view settings and signals below.
#include <QStringList>
#include <QWidget>
#include <functional>

#include "platform/editor.h"
#include "platform/key_text.h"

class QKeyEvent;

namespace plumex {

class TextArea;

class EditorWidget : public QWidget, public Editor {
  Q_OBJECT

 public:
  // The most characters one text may hold.
  static constexpr int kMaxLength = 16777215;

  explicit EditorWidget(QWidget* parent = nullptr);
  ~EditorWidget() override;

  std::string Text() const override;
  void Load(std::string_view bytes) override;
  LineBreak LineBreakStyle() const override { return lineBreak_; }
  int Length() const override;
  std::string TextRange(int from, int to) const override;
  long long ByteSize() const override;
  int SelStart() const override;
  int SelLength() const override;
  void Select(int anchor, int caret) override;
  void SelectAll() override;
  std::string SelectedText() const override;
  void ReplaceSelection(std::string_view bytes, UndoMode undo) override;
  int LineCount() const override;
  int LineFromChar(int index) const override;
  int LineIndex(int line) const override;
  bool ReadOnly() const override;
  void SetReadOnly(bool on) override;
  bool CanUndo() const override;
  bool CanRedo() const override;
  bool CanPaste() const override;
  int Percent() const override;
  void BeginUpdate() override;
  void EndUpdate() override;
  void Undo() override;
  void Redo() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;
  bool WordWrap() const override;
  void SetWordWrap(bool on) override;
  bool Overwrite() const override;
  void SetOverwrite(bool on) override;
  void ScrollLines(int lines) override;
  void ScrollToPercent(int percent) override;
  void ShowCaret(Reveal how) override;
  int FontSize() const override;
  void SetFontSize(int points) override;

  // An appearance scheme: the font, and the colours of the text and of the
  // ground under it and its margins.
  void SetLook(const QFont& font, const QColor& text, const QColor& background);
  // Full screen shows the text bare: no border, scroll bars only when asked,
  // and blank margins of these pixels at either side.
  void SetBare(bool bare, bool scrollBars, int leftMargin, int rightMargin);
  // The first character of the top line in view, and the scroll that makes
  // the line of `position` the top one again.
  int TopPosition() const;
  void ScrollToTop(int position);

  // Links in the visible text are underlined while this is on, and a click
  // on one reports it.
  void SetLinkHighlighting(bool on);
  // Lines per wheel notch; 0 or less turns wheel scrolling off.
  void SetLinesToScroll(int lines) { linesToScroll_ = lines; }
  int LinesToScroll() const { return linesToScroll_; }
  // What a Tab typed into a writable text becomes; empty keeps the Tab.
  void SetTabReplacement(std::string blanks) { tabBlanks_ = std::move(blanks); }
  // Keys that belong to the window's actions never reach the text, enabled
  // or not; while the text is locked, nothing typed changes it.
  void SetKeyRules(std::function<bool(const QKeyEvent&)> boundToAction,
                   std::function<bool()> locked);

  // Screen points of the selection's two ends, for boxes that keep clear of it.
  std::pair<QPoint, QPoint> SelectionEnds() const;

 signals:
  void textChanged();
  void caretMoved();
  void scrolled();
  // Characters [position, position + removed) became `added` new ones.
  void contentsChanged(int position, int removed, int added);
  void overwriteChanged(bool on);
  void filesDropped(const QStringList& paths);
  void doubleClicked();
  void escapePressed();
  void windowKeyPressed(WindowKey key);
  // A character typed into the text, as its Windows-1251 byte, for the
  // typewriter sounds.
  void characterTyped(unsigned char byte);
  void linkClicked(const QString& url);
  // A right click released; `url` is the link it was made on, if any.
  void popupRequested(const QPoint& globalPosition, bool withCtrl, const QString& url);

 private:
  friend class TextArea;

  int Clamp(int position) const;
  bool Locked() const { return locked_ && locked_(); }
  // The viewer keys of a read-only or locked text, overwrite, Tab and Esc;
  // true when the key was used here.
  bool HandleKey(const QKeyEvent& key);
  void ScrollPages(int pages);
  void CaretToTopLine();
  void FollowScroll();
  void HighlightVisibleLinks();
  QString UrlAt(const QPoint& viewportPosition) const;
  void MousePressed(const QPoint& position);
  void MouseReleased(const QMouseEvent& mouse);

  TextArea* area_;
  LineBreak lineBreak_ = LineBreak::CrLf;
  std::string tabBlanks_;
  std::function<bool(const QKeyEvent&)> boundToAction_;
  std::function<bool()> locked_;
  int linesToScroll_ = 3;
  int updateDepth_ = 0;
  int wheelRemainder_ = 0;
  bool highlightLinks_ = false;
  bool mouseDown_ = false;
  QString pressedUrl_;  // the link under the mouse when its button went down
  // What the link underlines were last computed for, so that repaints of the
  // caret alone do not recompute them.
  int highlightedTop_ = -1;
  int highlightedRevision_ = -1;
  int highlightedHeight_ = -1;
};

}  // namespace plumex
