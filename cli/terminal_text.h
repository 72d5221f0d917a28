#pragma once
#include "encoding/text.h"

// A GBK text as the terminal should see it: on Windows unchanged (the console
// speaks the ANSI code page); elsewhere converted to the locale's encoding,
// with "\r\n" as "\n". Bytes that do not convert become "?".
Text toTerminalText(const Text& gbk);
