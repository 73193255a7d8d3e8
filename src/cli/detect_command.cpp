// plumex-text detect [FILE...]
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "cli/argument_parser.h"
#include "cli/byte_streams.h"
#include "cli/subcommands.h"
#include "cli/tool_failure.h"
#include "convert/encoding_detection.h"

namespace plumex {
namespace {

// Reads no more than detection looks at.
EncodingCode DetectFile(const std::string& name, std::istream& standard_input, const EncodingDetector& detector) {
  InputBytes input(name, standard_input);
  MarkerTally tally(detector);
  std::vector<char> chunk(std::min(kChunkSize, detector.SampleLimit()));
  while (!tally.Full()) {
    const std::size_t got = input.Read(chunk.data(), chunk.size());
    if (got == 0) break;
    tally.Add({chunk.data(), got});
  }
  return tally.Winner();
}

}  // namespace

int RunDetect(Arguments arguments, const ToolContext& context) {
  ParsedArguments parsed = ParseArguments(arguments, {});
  if (parsed.operands.empty()) parsed.operands.push_back("-");
  int status = kExitOk;
  for (std::string_view operand : parsed.operands) {
    const std::string name(operand);
    EncodingCode code;
    try {
      code = DetectFile(name, context.in, context.tables.Detector());
    } catch (const ToolFailure& failure) {
      // One unreadable file does not keep the others from being detected.
      context.err << "plumex-text: " << failure.what() << '\n';
      status = kExitFileError;
      continue;
    }
    WriteBytes(context.out, name + '\t' + std::string(EncodingName(code)) + '\n');
  }
  FinishOutput(context.out);
  return status;
}

}  // namespace plumex
