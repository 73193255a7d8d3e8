#pragma once
// The [LAYOUT] section: "LOCount", then for each layout i the key "i" holding
// its short name, a key named by that short name holding its keyboard-layout
// identifier, and "StrLO_" + short name holding its row of key characters.
#include <array>

#include "config/settings.h"
#include "platform/ini_file.h"

namespace plumex {

// Reads layouts 1 to settings.LOCount (as already read, at most three) from
// `source`, the current slots giving the defaults. Reading stops at the first
// layout without a usable short name: one whose keys would be missing or
// would clash with keys of the section. With none left, `builtIn` is taken and
// LOCount is 2; otherwise LOCount is the number of layouts read.
void ReadLayouts(const IniFile& source, Settings& settings,
                 const std::array<LayoutSlot, kMaxLayouts>& builtIn);

// Writes the layouts in use (LOCount itself is a row of the settings table).
void WriteLayouts(const Settings& settings, IniFile& file);

}  // namespace plumex
