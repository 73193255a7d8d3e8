#include "platform/desktop_entry.h"

namespace plumex {

std::string DesktopExec(std::string_view program) {
  // Quoting comes first, the string escapes of the value after it: a reader
  // undoes them in the opposite order.
  std::string quoted = "\"";
  for (char c : program) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
    if (c == '%') quoted += '%';
  }
  quoted += '"';
  std::string value;
  for (char c : quoted) {
    switch (c) {
      case '\\': value += "\\\\"; break;
      case '\n': value += "\\n"; break;
      case '\t': value += "\\t"; break;
      case '\r': value += "\\r"; break;
      default: value += c;
    }
  }
  return value + " %f";
}

bool IsOurDefault(std::string_view value) {
  const std::size_t first = value.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  value.remove_prefix(first);
  return value.substr(0, value.find(';')) == kDesktopId;
}

}  // namespace plumex
