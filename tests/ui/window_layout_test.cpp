// The window as first shown, read back from the real windows.
#include <gtest/gtest.h>

#include <string>

#include "support/window_fixture.h"

namespace {

using C = ControlName;
constexpr C kMain = C::标签_信息;  // stands for "the Main window" in the parent column below

struct Expected {
  C name;
  const char* className;
  C parent;
  int left, top, width, height;
  const char* text;
  DWORD style;     // bits that must be set, the BS_ type included
  int check;       // BST_CHECKED or BST_UNCHECKED; -1 where there is none
  bool tabStop;
};

constexpr DWORD kRadio = BS_AUTORADIOBUTTON | BS_MULTILINE | BS_LEFT | BS_VCENTER;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER;
constexpr DWORD kMultiLine = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;

const Expected kExpected[] = {
    {C::分组框3, "Button", kMain, 16, -4, 328, 32, "", BS_GROUPBOX | BS_LEFT, -1, false},
    {C::单选框1, "Button", C::分组框3, 8, 11, 104, 16, "http://方式", kRadio, BST_CHECKED, true},
    {C::单选框2, "Button", C::分组框3, 112, 11, 88, 16, "ftp://方式", kRadio, BST_UNCHECKED, true},
    {C::选择框_自动拖放转换, "Button", C::分组框3, 218, 11, 104, 16, "自动拖放转换", kCheck, BST_CHECKED, true},
    {C::分组框2, "Button", kMain, 391, -6, 328, 32, "", BS_GROUPBOX | BS_LEFT, -1, false},
    {C::单选框_转换后自动另存文件, "Button", C::分组框2, 8, 13, 136, 16, "转换后自动另存文件", kRadio, BST_CHECKED, true},
    {C::选择框_转换后自动复制到剪贴版, "Button", C::分组框2, 152, 12, 152, 16, "转换后自动复制到剪贴版", kCheck, BST_UNCHECKED, true},
    {C::编辑框_待转换内容, "Edit", kMain, 8, 29, 720, 176, "", kMultiLine, -1, true},
    {C::标签_加密为, "QuenlithLabel", kMain, 16, 206, 56, 24, "加密为:", 0, -1, false},
    {C::分组框1, "Button", kMain, 80, 200, 640, 32, "", BS_GROUPBOX | BS_LEFT, -1, false},
    {C::单选框_迅雷格式, "Button", C::分组框1, 8, 12, 77, 16, "迅雷格式", kRadio, BST_CHECKED, true},
    {C::单选框_快车格式, "Button", C::分组框1, 101, 12, 77, 16, "快车格式", kRadio, BST_UNCHECKED, true},
    {C::单选框_旋风格式, "Button", C::分组框1, 189, 12, 77, 16, "旋风格式", kRadio, BST_UNCHECKED, true},
    {C::编辑框_已转换内容, "Edit", kMain, 8, 232, 720, 153, "", kMultiLine, -1, true},
    {C::标签1, "QuenlithLabel", kMain, 16, 392, 344, 24,
     "下载地址前标记:(,就是每行http://前面的内容,如没有请留空)", 0, -1, false},
    {C::编辑框3, "Edit", kMain, 16, 418, 224, 24, "", ES_AUTOHSCROLL, -1, true},
    {C::超级链接框1, "QuenlithHyperlink", kMain, 256, 421, 96, 21, "http://qlt.test", 0, -1, false},
    {C::按钮1, "Button", kMain, 361, 400, 160, 64, "转换",
     BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, -1, true},
    {C::标签2, "QuenlithLabel", kMain, 528, 403, 195, 90,
     "作者：Quenlith 开发组\r\n联系：team@qlt.test\r\n网站：http://qlt.test", 0, -1, false},
    {C::标签_信息, "QuenlithLabel", kMain, 8, 456, 280, 16, "http://qlt.test", 0, -1, false},
};

std::string windowText(HWND hwnd) {
  char text[512] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

std::string className(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

class WindowLayout : public WindowTest {};

TEST_F(WindowLayout, EveryControlAsDesigned) {
  for (const Expected& e : kExpected) {
    SCOPED_TRACE(e.text);
    HWND control = hwnd(e.name);
    ASSERT_NE(control, nullptr);
    HWND parent = e.parent == kMain ? window().hwnd : hwnd(e.parent);
    EXPECT_EQ(GetParent(control), parent);
    EXPECT_EQ(GetDlgCtrlID(control) == IDOK || GetDlgCtrlID(control) == IDCANCEL, false);
    EXPECT_STREQ(className(control).c_str(), e.className);

    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, e.left);
    EXPECT_EQ(r.top, e.top);
    EXPECT_EQ(r.right - r.left, e.width);
    EXPECT_EQ(r.bottom - r.top, e.height);
    EXPECT_EQ(windowText(control), e.text);

    const DWORD style = GetWindowLongA(control, GWL_STYLE);
    const DWORD exStyle = GetWindowLongA(control, GWL_EXSTYLE);
    EXPECT_EQ(style & e.style, e.style);
    if (std::string(e.className) == "Button") {
      EXPECT_EQ(style & BS_TYPEMASK, e.style & BS_TYPEMASK);
      EXPECT_EQ(static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0)),
                e.check < 0 ? BST_UNCHECKED : e.check);
    }
    if (std::string(e.className) == "Edit") {
      EXPECT_TRUE(exStyle & WS_EX_CLIENTEDGE);
      EXPECT_FALSE(style & (ES_READONLY | ES_PASSWORD | ES_UPPERCASE | ES_LOWERCASE | ES_NOHIDESEL));
      if (style & ES_MULTILINE) {
        EXPECT_FALSE(style & ES_AUTOHSCROLL);
      }
      EXPECT_GE(static_cast<unsigned>(SendMessageA(control, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
    }
    EXPECT_EQ((style & WS_TABSTOP) != 0, e.tabStop);
    EXPECT_FALSE(style & WS_GROUP);
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_TRUE(IsWindowEnabled(control));

    const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (e.name == C::按钮1) {
      LOGFONTA lf = {};
      ASSERT_TRUE(GetObjectA(font, sizeof lf, &lf));
      EXPECT_EQ(lf.lfHeight, -24);
      EXPECT_EQ(lf.lfWeight, 400);
      EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
      EXPECT_STREQ(lf.lfFaceName, "宋体");
    } else {
      EXPECT_EQ(font, GetStockObject(DEFAULT_GUI_FONT));
    }
  }
}

TEST_F(WindowLayout, MainWindowFrameSizeAndPlace) {
  HWND main = window().hwnd;
  EXPECT_EQ(windowText(main), "Quenlithv1.0       http://qlt.test Quenlith工作室");
  RECT r;
  GetWindowRect(main, &r);
  EXPECT_EQ(r.right - r.left, 740);
  EXPECT_EQ(r.bottom - r.top, 522);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 740) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 522) / 2);

