#include "ui/window_classes.h"

#include "ui/hyperlink.h"
#include "ui/label.h"
#include "ui/main_window.h"

namespace {

bool registerClass(HINSTANCE instance, const char* name, WNDPROC procedure) {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = nullptr;  // each paints its own background
  wc.lpszClassName = name;
  return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool registerWindowClasses(HINSTANCE instance) {
  return registerClass(instance, kMainWindowClassName, mainWindowProc) &&
         registerClass(instance, kLabelClassName, labelWindowProc) &&
         registerClass(instance, kHyperlinkClassName, hyperlinkWindowProc);
}
