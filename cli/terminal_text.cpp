#include "cli/terminal_text.h"

#ifdef _WIN32

Text toTerminalText(const Text& gbk) { return gbk; }

#else

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <cstring>

namespace {

// A terminal said to be ASCII is nearly always a UTF-8 one in a bare
// environment (LANG unset); UTF-8 keeps the Chinese readable there.
const char* terminalEncoding() {
  const char* codeset = nl_langinfo(CODESET);
  if (!codeset || !*codeset || std::strcmp(codeset, "ANSI_X3.4-1968") == 0) return "UTF-8";
  return codeset;
}

Text withUnixLineEnds(const Text& text) {
  Text out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

}  // namespace

Text toTerminalText(const Text& gbk) {
  const Text in = withUnixLineEnds(gbk);
  iconv_t cd = iconv_open(terminalEncoding(), "GBK");
  if (cd == reinterpret_cast<iconv_t>(-1)) return in;

  Text out(in.size() * 4 + 16, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  while (srcLeft > 0) {
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
    if (errno == E2BIG || dstLeft == 0) break;
    // A byte that is not GBK, or has no form in the terminal's encoding.
    ++src;
    --srcLeft;
    *dst++ = '?';
    --dstLeft;
  }
  iconv_close(cd);
  out.resize(out.size() - dstLeft);
  return out;
}

#endif
