#pragma once
// Owners for the handles the shell holds: each is released on every path.
#include <windows.h>

#include <utility>

#include "files/win32_unique_handle.h"

inline void deleteGdiObject(HGDIOBJ h) { DeleteObject(h); }

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
