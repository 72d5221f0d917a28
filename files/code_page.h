#pragma once
// The system's text (GBK, the ANSI code page) to and from other encodings.
#include "conversion/file_access.h"
#include "encoding/text.h"

// Unicode text in the ANSI code page. What has no form there, or is not
// valid in the source, becomes "?" (one per character). The text ends at
// its first NUL character, as any text in an edit box does.
Text ansiFromUnicode(Bytes unicode, TextEncoding encoding);

// A GBK text in the encoding of the user's terminal: unchanged on Windows,
// whose console speaks the ANSI code page; the locale's encoding elsewhere.
Text localeFromAnsi(Bytes ansi);
