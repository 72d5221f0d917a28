// The window tests run on one thread with OLE, as the program does.
#include <gtest/gtest.h>
#include <ole2.h>

#include "ui/window_classes.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (FAILED(OleInitialize(nullptr))) return 3;
  if (!registerWindowClasses(GetModuleHandleA(nullptr))) return 4;
  const int result = RUN_ALL_TESTS();
  OleUninitialize();
  return result;
}
