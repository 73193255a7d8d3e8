// Skin archives, opened from memory as the program does after reading the
// file: any bytes open as a zip or are refused, and no entry comes
// out larger than its cap however much it declares.
#include "config/tool_bar_layout.h"
#include "fuzz_support.h"
#include "platform/skin_archive.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const OpenedSkinArchive opened = OpenSkinArchiveBytes(std::string(fuzz::AsText(data, size)));
  FUZZ_CHECK((opened.archive == nullptr) != opened.error.empty());
  if (!opened.archive) return 0;
  if (const std::optional<std::string> ini = opened.archive->Entry("skin.ini", kSkinIniLimit)) {
    FUZZ_CHECK(ini->size() <= kSkinIniLimit);
    (void)ParseSkinIni(*ini);
  }
  for (const char* name : {"1.bmp", "Separator.bmp", "../skin.ini", ""}) {
    const std::optional<std::string> picture = opened.archive->Entry(name, 1024);
    FUZZ_CHECK(!picture || picture->size() <= 1024);
  }
  return 0;
}
