#pragma once
// Owners for the handles the shell holds: each is released on every path.
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

inline void deleteGdiObject(HGDIOBJ h) { DeleteObject(h); }

using UniqueFile = UniqueHandle<FileTraits>;
using UniqueKernelHandle = UniqueHandle<NullIsNone<HANDLE, CloseHandle>>;
using UniqueFont = UniqueHandle<NullIsNone<HFONT, deleteGdiObject>>;
using UniqueIcon = UniqueHandle<NullIsNone<HICON, DestroyIcon>>;
using UniqueKey = UniqueHandle<NullIsNone<HKEY, RegCloseKey>>;

// A locked global memory block, unlocked when it goes.
class LockedGlobal {
 public:
  explicit LockedGlobal(HGLOBAL block) : block_(block), data_(block ? GlobalLock(block) : nullptr) {}
  ~LockedGlobal() { if (data_) GlobalUnlock(block_); }
  LockedGlobal(const LockedGlobal&) = delete;
  LockedGlobal& operator=(const LockedGlobal&) = delete;
  void* data() const { return data_; }

 private:
  HGLOBAL block_;
  void* data_;
};

// A counted reference to a COM object.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller already holds.
  static ComPtr adopt(T* p) { ComPtr c; c.p_ = p; return c; }
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr& other) : p_(other.p_) { if (p_) p_->AddRef(); }
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept { std::swap(p_, other.p_); return *this; }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  T** put() { reset(); return &p_; }
  void reset() { if (p_) std::exchange(p_, nullptr)->Release(); }

 private:
  T* p_ = nullptr;
};
