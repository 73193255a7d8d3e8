#include "commands/status_texts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace plumex {

std::string PositionText(int line, int column, int selectionLength) {
  std::string text = std::to_string(line + 1);
  text += " : ";
  text += std::to_string(column + 1);
  if (selectionLength > 0) {
    text += "  [";
    text += std::to_string(selectionLength);
    text += ']';
  }
  return text;
}

std::string SizeText(long long bytes, int lines, const LanguageTable& texts) {
  const std::string tail = " " + std::to_string(std::max(lines, 1)) + " " + texts.Text("hhLines");
  if (bytes < 1024) return std::to_string(bytes) + " " + texts.Text("hhBytes") + tail;
  if (bytes < 1048576) {
    // Halves go to the even neighbour: 1536 bytes and 2560 bytes both show 2.
    const auto kb = static_cast<long long>(std::nearbyint(static_cast<double>(bytes) / 1024.0));
    return std::to_string(kb) + " " + texts.Text("hhKb") + tail;
  }
  char mb[32];
  std::snprintf(mb, sizeof mb, "%.2f", static_cast<double>(bytes) / 1048576.0);
  return std::string(mb) + " " + texts.Text("hhMb") + tail;
}

std::string TitleSuffix(bool readOnly, bool modified, const LanguageTable& texts) {
  std::string suffix = std::string(" - ") + kProductName + " " + kProductVersion + " ";
  if (readOnly) return suffix + texts.Text("tTitleReadOnly");
  if (modified) return suffix + " " + texts.Text("tTitleModified");
  return suffix;
}

std::string TimingText(const std::string& caption, long long milliseconds) {
  const long long ms = std::max(milliseconds, 0LL);
  std::string text = caption;
  for (long long part : {ms / 3600000, ms / 60000 % 60, ms / 1000 % 60}) {
    text += std::to_string(part);
    text += ':';
  }
  text += std::to_string(ms % 1000);
  return text;
}


}  // namespace plumex
