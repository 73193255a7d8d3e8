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
  // UTF-8 and Windows-1251: a UTF-8 document is written as Windows-1251 from
  // now on; otherwise the text (or the selection) is UTF-8 read as
  // Windows-1251, and is decoded.
  void Utf8ToWin();
  // The document is written as UTF-8 from now on; the view stays.
  void WinToUtf8();
  // Undoes the damage of a wrong reading; with Ask::Yes only after the
  // question that shows the repaired first line. Whether it found any.
  enum class Ask { No, Yes };
  bool RepairMojibake(Ask ask);
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
