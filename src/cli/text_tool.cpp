#include "cli/text_tool.h"

#include <algorithm>
#include <new>
#include <ostream>
#include <string>
#include <vector>

#include "cli/byte_streams.h"
#include "cli/subcommands.h"
#include "cli/tool_failure.h"
#include "cli/tool_tables.h"
#include "config/conversion_settings.h"
#include "model/command_line.h"

namespace plumex {
namespace {

std::string HelpText() {
  std::string text =
      "Usage: plumex-text COMMAND [ARGUMENTS]\n"
      "Plumex's Cyrillic tools for the shell. Output goes to standard output; a missing\n"
      "FILE, or \"-\", means standard input. CODE is one of WIN, DOS, KOI, MAC, ISO and\n"
      "UTF8.\n"
      "The tables come from your Plumex settings file, translit.ini and ruslit.ini\n"
      "when they exist (the editor's built-in ones otherwise); none of them is written.\n\n";
  for (const Subcommand& command : Subcommands())
    text += "  plumex-text " + std::string(command.name) + ' ' + std::string(command.usage) + "\n      " +
            std::string(command.summary) + '\n';
  return text +
         "  plumex-text --help | --version\n      show this text, or the version of Plumex\n"
         "\nExit status: 0 done, 1 a file could not be read or written (or memory ran out),\n"
         "2 bad arguments, 3 repair found nothing to repair (and wrote the input as it\n"
         "was), 4 convert met characters Windows-1251 lacks (and wrote nothing).\n";
}

int Answer(std::ostream& out, const std::string& text) {
  WriteBytes(out, text);
  FinishOutput(out);
  return kExitOk;
}

int Run(const std::vector<std::string_view>& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
  if (arguments.empty()) throw UsageError("no command given; try 'plumex-text --help'");
  const std::string_view name = arguments.front();
  if (name == "--help" || name == "-h") return Answer(out, HelpText());
  if (name == "--version") return Answer(out, VersionText());  // the editor's own line
  const auto commands = Subcommands();
  const auto command = std::ranges::find(commands, name, &Subcommand::name);
  if (command == commands.end())
    throw UsageError("unknown command '" + std::string(name) + "'; try 'plumex-text --help'");
  const Settings settings = LoadToolSettings(err);
  const ConversionTables tables = TablesFromSettings(settings);
  const ToolContext context{in, out, err, settings, tables};
  return command->run(Arguments(arguments).subspan(1), context);
}

}  // namespace

int RunTextTool(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::vector<std::string_view> arguments(argv + std::min(argc, 1), argv + std::max(argc, 0));
  try {
    return Run(arguments, in, out, err);
  } catch (const ToolFailure& failure) {
    err << "plumex-text: " << failure.what() << '\n';
    return failure.Status();
  } catch (const std::bad_alloc&) {
    err << "plumex-text: out of memory\n";
    return kExitFileError;
  }
}

}  // namespace plumex
