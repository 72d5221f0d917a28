// Quenlith.exe: start-up, the message loop and the orderly exit.
#include <windows.h>
#include <ole2.h>

#include <string>

#include "conversion/dropped_file.h"
#include "conversion/saved_copy_path.h"
#include "files/platform_files.h"
#include "ui/fatal_error.h"
#include "ui/main_window.h"
#include "ui/window_classes.h"

namespace {

// Hooks of the start-up sequence; Quenlith has nothing to do in either.
void startupRoutine() {}
void exitRoutine() {}

class OleSession {
 public:
  OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() { if (ok_) OleUninitialize(); }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool ok_;
};

// Relative paths (a dropped file without a folder) resolve against the
// folder that holds the program.
void enterProgramFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  const size_t folder = folderLength(Bytes(path, length), kWindowsDropPaths);
  if (folder == 0) return;
  SetCurrentDirectoryA(std::string(path, folder - 1).c_str());
}

void convertDroppedFile(ControlAccess& window, const Text& droppedPaths) {
  PlatformFiles files;
  acceptDroppedFile(window, files, droppedPaths);
}

int runQuenlith(HINSTANCE instance) {
  OleSession ole;
  enterProgramFolder();
  if (!registerWindowClasses(instance)) fatalError("无法注册窗口类，Quenlith 无法启动。");
  startupRoutine();

  std::unique_ptr<MainWindow> window = loadMainWindow(instance, convertDroppedFile);
  if (!window) fatalError("无法创建主窗口，Quenlith 无法启动。");
  const int exitCode = runMessageLoop(*window);
  window.reset();

  exitRoutine();
  return exitCode;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  int exitCode = 0;
  guarded([&] { exitCode = runQuenlith(instance); });
  return exitCode;
}
