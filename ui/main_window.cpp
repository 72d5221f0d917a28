#include "ui/main_window.h"

#include <algorithm>

#include "conversion/run_conversion.h"
#include "ui/fatal_error.h"
#include "ui/label.h"
#include "ui/maker.h"
#include "ui/window_classes.h"

namespace {

constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kIconResource = 1;

MainWindow* windowOf(HWND hwnd) {
  return reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

HFONT guiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

UniqueFont createButtonFont() {
  LOGFONTA font = {};
  font.lfHeight = -24;
  font.lfWeight = 400;
  font.lfCharSet = GB2312_CHARSET;
  font.lfOutPrecision = 3;
  font.lfClipPrecision = 2;
  font.lfQuality = 1;
  font.lfPitchAndFamily = 2;
  lstrcpynA(font.lfFaceName, "宋体", LF_FACESIZE);
  return UniqueFont(CreateFontIndirectA(&font));
}

UniqueIcon loadIcon(HINSTANCE instance, int size) {
  return UniqueIcon(static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(kIconResource), IMAGE_ICON, size, size, 0)));
}

// A single-line box lower than its font's text plus the edges would cut
// the text; such a box grows to fit.
void fitSingleLineHeight(HWND edit, HFONT font, int height) {
  HDC dc = GetDC(edit);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(edit, dc);
  const int needed = metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
  if (height < needed)
    SetWindowPos(edit, nullptr, 0, 0, layoutOf(ControlName::编辑框3).width, needed,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A group box paints only its frame, and the Main window clips its children,
// so nothing would paint a group box's inside: it fills it itself.
WNDPROC gButtonProcedure = nullptr;

LRESULT CALLBACK groupBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) {
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  return CallWindowProcA(gButtonProcedure, hwnd, message, wParam, lParam);
}

HWND createControl(MainWindow& window, HINSTANCE instance, const ControlLayout& layout) {
  HWND hwnd = CreateWindowExA(extendedStyleOf(layout.kind), windowClassOf(layout.kind), layout.text,
                              styleOf(layout), layout.left, layout.top, layout.width, layout.height,
                              window.hwnd,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(layout.name))),
                              instance, nullptr);
  if (!hwnd) return nullptr;

  const bool ownFont = layout.name == ControlName::按钮1 && window.buttonFont;
  const HFONT font = ownFont ? window.buttonFont.get() : guiFont();
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  switch (layout.kind) {
    case ControlKind::MultiLineEdit:
    case ControlKind::SingleLineEdit:
      SendMessageA(hwnd, EM_LIMITTEXT, 0, 0);  // as much as the platform allows
      SendMessageA(hwnd, EM_SETSEL, 0, 0);
      SendMessageA(hwnd, EM_SCROLLCARET, 0, 0);
      if (layout.kind == ControlKind::SingleLineEdit) fitSingleLineHeight(hwnd, font, layout.height);
      break;
    case ControlKind::Label:
      setLabelLook(hwnd, labelTextColour(layout.name), labelWordWrap(layout.name));
      break;
    case ControlKind::GroupBox: {
      const auto original = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(groupBoxProc)));
      if (!gButtonProcedure) gButtonProcedure = original;
      break;
    }
    default:
      break;
  }
  return hwnd;
}

