#pragma once
// The words of the status bar and the caption, built from the language table.
// All results are Windows-1251 bytes.
#include <string>

#include "language/language_table.h"

namespace plumex {

inline constexpr const char* kProductName = "Plumex";
inline constexpr const char* kProductVersion = PLUMEX_VERSION;

// "1 : 1", or "3 : 8  [5]" with a selection; line and column count from 0.
std::string PositionText(int line, int column, int selectionLength);

// "1023 bytes / 1 lines", "2 Kb / 40 lines", "1.50 Mb / 9 lines".
std::string SizeText(long long bytes, int lines, const LanguageTable& texts);

// Everything of the caption after the file name: " - Plumex 1.91 [Modified]".
std::string TitleSuffix(bool readOnly, bool modified, const LanguageTable& texts);

// `caption` then hours, minutes, seconds and milliseconds joined by ":".
std::string TimingText(const std::string& caption, long long milliseconds);

}  // namespace plumex
