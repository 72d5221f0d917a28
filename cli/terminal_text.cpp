#include "cli/terminal_text.h"

#ifdef _WIN32

Text toTerminalText(const Text& gbk) { return gbk; }

#else

#include <langinfo.h>

#include <cstring>

#include "cli/iconv_text.h"

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
  return convertLossy(withUnixLineEnds(gbk), "GBK", terminalEncoding());
}

#endif
