#pragma once
// Owns one reference to a COM interface.
#include <unknwn.h>

template <class Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  Interface* operator->() const { return p_; }
  Interface& operator*() const { return *p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void** put() { return reinterpret_cast<void**>(&p_); }

 private:
  Interface* p_ = nullptr;
};
