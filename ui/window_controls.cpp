#include "ui/window_controls.h"

#include "ui/label.h"

namespace {

bool isLabel(ControlName control) { return layoutOf(control).kind == ControlKind::Label; }

}  // namespace

Text WindowControls::getText(ControlName control) {
  if (isLabel(control)) return labelCaption(handle(control));
  HWND hwnd = handle(control);
  const int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return Text();
  Text text(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

void WindowControls::setText(ControlName control, Text text) {
  if (isLabel(control)) setLabelCaption(handle(control), text);
  else SetWindowTextA(handle(control), text.c_str());
}

bool WindowControls::isChecked(ControlName control) {
  return SendMessageA(handle(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void WindowControls::appendText(ControlName control, Text text) {
  HWND edit = handle(control);
  // Only the length is wanted; past-the-end positions are clamped by the box.
  const int end = GetWindowTextLengthA(edit);
  SendMessageA(edit, EM_SETSEL, end, end);
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void WindowControls::showMessage(const Text& message) {
  MessageBoxA(nullptr, message.c_str(), "信息：", MB_OK | MB_TASKMODAL);
}

void WindowControls::selectAllAndCopy(ControlName control) {
  HWND edit = handle(control);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, WM_COPY, 0, 0);
}
