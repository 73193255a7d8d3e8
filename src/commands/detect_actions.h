#pragma once
// Encoding detection as the window runs it: after a file loads, and when the
// user asks. The boxes that ask and report belong to the window; these
// functions decide what to show and do the conversions.
#include <optional>
#include <string>

#include "commands/document.h"
#include "convert/conversion_tables.h"
#include "convert/encoding_state.h"
#include "platform/editor.h"

namespace plumex {

enum class DirectConvert { Off, On };

// Detects the text just loaded; with DirectConvert::On converts a text that
// is not Windows-1251 at once. Modified keeps its value either way.
void AutoDetectOnLoad(Editor& editor, Document& document, EncodingState& encoding,
                      const ConversionTables& tables, DirectConvert direct);

enum class DetectOutcome {
  Converted,     // not WIN and converted without asking
  AskToConvert,  // not WIN: ask, and on Yes call ConvertDetectedToWin
  FoundWin,      // WIN: report it, nothing to convert
};

// The detection command. The pane is to name the guess afterwards (or WIN
// once converted); Modified keeps its value.
DetectOutcome DetectOnRequest(Editor& editor, Document& document, EncodingState& encoding,
                              const ConversionTables& tables, DirectConvert direct);

// What the statistical method shows beside its guess, so that the user sees
// the result before saying Yes.
struct DetectPreview {
  double confidence = 0;   // 0..1
  std::string first_line;  // Windows-1251, as converting would leave it
};

// The preview of the guess DetectOnRequest has just made; nothing for the
// marker count or a text without Cyrillic letters.
std::optional<DetectPreview> PreviewDetection(const Editor& editor, const EncodingState& encoding,
                                              const ConversionTables& tables);

// Converts the text from the detected code page to Windows-1251, keeping
// Modified as it was.
void ConvertDetectedToWin(Editor& editor, Document& document, EncodingState& encoding,
                          const ConversionTables& tables);

}  // namespace plumex
