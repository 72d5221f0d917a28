#include "ui/hyperlink.h"

#include <shellapi.h>


#include "ui/self_painted.h"
#include "ui/win32_handles.h"

namespace {

constexpr COLORREF kUnvisited = RGB(0, 0, 255);
constexpr COLORREF kHover = RGB(10, 36, 106);
constexpr COLORREF kVisited = RGB(128, 0, 0);

UrlOpener gOpener = openInBrowser;

struct HyperlinkState {
  Text text;  // the target, shown as it is
  HFONT font = nullptr;  // borrowed
  bool hover = false;
  bool opened = false;
};

HyperlinkState* stateOf(HWND hwnd) { return selfPaintedState<HyperlinkState>(hwnd); }

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
  LRESULT result = 0;
  if (handleSelfPaintedMessage<HyperlinkState>(hwnd, message, wParam, lParam, result)) return result;
  HyperlinkState* state = stateOf(hwnd);
  switch (message) {
    case WM_PAINT:
      if (!state) break;
      paintTextOnButtonFace(hwnd, state->font, hyperlinkTextColour(hwnd), state->text,
                            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
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
      if (!state || state->text.empty()) return 0;
      state->opened = gOpener(state->text);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}
