#include "ui/hyperlink.h"

#include <shellapi.h>

#include <memory>

#include "ui/win32_handles.h"

namespace {

constexpr COLORREF kUnvisited = RGB(0, 0, 255);
constexpr COLORREF kHover = RGB(10, 36, 106);
constexpr COLORREF kVisited = RGB(128, 0, 0);

UrlOpener gOpener = openInBrowser;

struct HyperlinkState {
  Text target;
  HFONT font = nullptr;  // borrowed
  bool hover = false;
  bool opened = false;
};

HyperlinkState* stateOf(HWND hwnd) {
  return reinterpret_cast<HyperlinkState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void paint(HWND hwnd, const HyperlinkState& state) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ oldFont = SelectObject(dc, state.font ? state.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, hyperlinkTextColour(hwnd));
  DrawTextA(dc, state.target.c_str(), static_cast<int>(state.target.size()), &client,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  SelectObject(dc, oldFont);
  EndPaint(hwnd, &ps);
}

Text registryDefault(HKEY root, const char* subKey) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return Text();
  UniqueKey key(opened);
  LONG size = 0;
  if (RegQueryValueA(key.get(), nullptr, nullptr, &size) != ERROR_SUCCESS || size <= 0) return Text();
  Text value(static_cast<size_t>(size), '\0');
  if (RegQueryValueA(key.get(), nullptr, value.data(), &size) != ERROR_SUCCESS) return Text();
  value.resize(value.find('\0') == Text::npos ? value.size() : value.find('\0'));
  return value;
}

// The ".htm" open command with the address in place of its argument, or
// the empty text when none is registered.
Text htmOpenCommandFor(const Text& address) {
  const Text type = registryDefault(HKEY_CLASSES_ROOT, ".htm");
  if (type.empty()) return Text();
  const Text command = registryDefault(HKEY_CLASSES_ROOT, (type + "\\shell\\open\\command").c_str());
  return command.empty() ? Text() : commandLineFor(command, address);
}

}  // namespace

Text commandLineFor(Text registeredCommand, const Text& address) {
  size_t cut = registeredCommand.find("\"%1\"");
  if (cut == Text::npos) cut = registeredCommand.find("%1");
  if (cut != Text::npos) registeredCommand.erase(cut);
  return registeredCommand + " " + address;
}

bool openInBrowser(const Text& address) {
  auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOW));
  if (result <= 32) {
    const Text command = htmOpenCommandFor(address);
    if (!command.empty()) result = WinExec(command.c_str(), SW_SHOW);
  }
  return result > 32;
}

void setUrlOpener(UrlOpener opener) { gOpener = opener ? opener : openInBrowser; }

COLORREF hyperlinkTextColour(HWND hyperlink) {
  const HyperlinkState* state = stateOf(hyperlink);
  if (!state) return kUnvisited;
  if (state->hover) return kHover;
  return state->opened ? kVisited : kUnvisited;
}

LRESULT CALLBACK hyperlinkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  HyperlinkState* state = stateOf(hwnd);
  switch (message) {
    case WM_NCCREATE: {
      auto created = std::unique_ptr<HyperlinkState>(new (std::nothrow) HyperlinkState);
      if (!created) return FALSE;
      const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (cs->lpszName) created->target = cs->lpszName;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created.release()));
      break;
    }
    case WM_NCDESTROY:
      delete state;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      break;
    case WM_SETFONT:
      if (state) state->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state ? state->font : nullptr);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      if (!state) break;
      paint(hwnd, *state);
      return 0;
    case WM_SETCURSOR:
      SetCursor(LoadCursor(nullptr, IDC_HAND));
      return TRUE;
    case WM_MOUSEMOVE: {
      if (!state) break;
      RECT client;
      GetClientRect(hwnd, &client);
      const POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      const bool inside = PtInRect(&client, at);
      // The capture shows the label when the pointer leaves it.
      if (inside && !state->hover) {
        state->hover = true;
        SetCapture(hwnd);
        InvalidateRect(hwnd, nullptr, TRUE);
      } else if (!inside && state->hover) {
        state->hover = false;
        ReleaseCapture();
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (state && state->hover && reinterpret_cast<HWND>(lParam) != hwnd) {
        state->hover = false;
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return 0;
    case WM_LBUTTONDOWN:
      if (!state || state->target.empty()) return 0;
      state->opened = gOpener(state->target);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}
