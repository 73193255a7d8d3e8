// The settings file: any bytes parse, rewrite to a fixed point, and load into
// settings whose tables then convert and detect without harm.
#include <fuzzer/FuzzedDataProvider.h>

#include "cached_tables.h"
#include "config/settings.h"
#include "fuzz_support.h"
#include "platform/ini_file.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(32);
  const std::string key = input.ConsumeRandomLengthString(32);
  const std::string value = input.ConsumeRandomLengthString(64);
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  IniFile file = IniFile::Parse(bytes);
  const std::string once = file.Serialize();
  FUZZ_CHECK(IniFile::Parse(once).Serialize() == once);
  for (const std::string& name : file.SectionNames())
    for (const std::string& k : file.Keys(name)) {
      FUZZ_CHECK(file.HasKey(name, k));
      (void)file.ReadInteger(name, k, 0);
    }

  // A written value reads back up to its first line break or 0x1A, also after a
  // rewrite, or is not written at all.
  file.WriteString(section, key, value);
  const std::string expected = value.substr(0, value.find_first_of("\r\n\x1A"));
  const IniFile reread = IniFile::Parse(file.Serialize());
  if (IniFile::IsWritableSection(section) && IniFile::IsWritableKey(key)) {
    FUZZ_CHECK(file.ReadString(section, key, "\x01") == expected);
    FUZZ_CHECK(reread.ReadString(section, key, "\x01") == expected);
  }

  Settings settings;
  LoadSettings(reread, settings);
  SaveSettings(settings, file, TableSource::SettingsFile);
  const ConversionTables& tables = fuzz::TablesFor(settings);
  for (EncodingCode from : kAllEncodings)
    for (EncodingCode to : kAllEncodings) FUZZ_CHECK(tables.Conversion(from, to).Apply(value).size() == value.size());
  (void)DetectByMethod(bytes, tables.Detector(), Utf8Candidate::Yes);
  return 0;
}
