#include "conversion/run_conversion.h"

#include <optional>

#include "conversion/pattern.h"
#include "encoding/download_link.h"

namespace {

enum class AddressScheme { Http, Ftp, None };

constexpr size_t kMinimumInputLength = 13;
constexpr size_t kMinimumAddressLength = 13;

const Text kNoModeMessage =
    "请先选择待转换的下载地址的方式，如果是http://www.example.com/file/123.rar"
    "请选择http://方式!\r\n如果是ftp://方式请选择ftp://方式";
const Text kTooLittleMessage =
    "阁下这也叫批量转换？貌似要转换的内容太少了吧？请别忽悠我！！！";
const Text kNoFormatMessage = "请选择一中加密方式！！！！";

AddressScheme readAddressScheme(ControlAccess& window) {
  if (window.isChecked(ControlName::单选框1)) return AddressScheme::Http;
  if (window.isChecked(ControlName::单选框2)) return AddressScheme::Ftp;
  return AddressScheme::None;
}

LinkFormat readLinkFormat(ControlAccess& window) {
  if (window.isChecked(ControlName::单选框_迅雷格式)) return LinkFormat::Thunder;
  if (window.isChecked(ControlName::单选框_快车格式)) return LinkFormat::FlashGet;
  if (window.isChecked(ControlName::单选框_旋风格式)) return LinkFormat::Xuanfeng;
  return LinkFormat::None;
}

// The address of one scheme result: from the scheme prefix to the end of the
// match. The scheme's own group is the pattern's last, and the prefix stands
// right before it, so whatever a leading marker matched is left out and
// nothing inside the address is touched. No address when that group took no
// part in the match (a marker with a top-level "|"), or when the marker's
// last byte changed the meaning of the prefix (a trailing backslash).
std::optional<Bytes> addressOf(const 搜索结果& result, Bytes input, Bytes prefix) {
  if (result.spans.size() < 2) return std::nullopt;
  const MatchSpan& whole = result.spans.front();
  const MatchSpan& scheme = result.spans.back();
  if (!whole.matched || !scheme.matched) return std::nullopt;
  const int64_t begin = int64_t{scheme.offset} - static_cast<int64_t>(prefix.size());
  const int64_t end = int64_t{whole.offset} + whole.length;
  if (begin < whole.offset || end > static_cast<int64_t>(input.size())) return std::nullopt;
  const Bytes address = input.substr(static_cast<size_t>(begin), static_cast<size_t>(end - begin));
  if (address.substr(0, prefix.size()) != prefix) return std::nullopt;
  return address;
}

// Output lines are handed to the box in one piece: an edit box pays for
// every insertion. Before a message interrupts the run, what is gathered so
// far is shown, so the user sees the box as it stands at that moment.
class OutputLines {
 public:
  explicit OutputLines(ControlAccess& window) : window_(window) {}
  void add(const Text& link) { pending_.append(link).append("\r\n"); }
  void flush() {
    if (pending_.empty()) return;
    window_.appendText(ControlName::编辑框_已转换内容, std::move(pending_));
    pending_.clear();
  }

 private:
  ControlAccess& window_;
  Text pending_;
};

}  // namespace

void runConversion(ControlAccess& window) {
  const Text marker = window.getText(ControlName::编辑框3);
  window.setText(ControlName::编辑框_已转换内容, Text());

  const AddressScheme scheme = readAddressScheme(window);
  if (scheme == AddressScheme::None) {
    window.showMessage(kNoModeMessage);
    return;
  }

  const Text input = window.getText(ControlName::编辑框_待转换内容);
  if (input.size() < kMinimumInputLength) window.showMessage(kTooLittleMessage);

  // The marker is pattern syntax of the user's, put in front unchanged.
  const Bytes prefix = scheme == AddressScheme::Http ? "http://" : "ftp://";
  正则表达式 schemePattern;
  schemePattern.create(marker + Text(prefix) + "(.*?)$");

  OutputLines output(window);
  Text currentLink;  // a line without a format repeats the link built last
  size_t linksWritten = 0;
  for (const 搜索结果& result : schemePattern.searchAll(input)) {
    const std::optional<Bytes> address = addressOf(result, input, prefix);
    if (!address || address->size() < kMinimumAddressLength) continue;

    const LinkFormat format = readLinkFormat(window);
    if (format == LinkFormat::None) {
      output.flush();
      window.showMessage(kNoFormatMessage);
    } else {
      currentLink = buildDownloadLink(format, *address);
      ++linksWritten;
    }
    output.add(currentLink);
  }
  output.flush();

  window.setText(ControlName::标签_信息,
                 "大功告成，已转换" + std::to_string(linksWritten) + "条");
}
