#include "commands/mail_message.h"

#include <gtest/gtest.h>

#include <tuple>

#include "convert/win1251.h"
#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

std::string PercentDecoded(std::string_view field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '%' && i + 2 < field.size()) {
      out += static_cast<char>(std::stoi(std::string(field.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else {
      out += field[i];
    }
  }
  return out;
}

// The body the mail program reads back out of the link, as our bytes.
std::string BodyOf(const std::string& url) {
  const std::size_t at = url.find("body=");
  return Utf8ToWin1251(PercentDecoded(std::string_view(url).substr(at + 5)));
}

TEST(MailUrl, EveryByteComesBackAndEveryLineBreakIsCrLf) {
  const std::string bytes = test::AllBytes();
  const struct { std::string body, back; } cases[] = {
      {"\xCF\xF0\xE8\xE2\xE5\xF2, world", "\xCF\xF0\xE8\xE2\xE5\xF2, world"},
      {"a&b+c=d#e%f?g h", "a&b+c=d#e%f?g h"},
      {"one\r\ntwo\nthree\rfour", "one\r\ntwo\r\nthree\r\nfour"},
      {bytes.substr(14), bytes.substr(14)},  // past CR: every byte from 14 on
  };
  for (const auto& c : cases) {
    const std::string url = MailtoUrl({"", {}, c.body});
    EXPECT_EQ(url.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~%:?=&@,"),
              std::string::npos) << url;
    EXPECT_EQ(BodyOf(url), c.back) << url;
  }
  EXPECT_EQ(MailtoUrl({"", {}, "a\nb"}), "mailto:?body=a%0D%0Ab");
  EXPECT_EQ(MailtoUrl({"R&D 1", {"a@b.c", "d@e.f"}, ""}), "mailto:a@b.c,d@e.f?subject=R%26D%201&body=");
}

TEST(BugReport, FactsFromTheSystemFilesUnderTheirLabelsAndMemoryIn64Bits) {
  test::TempDir dir;
  test::WriteRaw(dir / "os", "NAME=\"Debian\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n");
  test::WriteRaw(dir / "cpu", "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Some CPU @ 2.0GHz\n"
                              "processor\t: 1\nvendor_id\t: Other\n");
  const struct { std::string memInfo, megabytes; } cases[] = {
      {"MemTotal:       67108864 kB\n", "65536"},  // 64 GiB
      {"MemFree: 1 kB\nMemTotal: 3145728 kB\n", "3072"},
      {"MemTotal: 99999999999999999999 kB\n", "0"},  // beyond 64 bits
      {"nonsense", "0"},
  };
  for (const auto& c : cases) {
    test::WriteRaw(dir / "mem", c.memInfo);
    const MailMessage report = BugReport(
        {ReadMachineFacts({dir / "os", dir / "cpu", dir / "mem"}), "6.4.2", "1024 x 768", "Office"}, "--");
    EXPECT_EQ(report.subject, "Plumex 1.91 - Bug Report");
    EXPECT_EQ(report.recipients, std::vector<std::string>{"support@plumex.example.org"});
    const std::string head = "--\r\nBug Description: \r\n--\r\n\r\n\r\n\r\n\r\n--\r\nSystem information:\r\n--\r\n"
                             "Plumex Version: 1.91 - 17.04.2004\r\nSystem: Debian GNU/Linux 12 (bookworm)\r\nKernel: ";
    EXPECT_EQ(report.body.substr(0, head.size()), head);
    EXPECT_NE(report.body.find("\r\nQt: 6.4.2\r\nUserName: "), std::string::npos);
    const std::string tail = "\r\nCPU: Some CPU @ 2.0GHz\r\nCPUVendor: GenuineIntel\r\nTotal physical memory: " +
                             c.megabytes + " Mbytes\r\nResolution: 1024 x 768\r\nPrinter: Office\r\n";
    EXPECT_NE(report.body.find(tail), std::string::npos) << report.body;
  }
  const MachineFacts none = ReadMachineFacts({dir / "gone", dir.path(), "/dev/zero"});
  EXPECT_EQ(std::make_tuple(none.system, none.cpuModel, none.memoryBytes),
            std::make_tuple(std::string(), std::string(), std::uint64_t{0}));
}

}  // namespace
}  // namespace plumex
