// Mojibake repair: a repair is found or not, never half, and a repair of
// UTF-8 taken for Windows-1251 gives back the damaged bytes when redone.
#include "config/conversion_settings.h"
#include "convert/mojibake.h"
#include "convert/utf8.h"
#include "fuzz_support.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ConversionTables tables = TablesFromSettings(Settings{});
  const std::string_view text = fuzz::AsText(data, size);
  const MojibakeRepair held = FindMojibake(text, tables);
  FUZZ_CHECK((held.kind == Mojibake::None) == held.repaired.empty());
  FUZZ_CHECK(held.repaired.size() <= text.size());
  if (held.kind == Mojibake::Utf8AsWin) FUZZ_CHECK(text.ends_with(EncodeUtf8(held.repaired)));
  if (held.kind == Mojibake::Utf8AsWinTwice) FUZZ_CHECK(text.ends_with(EncodeUtf8(EncodeUtf8(held.repaired))));

  const MojibakeRepair latin = FindLatinMojibake(text);
  FUZZ_CHECK(latin.kind == Mojibake::None || latin.kind == Mojibake::WinAsLatin);
  FUZZ_CHECK((latin.kind == Mojibake::None) == latin.repaired.empty());
  FUZZ_CHECK(latin.repaired.size() <= text.size());
  return 0;
}
