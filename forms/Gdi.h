#pragma once
// Owners for GDI objects and device contexts, so that no path leaks one.
#include <windows.h>

#include <utility>

namespace forms {

template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using Bitmap = GdiObject<HBITMAP>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;

class IconHandle {
 public:
  IconHandle() = default;
  explicit IconHandle(HICON icon) : icon_(icon) {}
  IconHandle(IconHandle&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
  IconHandle& operator=(IconHandle&&) = delete;
  IconHandle(const IconHandle&) = delete;
  ~IconHandle() {
    if (icon_) DestroyIcon(icon_);
  }
  HICON get() const { return icon_; }

 private:
  HICON icon_ = nullptr;
};

// A device context that draws into memory, compatible with the screen.
class MemoryDc {
 public:
  MemoryDc() : dc_(CreateCompatibleDC(nullptr)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() { DeleteDC(dc_); }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// The screen's (or a window's) device context for the length of a scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() { ReleaseDC(window_, dc_); }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a device context and puts the old one back.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  ~Selection() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace forms
