#pragma once
// The common frame every text rewrite runs in, and the rules of each family
// of rewrites: which text it sees, whether a read-only document is touched,
// what happens to the modified flag, where the caret ends. Each command's
// handler is one call to a function below.
#include <functional>
#include <string>

#include "commands/document.h"
#include "convert/code_pages.h"
#include "convert/conversion_tables.h"
#include "convert/encoding_state.h"
#include "convert/letter_case.h"
#include "platform/editor.h"

namespace plumex {

// Suspends repainting (nested frames resume it only at the outermost end).
void BeginTransform(Editor& editor);
// Clears TransformBusy, even inside an outer frame, and resumes repainting.
void EndTransform(Editor& editor);
// Puts the caret at the end of the selection, unselected, then ends.
void EndTransformCollapsed(Editor& editor);

// Rewrites bytes in place; their number may change.
using TextRewrite = std::function<void(std::string& text)>;
// Runs inside the frame right after the rewrite; full-screen mode re-applies
// its margins here after a case change.
using AfterRewrite = std::function<void()>;

// The whole-text family (code pages, transliteration): the selection, or the
// whole text when nothing is selected. A read-only document is rewritten and
// stays read-only and unmodified; otherwise Modified keeps its value. The
// caret ends at 0 after a whole-text rewrite, else after the rewritten text.
void RewriteWholeOrSelection(Editor& editor, Document& document, const TextRewrite& rewrite);

// A code page conversion in the whole-text family. Nothing happens to an
// empty text; otherwise the encoding pane is to name the target afterwards.
void ConvertCodePage(Editor& editor, Document& document, EncodingState& encoding,
                     const ConversionTables& tables, EncodingCode from, EncodingCode to);

// The selection-only family (case changes, layout repair): nothing happens
// on a read-only document or without a selection; the caret ends after the
// rewritten text, unselected. Undo is not recorded; the editor's change
// event marks the document modified. Returns whether it rewrote anything.
bool RewriteSelection(Editor& editor, const TextRewrite& rewrite, const AfterRewrite& after = {});

bool ChangeSelectionCase(Editor& editor, const CaseTables& tables, CaseChange change,
                         const AfterRewrite& after = {});

// UPPER -> lower -> Capitalized -> UPPER on the selection, or on the word at
// the caret when nothing is selected (the caret then stays where it was).
// Nothing happens on a read-only document.
bool CycleCase(Editor& editor, const CaseTables& tables);

}  // namespace plumex
