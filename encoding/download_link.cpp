#include "encoding/download_link.h"

#include "encoding/base64.h"

namespace {

Text wrapped(Bytes front, Bytes address, Bytes back) {
  Text text;
  text.reserve(front.size() + address.size() + back.size());
  text.append(front).append(address).append(back);
  return text;
}

}  // namespace

Text buildDownloadLink(LinkFormat format, Bytes address) {
  switch (format) {
    case LinkFormat::Thunder:
      return "thunder://" + base64EncodeBytes(wrapped("AA", address, "ZZ"));
    case LinkFormat::FlashGet:
      return "Flashget://" + base64EncodeBytes(wrapped("[FLASHGET]", address, "[FLASHGET]"));
    case LinkFormat::Xuanfeng:
      return "qqdl://" + base64EncodeBytes(address);
    case LinkFormat::None:
      break;
  }
  return Text();
}
