#pragma once
// The pattern layer: the system's only way of matching text. A thin shell over
// Boost.Regex (Perl syntax) that works on bytes and lets no engine error out:
// every failure shows as false, an empty list or an empty text.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "encoding/text.h"

// One sub-expression of a match, in bytes from the start of the searched text.
struct MatchSpan {
  int32_t offset = 0;
  int32_t length = 0;
  bool matched = false;  // false for a group that took no part in the match
};

// One match: span 0 is the whole match, span k the k-th capturing group.
// It holds offsets only, so it outlives its pattern and the searched text.
struct 搜索结果 {
  std::vector<MatchSpan> spans;
};

using ResultList = std::vector<搜索结果>;

class 正则表达式 {
 public:
  正则表达式();
  ~正则表达式();
  正则表达式(正则表达式&&) noexcept;
  正则表达式& operator=(正则表达式&&) noexcept;

  // Compiles patternText. On failure (bad syntax, the empty text, any engine
  // error) returns false and keeps the pattern held before, if any.
  bool create(const Text& patternText, bool caseSensitive = true);

  // Every match in text, in order, none overlapping. Each search starts at
  // the end of the previous match and takes that place as the start of the
  // text ("^" holds there; look-behind sees nothing before it). The list
  // ends after an empty match, so a pattern that can match nothing still
  // gives a finite list. When the engine gives up (its work or memory
  // limit), the list holds the matches found before; running out of memory
  // for the list itself is not the engine's doing and throws std::bad_alloc.
  // Offsets are 32-bit: a text is searched in its first 2 GiB at most.
  ResultList searchAll(Bytes text) const;

  // The bytes of result's whole match, read from text at the stored offset
  // (clipped to text). startOut receives the offset, counted from 0.
  Text matchText(const 搜索结果& result, Bytes text, int32_t* startOut = nullptr) const;

  // Rewrites the count bytes of text from byte start (counted from 1; count
  // left out: to the end), replacing matches by replacement read as a Boost
  // format string. Returns the rewritten range alone; the empty text when
  // the range does not lie within text, without a pattern, or on any error.
  Text replace(Bytes text, const Text& replacement, int32_t start = 0,
               std::optional<int32_t> count = std::nullopt, bool copyUnmatched = false,
               bool replaceAll = false) const;

 private:
  struct Compiled;
  std::unique_ptr<Compiled> compiled_;
  // "^" and "$" also match at line breaks inside the text. Nothing changes it.
  uint32_t multiLine_ = 1;
};
