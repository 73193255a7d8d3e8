#pragma once
// Catch Clipboard, Direct Copy and Copy All. While Catch Clipboard is on,
// every new clipboard text is appended to the end of the document. A text
// that arrives while the window is busy (a rewrite, Replace All, a box on
// screen, another capture) waits and follows, in order, once it is done:
// appended in the middle of a command, it would be lost to that command's
// own rewrite or flag. Texts leave and enter through the Windows-1251 table.
#include <deque>
#include <functional>
#include <string>

#include "commands/document.h"
#include "config/settings.h"
#include "language/language_table.h"
#include "platform/clipboard_watcher.h"
#include "platform/editor.h"

namespace plumex {

class ClipboardCapture {
 public:
  struct Hooks {
    std::function<bool()> busy;                     // a capture now would land inside other work
    std::function<void()> takeFocus;                // the editor's focus; the window is not raised
    std::function<void(const std::string&)> say;    // a line for the information pane
  };

  ClipboardCapture(Editor& editor, Document& document, Settings& settings, const LanguageTable& texts,
                   ClipboardWatcher& clipboard, Hooks hooks, int maxCharacters);

  bool Catching() const { return catching_; }
  // Does nothing on a read-only text.
  void ToggleCatch();
  // The watcher's notice of a new clipboard text.
  void Arrived(std::u16string text);
  // Appends the texts that waited, unless the window is still busy.
  void Flush();
  bool Waiting() const { return !waiting_.empty(); }

  // Kept in the setting IsDC.
  bool DirectCopying() const { return directCopy_; }
  void ToggleDirectCopy();
  void SelectionChanged() { selectionChanged_ = true; }
  // A mouse button came up in the editor: a selection made since the last
  // copy goes onto the clipboard. An empty one never does.
  void MouseReleased();

  // The whole text onto the clipboard; the caret ends at the end, and the
  // modified flag is kept.
  void CopyAll();

 private:
  void Append(const std::u16string& text);
  void Put(std::string_view bytes);

  Editor& editor_;
  Document& document_;
  Settings& settings_;
  const LanguageTable& texts_;
  ClipboardWatcher& clipboard_;
  Hooks hooks_;
  int maxCharacters_;
  std::deque<std::u16string> waiting_;
  std::u16string lastCaught_;
  bool catching_ = false;
  bool appending_ = false;
  bool directCopy_ = false;
  bool selectionChanged_ = false;
};

}  // namespace plumex
