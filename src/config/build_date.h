#pragma once
// The date of this version, written once: the settings file's ProgDate, the
// About box and the bug report all show it.

namespace plumex {

inline constexpr const char* kBuildDate = "17.04.2004";

}  // namespace plumex
