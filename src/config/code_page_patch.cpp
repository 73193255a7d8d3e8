#include "config/code_page_patch.h"

namespace plumex {
namespace {

constexpr std::string_view kUnset = "*";  // the settings' default: never read from the table

// Empty or unset backups are not table names; writing one would leave code
// page 1252 without a table.
void Write1252(FileTypes& types, const std::string& data) {
  if (data.empty() || data == kUnset) return;
  types.SetCodePage(CodePageValue::Cp1252, data);
}

}  // namespace

void PatchCodePageAtFirstStart(Settings& settings, FileTypes& types) {
  if (settings.Starts > 1) return;
  settings.str1251 = types.CodePage(CodePageValue::Cp1251);
  settings.str1252 = types.CodePage(CodePageValue::Cp1252);
  if (settings.IsMake1251) Write1252(types, settings.str1251);
}

void SetCodePagePatch(Settings& settings, FileTypes& types, bool on) {
  if (on) {
    Write1252(types, settings.str1251);
    return;
  }
  if (settings.str1252 != "cp_1252.nls" && settings.str1252 != "c_1252.nls")
    settings.str1252 = types.CodePage(CodePageValue::Cp1253).find("cp") != std::string::npos
                           ? "cp_1252.nls"
                           : "c_1252.nls";
  Write1252(types, settings.str1252);
}

}  // namespace plumex
