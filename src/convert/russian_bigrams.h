#pragma once
// How Russian letters follow one another: the generated table behind
// statistical code-page detection.
#include <array>
#include <cstdint>

namespace plumex {

// Class 0 is a word boundary; classes 1..32 are the letters "а".."я" in
// Windows-1251 order and 33 is "ё", either case.
inline constexpr std::size_t kRussianClasses = 34;

// [previous][next]: 16 times the natural logarithm of the chance that `next`
// follows `previous`.
using RussianBigrams = std::array<std::array<std::int16_t, kRussianClasses>, kRussianClasses>;

extern const RussianBigrams kRussianBigrams;

}  // namespace plumex
