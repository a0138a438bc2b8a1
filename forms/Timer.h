#pragma once
// A timer of a form: ticks on the form's thread every Interval milliseconds
// while enabled.
#include <windows.h>

#include <functional>

namespace forms {

class Surface;

class Timer {
 public:
  Timer(Surface& holder, UINT intervalMs, std::function<void()> tick, bool enabled = false);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }
  void SetInterval(UINT intervalMs);

  UINT_PTR Id() const { return id_; }
  void Apply();  // (re)starts or stops the system timer as the state says
  void Tick();

 private:
  Surface& holder_;
  UINT interval_;
  std::function<void()> tick_;
  bool enabled_;
  UINT_PTR id_;
};

}  // namespace forms
