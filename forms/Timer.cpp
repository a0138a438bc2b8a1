#include "forms/Timer.h"

#include "forms/Surface.h"

namespace forms {

namespace {
UINT_PTR NextTimerId() {
  static UINT_PTR next = 100;
  return ++next;
}
}  // namespace

Timer::Timer(Surface& holder, UINT intervalMs, std::function<void()> tick, bool enabled)
    : holder_(holder), interval_(intervalMs), tick_(std::move(tick)), enabled_(enabled), id_(NextTimerId()) {
  holder_.AttachTimer(*this);
}

Timer::~Timer() { holder_.DetachTimer(*this); }

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Apply();
}

void Timer::SetInterval(UINT intervalMs) {
  interval_ = intervalMs;
  Apply();
}

void Timer::Apply() {
  HWND window = holder_.hWnd();
  if (!window) return;
  if (enabled_ && interval_ > 0) {
    SetTimer(window, id_, interval_, nullptr);
  } else {
    KillTimer(window, id_);
  }
}

void Timer::Tick() {
  if (enabled_ && tick_) tick_();
}

}  // namespace forms
