#pragma once
// Compile-time check that a table indexed by its enum holds every row at the
// index of its id, so lookups by id can index the table directly.
#include <cstddef>

namespace plumex {

template <typename Row, std::size_t N>
constexpr bool RowsInIdOrder(const Row (&rows)[N]) {
  for (std::size_t i = 0; i < N; ++i)
    if (static_cast<std::size_t>(rows[i].id) != i) return false;
  return true;
}

}  // namespace plumex
