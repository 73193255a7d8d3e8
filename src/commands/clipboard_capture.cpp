#include "commands/clipboard_capture.h"

#include "commands/transform_frame.h"
#include "convert/clipboard_text.h"

namespace plumex {

ClipboardCapture::ClipboardCapture(Editor& editor, Document& document, Settings& settings,
                                   const LanguageTable& texts, ClipboardWatcher& clipboard, Hooks hooks,
                                   int maxCharacters)
    : editor_(editor),
      document_(document),
      settings_(settings),
      texts_(texts),
      clipboard_(clipboard),
      hooks_(std::move(hooks)),
      maxCharacters_(maxCharacters) {
  if (settings_.IsDC) {
    settings_.IsDC = false;
    ToggleDirectCopy();
  }
}

void ClipboardCapture::ToggleCatch() {
  if (editor_.ReadOnly()) return;
  catching_ = !catching_;
  if (!catching_) waiting_.clear();
}

void ClipboardCapture::Arrived(std::u16string text) {
  if (!catching_ || text.empty()) return;
  waiting_.push_back(std::move(text));
  Flush();
}

void ClipboardCapture::Flush() {
  if (appending_ || hooks_.busy()) return;
  appending_ = true;
  while (!waiting_.empty()) {
    const std::u16string text = std::move(waiting_.front());
    waiting_.pop_front();
    Append(text);
  }
  appending_ = false;
}

void ClipboardCapture::Append(const std::u16string& text) {
  // Read-only may have come on after Catch Clipboard did.
  if (text == lastCaught_ || editor_.ReadOnly()) return;
  const LineBreak style = editor_.LineBreakStyle();
  const std::string lineBreak(LineBreakBytes(style));
  const ClipboardBytes caught = FromClipboardText(text, style);
  const bool ruled = !settings_.strHR.empty();
  const std::string block = ruled ? lineBreak + caught.bytes + lineBreak + settings_.strHR + lineBreak
                            : caught.bytes + lineBreak;
  // The rule is one line of its own, and each line break one character.
  const long long added = static_cast<long long>(caught.characters) +
                          (ruled ? 3 + static_cast<long long>(settings_.strHR.size()) : 1);
  if (editor_.Length() + added > maxCharacters_) {
    hooks_.say(" " + texts_.Text("strCaughtTooLarge") + " " + std::to_string(maxCharacters_) + " " +
               texts_.Text("strTooLarge2"));
    return;
  }
  hooks_.takeFocus();
  lastCaught_ = text;
  BeginTransform(editor_);
  const int end = editor_.Length();
  editor_.Select(end, end);
  editor_.ReplaceSelection(block, UndoMode::Skip);
  EndTransformCollapsed(editor_);
  document_.Edited();
  if (caught.lost > 0)
    hooks_.say(" " + std::to_string(caught.lost) + " " + texts_.Text("strCaughtLossy"));
}

void ClipboardCapture::ToggleDirectCopy() {
  directCopy_ = !directCopy_;
  settings_.IsDC = directCopy_;
}

void ClipboardCapture::MouseReleased() {
  if (!directCopy_ || !selectionChanged_ || editor_.SelLength() == 0) return;
  Put(editor_.SelectedText());
  selectionChanged_ = false;
}

void ClipboardCapture::CopyAll() {
  const Document::KeepModified keep(document_);
  BeginTransform(editor_);
  Put(editor_.Text());
  const int end = editor_.Length();
  editor_.Select(end, end);
  EndTransform(editor_);
}

void ClipboardCapture::Put(std::string_view bytes) {
  clipboard_.SetText(ToClipboardText(bytes, editor_.LineBreakStyle()));
}

}  // namespace plumex
