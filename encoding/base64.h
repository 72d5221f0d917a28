#pragma once
#include "encoding/text.h"

// Standard Base64 (RFC 4648, section 4): "=" fill, no line breaks.
Text base64EncodeBytes(Bytes bytes);
