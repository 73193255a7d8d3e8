#pragma once
// What the program relies on from its editor control. The document's bytes go
// in and out here; positions count characters, a line break as one.
#include <algorithm>
#include <string>
#include <string_view>

#include "convert/display_text.h"

namespace plumex {

// The share 0..100 of a scroll range that `value` stands at; 100 for an empty
// range, so a text that fits shows as wholly seen.
inline int PercentOf(int value, int minimum, int maximum) {
  const long long range = static_cast<long long>(maximum) - minimum;
  if (range < 1) return 100;
  const long long share = (static_cast<long long>(value) - minimum) * 100 / range;
  return static_cast<int>(std::clamp(share, 0LL, 100LL));
}

// The scroll value that shows `percent` of a range, the inverse of PercentOf.
inline int ScrollValueForPercent(long long percent, int minimum, int maximum) {
  if (maximum <= minimum) return minimum;
  const long long share = std::clamp(percent, 0LL, 100LL);
  const long long span = static_cast<long long>(maximum) - minimum;
  return static_cast<int>(minimum + (share * span + 50) / 100);
}

enum class UndoMode { Record, Skip };

class Editor {
 public:
  virtual ~Editor() = default;

  // The whole text as the file's bytes, line breaks in the text's own style.
  virtual std::string Text() const = 0;
  // Loads bytes as a new text: decides the line-break style, clears undo.
  virtual void Load(std::string_view bytes) = 0;
  virtual LineBreak LineBreakStyle() const = 0;

  // Characters, a line break counting one; positions run 0..Length().
  virtual int Length() const = 0;
  // Bytes of the characters [from, to), clamped to the text.
  virtual std::string TextRange(int from, int to) const = 0;
  // Bytes the text takes when saved: a CR LF break counts two.
  virtual long long ByteSize() const = 0;

  virtual int SelStart() const = 0;
  virtual int SelLength() const = 0;
  // The selection runs from `anchor` to `caret`; a caret before the anchor
  // selects backwards. Out-of-range values are clamped to the text.
  virtual void Select(int anchor, int caret) = 0;
  virtual void SelectAll() = 0;
  virtual std::string SelectedText() const = 0;
  // Replaces the selection with bytes (line breaks in any style) and leaves
  // the caret after them. UndoMode::Skip clears the undo history, so no
  // earlier step can be undone across a rewrite that undo did not record.
  virtual void ReplaceSelection(std::string_view bytes, UndoMode undo) = 0;

  virtual int LineCount() const = 0;  // at least 1
  virtual int LineFromChar(int index) const = 0;
  virtual int LineIndex(int line) const = 0;  // first character of a line

  virtual bool ReadOnly() const = 0;
  virtual void SetReadOnly(bool on) = 0;

  virtual bool CanUndo() const = 0;
  virtual bool CanRedo() const = 0;
  virtual bool CanPaste() const = 0;

  // Scrolled share of the text, 0..100; 100 when it all fits.
  virtual int Percent() const = 0;

  // Repainting is suspended between the outermost pair.
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;

  // The editor's own commands; each does nothing on a read-only text where
  // it would write.
  virtual void Undo() = 0;
  virtual void Redo() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;

  virtual bool WordWrap() const = 0;
  virtual void SetWordWrap(bool on) = 0;
  // Typing replaces the character after the caret.
  virtual bool Overwrite() const = 0;
  virtual void SetOverwrite(bool on) = 0;

  // The view moves; the caret stays where it is.
  virtual void ScrollLines(int lines) = 0;
  virtual void ScrollToPercent(int percent) = 0;
  // Scrolls so that the caret is seen; Centered puts its line in the middle.
  enum class Reveal { Nearest, Centered };
  virtual void ShowCaret(Reveal how) = 0;

  // Font size in points, at least 1.
  virtual int FontSize() const = 0;
  virtual void SetFontSize(int points) = 0;

  // True while a rewrite of the text is under way (the transform frame is
  // open): commands that need a selection stay disabled meanwhile.
  bool TransformBusy() const { return transformBusy_; }
  void SetTransformBusy(bool on) { transformBusy_ = on; }

 private:
  bool transformBusy_ = false;
};

}  // namespace plumex
