#pragma once
// Owners of kernel handles: each is released on every path. The window's
// own owners (GDI, COM, registry) build on the same template in ui/.
#include <windows.h>

#include <utility>

// One owned handle, released by Traits::close; Traits::none() marks "none".
template <typename Traits>
class UniqueHandle {
 public:
  using H = typename Traits::Handle;
  UniqueHandle() = default;
  explicit UniqueHandle(H handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  H get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::none(); }
  H release() { return std::exchange(handle_, Traits::none()); }
  void reset(H handle = Traits::none()) {
    if (handle_ != Traits::none()) Traits::close(handle_);
    handle_ = handle;
  }

 private:
  H handle_ = Traits::none();
};

template <typename H, auto Close>
struct NullIsNone {
  using Handle = H;
  static H none() { return nullptr; }
  static void close(H h) { Close(h); }
};

struct FileTraits {
  using Handle = HANDLE;
  static HANDLE none() { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) { CloseHandle(h); }
};

using UniqueFile = UniqueHandle<FileTraits>;
using UniqueKernelHandle = UniqueHandle<NullIsNone<HANDLE, CloseHandle>>;
