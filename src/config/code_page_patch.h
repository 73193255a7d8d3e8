#pragma once
// The code-page patch: code page 1252 is pointed at the Cyrillic table file,
// and back. str1251 and str1252 keep what the two values held before the
// first patch, so that turning it off restores them.
#include "config/settings.h"
#include "platform/file_types.h"

namespace plumex {

// At the first start (Starts 1 or less after its increment): keeps the two
// values, then patches when IsMake1251 is on.
void PatchCodePageAtFirstStart(Settings& settings, FileTypes& types);

// The check box: on points 1252 at str1251; off gives 1252 its own table
// back, named the way the 1253 value names its table.
void SetCodePagePatch(Settings& settings, FileTypes& types, bool on);

}  // namespace plumex
