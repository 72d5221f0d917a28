#pragma once
// A Main window of this process, made as the program makes it, and a pump
// that delivers posted input the way the program's message loop does.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/main_window.h"

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = loadMainWindow(GetModuleHandleA(nullptr), [this](ControlAccess& controls, const Text& paths) {
      dropped.push_back(paths);
      onDrop(controls, paths);
    });
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override { window_.reset(); }

  // What a drop does in this test; by default what the program does now.
  virtual void onDrop(ControlAccess& controls, const Text&) {
    controls.setText(ControlName::编辑框_待转换内容, Text());
    controls.setText(ControlName::编辑框_已转换内容, Text());
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

 private:
  std::unique_ptr<MainWindow> window_;
};
