#include "commands/detect_actions.h"

#include <algorithm>

#include "convert/encoding_detection.h"
#include "commands/transform_frame.h"

namespace plumex {
namespace {

void DetectEditorText(const Editor& editor, EncodingState& encoding, const ConversionTables& tables) {
  const EncodingDetector& detector = tables.Detector();
  const int take = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(editor.Length()),
                                                          detector.SampleLimit()));
  encoding.DetectedEncoding = DetectEncoding(editor.TextRange(0, take), detector);
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

void ConvertDetectedToWin(Editor& editor, Document& document, EncodingState& encoding,
                          const ConversionTables& tables) {
  const Document::KeepModified keep(document);
  ConvertCodePage(editor, document, encoding, tables, encoding.DetectedEncoding, EncodingCode::WIN);
}

}  // namespace plumex
