// run.ini: any file gives a command for any extension, the file Run writes
// stays in its folder, and the macros grow the arguments by their values only.
#include <fuzzer/FuzzedDataProvider.h>

#include "config/path_macros.h"
#include "config/run_ini.h"
#include "config/settings.h"
#include "fuzz_support.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  DocumentState document{.Folder = "/doc/", .FileName = input.ConsumeRandomLengthString(40)};
  if (document.FileName.find('/') != std::string::npos) return -1;  // a file name holds none
  Settings settings;
  settings.UseAppFolder = input.ConsumeBool();
  settings.UseTempFile = input.ConsumeBool();
  const IniFile runIni = IniFile::Parse(input.ConsumeRemainingBytesAsString());

  const RunCommand command = LookUpRunCommand(runIni, FileExtension(document.FileName));
  (void)ExpandFolderMacros(command.app, LocalFolders());
  const std::string runFile = RunFilePath(document, settings, "/program/");
  const std::string folder = settings.UseTempFile && settings.UseAppFolder ? "/program/" : "/doc/";
  FUZZ_CHECK(runFile.starts_with(folder) && runFile.find('/', folder.size()) == std::string::npos);

  std::vector<std::string> pieces = fuzz::Split(command.params, ' ');
  const std::vector<Macro> macros = RunFileMacros(runFile);
  std::size_t bound = command.params.size();
  for (const Macro& macro : macros) bound += macro.value.size();
  ExpandFirstOccurrences(pieces, macros, LetterCase::Exact);
  std::size_t grown = 0;
  for (const std::string& piece : pieces) grown += piece.size() + 1;
  FUZZ_CHECK(grown <= bound + 1);
  return 0;
}
