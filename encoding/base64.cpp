#include "encoding/base64.h"

namespace {

constexpr char kAlphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

Text base64EncodeBytes(Bytes bytes) {
  const size_t n = bytes.size();
  Text out((n + 2) / 3 * 4, '=');
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  char* o = out.data();

  size_t i = 0;
  for (; i + 3 <= n; i += 3, o += 4) {
    const unsigned group = unsigned{in[i]} << 16 | unsigned{in[i + 1]} << 8 | in[i + 2];
    o[0] = kAlphabet[group >> 18];
    o[1] = kAlphabet[group >> 12 & 0x3F];
    o[2] = kAlphabet[group >> 6 & 0x3F];
    o[3] = kAlphabet[group & 0x3F];
  }

  // The last one or two bytes are encoded as if zero bytes followed them;
  // the characters that stand only for those stay "=".
  const size_t rest = n - i;
  if (rest > 0) {
    const unsigned group = unsigned{in[i]} << 16 | (rest == 2 ? unsigned{in[i + 1]} << 8 : 0u);
    o[0] = kAlphabet[group >> 18];
    o[1] = kAlphabet[group >> 12 & 0x3F];
    if (rest == 2) o[2] = kAlphabet[group >> 6 & 0x3F];
  }
  return out;
}
