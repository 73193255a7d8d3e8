#include "commands/mail_message.h"

#include "commands/product_facts.h"
#include "convert/win1251.h"

namespace plumex {
namespace {

bool Unreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~';
}

std::string PercentEncoded(std::string_view utf8, std::string_view keep = {}) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(utf8.size() * 3);
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    if (Unreserved(c) || keep.find(ch) != std::string_view::npos) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      out += "\r\n";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string Field(std::string_view bytes) { return PercentEncoded(Win1251ToUtf8(WithCrLf(bytes))); }

}  // namespace

std::string MailtoUrl(const MailMessage& message) {
  std::string url = "mailto:";
  for (std::size_t i = 0; i < message.recipients.size(); ++i)
    url += (i ? "," : "") + PercentEncoded(Win1251ToUtf8(message.recipients[i]), "@");
  url += '?';
  if (!message.subject.empty()) url += "subject=" + Field(message.subject) + "&";
  return url + "body=" + Field(message.body);
}

MailMessage BugReport(const BugReportFacts& facts, std::string_view separator) {
  const MachineFacts& machine = facts.machine;
  const std::string s(separator);
  // The facts come as UTF-8; the body, like every text of ours, is Windows-1251.
  const auto W = [](const std::string& utf8) { return Utf8ToWin1251(utf8); };
  const std::string lines[] = {
      s, "Bug Description: ", s, "", "", "", "", s, "System information:", s,
      std::string(kProductName) + " Version: " + kProductVersion + " - " + kBuildDate,
      "System: " + W(machine.system),
      "Kernel: " + W(machine.kernel),
      "Qt: " + W(facts.qtVersion),
      "UserName: " + W(machine.userName),
      "HostName: " + W(machine.hostName),
      "CPU: " + W(machine.cpuModel),
      "CPUVendor: " + W(machine.cpuVendor),
      "Total physical memory: " + std::to_string(machine.memoryBytes / 1048576) + " Mbytes",
      "Resolution: " + W(facts.screen),
      "Printer: " + W(facts.printer),
  };
  MailMessage message;
  message.subject = std::string(kProductName) + " " + kProductVersion + " - Bug Report";
  message.recipients = {kSupportMail};
  for (const std::string& line : lines) message.body += line + "\r\n";
  return message;
}

}  // namespace plumex
