// quenlith_window_tool: waits for, measures and closes a top-level window by
// its class, for scripts that drive the program where no window manager runs.
//   quenlith_window_tool wait CLASS SECONDS   prints "left top width height" once it is visible
//   quenlith_window_tool close CLASS          posts WM_CLOSE to it
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND visibleWindowOf(const char* className) {
  HWND w = FindWindowA(className, nullptr);
  return w && IsWindowVisible(w) ? w : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::strcmp(argv[1], "wait") == 0) {
    const DWORD until = GetTickCount() + static_cast<DWORD>(std::atoi(argv[3])) * 1000;
    while (GetTickCount() < until) {
      if (HWND w = visibleWindowOf(argv[2])) {
        Sleep(500);  // let it finish painting
        RECT r;
        GetWindowRect(w, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
      }
      Sleep(50);
    }
    std::fprintf(stderr, "no visible window of class %s\n", argv[2]);
    return 1;
  }
  if (argc >= 3 && std::strcmp(argv[1], "close") == 0) {
    HWND w = FindWindowA(argv[2], nullptr);
    if (!w) return 1;
    PostMessageA(w, WM_CLOSE, 0, 0);
    return 0;
  }
  std::fprintf(stderr, "usage: quenlith_window_tool wait CLASS SECONDS | close CLASS\n");
  return 2;
}
