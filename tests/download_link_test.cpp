#include <gtest/gtest.h>

#include "encoding/download_link.h"

namespace {

struct Case {
  LinkFormat format;
  Text address;
  Text link;
};

TEST(DownloadLink, WrapsAndEncodesPerFormat) {
  const Case cases[] = {
      {LinkFormat::Thunder, "abc", "thunder://QUFhYmNaWg=="},  // AAabcZZ
      {LinkFormat::FlashGet, "abc", "Flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0="},
      {LinkFormat::Xuanfeng, "abc", "qqdl://YWJj"},
      {LinkFormat::Xuanfeng, "下", "qqdl://z8I="},
      // Nothing is trimmed or escaped: the blank and the escape are encoded.
      {LinkFormat::Xuanfeng, " a%20", "qqdl://IGElMjA="},
      {LinkFormat::Thunder, "http://example.com/files/a.rar",
       "thunder://QUFodHRwOi8vZXhhbXBsZS5jb20vZmlsZXMvYS5yYXJaWg=="},
  };
  for (const Case& c : cases) EXPECT_EQ(buildDownloadLink(c.format, c.address), c.link) << c.address;
}

TEST(DownloadLink, NoFormatEncodesNothing) {
  EXPECT_EQ(buildDownloadLink(LinkFormat::None, "abc"), "");
}

}  // namespace
