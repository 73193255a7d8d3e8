// plumex-text repair [FILE]
#include <string>

#include "cli/argument_parser.h"
#include "cli/byte_streams.h"
#include "cli/subcommands.h"
#include "cli/tool_failure.h"
#include "convert/mojibake.h"
#include "convert/utf8.h"

namespace plumex {
namespace {

// Windows-1251 read as Latin shows only in the file's own bytes; the other
// kinds show once the file is decoded, unless decoding lost characters,
// which a repair would then lose for good.
MojibakeRepair RepairUtf8(std::string_view file, const ConversionTables& tables) {
  MojibakeRepair latin = FindLatinMojibake(file);
  if (latin.kind != Mojibake::None) return latin;
  if (file.starts_with(kUtf8Bom)) file.remove_prefix(kUtf8Bom.size());
  const FromUtf8 decoded = DecodeUtf8(file);
  if (decoded.unrepresentable > 0) return {};
  return FindMojibake(decoded.bytes, tables);
}

}  // namespace

int RunRepair(Arguments arguments, const ToolContext& context) {
  const ParsedArguments parsed = ParseArguments(arguments, {});
  if (parsed.operands.size() > 1) throw UsageError("repair: more than one file named");
  InputBytes input(parsed.operands.empty() ? "-" : std::string(parsed.operands.front()), context.in);
  const std::string bytes = ReadAllBytes(input);
  const bool utf8 = ClassifyUtf8(bytes) == Utf8Form::Utf8;
  const MojibakeRepair repair = utf8 ? RepairUtf8(bytes, context.tables) : FindMojibake(bytes, context.tables);
  if (repair.kind == Mojibake::None) {
    WriteBytes(context.out, bytes);
  } else if (utf8) {
    // The text goes back in the form it came in, its byte-order mark kept.
    WriteBytes(context.out, bytes.starts_with(kUtf8Bom) ? kUtf8Bom : "");
    WriteBytes(context.out, EncodeUtf8(repair.repaired));
  } else {
    WriteBytes(context.out, repair.repaired);
  }
  FinishOutput(context.out);
  return repair.kind == Mojibake::None ? kExitNothingToRepair : kExitOk;
}

}  // namespace plumex
