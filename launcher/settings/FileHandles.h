#pragma once
// Handles of the file API that close themselves on every path.
#include <windows.h>

#include <memory>

namespace SettingsIo {

struct FileCloser {
  void operator()(HANDLE handle) const {
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};

struct FindCloser {
  void operator()(HANDLE handle) const {
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) FindClose(handle);
  }
};

// From CreateFileW; test with IsOpen, as a failed open gives
// INVALID_HANDLE_VALUE rather than null.
using FileHandle = std::unique_ptr<void, FileCloser>;
// From FindFirstFileW.
using FindHandle = std::unique_ptr<void, FindCloser>;

inline bool IsOpen(const FileHandle& file) { return file && file.get() != INVALID_HANDLE_VALUE; }
inline bool IsOpen(const FindHandle& find) { return find && find.get() != INVALID_HANDLE_VALUE; }

}  // namespace SettingsIo
