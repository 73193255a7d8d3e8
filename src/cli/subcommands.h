#pragma once
// The text tool's subcommands, one row each; a new tool is a new row.
#include <iosfwd>
#include <span>
#include <string_view>

#include "config/settings.h"
#include "convert/conversion_tables.h"

namespace plumex {

struct ToolContext {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  const Settings& settings;
  const ConversionTables& tables;  // built from `settings`
};

using Arguments = std::span<const std::string_view>;

struct Subcommand {
  std::string_view name;
  std::string_view usage;  // the arguments after the name, for --help
  std::string_view summary;
  // Returns the exit status; throws a ToolFailure to give up with a message.
  int (*run)(Arguments arguments, const ToolContext& context);
};

std::span<const Subcommand> Subcommands();

int RunDetect(Arguments arguments, const ToolContext& context);
int RunConvert(Arguments arguments, const ToolContext& context);
int RunCase(Arguments arguments, const ToolContext& context);
int RunTranslit(Arguments arguments, const ToolContext& context);
int RunUntranslit(Arguments arguments, const ToolContext& context);
int RunRuslit(Arguments arguments, const ToolContext& context);
int RunUnruslit(Arguments arguments, const ToolContext& context);
int RunLayout(Arguments arguments, const ToolContext& context);
int RunRepair(Arguments arguments, const ToolContext& context);

}  // namespace plumex
