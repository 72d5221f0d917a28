// Whatever a user pastes or types ends in an outcome, never a crash or a hang.
#include <gtest/gtest.h>

#include "conversion/run_conversion.h"
#include "encoding/download_link.h"
#include "support/recording_window.h"

namespace {

Text status(int count) { return "大功告成，已转换" + std::to_string(count) + "条"; }

struct Case {
  const char* what;
  Text input;
  Text marker;
  Text output;
  int count;
};

TEST(BadInput, EveryPasteEndsInItsOutcome) {
  const Text address = "http://\xFE\xFD\x81/\x80\xFF.rar";
  const Text longLine = "http://" + Text(20 << 20, 'a');
  const Case cases[] = {
      {"only line breaks", Text(4000, '\n'), "", "", 0},
      {"broken GBK around an address", "\x81" + address + "\x81\r\n\xFF", "",
       buildDownloadLink(LinkFormat::Thunder, address + "\x81") + "\r\n", 1},
      {"every high byte", [] {
         Text t;
         for (int round = 0; round < 64; ++round)
           for (int b = 0x80; b <= 0xFF; ++b) t += static_cast<char>(b);
         return t;
       }(), "", "", 0},
      {"a 20 MB line", longLine, "", buildDownloadLink(LinkFormat::Thunder, longLine) + "\r\n", 1},
      {"a marker that is not valid syntax", "[x]http://abcdefgh", "[x", "", 0},
      {"a marker that can match nothing", "http://abcdefgh", "(x?)", 
       buildDownloadLink(LinkFormat::Thunder, "http://abcdefgh") + "\r\n", 1},
      // Boost gives up at its work limit; the run ends with what it had.
      {"a marker that makes the engine give up", Text(5000, 'a') + "http://abcdefgh", "(a*)*b", "", 0},
  };
  for (const Case& c : cases) {
    RecordingWindow window;
    window.input(c.input).marker(c.marker);
    runConversion(window);
    EXPECT_TRUE(window.output() == c.output) << c.what;
    EXPECT_EQ(window.status(), status(c.count)) << c.what;
    EXPECT_TRUE(window.messages().empty()) << c.what;
  }
}

}  // namespace
