#include "ui/fatal_error.h"

#include <windows.h>

void fatalError(const char* reason) {
  MessageBoxA(nullptr, reason, "Quenlith", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(-1));
}
