// The window tests run on one thread with OLE, as the program does.
#include <gtest/gtest.h>
#include <ole2.h>

#include <cstring>
#include <new>

#include "ui/fatal_error.h"
#include "ui/window_classes.h"

int main(int argc, char** argv) {
  // Started so by the fatal-error test: a handler that runs out of memory.
  if (argc == 2 && std::strcmp(argv[1], "--run-out-of-memory") == 0) {
    guarded([] { throw std::bad_alloc(); });
    return 0;
  }
  ::testing::InitGoogleTest(&argc, argv);
  if (FAILED(OleInitialize(nullptr))) return 3;
  if (!registerWindowClasses(GetModuleHandleA(nullptr))) return 4;
  const int result = RUN_ALL_TESTS();
  OleUninitialize();
  return result;
}
