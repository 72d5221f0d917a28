#pragma once
// The two byte-string types every layer speaks.
#include <string>
#include <string_view>

// A Text holds bytes of the ANSI code page (GBK on the target). Its length is
// its byte count; a double-byte character counts 2. Empty and absent are one value.
using Text = std::string;

// Bytes are a borrowed run of bytes with an explicit length, such as a Text
// without its terminator, or a slice of one.
using Bytes = std::string_view;
