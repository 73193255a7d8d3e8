// skin.ini: any text is a skin or an error, and a skin's bar is always sane.
#include "config/tool_bar_layout.h"
#include "fuzz_support.h"
#include "model/action_table.h"

using namespace plumex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const SkinIniResult result = ParseSkinIni(fuzz::AsText(data, size));
  FUZZ_CHECK(result.skin.has_value() == result.error.empty());
  if (!result.skin) return 0;
  const ToolBarParameters& bar = result.skin->bar;
  FUZZ_CHECK(bar.buttonsCount >= 0 && bar.buttonsCount <= kMaxToolSlots);
  FUZZ_CHECK(bar.buttonWidth >= 1 && bar.buttonWidth <= kMaxToolButtonSize);
  FUZZ_CHECK(bar.buttonHeight >= 1 && bar.buttonHeight <= kMaxToolButtonSize);
  FUZZ_CHECK(bar.space >= 0 && bar.space <= kMaxToolButtonSize);
  FUZZ_CHECK(bar.separatorWidth >= 0 && bar.separatorWidth <= kMaxToolButtonSize);

  ToolSlots slots{};
  ParseButtonsString(bar.buttons, slots);
  for (std::uint8_t number : slots) FUZZ_CHECK(number < Actions().size() + 1);
  int right = 0;
  for (const ToolButtonPlace& place : PlaceToolButtons(bar, slots)) {
    FUZZ_CHECK(place.left >= right && place.top >= 0 && place.width >= 0 && place.height == bar.buttonHeight);
    right = place.left + place.width;
  }
  return 0;
}
