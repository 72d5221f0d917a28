#pragma once
// Reads and dismisses the task-modal boxes titled "信息：" that a run shows,
// from a thread of its own, as a user would click them away.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class MessageBoxWatcher {
 public:
  MessageBoxWatcher() : thread_([this] { watch(); }) {}
  ~MessageBoxWatcher() {
    stop_ = true;
    thread_.join();
  }

  std::vector<std::string> seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
  }

 private:
  void watch() {
    HWND handled = nullptr;
    while (!stop_) {
      HWND box = FindWindowA("#32770", "信息：");
      if (box && box != handled && IsWindowVisible(box)) {
        char text[4096] = {};
        // The message text is the box's static control, ID 0xFFFF.
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        {
          std::lock_guard<std::mutex> lock(mutex_);
          seen_.push_back(text);
        }
        handled = box;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      }
      if (handled && !IsWindow(handled)) handled = nullptr;
      Sleep(10);
    }
  }

  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::string> seen_;
  std::thread thread_;
};
