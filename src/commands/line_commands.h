#pragma once
// Delete Line: the caret's line and its own line break go, as one step the
// user can undo.
#include "platform/editor.h"

namespace plumex {

// Removes the line holding the caret (the selection's end) together with
// the line break that ends it, so the next line moves up unchanged; on the
// last line only its text goes. The editor counts a CR LF break as one
// character, so the pair goes whole. Refused on a read-only editor; returns
// whether the text changed.
bool DeleteLine(Editor& editor);

}  // namespace plumex
