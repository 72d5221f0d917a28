#pragma once
#include "encoding/text.h"

// The private link forms of the three download managers. None stands for
// "no format selected"; it is decided by the caller and never encoded.
enum class LinkFormat { Thunder, FlashGet, Xuanfeng, None };

// The link of one address: the format's prefix, then the Base64 of the
// address's bytes, wrapped first in the format's markers. The address is
// encoded exactly as given: nothing is trimmed, escaped or re-encoded.
// For LinkFormat::None the result is the empty text.
Text buildDownloadLink(LinkFormat format, Bytes address);
