#include "cli/terminal_text.h"

#include "files/code_page.h"

namespace {

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
#ifdef _WIN32
  return gbk;  // the console speaks the ANSI code page, CR LF and all
#else
  return localeFromAnsi(withUnixLineEnds(gbk));
#endif
}
