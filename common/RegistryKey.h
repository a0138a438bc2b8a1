#pragma once
// An open registry key that closes itself.
#include <windows.h>

class RegistryKey {
 public:
  RegistryKey() = default;
  explicit RegistryKey(HKEY key) : key_(key) {}
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  RegistryKey(RegistryKey&& other) noexcept : key_(other.release()) {}
  RegistryKey& operator=(RegistryKey&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~RegistryKey() { reset(); }

  HKEY get() const { return key_; }
  HKEY* put() { reset(); return &key_; }
  explicit operator bool() const { return key_ != nullptr; }
  HKEY release() { HKEY k = key_; key_ = nullptr; return k; }
  void reset(HKEY key = nullptr) {
    if (key_) RegCloseKey(key_);
    key_ = key;
  }

 private:
  HKEY key_ = nullptr;
};
