#include "platform/file_types.h"

#include <algorithm>

namespace plumex {
namespace {

constexpr std::size_t kMaxExtension = 16;

bool Allowed(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '+';
}

}  // namespace

std::optional<std::string> NormalizeExtension(std::string_view typed) {
  const std::size_t first = typed.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  typed = typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
  if (typed.starts_with("*.")) typed.remove_prefix(2);
  else if (typed.starts_with(".")) typed.remove_prefix(1);
  std::string ext(typed);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  if (ext.empty() || ext.size() > kMaxExtension || !std::all_of(ext.begin(), ext.end(), Allowed))
    return std::nullopt;
  return ext;
}

}  // namespace plumex
