// plumex-text convert --from CODE --to CODE [FILE] | --auto [FILE]
#include <string>
#include <vector>

#include "cli/argument_parser.h"
#include "cli/byte_streams.h"
#include "cli/subcommands.h"
#include "cli/tool_failure.h"
#include "convert/encoding_detection.h"

namespace plumex {
namespace {

EncodingCode CodeOption(const ParsedArguments& parsed, std::string_view option) {
  const auto value = parsed.Value(option);
  if (!value) throw UsageError("convert: " + std::string(option) + " is missing");
  const auto code = EncodingFromName(*value);
  if (!code) throw UsageError("convert: unknown code page '" + std::string(*value) + "' (WIN, DOS, KOI, MAC, ISO)");
  return *code;
}

// The input's first bytes, as many as detection looks at, and their code page.
EncodingCode DetectLeadingBytes(InputBytes& input, const EncodingDetector& detector, std::string& leading) {
  MarkerTally tally(detector);
  std::vector<char> chunk(kChunkSize);
  while (!tally.Full()) {
    const std::size_t got = input.Read(chunk.data(), chunk.size());
    if (got == 0) break;
    leading.append(chunk.data(), got);
    tally.Add({chunk.data(), got});
  }
  return tally.Winner();
}

}  // namespace

int RunConvert(Arguments arguments, const ToolContext& context) {
  const ParsedArguments parsed =
      ParseArguments(arguments, {{"--from", true}, {"--to", true}, {"--auto", false}});
  if (parsed.operands.size() > 1) throw UsageError("convert: more than one file named");
  const bool automatic = parsed.Has("--auto");
  if (automatic && (parsed.Has("--from") || parsed.Has("--to")))
    throw UsageError("convert: --auto goes without --from and --to");
  EncodingCode from = EncodingCode::WIN;
  EncodingCode to = EncodingCode::WIN;
  if (!automatic) {
    from = CodeOption(parsed, "--from");
    to = CodeOption(parsed, "--to");
  }

  InputBytes input(parsed.operands.empty() ? "-" : std::string(parsed.operands.front()), context.in);
  std::string leading;
  if (automatic) from = DetectLeadingBytes(input, context.tables.Detector(), leading);
  const ByteMap& map = context.tables.Conversion(from, to);
  PipeThrough(
      input, context.out, [&map](char* data, std::size_t size) { map.Apply(data, data, size); }, std::move(leading));
  return kExitOk;
}

}  // namespace plumex
