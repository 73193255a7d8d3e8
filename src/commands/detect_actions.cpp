#include "commands/detect_actions.h"

#include <algorithm>

#include "convert/encoding_detection.h"
#include "commands/transform_frame.h"

namespace plumex {
namespace {

// The first DetectBuffer characters.
std::string Sample(const Editor& editor, const EncodingDetector& detector) {
  const int take = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(editor.Length()),
                                                          detector.SampleLimit()));
  return editor.TextRange(0, take);
}

// A file read as UTF-8 never gets here, so UTF-8 is no candidate.
StatisticalGuess GuessOf(const Editor& editor, const ConversionTables& tables) {
  return DetectByMethod(Sample(editor, tables.Detector()), tables.Detector(), Utf8Candidate::No);
}

void DetectEditorText(const Editor& editor, EncodingState& encoding, const ConversionTables& tables) {
  encoding.DetectedEncoding = GuessOf(editor, tables).reading.code;
  encoding.CurrentEncoding = encoding.DetectedEncoding;
  encoding.EncodingKnown = true;
}

}  // namespace

void AutoDetectOnLoad(Editor& editor, Document& document, EncodingState& encoding,
                      const ConversionTables& tables, DirectConvert direct) {
  const Document::KeepModified keep(document);
  BeginTransform(editor);
  DetectEditorText(editor, encoding, tables);
  EndTransformCollapsed(editor);
  if (direct == DirectConvert::On && encoding.DetectedEncoding != EncodingCode::WIN)
    ConvertDetectedToWin(editor, document, encoding, tables);
}

DetectOutcome DetectOnRequest(Editor& editor, Document& document, EncodingState& encoding,
                              const ConversionTables& tables, DirectConvert direct) {
  DetectEditorText(editor, encoding, tables);
  if (encoding.DetectedEncoding == EncodingCode::WIN) return DetectOutcome::FoundWin;
  if (direct == DirectConvert::Off) return DetectOutcome::AskToConvert;
  ConvertDetectedToWin(editor, document, encoding, tables);
  return DetectOutcome::Converted;
}

std::optional<DetectPreview> PreviewDetection(const Editor& editor, const EncodingState& encoding,
                                              const ConversionTables& tables) {
  if (tables.Detector().Method() != DetectMethod::Statistical) return std::nullopt;
  const StatisticalGuess guess = GuessOf(editor, tables);
  if (!guess.cyrillic) return std::nullopt;
  const std::string sample = Sample(editor, tables.Detector());
  // A question box is no place for a whole kilobyte of one line.
  constexpr std::size_t kLongestLine = 160;
  const std::string_view first_line =
      std::string_view(sample).substr(0, std::min(sample.find_first_of("\r\n"), kLongestLine));
  return DetectPreview{.confidence = guess.Confidence(),
                       .first_line = tables.Conversion(encoding.DetectedEncoding, EncodingCode::WIN).Apply(first_line)};
}

void ConvertDetectedToWin(Editor& editor, Document& document, EncodingState& encoding,
                          const ConversionTables& tables) {
  const Document::KeepModified keep(document);
  ConvertCodePage(editor, document, encoding, tables, encoding.DetectedEncoding, EncodingCode::WIN);
}

}  // namespace plumex
