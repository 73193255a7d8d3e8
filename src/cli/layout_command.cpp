// plumex-text layout --from N --to M [FILE]
#include <algorithm>
#include <string>

#include "cli/argument_parser.h"
#include "cli/byte_streams.h"
#include "cli/subcommands.h"
#include "cli/tool_failure.h"
#include "commands/layout_repair.h"

namespace plumex {
namespace {

int LayoutOption(const ParsedArguments& parsed, std::string_view option) {
  const auto value = parsed.Value(option);
  if (!value) throw UsageError("layout: " + std::string(option) + " is missing");
  if (value->size() != 1 || (*value)[0] < '1' || (*value)[0] > '0' + kMaxLayouts)
    throw UsageError("layout: " + std::string(option) + " takes a layout number 1, 2 or 3, not '" +
                     std::string(*value) + "'");
  return (*value)[0] - '0';
}

LayoutAction ActionBetween(int from, int to) {
  const struct {
    int from;
    int to;
    LayoutAction action;
  } kActions[] = {
      {1, 2, LayoutAction::From1To2}, {2, 1, LayoutAction::From2To1}, {1, 3, LayoutAction::From1To3},
      {3, 1, LayoutAction::From3To1}, {2, 3, LayoutAction::From2To3}, {3, 2, LayoutAction::From3To2},
  };
  for (const auto& known : kActions)
    if (known.from == from && known.to == to) return known.action;
  throw UsageError("layout: --from and --to name the same layout");
}

// Says which of the two layouts the settings leave unusable: one beyond
// LOCount, else one without key characters.
[[noreturn]] void RefuseUnavailable(int from, int to, const Settings& settings) {
  const int last = std::max(from, to);
  if (last > settings.LOCount)
    throw UsageError("layout: layout " + std::to_string(last) + " is not in use (LOCount=" +
                     std::to_string(settings.LOCount) + " in your settings)");
  const int empty = settings.Layouts[static_cast<std::size_t>(from - 1)].Keys.empty() ? from : to;
  throw UsageError("layout: layout " + std::to_string(empty) + " has no key characters in your settings");
}

}  // namespace

int RunLayout(Arguments arguments, const ToolContext& context) {
  const ParsedArguments parsed = ParseArguments(arguments, {{"--from", true}, {"--to", true}});
  if (parsed.operands.size() > 1) throw UsageError("layout: more than one file named");
  const int from = LayoutOption(parsed, "--from");
  const int to = LayoutOption(parsed, "--to");
  const Settings& settings = context.settings;
  const LayoutRepair repair(ActionBetween(from, to), settings.Layouts, settings.LOCount);
  if (!repair.available()) RefuseUnavailable(from, to, settings);

  InputBytes input(parsed.operands.empty() ? "-" : std::string(parsed.operands.front()), context.in);
  // A byte map keeps every byte's place, so chunks are rewritten where they lie.
  std::string piece;
  PipeThrough(input, context.out, [&repair, &piece](char* data, std::size_t size) {
    piece.assign(data, size);
    repair.ApplyInPlace(piece);
    piece.copy(data, size);
  });
  return kExitOk;
}

}  // namespace plumex
