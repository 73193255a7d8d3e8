#pragma once
// A message handed to the user's mail program as a mailto: link, and the
// bug report we ask users to send.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/machine_facts.h"

namespace plumex {

// Mail programs and desktops cut longer links, so a longer text goes by the
// clipboard instead.
inline constexpr std::size_t kMailUrlLimit = 32000;

struct MailMessage {
  std::string subject;  // Windows-1251 bytes
  std::vector<std::string> recipients;
  std::string body;  // Windows-1251 bytes, line breaks in any style
};

// "mailto:" + recipients + "?subject=...&body=...": the texts go from
// Windows-1251 to UTF-8 and every byte but letters, digits and "-._~" is
// percent-encoded; every line break is sent as %0D%0A. An empty subject is
// left out.
std::string MailtoUrl(const MailMessage& message);

struct BugReportFacts {
  MachineFacts machine;
  std::string qtVersion;
  std::string screen;   // "1024 x 768"
  std::string printer;  // the default printer's name
};

// Addressed to our support, with room for the user's description above
// the facts, each line under an honest label.
MailMessage BugReport(const BugReportFacts& facts, std::string_view separator);

}  // namespace plumex
