#pragma once
// Reads and dismisses the message boxes of one title (by default the
// "信息：" of a run's messages), from a thread of its own, as a user would
// click them away. It sees the boxes of every process on the desktop.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class MessageBoxWatcher {
 public:
  explicit MessageBoxWatcher(std::string title = "信息：")
      : title_(std::move(title)), thread_([this] { watch(); }) {}
  ~MessageBoxWatcher() {
    stop_ = true;
    thread_.join();
  }

  std::vector<std::string> seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
  }
  void clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    seen_.clear();
  }

 private:
  void watch() {
    HWND handled = nullptr;
    while (!stop_) {
      HWND box = FindWindowA("#32770", title_.c_str());
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

  const std::string title_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::string> seen_;
  std::thread thread_;
};
