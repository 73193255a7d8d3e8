#pragma once
// The editor control: a QPlainTextEdit that holds the document's bytes as
// Windows-1251 characters and offers the operations the program relies on.
#include <QPlainTextEdit>
#include <QStringList>

#include "platform/editor.h"

namespace plumex {

class EditorWidget : public QPlainTextEdit, public Editor {
  Q_OBJECT

 public:
  // The most characters one text may hold.
  static constexpr int kMaxLength = 16777215;

  explicit EditorWidget(QWidget* parent = nullptr);

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

  // Links in the visible text are underlined while this is on.
  void SetLinkHighlighting(bool on);

  // Lines per wheel notch; 0 or less turns wheel scrolling off.
  void SetLinesToScroll(int lines) { linesToScroll_ = lines; }
  int LinesToScroll() const { return linesToScroll_; }

 signals:
  void scrolled();
  void filesDropped(const QStringList& paths);
  void doubleClicked();

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int Clamp(int position) const;
  void HighlightVisibleLinks();

  LineBreak lineBreak_ = LineBreak::CrLf;
  int linesToScroll_ = 3;
  int updateDepth_ = 0;
  int wheelRemainder_ = 0;
  bool highlightLinks_ = false;
  // What the link underlines were last computed for, so that repaints of the
  // caret alone do not recompute them.
  int highlightedTop_ = -1;
  int highlightedRevision_ = -1;
  int highlightedHeight_ = -1;
};

}  // namespace plumex
