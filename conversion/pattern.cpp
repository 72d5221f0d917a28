#include "conversion/pattern.h"

#include <algorithm>
#include <iterator>
#include <limits>

#ifdef _WIN32
// Boost switches the Win32 traits off for GCC; they are what the target uses
// (the user's Windows locale), so they are pulled in by hand.
#include <windows.h>
#include <boost/regex/v5/w32_regex_traits.hpp>
#endif
#include <boost/regex.hpp>

namespace {

#ifdef _WIN32
using Traits = boost::w32_regex_traits<char>;
#else
using Traits = boost::regex_traits<char>;
#endif
using Regex = boost::basic_regex<char, Traits>;
using Match = boost::match_results<const char*>;

constexpr size_t kMaxSearchedBytes = std::numeric_limits<int32_t>::max();

}  // namespace

struct 正则表达式::Compiled {
  Regex regex;
};

正则表达式::正则表达式() = default;
正则表达式::~正则表达式() = default;
正则表达式::正则表达式(正则表达式&&) noexcept = default;
正则表达式& 正则表达式::operator=(正则表达式&&) noexcept = default;

bool 正则表达式::create(const Text& patternText, bool caseSensitive) {
  if (patternText.empty()) return false;
  try {
    auto compiled = std::make_unique<Compiled>();
    boost::regex_constants::syntax_option_type syntax = boost::regex_constants::perl;
    if (!caseSensitive) syntax |= boost::regex_constants::icase;
    compiled->regex.assign(patternText.data(), patternText.data() + patternText.size(), syntax);
    compiled_ = std::move(compiled);
    return true;
  } catch (...) {
    return false;
  }
}

ResultList 正则表达式::searchAll(Bytes text) const {
  ResultList results;
  if (!compiled_ || text.empty()) return results;

  auto flags = boost::match_default | boost::format_all;
  if (multiLine_ == 0) flags |= boost::match_single_line;

  const char* const base = text.data();
  const char* const end = base + std::min(text.size(), kMaxSearchedBytes);
  const char* from = base;
  Match match;
  for (;;) {
    // A fresh search from each match's end, with that place taken as the
    // start of the text: neither match_prev_avail nor match_not_bol.
    bool found;
    try {
      found = boost::regex_search(from, end, match, compiled_->regex, flags);
    } catch (...) {
      break;  // the engine gave up (work, memory or stack); what was found stands
    }
    if (!found) break;
    // Outside the engine's guard: running out of memory here is the caller's to know.
    搜索结果 result;
    result.spans.resize(match.size());
    for (size_t k = 0; k < match.size(); ++k) {
      MatchSpan& span = result.spans[k];
      span.matched = match[k].matched;
      if (span.matched) {
        span.offset = static_cast<int32_t>(match[k].first - base);
        span.length = static_cast<int32_t>(match[k].second - match[k].first);
      }
    }
    results.push_back(std::move(result));
    // Searching on from an empty match would find it again.
    if (match[0].first == match[0].second) break;
    from = match[0].second;
  }
  return results;
}

Text 正则表达式::matchText(const 搜索结果& result, Bytes text, int32_t* startOut) const {
  if (result.spans.empty() || !result.spans[0].matched) return Text();
  const MatchSpan& whole = result.spans[0];
  if (startOut) *startOut = whole.offset;
  if (whole.offset < 0 || static_cast<size_t>(whole.offset) >= text.size() || whole.length <= 0)
    return Text();
  return Text(text.substr(static_cast<size_t>(whole.offset), static_cast<size_t>(whole.length)));
}

Text 正则表达式::replace(Bytes text, const Text& replacement, int32_t start,
                         std::optional<int32_t> count, bool copyUnmatched,
                         bool replaceAll) const {
  const int64_t length = static_cast<int64_t>(text.size());
  const int64_t first = start;
  const int64_t bytes = count ? *count : length - first + 1;
  if (first < 1 || first > length || first + bytes > length + 1) return Text();
  if (!compiled_ || bytes <= 0) return Text();

  auto flags = boost::match_default | boost::format_all;
  if (multiLine_ == 0) flags |= boost::match_single_line;
  if (!copyUnmatched) flags |= boost::format_no_copy;
  if (!replaceAll) flags |= boost::format_first_only;

  const char* rangeBegin = text.data() + (first - 1);
  try {
    Text out;
    boost::regex_replace(std::back_inserter(out), rangeBegin, rangeBegin + bytes,
                         compiled_->regex, replacement, flags);
    return out;
  } catch (...) {
    return Text();
  }
}
