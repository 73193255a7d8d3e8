// plumex-text convert (--from CODE --to CODE | --auto) [--lossy] [FILE]
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

// Converts `first` and then every piece left, and writes them. Unless
// `lossy`, a text that would lose characters is not written at all.
int WriteConverted(std::string_view first, Utf8Pieces& rest, FormConversion& conversion, bool lossy,
                   std::ostream& out) {
  const bool hold = !lossy && conversion.CanLose();
  std::vector<std::string> held;
  for (std::string_view piece = first; !piece.empty(); piece = rest.Next()) {
    std::string bytes = conversion.Apply(piece);
    if (hold)
      held.push_back(std::move(bytes));
    else
      WriteBytes(out, bytes);
  }
  if (hold && conversion.Lost() > 0)
    throw ToolFailure(kExitLossy, "convert: " + std::to_string(conversion.Lost()) +
                                      " characters have no Windows-1251 byte or are no UTF-8; nothing written "
                                      "(--lossy writes them as \"?\")");
  for (const std::string& bytes : held) WriteBytes(out, bytes);
  FinishOutput(out);
  return kExitOk;
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

  InputBytes input(parsed.operands.empty() ? "-" : std::string(parsed.operands.front()), context.in);
  Utf8Pieces pieces(input);
  // What --auto reads to find the form is converted first.
  std::string leading;
  if (automatic)
    from = ReadForm(pieces, context.tables.Detector(), [&leading](std::string_view piece) { leading.append(piece); });
  FormConversion conversion(from, to, context.tables);
  return WriteConverted(automatic ? std::string_view(leading) : pieces.Next(), pieces, conversion,
                        parsed.Has("--lossy"), context.out);
}

}  // namespace plumex
