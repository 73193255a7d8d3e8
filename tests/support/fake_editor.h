#pragma once
// A byte-string editor for tests of the transform frame: one byte is one
// character, a line break is "\n". Every change of the text calls the change
// callback, as the real widget's change event does. A read-only editor
// refuses changes, so a frame that forgets to lift read-only shows up.
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/editor.h"

namespace plumex::test {

class FakeEditor : public Editor {
 public:
  explicit FakeEditor(std::string text = {}, std::function<void()> on_change = {})
      : text_(std::move(text)), on_change_(std::move(on_change)) {}

  std::string Text() const override { return text_; }
  void Load(std::string_view bytes) override {
    text_ = bytes;
    anchor_ = caret_ = 0;
    undo_.clear();
  }
  LineBreak LineBreakStyle() const override { return LineBreak::Lf; }
  int Length() const override { return static_cast<int>(text_.size()); }
  std::string TextRange(int from, int to) const override {
    from = Clamp(from);
    return text_.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(std::max(from, Clamp(to)) - from));
  }
  long long ByteSize() const override { return static_cast<long long>(text_.size()); }

  int SelStart() const override { return std::min(anchor_, caret_); }
  int SelLength() const override { return std::abs(caret_ - anchor_); }
  void Select(int anchor, int caret) override {
    anchor_ = Clamp(anchor);
    caret_ = Clamp(caret);
  }
  void SelectAll() override { Select(0, Length()); }
  std::string SelectedText() const override { return TextRange(SelStart(), SelStart() + SelLength()); }
  void ReplaceSelection(std::string_view bytes, UndoMode undo) override {
    if (read_only_) return;
    if (undo == UndoMode::Record) undo_.push_back(text_);
    else undo_.clear();
    const int start = SelStart();
    text_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(SelLength()), bytes);
    anchor_ = caret_ = start + static_cast<int>(bytes.size());
    if (update_depth_ > 0) ++changes_while_suspended_;
    if (on_change_) on_change_();
  }

  int LineCount() const override { return static_cast<int>(std::count(text_.begin(), text_.end(), '\n')) + 1; }
  int LineFromChar(int index) const override {
    return static_cast<int>(std::count(text_.begin(), text_.begin() + Clamp(index), '\n'));
  }
  int LineIndex(int line) const override {
    int start = 0;
    for (int l = 0; l < line && start < Length(); ++l) {
      const auto next = text_.find('\n', static_cast<std::size_t>(start));
      if (next == std::string::npos) return Length();
      start = static_cast<int>(next) + 1;
    }
    return start;
  }

  bool ReadOnly() const override { return read_only_; }
  void SetReadOnly(bool on) override { read_only_ = on; }
  bool CanUndo() const override { return !undo_.empty(); }
  bool CanRedo() const override { return false; }
  bool CanPaste() const override { return false; }
  int Percent() const override { return 100; }
  void BeginUpdate() override { ++update_depth_; }
  void EndUpdate() override {
    if (--update_depth_ == 0) ++repaints_;
  }
  void Undo() override {
    if (read_only_ || undo_.empty()) return;
    text_ = undo_.back();
    undo_.pop_back();
    Select(caret_, caret_);
  }
  void Redo() override {}
  void Cut() override {
    clipboard_ = SelectedText();
    ReplaceSelection("", UndoMode::Record);
  }
  void Copy() override { clipboard_ = SelectedText(); }
  void Paste() override { ReplaceSelection(clipboard_, UndoMode::Record); }
  bool WordWrap() const override { return word_wrap_; }
  void SetWordWrap(bool on) override { word_wrap_ = on; }
  bool Overwrite() const override { return overwrite_; }
  void SetOverwrite(bool on) override { overwrite_ = on; }
  void ScrollLines(int) override {}
  void ScrollToPercent(int) override {}
  void ShowCaret(Reveal) override {}
  int FontSize() const override { return font_size_; }
  void SetFontSize(int points) override { font_size_ = std::max(points, 1); }

  // What the user does and what the tests look at.
  void Type(std::string_view bytes) { ReplaceSelection(bytes, UndoMode::Record); }
  int Caret() const { return caret_; }
  int UpdateDepth() const { return update_depth_; }
  int Repaints() const { return repaints_; }
  int ChangesWhileSuspended() const { return changes_while_suspended_; }

 private:
  int Clamp(int pos) const { return std::clamp(pos, 0, Length()); }

  std::string text_;
  std::function<void()> on_change_;
  int anchor_ = 0, caret_ = 0;
  bool read_only_ = false, word_wrap_ = false, overwrite_ = false;
  int font_size_ = 10;
  std::string clipboard_;
  std::vector<std::string> undo_;
  int update_depth_ = 0, repaints_ = 0, changes_while_suspended_ = 0;
};

}  // namespace plumex::test
