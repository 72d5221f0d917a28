#include <gtest/gtest.h>

#include "conversion/pattern.h"

namespace {

const Text kScheme = "http://(.*?)$";

正则表达式 compiled(const Text& pattern) {
  正则表达式 re;
  EXPECT_TRUE(re.create(pattern)) << pattern;
  return re;
}

std::vector<Text> wholeMatches(const 正则表达式& re, const Text& text) {
  std::vector<Text> found;
  for (const 搜索结果& r : re.searchAll(text)) found.push_back(re.matchText(r, text));
  return found;
}

struct SearchCase {
  Text pattern;
  Text text;
  std::vector<Text> matches;
};

TEST(Pattern, SearchAllFindsEachAddressToItsLineEnd) {
  const SearchCase cases[] = {
      {kScheme, "a http://a/1.rar\r\nhttp://b/2.zip", {"http://a/1.rar", "http://b/2.zip"}},
      {kScheme, "http://a/1\nhttp://b/2", {"http://a/1", "http://b/2"}},
      {kScheme, "http://a/1\rhttp://b/2", {"http://a/1", "http://b/2"}},
      {kScheme, "http://a/1\fhttp://b/2", {"http://a/1", "http://b/2"}},
      {kScheme, "http://a/1\x85" "b", {"http://a/1\x85" "b"}},  // 0x85 ends no line
      {kScheme, "http://a/1 http://b/2", {"http://a/1 http://b/2"}},
      {kScheme, "HTTP://a/1", {}},  // case-sensitive
      {"^b", "bb", {"b", "b"}},   // each search starts a text of its own
      {"a|b", "xaby", {"a", "b"}},
  };
  for (const SearchCase& c : cases)
    EXPECT_EQ(wholeMatches(compiled(c.pattern), c.text), c.matches) << c.pattern << " over " << c.text;
}

TEST(Pattern, ResultsCarryEveryGroupAsOffsets) {
  const 正则表达式 re = compiled(kScheme);
  const ResultList results = re.searchAll("a http://a/1.rar\r\nhttp://b/2.zip");
  ASSERT_EQ(results.size(), 2u);
  ASSERT_EQ(results[0].spans.size(), 2u);
  EXPECT_EQ(results[0].spans[0].offset, 2);
  EXPECT_EQ(results[0].spans[0].length, 14);
  EXPECT_EQ(results[0].spans[1].offset, 9);  // a/1.rar
  EXPECT_EQ(results[0].spans[1].length, 7);
  EXPECT_EQ(results[1].spans[0].offset, 18);

  const ResultList bare = re.searchAll("x http://");
  ASSERT_EQ(bare.size(), 1u);
  EXPECT_EQ(bare[0].spans[0].offset, 2);
  EXPECT_TRUE(bare[0].spans[1].matched);
  EXPECT_EQ(bare[0].spans[1].length, 0);

  正则表达式 alternatives = compiled("(a)|(b)");
  const ResultList groups = alternatives.searchAll("b");
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_FALSE(groups[0].spans[1].matched);
  EXPECT_TRUE(groups[0].spans[2].matched);
}

TEST(Pattern, CreateKeepsThePreviousPatternOnFailure) {
  正则表达式 fresh;
  EXPECT_FALSE(fresh.create("("));
  EXPECT_TRUE(fresh.searchAll("(((").empty());
  EXPECT_EQ(fresh.replace("(((", "", 1, std::nullopt, true, true), "");
  EXPECT_FALSE(fresh.create(""));

  正则表达式 re;
  EXPECT_TRUE(re.create("a"));
  EXPECT_FALSE(re.create("("));
  EXPECT_EQ(wholeMatches(re, "xa("), std::vector<Text>{"a"});
}

TEST(Pattern, SecondByteBackslashEscapesTheNextByte) {
  // 淺 is 9C 5C: its second byte escapes the "." after it, which then
  // matches only a dot.
  const 正则表达式 re = compiled("淺.");
  EXPECT_EQ(wholeMatches(re, "\x9C.x"), std::vector<Text>{"\x9C."});
  EXPECT_TRUE(re.searchAll("\x9Cxx").empty());
}

TEST(Pattern, EmptyMatchesEndTheList) {
  const 正则表达式 re = compiled("x*");
  const ResultList atStart = re.searchAll("abc");
  ASSERT_EQ(atStart.size(), 1u);
  int32_t start = -1;
  EXPECT_EQ(re.matchText(atStart[0], "abc", &start), "");
  EXPECT_EQ(start, 0);
  // A later empty match is listed once, and the search ends there.
  EXPECT_EQ(wholeMatches(re, "xxab"), (std::vector<Text>{"xx", ""}));
  EXPECT_EQ(wholeMatches(compiled("(?=b)"), "aab"), std::vector<Text>{""});
}

TEST(Pattern, MatchTextOfAnUnmatchedResultLeavesStartAlone) {
  const 正则表达式 re = compiled("a");
  int32_t start = 7;
  EXPECT_EQ(re.matchText(搜索结果{}, "abc", &start), "");
  EXPECT_EQ(re.matchText(搜索结果{{MatchSpan{0, 1, false}}}, "abc", &start), "");
  EXPECT_EQ(start, 7);
  // A shorter text than the searched one gives what is there.
  EXPECT_EQ(re.matchText(搜索结果{{MatchSpan{1, 5, true}}}, "abc"), "bc");
}

struct ReplaceCase {
  Text pattern;
  Text text;
  int32_t start;
  std::optional<int32_t> count;
  bool copyUnmatched;
  bool replaceAll;
  Text result;
};

TEST(Pattern, ReplaceRewritesOnlyItsRange) {
  const ReplaceCase cases[] = {
      {"^b", "bb", 1, std::nullopt, true, true, "b"},  // "^" holds at the start only
      {"d", "abcdef", 2, 3, true, true, "bc"},
      {"d", "abcdef", 0, std::nullopt, true, true, ""},
      {"d", "abcdef", 7, std::nullopt, true, true, ""},
      {"d", "abcdef", 6, 2, true, true, ""},
      {"d", "abcdef", 2, 0, true, true, ""},
      {"d", "", 1, std::nullopt, true, true, ""},
      {"b", "abcb", 1, std::nullopt, true, true, "ac"},
      {"b", "abcb", 1, std::nullopt, true, false, "acb"},
      {"b", "abcb", 1, std::nullopt, false, true, ""},
      {"b", "abcb", 1, std::nullopt, false, false, ""},
      {"b", "abcb", 4, std::nullopt, true, true, ""},
      {"x*", "ab", 1, std::nullopt, true, true, "ab"},  // an empty match is found once
  };
  for (const ReplaceCase& c : cases) {
    const 正则表达式 re = compiled(c.pattern);
    EXPECT_EQ(re.replace(c.text, "", c.start, c.count, c.copyUnmatched, c.replaceAll), c.result)
        << c.pattern << " over " << c.text << " from " << c.start;
  }
}

TEST(Pattern, ReplacementIsABoostFormat) {
  const 正则表达式 re = compiled("(a)(b)");
  EXPECT_EQ(re.replace("xaby", "[$2$1&]", 1, std::nullopt, true, true), "x[ba&]y");
  EXPECT_EQ(re.replace("xaby", "$2", 1, std::nullopt, false, true), "b");
}

TEST(Pattern, EngineThatGivesUpKeepsEarlierResults) {
  // Boost stops this search at its work limit and throws; the layer keeps
  // the match found before and reports nothing else.
  const 正则表达式 re = compiled("x|(a*)*b");
  const Text text = "x" + Text(5000, 'a');
  const ResultList results = re.searchAll(text);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].spans[0].offset, 0);
  EXPECT_EQ(re.replace(text, "", 1, std::nullopt, true, true), "");
}

}  // namespace
