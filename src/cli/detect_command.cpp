// plumex-text detect [FILE...]
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
TextForm DetectFile(const std::string& name, std::istream& standard_input, const EncodingDetector& detector) {
  InputBytes input(name, standard_input);
  Utf8Pieces pieces(input);
  return ReadForm(pieces, detector, [](std::string_view) {});
}

}  // namespace

int RunDetect(Arguments arguments, const ToolContext& context) {
  ParsedArguments parsed = ParseArguments(arguments, {});
  if (parsed.operands.empty()) parsed.operands.push_back("-");
  int status = kExitOk;
  for (std::string_view operand : parsed.operands) {
    const std::string name(operand);
    TextForm form;
    try {
      form = DetectFile(name, context.in, context.tables.Detector());
    } catch (const ToolFailure& failure) {
      // One unreadable file does not keep the others from being detected.
      context.err << "plumex-text: " << failure.what() << '\n';
      status = kExitFileError;
      continue;
    }
    WriteBytes(context.out, name + '\t' + std::string(FormName(form)) + '\n');
  }
  FinishOutput(context.out);
  return status;
}

}  // namespace plumex
