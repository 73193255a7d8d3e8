#pragma once
// Splits a subcommand's arguments into options and operands. "--" ends the
// options, so a file may be called "-x"; "-" alone is standard input.
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace plumex {

struct OptionRule {
  std::string_view name;  // "--from"
  bool takes_value = false;
};

struct ParsedArguments {
  struct Option {
    std::string_view name;
    std::string_view value;
  };
  std::vector<Option> options;
  std::vector<std::string_view> operands;

  bool Has(std::string_view name) const;
  // The value given last; nullopt when the option is absent.
  std::optional<std::string_view> Value(std::string_view name) const;
};

// Throws a UsageError for an unknown option or an option without its value.
ParsedArguments ParseArguments(std::span<const std::string_view> arguments, std::initializer_list<OptionRule> rules);

}  // namespace plumex
