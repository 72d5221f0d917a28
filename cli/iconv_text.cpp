#include "cli/iconv_text.h"

#ifndef _WIN32

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace {

// How many bytes a character that cannot be converted takes in the source.
size_t badCharacterLength(Bytes rest, const char* from) {
  if (std::strncmp(from, "UTF-16", 6) == 0) return rest.size() >= 2 ? 2 : rest.size();
  size_t length = 1;
  if (std::strcmp(from, "UTF-8") == 0)
    while (length < rest.size() && (static_cast<unsigned char>(rest[length]) & 0xC0) == 0x80) ++length;
  return length;
}

}  // namespace

Text convertLossy(Bytes in, const char* from, const char* to) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return Text(in);

  Text out;
  out.resize(in.size() * 2 + 16);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  size_t used = 0;
  while (srcLeft > 0) {
    char* dst = out.data() + used;
    size_t dstLeft = out.size() - used;
    const size_t result = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    used = out.size() - dstLeft;
    if (result != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    // EILSEQ or EINVAL: a character the source does not hold or the target cannot.
    const size_t skip = badCharacterLength(Bytes(src, srcLeft), from);
    src += skip;
    srcLeft -= skip;
    if (used == out.size()) out.resize(out.size() * 2);
    out[used++] = '?';
  }
  iconv_close(cd);
  out.resize(used);
  return out;
}

#endif
