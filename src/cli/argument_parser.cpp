#include "cli/argument_parser.h"

#include <algorithm>
#include <string>

#include "cli/tool_failure.h"

namespace plumex {

bool ParsedArguments::Has(std::string_view name) const {
  return std::ranges::any_of(options, [name](const Option& o) { return o.name == name; });
}

std::optional<std::string_view> ParsedArguments::Value(std::string_view name) const {
  std::optional<std::string_view> value;
  for (const Option& o : options)
    if (o.name == name) value = o.value;
  return value;
}

ParsedArguments ParseArguments(std::span<const std::string_view> arguments, std::initializer_list<OptionRule> rules) {
  ParsedArguments parsed;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (options_ended || argument == "-" || !argument.starts_with('-')) {
      parsed.operands.push_back(argument);
      continue;
    }
    if (argument == "--") {
      options_ended = true;
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    const auto rule = std::ranges::find(rules, name, &OptionRule::name);
    if (rule == rules.end()) throw UsageError("unknown option " + std::string(argument));
    if (!rule->takes_value) {
      if (equals != std::string_view::npos) throw UsageError(std::string(name) + " takes no value");
      parsed.options.push_back({name, {}});
    } else if (equals != std::string_view::npos) {
      parsed.options.push_back({name, argument.substr(equals + 1)});
    } else if (i + 1 < arguments.size()) {
      parsed.options.push_back({name, arguments[++i]});
    } else {
      throw UsageError(std::string(name) + " needs a value");
    }
  }
  return parsed;
}

}  // namespace plumex
