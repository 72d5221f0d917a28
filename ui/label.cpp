#include "ui/label.h"

#include <memory>

namespace {

struct LabelState {
  Text caption;
  COLORREF textColour = RGB(0, 0, 0);
  bool wordWrap = false;
  HFONT font = nullptr;  // borrowed: the stock GUI font unless WM_SETFONT says otherwise
};

LabelState* stateOf(HWND hwnd) {
  return reinterpret_cast<LabelState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void paint(HWND hwnd, const LabelState& state) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ oldFont = SelectObject(dc, state.font ? state.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, state.textColour);
  // DT_VCENTER acts on single lines only: wrapped text starts at the top.
  const UINT format = DT_NOCLIP | DT_LEFT | DT_VCENTER |
                      (state.wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
  DrawTextA(dc, state.caption.c_str(), static_cast<int>(state.caption.size()), &client, format);
  SelectObject(dc, oldFont);
  EndPaint(hwnd, &ps);
}

}  // namespace

LRESULT CALLBACK labelWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LabelState* state = stateOf(hwnd);
  switch (message) {
    case WM_NCCREATE: {
      auto created = std::unique_ptr<LabelState>(new (std::nothrow) LabelState);
      if (!created) return FALSE;
      const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (cs->lpszName) created->caption = cs->lpszName;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created.release()));
      break;
    }
    case WM_NCDESTROY:
      delete state;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      break;
    case WM_SETFONT:
      if (state) state->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state ? state->font : nullptr);
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole client area
    case WM_PAINT:
      if (state) {
        paint(hwnd, *state);
        return 0;
      }
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

void setLabelLook(HWND label, COLORREF textColour, bool wordWrap) {
  if (LabelState* state = stateOf(label)) {
    state->textColour = textColour;
    state->wordWrap = wordWrap;
    InvalidateRect(label, nullptr, TRUE);
  }
}

void setLabelCaption(HWND label, const Text& caption) {
  if (LabelState* state = stateOf(label)) state->caption = caption;
  SetWindowTextA(label, caption.c_str());
  InvalidateRect(label, nullptr, TRUE);
}

Text labelCaption(HWND label) {
  const LabelState* state = stateOf(label);
  return state ? state->caption : Text();
}
