#include <gtest/gtest.h>

#include "conversion/dropped_file.h"
#include "encoding/download_link.h"
#include "support/fake_files.h"
#include "support/recording_window.h"

namespace {

using C = ControlName;

const Text kList = "C:\\docs\\list.txt";
const Text kSaved = "C:\\docs\\转换-list.txt";
const Text kAddress = "http://a.test/1.rar";
const Text kLine = buildDownloadLink(LinkFormat::Thunder, kAddress) + "\r\n";

// The run's own calls, between loading the input and the saving step.
const std::vector<std::string> kConversion = {
    "getText 编辑框3", "setText 编辑框_已转换内容", "isChecked 单选框1", "getText 编辑框_待转换内容",
    "isChecked 单选框_迅雷格式", "appendText 编辑框_已转换内容", "setText 标签_信息"};
const std::vector<std::string> kTooLittle = {
    "getText 编辑框3", "setText 编辑框_已转换内容", "isChecked 单选框1", "getText 编辑框_待转换内容",
    "showMessage 阁下这也叫批量转换？貌似要转换的内容太少了吧？请别忽悠我！！！", "setText 标签_信息"};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct Case {
  const char* what;
  std::set<ControlName> options;
  Text dropped;
  std::map<Text, Text> files;
  std::vector<std::string> trace;
  Text saved;  // what the saved copy holds; empty for none
};

const std::set<ControlName> kDesign = {C::单选框1, C::单选框_迅雷格式, C::选择框_自动拖放转换,
                                       C::单选框_转换后自动另存文件};
std::set<ControlName> with(std::set<ControlName> on, ControlName more) {
  on.insert(more);
  return on;
}
std::set<ControlName> without(std::set<ControlName> on, ControlName less) {
  on.erase(less);
  return on;
}

TEST(AcceptDroppedFile, StepsInOrder) {
  const std::vector<std::string> start = {"setText 编辑框_待转换内容", "setText 编辑框_已转换内容",
                                          "isChecked 选择框_自动拖放转换"};
  const Case cases[] = {
      {"auto-convert off: both boxes cleared, nothing else", without(kDesign, C::选择框_自动拖放转换),
       kList, {{kList, kAddress}}, start, ""},
      {"all three options on", with(kDesign, C::选择框_转换后自动复制到剪贴版), kList, {{kList, kAddress}},
       start + std::vector<std::string>{"open " + kList, "read", "setText 编辑框_待转换内容"} + kConversion +
           std::vector<std::string>{"isChecked 单选框_转换后自动另存文件", "getText 编辑框_已转换内容",
                                    "write " + kSaved, "close", "isChecked 选择框_转换后自动复制到剪贴版",
                                    "selectAllAndCopy 编辑框_已转换内容"},
       kLine},
      {"saving on, but no address: nothing is saved", kDesign, kList, {{kList, "没有地址的一行文字而已"}},
       start + std::vector<std::string>{"open " + kList, "read", "setText 编辑框_待转换内容",
                                        "getText 编辑框3", "setText 编辑框_已转换内容", "isChecked 单选框1",
                                        "getText 编辑框_待转换内容", "setText 标签_信息",
                                        "isChecked 单选框_转换后自动另存文件", "getText 编辑框_已转换内容",
                                        "close", "isChecked 选择框_转换后自动复制到剪贴版"},
       ""},
      {"copying on, no such file: the copy still runs", with(kDesign, C::选择框_转换后自动复制到剪贴版),
       kList, {},
       start + std::vector<std::string>{"open " + kList, "read", "setText 编辑框_待转换内容"} + kTooLittle +
           std::vector<std::string>{"isChecked 单选框_转换后自动另存文件", "getText 编辑框_已转换内容", "close",
                                    "isChecked 选择框_转换后自动复制到剪贴版",
                                    "selectAllAndCopy 编辑框_已转换内容"},
       ""},
      {"two paths name no file", kDesign, "C:\\a.txt\r\nC:\\b.txt\r\n",
       {{"C:\\a.txt", kAddress}, {"C:\\b.txt", kAddress}},
       start + std::vector<std::string>{"open C:\\a.txt\r\nC:\\b.txt\r\n", "read", "setText 编辑框_待转换内容"} +
           kTooLittle +
           std::vector<std::string>{"isChecked 单选框_转换后自动另存文件", "getText 编辑框_已转换内容", "close",
                                    "isChecked 选择框_转换后自动复制到剪贴版"},
       ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> trace;
    RecordingWindow window;
    window.select(c.options);
    window.texts[C::编辑框_待转换内容] = "left from before";
    window.texts[C::编辑框_已转换内容] = "left from before";
    window.trace = &trace;
    FakeFiles files;
    files.files = c.files;
    files.trace = &trace;

    acceptDroppedFile(window, files, c.dropped);

    EXPECT_EQ(trace, c.trace) << c.what;
    EXPECT_EQ(files.openCount(), 0u) << c.what;
    const auto saved = files.files.find(kSaved);
    EXPECT_EQ(saved == files.files.end() ? Text() : saved->second, c.saved) << c.what;
    if (!c.saved.empty()) {
      EXPECT_EQ(window.output(), c.saved) << c.what;
    }
  }
}

TEST(AcceptDroppedFile, LoadsTheFileAsTheInput) {
  const struct {
    const char* what;
    Text content;
    Text input;
  } cases[] = {
      {"bytes as they are", "下载：" + kAddress + "\r\n", "下载：" + kAddress + "\r\n"},
      {"up to the first zero byte", kAddress + Text("\0http://b.test/2.rar", 20), kAddress},
      {"an empty file", "", ""},
      {"a zero byte first", Text("\0http://b.test/2.rar", 20), ""},
      {"UTF-8 with its mark", "\xEF\xBB\xBF" + kAddress + " \xE4\xB8\x8B", kAddress + " ?"},
      {"UTF-16 LE with its mark", Text("\xFF\xFEh\0t\0t\0p\0:\0/\0/\0x\0\x0Bu", 20), "http://x?"},
      {"UTF-16 BE with its mark", Text("\xFE\xFF\0h\0t\0t\0p\0:\0/\0/\0x", 18), "http://x"},
  };
  for (const auto& c : cases) {
    RecordingWindow window;
    FakeFiles files;
    files.files[kList] = c.content;
    acceptDroppedFile(window, files, kList);
    EXPECT_EQ(window.texts[C::编辑框_待转换内容], c.input) << c.what;
  }
}

TEST(AcceptDroppedFile, AFailedSaveIsReportedAndTheDropGoesOn) {
  RecordingWindow window;
  window.select(with(kDesign, C::选择框_转换后自动复制到剪贴版));
  FakeFiles files;
  files.files[kList] = kAddress;
  files.unwritable.insert(kSaved);
  acceptDroppedFile(window, files, kList);
  EXPECT_EQ(window.messages(), std::vector<Text>{"无法保存转换结果：" + kSaved});
  EXPECT_EQ(files.openCount(), 0u);
  EXPECT_EQ(window.count(Call::SelectAllAndCopy, C::编辑框_已转换内容), 1u);
}

TEST(AcceptDroppedFile, ASecondDropStartsAfresh) {
  RecordingWindow window;
  FakeFiles files;
  files.files[kList] = kAddress;
  files.files["C:\\docs\\two.txt"] = "http://b.test/2.rar";
  acceptDroppedFile(window, files, kList);
  acceptDroppedFile(window, files, "C:\\docs\\two.txt");
  EXPECT_EQ(window.output(), buildDownloadLink(LinkFormat::Thunder, "http://b.test/2.rar") + "\r\n");
  EXPECT_EQ(files.files[kSaved], kLine);
  EXPECT_EQ(files.files["C:\\docs\\转换-two.txt"], window.output());
}

TEST(SavedCopyPath, BesideTheDroppedFile) {
  const struct {
    Text dropped, saved;
  } cases[] = {
      {"C:\\docs\\list.txt", "C:\\docs\\转换-list.txt"},
      {"C:\\list.txt", "C:\\转换-list.txt"},
      {"D:\\下载\\地址.txt", "D:\\下载\\转换-地址.txt"},
      {"D:\\淺.txt", "D:\\转换-淺.txt"},  // 淺 is 9C 5C: its 5C is no backslash
      {"D:\\a\\淺\\b.txt", "D:\\a\\淺\\转换-b.txt"},
      {"list.txt", "转换-list.txt"},
      {"C:\\docs\\", "C:\\docs\\转换-"},
      {"\\\\server\\share\\folder\\list.txt", "\\\\server\\share\\folder\\转换-list.txt"},
      {"C:\\docs/list.txt", "C:\\转换-docs/list.txt"},  // a drop separates with "\" only
      {"", "转换-"},
  };
  for (const auto& c : cases) EXPECT_EQ(savedCopyPath(c.dropped), c.saved) << c.dropped;
  EXPECT_EQ(savedCopyPath("C:\\docs/list.txt", kWindowsCommandLinePaths), "C:\\docs/转换-list.txt");
  // UTF-8 names: continuation bytes never pair with a "/".
  EXPECT_EQ(savedCopyPath("/home/\xE4\xB8\x8B/list.txt", kPosixPaths),
            "/home/\xE4\xB8\x8B/\xE8\xBD\xAC\xE6\x8D\xA2-list.txt");
  EXPECT_EQ(savedCopyPath("\xE4\xB8\x8B/x", kPosixPaths), "\xE4\xB8\x8B/\xE8\xBD\xAC\xE6\x8D\xA2-x");
}

}  // namespace
