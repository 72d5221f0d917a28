#pragma once
#include <exception>
#include <new>

// Shows an error box naming the reason, then ends the process with exit code -1.
[[noreturn]] void fatalError(const char* reason);

// Runs a handler so that no exception leaves it: running out of memory, or
// anything else thrown, ends in the fatal error box.
template <typename Handler>
void guarded(Handler&& handler) noexcept {
  try {
    handler();
  } catch (const std::bad_alloc&) {
    fatalError("内存不足，Quenlith 无法继续运行。");
  } catch (...) {
    fatalError("Quenlith 遇到内部错误，无法继续运行。");
  }
}
