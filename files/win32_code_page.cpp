#include "files/code_page.h"

#include <windows.h>

#include <string>

Text ansiFromUnicode(Bytes unicode, TextEncoding encoding) {
  std::wstring wide;
  if (encoding == TextEncoding::Utf8) {
    const int units = MultiByteToWideChar(CP_UTF8, 0, unicode.data(), static_cast<int>(unicode.size()), nullptr, 0);
    wide.resize(static_cast<size_t>(units));
    MultiByteToWideChar(CP_UTF8, 0, unicode.data(), static_cast<int>(unicode.size()), wide.data(), units);
  } else if (encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE) {
    wide.resize(unicode.size() / 2);
    for (size_t i = 0; i < wide.size(); ++i) {
      const auto a = static_cast<unsigned char>(unicode[2 * i]), b = static_cast<unsigned char>(unicode[2 * i + 1]);
      wide[i] = static_cast<wchar_t>(encoding == TextEncoding::Utf16LE ? b << 8 | a : a << 8 | b);
    }
  } else {
    return Text(unicode);
  }
  // A text ends at its first zero, as a file without a mark does.
  wide.resize(std::min(wide.size(), wide.find(L'\0')));
  if (wide.empty()) return Text();
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, "?", nullptr);
  Text ansi(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), bytes, "?", nullptr);
  return ansi;
}

Text localeFromAnsi(Bytes ansi) { return Text(ansi); }
