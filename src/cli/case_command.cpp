// plumex-text case upper|lower|invert|capitalize [FILE]
#include <string>

#include "cli/argument_parser.h"
#include "cli/byte_streams.h"
#include "cli/subcommands.h"
#include "cli/tool_failure.h"
#include "convert/letter_case.h"

namespace plumex {
namespace {

CaseChange ChangeNamed(std::string_view name) {
  const struct {
    std::string_view name;
    CaseChange change;
  } kChanges[] = {
      {"upper", CaseChange::Upper},
      {"lower", CaseChange::Lower},
      {"invert", CaseChange::Invert},
      {"capitalize", CaseChange::Capitalize},
  };
  for (const auto& known : kChanges)
    if (known.name == name) return known.change;
  throw UsageError("case: unknown change '" + std::string(name) + "' (upper, lower, invert, capitalize)");
}

ChunkRewrite RewriteFor(CaseChange change, const CaseTables& tables) {
  if (change == CaseChange::Capitalize) {
    // One capitalizer for the whole input, so a word split between two
    // chunks is one word.
    return [capitalizer = WordCapitalizer(tables)](char* data, std::size_t size) mutable {
      capitalizer.Apply(data, size);
    };
  }
  return [change, &tables](char* data, std::size_t size) { ApplyCaseChange(change, tables, data, size); };
}

}  // namespace

int RunCase(Arguments arguments, const ToolContext& context) {
  const ParsedArguments parsed = ParseArguments(arguments, {});
  if (parsed.operands.empty()) throw UsageError("case: no change named (upper, lower, invert, capitalize)");
  if (parsed.operands.size() > 2) throw UsageError("case: more than one file named");
  const CaseChange change = ChangeNamed(parsed.operands.front());
  InputBytes input(parsed.operands.size() == 2 ? std::string(parsed.operands[1]) : "-", context.in);
  PipeThrough(input, context.out, RewriteFor(change, context.tables.Case()));
  return kExitOk;
}

}  // namespace plumex
