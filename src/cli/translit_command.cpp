// plumex-text translit|untranslit|ruslit|unruslit [FILE]
#include <string>

#include "cli/argument_parser.h"
#include "cli/byte_streams.h"
#include "cli/subcommands.h"
#include "cli/tool_failure.h"
#include "cli/tool_tables.h"
#include "convert/translit.h"

namespace plumex {
namespace {

int Transliterate(std::string_view command, AuxList list, TranslitDirection direction, Arguments arguments,
                  const ToolContext& context) {
  const ParsedArguments parsed = ParseArguments(arguments, {});
  if (parsed.operands.size() > 1) throw UsageError(std::string(command) + ": more than one file named");
  InputBytes input(parsed.operands.empty() ? "-" : std::string(parsed.operands.front()), context.in);
  const TranslitTable table(LoadToolList(list, context.err), direction);
  // Keys and values come from the lines of a list file, so none holds a CR
  // or an LF: no match reaches across a line break, and the input can go
  // through line by line instead of being held whole.
  PipeWholeLines(input, context.out, [&table](std::string_view lines) { return table.Apply(lines); });
  return kExitOk;
}

}  // namespace

int RunTranslit(Arguments arguments, const ToolContext& context) {
  return Transliterate("translit", AuxList::Translit, TranslitDirection::Forward, arguments, context);
}

int RunUntranslit(Arguments arguments, const ToolContext& context) {
  return Transliterate("untranslit", AuxList::Translit, TranslitDirection::Reverse, arguments, context);
}

int RunRuslit(Arguments arguments, const ToolContext& context) {
  return Transliterate("ruslit", AuxList::Ruslit, TranslitDirection::Forward, arguments, context);
}

int RunUnruslit(Arguments arguments, const ToolContext& context) {
  return Transliterate("unruslit", AuxList::Ruslit, TranslitDirection::Reverse, arguments, context);
}

}  // namespace plumex
