#pragma once
// What the two self-painted control classes (label, hyperlink) share: a
// state object that lives from WM_NCCREATE to WM_NCDESTROY and holds the
// text and a borrowed font, and text drawn on the button face.
#include <windows.h>

#include <new>

#include "encoding/text.h"

template <typename State>
State* selfPaintedState(HWND hwnd) {
  return reinterpret_cast<State*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// Handles the messages both classes treat alike. True when the message is
// fully handled, with its result; false when the class (and then
// DefWindowProc) goes on with it.
template <typename State>
bool handleSelfPaintedMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  State* state = selfPaintedState<State>(hwnd);
  switch (message) {
    case WM_NCCREATE: {
      State* created = new (std::nothrow) State;
      if (!created) {
        result = FALSE;
        return true;
      }
      const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (cs->lpszName) created->text = cs->lpszName;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
      return false;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      delete state;
      return false;
    case WM_SETFONT:
      if (state) state->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      result = 0;
      return true;
    case WM_GETFONT:
      result = reinterpret_cast<LRESULT>(state ? state->font : nullptr);
      return true;
    case WM_ERASEBKGND:
      result = 1;  // WM_PAINT fills the whole client area
      return true;
  }
  return false;
}

// Paints the client area in the button face colour, then the text over it,
// transparently, in font (or the GUI font) and colour.
void paintTextOnButtonFace(HWND hwnd, HFONT font, COLORREF colour, const Text& text, UINT format);
