// One conversion in the real window, timed: a page of N address lines is
// pasted, the convert button clicked, and the time taken until the output
// box and the status label are set. Beside it, the least any window must
// pay: one WM_SETTEXT of the same output into the output box.
//   quenlith_window_bench [LINES...]   (default 1000 10000)
//   quenlith_window_bench --drop FILE   times one drop of FILE on the window
#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "conversion/dropped_file.h"
#include "files/platform_files.h"
#include "ui/main_window.h"
#include "ui/window_classes.h"

namespace {

using C = ControlName;

double seconds() {
  static LARGE_INTEGER frequency = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return f; }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string page(int lines) {
  std::string text = "资源下载页\r\n以下地址可以批量转换。\r\n";
  for (int i = 1; i <= lines; ++i) {
    text += "第" + std::to_string(i) + "条 资源说明，更新于今天 http://downloads.qlt.test/files/" +
            std::to_string(i) + "/资料" + std::to_string(i) + ".rar\r\n";
    if (i % 10 == 0) text += "—— 以上十条来自镜像站 ——\r\n";
  }
  return text;
}

void pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

struct Timing {
  double conversion = 1e9, floor = 1e9;
  size_t outputBytes = 0;
};

Timing measure(MainWindow& window, int lines, int rounds) {
  WindowControls& controls = window.controls;
  const std::string input = page(lines);
  Timing best;
  for (int round = 0; round < rounds; ++round) {
    controls.setText(C::编辑框_待转换内容, input);
    controls.setText(C::编辑框_已转换内容, "");
    controls.setText(C::标签_信息, "");
    pump();

    const double start = seconds();
    SendMessageA(controls.handle(C::按钮1), BM_CLICK, 0, 0);
    best.conversion = std::min(best.conversion, seconds() - start);

    const std::string output = controls.getText(C::编辑框_已转换内容);
    const std::string expectedStatus = "大功告成，已转换" + std::to_string(lines) + "条";
    if (controls.getText(C::标签_信息) != expectedStatus) {
      std::fprintf(stderr, "unexpected status after %d lines\n", lines);
      std::exit(1);
    }
    best.outputBytes = output.size();

    controls.setText(C::编辑框_已转换内容, "");
    pump();
    const double floorStart = seconds();
    SendMessageA(controls.handle(C::编辑框_已转换内容), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(output.c_str()));
    best.floor = std::min(best.floor, seconds() - floorStart);
    pump();
  }
  return best;
}

// The drop as OLE delivers it, with the program's own handler.
int timeDrop(const char* path) {
  auto window = loadMainWindow(GetModuleHandleA(nullptr), [](ControlAccess& controls, const Text& paths) {
    PlatformFiles files;
    acceptDroppedFile(controls, files, paths);
  });
  if (!window) return 1;
  const double start = seconds();
  window->dropTarget->filesDropped(path);
  const double took = seconds() - start;
  const Text status = window->controls.getText(C::标签_信息);
  std::printf("drop of %s: %.1f s, input box %d characters, status %s\n", path, took,
              GetWindowTextLengthW(window->controls.handle(C::编辑框_待转换内容)), status.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--drop") {
    OleInitialize(nullptr);
    registerWindowClasses(GetModuleHandleA(nullptr));
    const int result = timeDrop(argv[2]);
    OleUninitialize();
    return result;
  }
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {1000, 10000};

  OleInitialize(nullptr);
  registerWindowClasses(GetModuleHandleA(nullptr));
  auto window = loadMainWindow(GetModuleHandleA(nullptr), nullptr);
  if (!window) return 1;

  std::vector<double> times;
  for (int lines : sizes) {
    const Timing t = measure(*window, lines, 3);
    times.push_back(t.conversion);
    std::printf("%6d lines: conversion %8.1f ms, one WM_SETTEXT of its %zu-byte output %8.1f ms, ratio %.2f\n",
                lines, t.conversion * 1000, t.outputBytes, t.floor * 1000, t.conversion / t.floor);
  }
  if (times.size() == 2)
    std::printf("%dx the addresses cost %.1fx the time\n", sizes[1] / sizes[0], times[1] / times[0]);
  window.reset();
  OleUninitialize();
  return 0;
}
