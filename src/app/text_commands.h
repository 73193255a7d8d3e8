#pragma once
// The Text menu as the window runs it: code pages, detection, case,
// transliteration, layout repair and the typographic inserts. Each hands its
// work to the transform frame and shows what changed.
#include <string>

#include "commands/layout_repair.h"
#include "commands/profile.h"
#include "convert/encoding_state.h"
#include "convert/letter_case.h"

namespace plumex {

class Document;
class EditorWidget;
class KeyboardLayouts;
class Prompter;
class StatusPresenter;

class TextCommands {
 public:
  TextCommands(EditorWidget& editor, Document& document, Profile& profile, StatusPresenter& status,
               Prompter& prompter, KeyboardLayouts& keyboard);

  void Convert(EncodingCode from, EncodingCode to);
  void ChangeCase(CaseChange change);
  void CycleCase();
  // After a file is read, as the settings ask.
  void DetectOnLoad();
  void Detect();
  void Transliterate(TranslitTable TranslitTables::*table);
  void RepairLayout(LayoutAction which);
  // Typed in at the caret like a key of the user's, unless the text is
  // read-only.
  void InsertAtCaret(const std::string& bytes);
  // A new text: nothing is known of its code page.
  void ForgetEncoding();
  void ShowEncoding();

 private:
  EditorWidget& editor_;
  Document& document_;
  Profile& profile_;
  StatusPresenter& status_;
  Prompter& prompter_;
  KeyboardLayouts& keyboard_;
  EncodingState encoding_;
};

}  // namespace plumex
