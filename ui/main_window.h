#pragma once
// The Main window: its controls, its drop target and its two handlers.
#include <windows.h>

#include <functional>
#include <memory>

#include "ui/drop_target.h"
#include "ui/win32_handles.h"
#include "ui/window_controls.h"

inline constexpr int kMainWindowWidth = 740;
inline constexpr int kMainWindowHeight = 522;

struct MainWindow {
  HWND hwnd = nullptr;
  WindowControls controls;  // the handlers' ControlAccess
  ComPtr<DropTarget> dropTarget;  // 拖放对象1
  UniqueFont buttonFont;
  UniqueIcon bigIcon, smallIcon;
  HWND lastFocus = nullptr;
  bool quitOnDestroy = false;  // set while the message loop runs
  // What a drop does with the dropped-paths text.
  std::function<void(ControlAccess&, const Text&)> onFilesDropped;

  MainWindow() = default;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow();
};

// Creates the window hidden with every control in its design state, runs
// initMainWindow and shows it. Null when the window cannot be created.
std::unique_ptr<MainWindow> loadMainWindow(HINSTANCE instance,
                                           std::function<void(ControlAccess&, const Text&)> onFilesDropped);

// The window's creation handler: empties the input box and registers the
// whole window as the target for dropped files.
void initMainWindow(MainWindow& window);

// Keys the window takes before any control sees them (Tab, Shift+Tab, Esc).
// True when the message was handled and must not be dispatched.
bool preTranslateMessage(MainWindow& window, const MSG& message);

// Runs until the window is closed; returns WM_QUIT's exit code.
int runMessageLoop(MainWindow& window);

LRESULT CALLBACK mainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
