#pragma once
// Runs plumex-text in-process against a settings folder of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/text_tool.h"
#include "config/conversion_settings.h"
#include "config/settings.h"
#include "convert/conversion_tables.h"
#include "platform/system_facts.h"
#include "convert/win1251.h"
#include "support/file_helpers.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace plumex::test {

struct ToolResult {
  int status;
  std::string out;
  std::string err;
};

enum class Output { Working, Broken };

inline std::string W(std::string_view utf8) { return Utf8ToWin1251(utf8); }
inline long LineCount(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

// Every run gets its own settings folder, so the user's own file never
// takes part and is never touched.
class TextTool : public ::testing::Test {
 protected:

  // Output::Broken runs as if the output were a closed pipe.
  ToolResult Run(const std::vector<std::string>& arguments, const std::string& input = {},
                 Output output = Output::Working) {
    std::vector<const char*> argv = {"plumex-text"};
    for (const std::string& a : arguments) argv.push_back(a.c_str());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    std::ostream broken(nullptr);
    const int status = RunTextTool(static_cast<int>(argv.size()), argv.data(), in,
                                   output == Output::Broken ? broken : out, err);
    return {status, out.str(), err.str()};
  }

  std::string File(const std::string& name, const std::string& bytes) {
    const std::string path = dir_ / name;
    WriteRaw(path, bytes);
    return path;
  }

  std::string SettingsPath() { return dir_ / ("settings/" + SettingsFileName()); }

  // A file of the settings folder, as the user left it there.
  std::string UserFile(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(dir_ / "settings");
    return File("settings/" + name, bytes);
  }

  TempDir dir_;
  ScopedEnv home_{"PLUMEX_HOME", dir_ / "settings"};
  const ConversionTables defaults_ = TablesFromSettings(Settings{});
};

}  // namespace plumex::test
