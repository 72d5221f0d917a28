#include "files/code_page.h"

#include <iconv.h>
#include <langinfo.h>

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

// in, from one encoding to another. What has no form in the target, or is
// not valid in the source, becomes "?" (one per character).
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

// A terminal said to be ASCII is nearly always a UTF-8 one in a bare
// environment (LANG unset); UTF-8 keeps the Chinese readable there.
const char* terminalEncoding() {
  const char* codeset = nl_langinfo(CODESET);
  if (!codeset || !*codeset || std::strcmp(codeset, "ANSI_X3.4-1968") == 0) return "UTF-8";
  return codeset;
}

}  // namespace

Text ansiFromUnicode(Bytes unicode, TextEncoding encoding) {
  const char* from = encoding == TextEncoding::Utf8      ? "UTF-8"
                     : encoding == TextEncoding::Utf16LE ? "UTF-16LE"
                     : encoding == TextEncoding::Utf16BE ? "UTF-16BE"
                                                         : nullptr;
  if (!from) return Text(unicode);
  Text ansi = convertLossy(unicode, from, "GBK");
  ansi.resize(std::min(ansi.size(), ansi.find('\0')));  // a text ends at its first zero
  return ansi;
}

Text localeFromAnsi(Bytes ansi) { return convertLossy(ansi, "GBK", terminalEncoding()); }
