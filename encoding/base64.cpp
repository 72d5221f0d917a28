#include "encoding/base64.h"

namespace {

constexpr char kAlphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

Text base64EncodeBytes(Bytes bytes) {
  const size_t n = bytes.size();
  Text out;
  out.reserve((n + 2) / 3 * 4);

  auto byteAt = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  size_t i = 0;
  for (; i + 3 <= n; i += 3) {
    const unsigned b0 = byteAt(i), b1 = byteAt(i + 1), b2 = byteAt(i + 2);
    out += kAlphabet[b0 >> 2];
    out += kAlphabet[(b0 & 0x03) << 4 | b1 >> 4];
    out += kAlphabet[(b1 & 0x0F) << 2 | b2 >> 6];
    out += kAlphabet[b2 & 0x3F];
  }

  // The last one or two bytes are encoded as if zero bytes followed them,
  // then the characters that stand only for the fill become "=".
  const size_t rest = n - i;
  if (rest > 0) {
    const unsigned b0 = byteAt(i);
    const unsigned b1 = rest == 2 ? byteAt(i + 1) : 0;
    out += kAlphabet[b0 >> 2];
    out += kAlphabet[(b0 & 0x03) << 4 | b1 >> 4];
    out += rest == 2 ? kAlphabet[(b1 & 0x0F) << 2] : '=';
    out += '=';
  }
  return out;
}
