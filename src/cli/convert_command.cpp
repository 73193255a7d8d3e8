// plumex-text convert (--from CODE --to CODE | --auto) [--lossy] [FILE]
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "cli/argument_parser.h"
#include "cli/byte_streams.h"
#include "cli/form_conversion.h"
#include "cli/subcommands.h"
#include "cli/text_forms.h"
#include "cli/tool_failure.h"

namespace plumex {
namespace {

TextForm FormOption(const ParsedArguments& parsed, std::string_view option) {
  const auto value = parsed.Value(option);
  if (!value) throw UsageError("convert: " + std::string(option) + " is missing");
  const auto form = FormFromName(*value);
  if (!form) throw UsageError("convert: unknown code '" + std::string(*value) + "' (WIN, DOS, KOI, MAC, ISO, UTF8)");
  return *form;
}

ToolFailure LossError(std::size_t lost) {
  return {kExitLossy, "convert: " + std::to_string(lost) +
                          " characters have no Windows-1251 byte or are no UTF-8 (--lossy writes them as \"?\")"};
}

// Converts a named file without writing it, to learn whether it loses
// characters.
std::size_t LostIn(const std::string& path, TextForm from, TextForm to, const ToolContext& context) {
  InputBytes input(path, context.in);
  Utf8Pieces pieces(input);
  FormConversion conversion(from, to, context.tables);
  for (std::span<char> piece = pieces.Next(); !piece.empty(); piece = pieces.Next()) conversion.Apply(piece);
  return conversion.Lost();
}

// Converts `first` and then every piece left, and writes them; when `hold`,
// only after the last, and not at all if characters were lost.
void WriteConverted(std::span<char> first, Utf8Pieces& rest, FormConversion& conversion, bool hold, std::ostream& out) {
  std::vector<std::string> held;
  for (std::span<char> piece = first; !piece.empty(); piece = rest.Next()) {
    const std::string_view bytes = conversion.Apply(piece);
    if (hold)
      held.emplace_back(bytes);
    else
      WriteBytes(out, bytes);
  }
  if (hold && conversion.Lost() > 0) return;
  for (const std::string& bytes : held) WriteBytes(out, bytes);
}

}  // namespace

int RunConvert(Arguments arguments, const ToolContext& context) {
  const ParsedArguments parsed =
      ParseArguments(arguments, {{"--from", true}, {"--to", true}, {"--auto", false}, {"--lossy", false}});
  if (parsed.operands.size() > 1) throw UsageError("convert: more than one file named");
  const bool automatic = parsed.Has("--auto");
  if (automatic && (parsed.Has("--from") || parsed.Has("--to")))
    throw UsageError("convert: --auto goes without --from and --to");
  TextForm from, to;
  if (!automatic) {
    from = FormOption(parsed, "--from");
    to = FormOption(parsed, "--to");
  }

  const std::string path = parsed.operands.empty() ? "-" : std::string(parsed.operands.front());
  const bool lossy = parsed.Has("--lossy");
  // Text that may lose characters is written only once it is known not to:
  // a file that can be read twice after a first pass, so that it streams;
  // standard input and pipes held whole.
  std::error_code ignored;
  const bool checked =
      !lossy && !automatic && from.utf8 && path != "-" && std::filesystem::is_regular_file(path, ignored);
  if (checked) {
    if (const std::size_t lost = LostIn(path, from, to, context); lost > 0) throw LossError(lost);
  }

  InputBytes input(path, context.in);
  Utf8Pieces pieces(input);
  // What --auto reads to find the form is converted first.
  std::string leading;
  if (automatic)
    from = ReadForm(pieces, context.tables.Detector(), [&leading](std::string_view piece) { leading.append(piece); })
               .form;
  FormConversion conversion(from, to, context.tables);
  WriteConverted(automatic ? std::span<char>(leading) : pieces.Next(), pieces, conversion,
                 !lossy && !checked && conversion.CanLose(), context.out);
  // Checked again all the same: a file may change between two passes.
  if (!lossy && conversion.Lost() > 0) throw LossError(conversion.Lost());
  FinishOutput(context.out);
  return kExitOk;
}

}  // namespace plumex
