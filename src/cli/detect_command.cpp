// plumex-text detect [--statistical] [--verbose] [FILE...]
#include <cstdio>
#include <ostream>
#include <string>

#include "cli/argument_parser.h"
#include "cli/byte_streams.h"
#include "cli/subcommands.h"
#include "cli/text_forms.h"
#include "cli/tool_failure.h"
#include "convert/encoding_detection.h"

namespace plumex {
namespace {

// Reads until the form is known: a UTF-8 file to its end.
FoundForm DetectFile(const std::string& name, std::istream& standard_input, const EncodingDetector& detector) {
  InputBytes input(name, standard_input);
  Utf8Pieces pieces(input);
  return ReadForm(pieces, detector, [](std::string_view) {});
}

// "\tWIN 0.981 DOS 0.000 ...", or "\tnot Cyrillic" when no reading has a
// Russian letter.
std::string Confidences(const StatisticalGuess& guess) {
  if (!guess.cyrillic) return "\tnot Cyrillic";
  std::string line = "\t";
  for (std::size_t i = 0; i < kReadings.size(); ++i) {
    char share[16];
    std::snprintf(share, sizeof share, " %.3f", guess.confidence[i]);
    line += std::string(i == 0 ? "" : " ") + std::string(FormName({kReadings[i].utf8, kReadings[i].code})) + share;
  }
  return line;
}

}  // namespace

int RunDetect(Arguments arguments, const ToolContext& context) {
  ParsedArguments parsed = ParseArguments(arguments, {{"--statistical"}, {"--verbose"}});
  if (parsed.operands.empty()) parsed.operands.push_back("-");
  const Settings& s = context.settings;
  const EncodingDetector statistical(
      context.tables.CodePages(), context.tables.Case(),
      {.WinDetectString = s.WinDetectString, .DetectBuffer = s.DetectBuffer, .method = DetectMethod::Statistical});
  const EncodingDetector& detector = parsed.Has("--statistical") ? statistical : context.tables.Detector();
  // The marker count is always sure: there is nothing to print beside it.
  if (parsed.Has("--verbose") && detector.Method() != DetectMethod::Statistical)
    throw UsageError("detect: --verbose needs the statistical method (--statistical)");
  int status = kExitOk;
  for (std::string_view operand : parsed.operands) {
    const std::string name(operand);
    FoundForm found;
    try {
      found = DetectFile(name, context.in, detector);
    } catch (const ToolFailure& failure) {
      // One unreadable file does not keep the others from being detected.
      context.err << "plumex-text: " << failure.what() << '\n';
      status = kExitFileError;
      continue;
    }
    const std::string details = parsed.Has("--verbose") ? Confidences(found.guess) : "";
    WriteBytes(context.out, name + '\t' + std::string(FormName(found.form)) + details + '\n');
  }
  FinishOutput(context.out);
  return status;
}

}  // namespace plumex