  const DWORD style = GetWindowLongA(main, GWL_STYLE);
  const DWORD wanted = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  EXPECT_EQ(style & wanted, wanted);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX));
  EXPECT_EQ(GetWindowLongA(main, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0u);
  EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowVisible(main));

  char name[64] = {};
  GetClassNameA(main, name, sizeof name);
  WNDCLASSA wc = {};
  ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), name, &wc));
  EXPECT_EQ(wc.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
  EXPECT_EQ(wc.hbrBackground, nullptr);
}

std::vector<HWND> childrenTopmostFirst(HWND parent) {
  std::vector<HWND> children;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  return children;
}

TEST_F(WindowLayout, StackingOrderTopmostFirst) {
  auto handles = [&](std::initializer_list<C> names) {
    std::vector<HWND> out;
    for (C n : names) out.push_back(hwnd(n));
    return out;
  };
  EXPECT_EQ(childrenTopmostFirst(window().hwnd),
            handles({C::标签_加密为, C::超级链接框1, C::标签_信息, C::标签1, C::编辑框3, C::编辑框_已转换内容,
                     C::按钮1, C::编辑框_待转换内容, C::标签2, C::分组框1, C::分组框2, C::分组框3}));
  EXPECT_EQ(childrenTopmostFirst(hwnd(C::分组框3)), handles({C::选择框_自动拖放转换, C::单选框2, C::单选框1}));
  EXPECT_EQ(childrenTopmostFirst(hwnd(C::分组框2)),
            handles({C::选择框_转换后自动复制到剪贴版, C::单选框_转换后自动另存文件}));
  EXPECT_EQ(childrenTopmostFirst(hwnd(C::分组框1)),
            handles({C::单选框_旋风格式, C::单选框_快车格式, C::单选框_迅雷格式}));
}

TEST_F(WindowLayout, LabelsKeepTheirCaptionAndColour) {
  EXPECT_EQ(controls().getText(C::标签_信息), "http://qlt.test");
  controls().setText(C::标签_信息, "大功告成，已转换3条");
  EXPECT_EQ(controls().getText(C::标签_信息), "大功告成，已转换3条");
  EXPECT_EQ(windowText(hwnd(C::标签_信息)), "大功告成，已转换3条");
}

}  // namespace
