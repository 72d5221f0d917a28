#include "ui/label.h"

#include "ui/self_painted.h"

namespace {

struct LabelState {
  Text text;  // the caption, kept here rather than read back from the window
  COLORREF textColour = RGB(0, 0, 0);
  bool wordWrap = false;
  HFONT font = nullptr;  // borrowed
};

LabelState* stateOf(HWND hwnd) { return selfPaintedState<LabelState>(hwnd); }

}  // namespace

LRESULT CALLBACK labelWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (handleSelfPaintedMessage<LabelState>(hwnd, message, wParam, lParam, result)) return result;
  if (message == WM_PAINT) {
    if (const LabelState* state = stateOf(hwnd)) {
      // DT_VCENTER acts on single lines only: wrapped text starts at the top.
      const UINT format = DT_NOCLIP | DT_LEFT | DT_VCENTER |
                          (state->wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
      paintTextOnButtonFace(hwnd, state->font, state->textColour, state->text, format);
      return 0;
    }
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
  if (LabelState* state = stateOf(label)) state->text = caption;
  SetWindowTextA(label, caption.c_str());
  InvalidateRect(label, nullptr, TRUE);
}

Text labelCaption(HWND label) {
  const LabelState* state = stateOf(label);
  return state ? state->text : Text();
}
