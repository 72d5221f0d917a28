#include <gtest/gtest.h>

#include "conversion/run_conversion.h"
#include "encoding/download_link.h"
#include "support/recording_window.h"

namespace {

using C = ControlName;

const Text kTooLittle = "阁下这也叫批量转换？貌似要转换的内容太少了吧？请别忽悠我！！！";
const Text kNoFormat = "请选择一中加密方式！！！！";

Text thunder(const Text& address) { return buildDownloadLink(LinkFormat::Thunder, address); }
Text status(int count) { return "大功告成，已转换" + std::to_string(count) + "条"; }

struct WorkedCase {
  Text input;
  Text marker;
  bool ftp;
  Text output;
  std::vector<Text> messages;
  int count;
};

TEST(RunConversion, WorkedInputs) {
  const WorkedCase cases[] = {
      {"http://abcdef", "", false, thunder("http://abcdef") + "\r\n", {}, 1},
      {"http://abcde", "", false, "", {kTooLittle}, 0},  // too short to convert
      {"ftp://abcdefg", "", true, thunder("ftp://abcdefg") + "\r\n", {}, 1},
      {"ftp://abcdef", "", true, "", {kTooLittle}, 0},
      {"HTTP://abcdefgh", "", false, "", {}, 0},
      {"https://abcdefgh", "", false, "", {}, 0},
      {"sftp://abcdefgh", "", true, thunder("ftp://abcdefgh") + "\r\n", {}, 1},
      {"地址：http://abcdef", "地址：", false, thunder("http://abcdef") + "\r\n", {}, 1},
      {"http://abcdef", "地址：", false, "", {}, 0},
      // The marker is cut from the front only, and each match yields one line.
      {"bhttp://abcdefgh", "b", false, thunder("http://abcdefgh") + "\r\n", {}, 1},
      // Two addresses on one line are one address, to the line's end.
      {"http://a/1.rar http://b/2.rar", "", false, thunder("http://a/1.rar http://b/2.rar") + "\r\n", {}, 1},
      {"", "", false, "", {kTooLittle}, 0},
      {"x http://ab", "", false, "", {kTooLittle}, 0},
  };
  for (const WorkedCase& c : cases) {
    RecordingWindow window;
    window.input(c.input).marker(c.marker);
    if (c.ftp) window.checked = {C::单选框2, C::单选框_迅雷格式};
    runConversion(window);
    EXPECT_EQ(window.output(), c.output) << c.input << " / " << c.marker;
    EXPECT_EQ(window.messages(), c.messages) << c.input << " / " << c.marker;
    EXPECT_EQ(window.status(), status(c.count)) << c.input << " / " << c.marker;
  }
}

TEST(RunConversion, EachFormatInEachPassAndScheme) {
  const struct {
    ControlName radio;
    LinkFormat format;
  } formats[] = {{C::单选框_迅雷格式, LinkFormat::Thunder},
                 {C::单选框_快车格式, LinkFormat::FlashGet},
                 {C::单选框_旋风格式, LinkFormat::Xuanfeng}};
  for (const auto& f : formats) {
    for (const bool ftp : {false, true}) {
      for (const Text marker : {"", "下载："}) {
        const Text address = ftp ? "ftp://host/下载/a.rar" : "http://host/下载/a.rar";
        RecordingWindow window;
        window.input("标题\r\n" + marker + address + "\r\n尾").marker(marker);
        window.checked = {ftp ? C::单选框2 : C::单选框1, f.radio};
        runConversion(window);
        EXPECT_EQ(window.output(), buildDownloadLink(f.format, address) + "\r\n")
            << address << " after '" << marker << "'";
      }
    }
  }
}

TEST(RunConversion, ReadsInOrderAndWritesTheLinesInOnePiece) {
  RecordingWindow window;
  window.input("a http://a/1.rar\r\nhttp://b/2.rar\r\n");
  runConversion(window);
  const std::vector<Call> expected = {
      {Call::GetText, C::编辑框3, ""},
      {Call::SetText, C::编辑框_已转换内容, ""},
      {Call::IsChecked, C::单选框1, ""},
      {Call::GetText, C::编辑框_待转换内容, ""},
      {Call::IsChecked, C::单选框_迅雷格式, ""},
      {Call::IsChecked, C::单选框_迅雷格式, ""},
      {Call::AppendText, C::编辑框_已转换内容,
       thunder("http://a/1.rar") + "\r\n" + thunder("http://b/2.rar") + "\r\n"},
      {Call::SetText, C::标签_信息, status(2)},
  };
  EXPECT_EQ(window.calls, expected);
}

TEST(RunConversion, ClearsTheOutputEvenWhenNoSchemeIsSelected) {
  RecordingWindow window;
  window.input("http://abcdefgh").select({C::单选框_迅雷格式});
  window.texts[C::编辑框_已转换内容] = "old";
  window.texts[C::标签_信息] = "before";
  runConversion(window);
  EXPECT_EQ(window.output(), "");
  EXPECT_EQ(window.status(), "before");
  EXPECT_EQ(window.messages(),
            std::vector<Text>{"请先选择待转换的下载地址的方式，如果是http://www.example.com/"
                              "file/123.rar请选择http://方式!\r\n如果是ftp://方式请选择ftp://方式"});
  EXPECT_EQ(window.count(Call::GetText, C::编辑框_待转换内容), 0u);
}

TEST(RunConversion, HttpWinsWhenBothSchemesReportSelected) {
  RecordingWindow window;
  window.input("ftp://abcdefgh\r\nhttp://abcdefgh").select({C::单选框1, C::单选框2, C::单选框_迅雷格式});
  runConversion(window);
  EXPECT_EQ(window.output(), thunder("http://abcdefgh") + "\r\n");
  EXPECT_EQ(window.count(Call::IsChecked, C::单选框2), 0u);
}

TEST(RunConversion, WithoutAFormatEachAddressShowsTheMessageAndAnEmptyLine) {
  RecordingWindow window;
  window.input("http://a/1.rar\r\nhttp://b/2.rar\r\nhttp://c/3.rar").select({C::单选框1});
  runConversion(window);
  EXPECT_EQ(window.messages(), std::vector<Text>(3, kNoFormat));
  EXPECT_EQ(window.output(), "\r\n\r\n\r\n");
  EXPECT_EQ(window.status(), status(0));
  // What the user sees at each message: the lines written before it.
  std::vector<Call::Kind> order;
  for (const Call& call : window.calls)
    if (call.kind == Call::ShowMessage || call.kind == Call::AppendText) order.push_back(call.kind);
  EXPECT_EQ(order, (std::vector<Call::Kind>{Call::ShowMessage, Call::AppendText, Call::ShowMessage,
                                            Call::AppendText, Call::ShowMessage, Call::AppendText}));
}

TEST(RunConversion, MarkerPassTakesOnlyAddressesRightAfterTheMarker) {
  RecordingWindow window;
  window.input("下载：http://a/1.rar\r\n看 http://b/2.rar\r\n下载：ftp://c/3.rar\r\n下载：http://d/4.rar")
      .marker("下载：");
  runConversion(window);
  EXPECT_EQ(window.output(), thunder("http://a/1.rar") + "\r\n" + thunder("http://d/4.rar") + "\r\n");
  EXPECT_EQ(window.status(), status(2));
  EXPECT_EQ(window.count(Call::GetText, C::编辑框3), 1u);
}

TEST(RunConversion, MarkerIsPatternSyntax) {
  const struct {
    Text marker;
    Text output;
  } cases[] = {
      {"\\d+\\. ", thunder("http://a/1.rar") + "\r\n" + thunder("http://b/2.rar") + "\r\n"},
      {"x*", thunder("http://a/1.rar") + "\r\n" + thunder("http://b/2.rar") + "\r\n" +
                 thunder("http://c/3.rar") + "\r\n"},  // can match nothing
      {"(", ""},           // not valid syntax: no line, no message
      {"1\\. |2", ""},     // a top-level "|": the scheme's group may be left out
      {"\\", ""},  // turns the "h" of the prefix into \h: " ttp://" is no address
  };
  for (const auto& c : cases) {
    RecordingWindow window;
    window.input("1. http://a/1.rar\r\n2. http://b/2.rar\r\nhttp://c/3.rar\r\nsee ttp://e/5.rar")
        .marker(c.marker);
    runConversion(window);
    EXPECT_EQ(window.output(), c.output) << c.marker;
    EXPECT_TRUE(window.messages().empty()) << c.marker;
  }
}

}  // namespace
