#include <gtest/gtest.h>

#include "encoding/base64.h"

namespace {

struct Case {
  Text bytes;
  Text base64;
};

TEST(Base64, EncodesAsRfc4648) {
  const Case cases[] = {
      {"", ""},
      {"f", "Zg=="},          // one byte: two fill characters
      {"fo", "Zm8="},         // two bytes: one
      {"foo", "Zm9v"},        // three bytes: none
      {"foob", "Zm9vYg=="},
      {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"},
      {"abc", "YWJj"},
      {"下", "z8I="},          // the GBK bytes CF C2
      {"\xFF\xFE\xFD", "//79"},  // the two last letters of the alphabet
      {Text("\0\0\0\0", 4), "AAAAAA=="},
  };
  for (const Case& c : cases) EXPECT_EQ(base64EncodeBytes(c.bytes), c.base64) << c.bytes;
}

TEST(Base64, LongInputHasNoLineBreaks) {
  const Text encoded = base64EncodeBytes(Text(3000, 'x'));
  EXPECT_EQ(encoded.size(), 4000u);
  EXPECT_EQ(encoded.find_first_of("\r\n"), Text::npos);
  EXPECT_EQ(encoded.substr(0, 4), "eHh4");
}

}  // namespace
