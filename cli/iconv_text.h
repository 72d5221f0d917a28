#pragma once
// Code page conversion through iconv, for the POSIX build.
#include "encoding/text.h"

// in, from one encoding to another. What has no form in the target, or is
// not valid in the source, becomes "?" (one per character).
Text convertLossy(Bytes in, const char* from, const char* to);
