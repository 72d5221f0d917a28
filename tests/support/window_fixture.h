#pragma once
// A Main window of this process, made as the program makes it, and a pump
// that delivers posted input the way the program's message loop does.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "conversion/dropped_file.h"
#include "files/platform_files.h"
#include "support/message_box_watcher.h"
#include "ui/main_window.h"

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    boxes = std::make_unique<MessageBoxWatcher>();
    window_ = loadMainWindow(GetModuleHandleA(nullptr), [this](ControlAccess& controls, const Text& paths) {
      dropped.push_back(paths);
      onDrop(controls, paths);
    });
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    window_.reset();
    boxes.reset();
  }

  // What a drop does in this test; by default what the program does.
  virtual void onDrop(ControlAccess& controls, const Text& paths) {
    PlatformFiles files;
    acceptDroppedFile(controls, files, paths);
  }

  MainWindow& window() { return *window_; }
  HWND hwnd(ControlName name) { return window_->controls.handle(name); }
  ControlAccess& controls() { return window_->controls; }
  bool closed() const { return !window_->hwnd; }

  void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (window_->hwnd && preTranslateMessage(*window_, message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }

  void pressKey(HWND target, WPARAM key) {
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    pump();
  }

  void typeText(HWND target, const std::string& text) {
    for (unsigned char c : text) PostMessageA(target, WM_CHAR, c, 1);
    pump();
  }

  std::vector<Text> dropped;
  // Every message box of a run is read and dismissed, so that none can stop
  // a test; a test that expects some reads them here.
  std::unique_ptr<MessageBoxWatcher> boxes;

 private:
  std::unique_ptr<MainWindow> window_;
};
