#include "platform/links.h"

#include <gtest/gtest.h>

#include <vector>

namespace plumex {
namespace {

TEST(Links, FindsTheLinkAroundThePositionAndAllOfALine) {
  const std::string line = "see https://example.org/a?b=1, or www.site.ru. mailto:x@y.z";
  const struct { std::size_t position; std::string link; } cases[] = {
      {0, ""}, {4, "https://example.org/a?b=1"}, {20, "https://example.org/a?b=1"},
      {29, ""},  // the comma after the link
      {36, "http://www.site.ru"}, {50, "mailto:x@y.z"}, {1000, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(LinkAt(line, c.position), c.link) << c.position;
  EXPECT_EQ(LinkAt("plain words only", 3), "");
  EXPECT_EQ(LinkAt("http://", 2), "");
  EXPECT_EQ(LinkAt("HTTP://UPPER.CASE", 3), "HTTP://UPPER.CASE");
  const std::string all = "a http://x.org, b www.y.ru. ftp://z c";
  std::vector<std::string> found;
  for (const auto& link : LinksIn(all)) found.push_back(all.substr(link.start, link.length));
  EXPECT_EQ(found, (std::vector<std::string>{"http://x.org", "www.y.ru", "ftp://z"}));
  EXPECT_TRUE(LinksIn("").empty());
  EXPECT_TRUE(LinksIn("no links, www. or http:// alone").empty());
}

TEST(Links, OnlyWebAndMailLinksAreOpened) {
  for (const char* link : {"http://a", "https://a", "ftp://a", "mailto:a@b", "HTTPS://A"})
    EXPECT_TRUE(IsSafeToOpen(link)) << link;
  for (const char* link : {"file:///etc/passwd", "javascript:x", "smb://host", "", "/bin/sh"})
    EXPECT_FALSE(IsSafeToOpen(link)) << link;
}

}  // namespace
}  // namespace plumex
