#include "commands/transform_frame.h"

#include "convert/word_breaks.h"

namespace plumex {

void BeginTransform(Editor& editor) {
  editor.BeginUpdate();
  // A flag, not a counter: the outer frame of a nested pair does not wait
  // for the inner one to clear it.
  editor.SetTransformBusy(true);
}

void EndTransform(Editor& editor) {
  editor.SetTransformBusy(false);
  editor.EndUpdate();
}

void EndTransformCollapsed(Editor& editor) {
  const int end = editor.SelStart() + editor.SelLength();
  editor.Select(end, end);
  EndTransform(editor);
}

void RewriteWholeOrSelection(Editor& editor, Document& document, const TextRewrite& rewrite) {
  const bool whole_text = editor.SelLength() == 0;
  // Put back when the frame has ended, so that a change notice the editor
  // sends when repainting resumes cannot mark the document modified. A
  // read-only document keeps its flag too: clearing it would let unsaved
  // edits made before read-only mode go without a question at close.
  const Document::KeepModified keep(document);
  const bool read_only = editor.ReadOnly();
  if (read_only) editor.SetReadOnly(false);

  BeginTransform(editor);
  if (whole_text) editor.SelectAll();
  std::string text = editor.SelectedText();
  rewrite(text);
  editor.ReplaceSelection(text, UndoMode::Skip);
  if (whole_text) editor.Select(0, 0);
  if (read_only) editor.SetReadOnly(true);
  EndTransformCollapsed(editor);
}

void ConvertCodePage(Editor& editor, Document& document, EncodingState& encoding,
                     const ConversionTables& tables, EncodingCode from, EncodingCode to) {
  if (editor.Length() == 0) return;
  encoding.CurrentEncoding = tables.NameOfTarget(to);
  const ByteMap& map = tables.Conversion(from, to);
  RewriteWholeOrSelection(editor, document, [&map](std::string& text) { map.ApplyInPlace(text); });
  encoding.EncodingKnown = true;
}

bool RewriteSelection(Editor& editor, const TextRewrite& rewrite, const AfterRewrite& after) {
  if (editor.ReadOnly() || editor.SelLength() == 0) return false;
  BeginTransform(editor);
  std::string text = editor.SelectedText();
  rewrite(text);
  editor.ReplaceSelection(text, UndoMode::Skip);
  if (after) after();
  EndTransformCollapsed(editor);
  return true;
}

bool ChangeSelectionCase(Editor& editor, const CaseTables& tables, CaseChange change, const AfterRewrite& after) {
  return RewriteSelection(
      editor, [&](std::string& text) { ApplyCaseChange(change, tables, text); }, after);
}

bool CycleCase(Editor& editor, const CaseTables& tables) {
  if (editor.ReadOnly()) return false;
  BeginTransform(editor);
  const int caret = editor.SelStart();
  const bool word_at_caret = editor.SelLength() == 0;
  if (word_at_caret) {
    const auto [start, end] = CaseCycleRange(CharacterText(editor.Text(), editor.LineBreakStyle()), caret, tables);
    editor.Select(start, end);
  }
  std::string text = editor.SelectedText();
  // An empty range would be a rewrite that changes nothing yet marks the
  // document modified.
  const bool rewritten = !text.empty();
  if (rewritten) {
    switch (CaseState(text, tables)) {
      case CaseKind::Mixed: ApplyCaseChange(CaseChange::Upper, tables, text); break;
      case CaseKind::Upper: ApplyCaseChange(CaseChange::Lower, tables, text); break;
      case CaseKind::Lower: ApplyCaseChange(CaseChange::Capitalize, tables, text); break;
    }
    editor.ReplaceSelection(text, UndoMode::Skip);
  }
  if (word_at_caret) editor.Select(caret, caret);
  EndTransform(editor);
  return rewritten;
}

}  // namespace plumex
