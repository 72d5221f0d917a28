// The window as a user meets it: clicks, keys and message boxes.
#include <gtest/gtest.h>

#include <string>
#include <cstdlib>
#include <thread>

#include "encoding/download_link.h"
#include "support/message_box_watcher.h"
#include "support/window_fixture.h"
#include "ui/hyperlink.h"

namespace {

using C = ControlName;

class WindowBehaviour : public WindowTest {
 protected:
  int check(C name) { return static_cast<int>(SendMessageA(hwnd(name), BM_GETCHECK, 0, 0)); }
  void click(C name) {
    SendMessageA(hwnd(name), BM_CLICK, 0, 0);
    pump();
  }
};

TEST_F(WindowBehaviour, TheButtonConvertsWithTheDesignStates) {
  controls().setText(C::编辑框_待转换内容, "看这里 http://a.test/1.rar\r\nftp://b.test/2.rar\r\nhttp://c.test/3.rar");
  click(C::按钮1);
  EXPECT_EQ(controls().getText(C::编辑框_已转换内容),
            buildDownloadLink(LinkFormat::Thunder, "http://a.test/1.rar") + "\r\n" +
                buildDownloadLink(LinkFormat::Thunder, "http://c.test/3.rar") + "\r\n");
  EXPECT_EQ(controls().getText(C::标签_信息), "大功告成，已转换2条");
  // What the user typed is still there.
  EXPECT_EQ(controls().getText(C::编辑框_待转换内容),
            "看这里 http://a.test/1.rar\r\nftp://b.test/2.rar\r\nhttp://c.test/3.rar");
}

TEST_F(WindowBehaviour, TheTooLittleMessageIsShownInABox) {
  controls().setText(C::编辑框_待转换内容, "http://abc");
  boxes->clear();
  click(C::按钮1);
  EXPECT_EQ(boxes->seen(), std::vector<std::string>{
                              "阁下这也叫批量转换？貌似要转换的内容太少了吧？请别忽悠我！！！"});
  EXPECT_EQ(controls().getText(C::标签_信息), "大功告成，已转换0条");
}

TEST_F(WindowBehaviour, RadioGroupsExcludeWithinTheirGroupOnly) {
  click(C::单选框2);
  EXPECT_EQ(check(C::单选框2), BST_CHECKED);
  EXPECT_EQ(check(C::单选框1), BST_UNCHECKED);
  EXPECT_EQ(check(C::选择框_自动拖放转换), BST_CHECKED);
  EXPECT_EQ(check(C::单选框_迅雷格式), BST_CHECKED);
  EXPECT_EQ(check(C::单选框_转换后自动另存文件), BST_CHECKED);

  click(C::单选框_旋风格式);
  EXPECT_EQ(check(C::单选框_旋风格式), BST_CHECKED);
  EXPECT_EQ(check(C::单选框_迅雷格式), BST_UNCHECKED);
  EXPECT_EQ(check(C::单选框_快车格式), BST_UNCHECKED);
  EXPECT_EQ(check(C::单选框2), BST_CHECKED);

  click(C::单选框1);
  EXPECT_EQ(check(C::单选框1), BST_CHECKED);
  EXPECT_EQ(check(C::单选框2), BST_UNCHECKED);

  click(C::选择框_自动拖放转换);
  EXPECT_EQ(check(C::选择框_自动拖放转换), BST_UNCHECKED);
  EXPECT_EQ(check(C::单选框1), BST_CHECKED);
}

TEST_F(WindowBehaviour, TheSaveOptionCannotBeCleared) {
  click(C::单选框_转换后自动另存文件);
  click(C::单选框_转换后自动另存文件);
  EXPECT_EQ(check(C::单选框_转换后自动另存文件), BST_CHECKED);
  click(C::选择框_转换后自动复制到剪贴版);
  EXPECT_EQ(check(C::单选框_转换后自动另存文件), BST_CHECKED);
}

TEST_F(WindowBehaviour, EscapeInEachEditBoxClosesTheWindow) {
  for (C box : {C::编辑框_待转换内容, C::编辑框_已转换内容, C::编辑框3}) {
    TearDown();
    SetUp();
    SetFocus(hwnd(box));
    pressKey(hwnd(box), VK_ESCAPE);
    EXPECT_TRUE(closed()) << static_cast<int>(box);
  }
}

TEST_F(WindowBehaviour, EnterInTheMarkerBoxStartsNothing) {
  controls().setText(C::编辑框_待转换内容, "http://a.test/1.rar");
  SetFocus(hwnd(C::编辑框3));
  pressKey(hwnd(C::编辑框3), VK_RETURN);
  typeText(hwnd(C::编辑框3), "\r");
  EXPECT_EQ(controls().getText(C::编辑框_已转换内容), "");
  EXPECT_EQ(controls().getText(C::标签_信息), "http://qlt.test");
  EXPECT_EQ(controls().getText(C::编辑框3), "");
}

TEST_F(WindowBehaviour, TypedTextComesBackWithCrLf) {
  SetFocus(hwnd(C::编辑框_待转换内容));
  typeText(hwnd(C::编辑框_待转换内容), "ab\rcd");
  EXPECT_EQ(controls().getText(C::编辑框_待转换内容), "ab\r\ncd");
}

TEST_F(WindowBehaviour, TabMovesTheFocusAndNeverReachesAnEditBox) {
  HWND input = hwnd(C::编辑框_待转换内容);
  SetFocus(input);
  pressKey(input, VK_TAB);
  EXPECT_EQ(GetFocus(), hwnd(C::单选框_迅雷格式));
  EXPECT_EQ(controls().getText(C::编辑框_待转换内容), "");

  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  pressKey(GetFocus(), VK_TAB);
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(GetFocus(), input);
}

TEST_F(WindowBehaviour, AppendLandsAtTheEndWhereverTheCaretIs) {
  HWND output = hwnd(C::编辑框_已转换内容);
  controls().setText(C::编辑框_已转换内容, "下载一\r\n下载二\r\n");
  SendMessageA(output, EM_SETSEL, 3, 3);
  controls().appendText(C::编辑框_已转换内容, "三\r\n");
  EXPECT_EQ(controls().getText(C::编辑框_已转换内容), "下载一\r\n下载二\r\n三\r\n");
  DWORD start = 0, end = 0;
  SendMessageA(output, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, static_cast<DWORD>(GetWindowTextLengthW(output)));
  // The insertion cannot be undone with the box's undo.
  EXPECT_FALSE(SendMessageA(output, EM_CANUNDO, 0, 0));
}

std::vector<Text> gOpened;
bool gOpenSucceeds = true;
bool fakeOpener(const Text& address) {
  gOpened.push_back(address);
  return gOpenSucceeds;
}

TEST_F(WindowBehaviour, TheHyperlinkOpensItsTargetAndShowsItWasVisited) {
  HWND link = hwnd(C::超级链接框1);
  setUrlOpener(fakeOpener);
  gOpened.clear();
  EXPECT_EQ(hyperlinkTextColour(link), RGB(0, 0, 255));

  SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(hyperlinkTextColour(link), RGB(10, 36, 106));
  EXPECT_EQ(GetCapture(), link);
  gOpenSucceeds = true;
  SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(gOpened, std::vector<Text>{"http://qlt.test"});
  SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(hyperlinkTextColour(link), RGB(128, 0, 0));

  // A target that cannot be opened loses the visited colour.
  gOpenSucceeds = false;
  SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
  EXPECT_EQ(hyperlinkTextColour(link), RGB(0, 0, 255));
  setUrlOpener(nullptr);
}

TEST(WindowWithoutOle, WorksForPastedTextWhenTheDropTargetCannotRegister) {
  // A thread without OLE: RegisterDragDrop fails there.
  Text output;
  std::thread([&] {
    auto window = loadMainWindow(GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    window->controls.setText(C::编辑框_待转换内容, "http://a.test/1.rar");
    SendMessageA(window->controls.handle(C::按钮1), BM_CLICK, 0, 0);
    output = window->controls.getText(C::编辑框_已转换内容);
  }).join();
  EXPECT_EQ(output, buildDownloadLink(LinkFormat::Thunder, "http://a.test/1.rar") + "\r\n");
}

std::string windowsPath(const char* unixPath) {
  std::string path = std::string("Z:") + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

// Quenlith.exe started as a user starts it, then closed with Esc.
TEST(Program, EscapeEndsItWithExitCodeZero) {
  const char* unixPath = std::getenv("QUENLITH_EXE");
  ASSERT_NE(unixPath, nullptr) << "QUENLITH_EXE names the program";
  const std::string path = windowsPath(unixPath);

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  UniqueKernelHandle processHandle(process.hProcess), threadHandle(process.hThread);

  HWND main = nullptr;
  for (int i = 0; i < 500 && !main; ++i) {
    for (HWND w = FindWindowA("QuenlithMainWindow", nullptr); w;
         w = FindWindowExA(nullptr, w, "QuenlithMainWindow", nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(w, &owner);
      if (owner == process.dwProcessId && IsWindowVisible(w)) main = w;
    }
    if (!main) Sleep(20);
  }
  ASSERT_NE(main, nullptr) << "the window did not appear";

  HWND input = GetDlgItem(main, controlId(C::编辑框_待转换内容));
  ASSERT_NE(input, nullptr);
  PostMessageA(input, WM_KEYDOWN, VK_ESCAPE, 1);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
}

TEST(Hyperlink, FallsBackOnTheCommandRegisteredForHtmPages) {
  const struct {
    Text registered, commandLine;
  } cases[] = {
      {"\"C:\\b\\browser.exe\" \"%1\" -new", "\"C:\\b\\browser.exe\"  http://qlt.test"},
      {"browser.exe %1", "browser.exe  http://qlt.test"},
      {"browser.exe", "browser.exe http://qlt.test"},
  };
  for (const auto& c : cases) EXPECT_EQ(commandLineFor(c.registered, "http://qlt.test"), c.commandLine);
}

TEST_F(WindowBehaviour, OddPastesConvertAndLeaveTheInputAlone) {
  const Text brokenGbk = "\x81\xFF http://a.test/\x80x.rar\r\n\xFE";
  const struct {
    const char* what;
    Text paste;
    const char* status;
  } cases[] = {
      {"only line breaks", Text(200000, '\n'), "大功告成，已转换0条"},
      {"broken GBK", brokenGbk, "大功告成，已转换1条"},
  };
  for (const auto& c : cases) {
    controls().setText(C::编辑框_待转换内容, c.paste);
    const Text before = controls().getText(C::编辑框_待转换内容);
    boxes->clear();
    click(C::按钮1);
    EXPECT_EQ(controls().getText(C::标签_信息), c.status) << c.what;
    EXPECT_EQ(controls().getText(C::编辑框_待转换内容), before) << c.what;
    EXPECT_TRUE(boxes->seen().empty()) << c.what;
  }
}

TEST(WindowCreation, FailsCleanlyWhenTheClassIsUnknown) {
  // Another module's instance has no such class: creation fails, nothing leaks.
  EXPECT_EQ(loadMainWindow(GetModuleHandleA("kernel32.dll"), nullptr), nullptr);
  EXPECT_EQ(FindWindowA("QuenlithMainWindow", nullptr), nullptr);
}

TEST(Program, RunningOutOfMemoryEndsInTheFatalErrorBox) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string commandLine = std::string("\"") + self + "\" --run-out-of-memory";
  MessageBoxWatcher boxes("Quenlith");
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  UniqueKernelHandle processHandle(process.hProcess), threadHandle(process.hThread);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, static_cast<DWORD>(-1));
  EXPECT_EQ(boxes.seen(), std::vector<std::string>{"内存不足，Quenlith 无法继续运行。"});
}

}  // namespace