// Topmost first: each goes to the bottom in turn, so the first ends on top.
template <size_t N>
void stack(const WindowControls& controls, const std::array<ControlName, N>& order) {
  for (ControlName name : order)
    SetWindowPos(controls.handle(name), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool createControls(MainWindow& window, HINSTANCE instance) {
  window.buttonFont = createButtonFont();
  for (const ControlLayout& layout : kControlLayouts) {
    HWND hwnd = createControl(window, instance, layout);
    if (!hwnd) return false;
    window.controls.handles[static_cast<size_t>(layout.name)] = hwnd;
  }
  // Moved into their group box after creation, keeping their numbers, which
  // then count from the group box. Its children form one radio group.
  for (const ControlLayout& layout : kControlLayouts) {
    if (!layout.inGroupBox) continue;
    HWND hwnd = window.controls.handle(layout.name);
    SetParent(hwnd, window.controls.handle(layout.groupBox));
    SetWindowPos(hwnd, nullptr, layout.left, layout.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (layout.checked) SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
  }
  stack(window.controls, kMainWindowStacking);
  stack(window.controls, kGroupBox3Stacking);
  stack(window.controls, kGroupBox2Stacking);
  stack(window.controls, kGroupBox1Stacking);
  for (HWND hwnd : window.controls.handles) ShowWindow(hwnd, SW_SHOWNA);
  return true;
}

// Centred on the whole primary screen, not the work area.
POINT centredPlace() {
  return {(GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2,
          (GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2};
}

// The system may create the window at another size; it is made exact.
void placeCentred(HWND hwnd) {
  const POINT at = centredPlace();
  RECT now = {};
  GetWindowRect(hwnd, &now);
  if (now.left != at.x || now.top != at.y || now.right - now.left != kMainWindowWidth ||
      now.bottom - now.top != kMainWindowHeight)
    MoveWindow(hwnd, at.x, at.y, kMainWindowWidth, kMainWindowHeight, FALSE);
}

HWND focusTarget(MainWindow& window) {
  if (window.lastFocus && IsWindow(window.lastFocus) && IsChild(window.hwnd, window.lastFocus))
    return window.lastFocus;
  return window.controls.handle(ControlName::编辑框_待转换内容);
}

void moveFocus(MainWindow& window, HWND from, bool backwards) {
  const auto& order = kTabOrder;
  const auto current = std::find_if(order.begin(), order.end(), [&](ControlName name) {
    HWND hwnd = window.controls.handle(name);
    return hwnd == from || IsChild(hwnd, from);
  });
  size_t index = current == order.end() ? (backwards ? 0 : order.size() - 1)
                                         : static_cast<size_t>(current - order.begin());
  for (size_t step = 0; step < order.size(); ++step) {
    index = (index + (backwards ? order.size() - 1 : 1)) % order.size();
    HWND next = window.controls.handle(order[index]);
    if (IsWindowVisible(next) && IsWindowEnabled(next)) {
      SetFocus(next);
      return;
    }
  }
}

bool keyDown(int key) { return GetKeyState(key) < 0; }

// A long run (a page of many megabytes) shows the hourglass while it works.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace

MainWindow::~MainWindow() {
  if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
}

std::unique_ptr<MainWindow> loadMainWindow(
    HINSTANCE instance, std::function<void(ControlAccess&, const Text&)> onFilesDropped) {
  auto window = std::make_unique<MainWindow>();
  window->onFilesDropped = std::move(onFilesDropped);
  window->dropTarget = DropTarget::create();
  if (!window->dropTarget) return nullptr;

  const POINT at = centredPlace();
  HWND hwnd = CreateWindowExA(0, kMainWindowClassName, kMainWindowCaption, kMainWindowStyle, at.x,
                              at.y, kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance,
                              window.get());
  if (!hwnd) return nullptr;
  placeCentred(hwnd);
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);
  window->bigIcon = loadIcon(instance, GetSystemMetrics(SM_CXICON));
  window->smallIcon = loadIcon(instance, GetSystemMetrics(SM_CXSMICON));
  SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(window->bigIcon.get()));
  SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(window->smallIcon.get()));

  if (!createControls(*window, instance)) return nullptr;

  initMainWindow(*window);
  if (!IsWindow(hwnd)) return window;
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  SetFocus(focusTarget(*window));
  return window;
}

void initMainWindow(MainWindow& window) {
  window.controls.setText(ControlName::编辑框_待转换内容, Text());
  window.dropTarget->filesDropped = [&window](const Text& droppedPaths) {
    guarded([&] {
      WaitCursor busy;
      if (window.onFilesDropped) window.onFilesDropped(window.controls, droppedPaths);
    });
  };
  window.dropTarget->registerDropWindow(window.hwnd);
  window.dropTarget->acceptFiles = true;
}

bool preTranslateMessage(MainWindow& window, const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.hwnd != window.hwnd && !IsChild(window.hwnd, message.hwnd)) return false;
  if (message.wParam == VK_ESCAPE && !keyDown(VK_CONTROL) && !keyDown(VK_SHIFT) && !keyDown(VK_MENU)) {
    SendMessageA(window.hwnd, WM_CLOSE, 0, 0);
    return true;
  }
  if (message.wParam == VK_TAB && !keyDown(VK_CONTROL) && !keyDown(VK_MENU)) {
    moveFocus(window, message.hwnd, keyDown(VK_SHIFT));
    return true;
  }
  return false;
}

int runMessageLoop(MainWindow& window) {
  if (!IsWindow(window.hwnd)) return 0;
  window.quitOnDestroy = true;
  MSG message = {};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (preTranslateMessage(window, message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  window.quitOnDestroy = false;
  return static_cast<int>(message.wParam);
}

LRESULT CALLBACK mainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* window = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    window->hwnd = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  MainWindow* window = windowOf(hwnd);
  if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);

  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == controlId(ControlName::按钮1) && HIWORD(wParam) == BN_CLICKED) {
        guarded([&] {
          WaitCursor busy;
          runConversion(window->controls);
        });
        return 0;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) window->lastFocus = focus;
      }
      break;
    case WM_SETFOCUS:
      if (HWND target = focusTarget(*window)) SetFocus(target);
      return 0;
    case WM_DESTROY:
      window->dropTarget->revoke();
      if (window->quitOnDestroy) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      window->hwnd = nullptr;
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}
