#include "forms/Surface.h"

#include <algorithm>
#include <cmath>

#include "forms/Application.h"
#include "forms/Gdi.h"
#include "forms/Timer.h"

namespace forms {

Surface::Surface() = default;

Surface::~Surface() { DestroySurfaceWindow(); }

// --- Scale --------------------------------------------------------------------------------
void Surface::SetUserScale(float width, float height) {
  scaleMode_ = ScaleMode::User;
  userWidth_ = width;
  userHeight_ = height;
}

int Surface::InnerWidthPixels() const {
  RECT client = {};
  if (window_) GetClientRect(window_, &client);
  return client.right;
}

int Surface::InnerHeightPixels() const {
  RECT client = {};
  if (window_) GetClientRect(window_, &client);
  return client.bottom;
}

float Surface::ScaleWidth() const { return PixelsToScaleX(InnerWidthPixels()); }
float Surface::ScaleHeight() const { return PixelsToScaleY(InnerHeightPixels()); }

namespace {

// Scale units per pixel along one axis; 0 where a user scale has no pixels
// to spread over.
double UnitsPerPixel(ScaleMode mode, float twipsPerPixel, float userUnits, int innerPixels) {
  switch (mode) {
    case ScaleMode::Pixels: return 1.0;
    case ScaleMode::Twips: return twipsPerPixel;
    case ScaleMode::User: return innerPixels > 0 ? static_cast<double>(userUnits) / innerPixels : 0.0;
  }
  return 0.0;
}

double ToPixels(float units, double unitsPerPixel) {
  return unitsPerPixel != 0.0 ? static_cast<double>(units) / unitsPerPixel : 0.0;
}

}  // namespace

double Surface::UnitsPerPixelX() const {
  return UnitsPerPixel(scaleMode_, Screen::TwipsPerPixelX(), userWidth_, InnerWidthPixels());
}

double Surface::UnitsPerPixelY() const {
  return UnitsPerPixel(scaleMode_, Screen::TwipsPerPixelY(), userHeight_, InnerHeightPixels());
}

float Surface::PixelsToScaleX(double pixels) const { return static_cast<float>(pixels * UnitsPerPixelX()); }
float Surface::PixelsToScaleY(double pixels) const { return static_cast<float>(pixels * UnitsPerPixelY()); }
double Surface::ScaleToPixelsX(float units) const { return ToPixels(units, UnitsPerPixelX()); }
double Surface::ScaleToPixelsY(float units) const { return ToPixels(units, UnitsPerPixelY()); }

// --- Lightweight controls -----------------------------------------------------------
void Surface::Remove(LightControl& control) {
  if (captured_ == &control) captured_ = nullptr;
  control.SetVisible(false);
  const auto found = Find(control);
  if (found != controls_.end()) controls_.erase(found);
}

Surface::ControlList::iterator Surface::Find(const LightControl& control) {
  return std::find_if(controls_.begin(), controls_.end(),
                      [&](const auto& owned) { return owned.get() == &control; });
}

void Surface::BringToFront(LightControl& control) {
  const auto found = Find(control);
  if (found != controls_.end()) std::rotate(found, found + 1, controls_.end());
  control.Invalidate();
}

void Surface::SendToBack(LightControl& control) {
  const auto found = Find(control);
  if (found != controls_.end()) std::rotate(controls_.begin(), found, found + 1);
  control.Invalidate();
}

// --- Drawing --------------------------------------------------------------------------------
void Surface::SetBackColor(std::uint32_t colour) {
  backColor_ = colour;
  Invalidate();
}

void Surface::SetPicture(const Picture& picture) {
  picture_ = picture;
  Invalidate();
}

void Surface::Invalidate(const RECT* area) const {
  if (window_) InvalidateRect(window_, area, FALSE);
}

void Surface::Refresh() const {
  if (!window_) return;
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

void Surface::PaintBackground(HDC dc, const RECT& client) const {
  Brush back(CreateSolidBrush(ToRgb(backColor_)));
  FillRect(dc, &client, back.get());
  picture_.Draw(dc, 0, 0);
}

void Surface::Paint() {
  PAINTSTRUCT paint;
  HDC target = BeginPaint(window_, &paint);
  RECT client;
  GetClientRect(window_, &client);
  if (client.right > 0 && client.bottom > 0) {
    // Drawn off screen first, so a repaint never flickers through the layers.
    MemoryDc buffer;
    Bitmap bitmap(CreateCompatibleBitmap(target, client.right, client.bottom));
    Selection selected(buffer.get(), bitmap.get());
    PaintBackground(buffer.get(), client);
    for (const auto& control : controls_) {
      if (control->Visible()) control->Paint(buffer.get());
    }
    BitBlt(target, 0, 0, client.right, client.bottom, buffer.get(), 0, 0, SRCCOPY);
  }
  EndPaint(window_, &paint);
}

void Surface::RemoveChildSurface(Surface& child) {
  children_.erase(std::remove(children_.begin(), children_.end(), &child), children_.end());
}

// --- Timers ---------------------------------------------------------------------------------
void Surface::AttachTimer(Timer& timer) {
  timers_.push_back(&timer);
  timer.Apply();
}

void Surface::DetachTimer(Timer& timer) {
  if (window_) KillTimer(window_, timer.Id());
  timers_.erase(std::remove(timers_.begin(), timers_.end(), &timer), timers_.end());
}

// --- Window -----------------------------------------------------------------------------------
void Surface::RegisterClass(const wchar_t* className, UINT style) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &windowClass)) return;
  windowClass.style = style;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
}

bool Surface::CreateSurfaceWindow(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, int x,
                                  int y, int width, int height, const std::wstring& text) {
  if (window_) return true;
  CreateWindowExW(exStyle, className, text.c_str(), style, x, y, width, height, parent, nullptr,
                  GetModuleHandleW(nullptr), this);
  if (!window_) return false;
  for (Surface* child : children_) child->CreateChildWindow(window_);
  for (Timer* timer : timers_) timer->Apply();
  return true;
}

void Surface::DestroySurfaceWindow() {
  if (!window_) return;
  for (Timer* timer : timers_) KillTimer(window_, timer->Id());
  HWND window = window_;
  DestroyWindow(window);  // WM_NCDESTROY clears window_
  window_ = nullptr;
  captured_ = nullptr;
}

LRESULT CALLBACK Surface::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* surface = static_cast<Surface*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    surface->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(surface));
  }
  auto* surface = reinterpret_cast<Surface*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!surface) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    surface->window_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return surface->HandleMessage(message, wParam, lParam);
}

LRESULT Surface::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // all of it is painted in WM_PAINT
    case WM_TIMER:
      for (Timer* timer : timers_) {
        if (timer->Id() == wParam) {
          timer->Tick();
          return 0;
        }
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window_) captured_ = nullptr;
      return 0;
    default:
      if (message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK && RouteMouse(message, wParam, lParam)) {
        return 0;
      }
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

// --- Mouse ------------------------------------------------------------------------------------
LightControl* Surface::HitTest(POINT pixel) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    const LightControl& control = **it;
    if (!control.Visible() || !control.TakesMouse()) continue;
    const RECT rect = control.PixelRect();
    if (PtInRect(&rect, pixel)) return it->get();
  }
  return nullptr;
}

MouseEvent Surface::MakeEvent(int button, WPARAM wParam, POINT pixel, const LightControl* control) const {
  MouseEvent event;
  event.button = button;
  event.shift = ((wParam & MK_SHIFT) ? kShiftKey : 0) | ((wParam & MK_CONTROL) ? kCtrlKey : 0) |
                (GetKeyState(VK_MENU) < 0 ? kAltKey : 0);
  event.x = PixelsToScaleX(pixel.x) - (control ? control->Left() : 0.0F);
  event.y = PixelsToScaleY(pixel.y) - (control ? control->Top() : 0.0F);
  return event;
}

namespace {

int HeldButtons(WPARAM wParam) {
  return ((wParam & MK_LBUTTON) ? kLeftButton : 0) | ((wParam & MK_RBUTTON) ? kRightButton : 0) |
         ((wParam & MK_MBUTTON) ? kMiddleButton : 0);
}

int ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return kLeftButton;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return kRightButton;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return kMiddleButton;
    default: return 0;
  }
}

}  // namespace

bool Surface::RouteMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT pixel = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  LightControl* target = captured_ ? captured_ : HitTest(pixel);
  const int button = ButtonOf(message);
  switch (message) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: {
      const bool doubleClick = message == WM_LBUTTONDBLCLK;
      if (target) {
        captured_ = target;
        SetCapture(window_);
        if (doubleClick) {
          if (target->DblClick) target->DblClick();
        } else if (target->MouseDown) {
          target->MouseDown(MakeEvent(button, wParam, pixel, target));
        }
      } else if (doubleClick) {
        OnDblClick();
      } else {
        OnMouseDown(MakeEvent(button, wParam, pixel, nullptr));
      }
      return true;
    }
    case WM_MOUSEMOVE:
      if (target) {
        if (target->MouseMove) target->MouseMove(MakeEvent(HeldButtons(wParam), wParam, pixel, target));
      } else {
        OnMouseMove(MakeEvent(HeldButtons(wParam), wParam, pixel, nullptr));
      }
      return true;
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: {
      const bool lastButton = HeldButtons(wParam) == 0;
      if (lastButton && captured_) {
        captured_ = nullptr;
        ReleaseCapture();
      }
      if (target) {
        const RECT rect = target->PixelRect();
        const bool releasedOver = PtInRect(&rect, pixel) != FALSE;
        if (target->MouseUp) target->MouseUp(MakeEvent(button, wParam, pixel, target));
        // The release handler may have removed the control.
        if (button == kLeftButton && releasedOver && Find(*target) != controls_.end() && target->Click) {
          target->Click();
        }
      } else {
        OnMouseUp(MakeEvent(button, wParam, pixel, nullptr));
        if (button == kLeftButton) OnClick();
      }
      return true;
    }
    default:
      return false;
  }
}

}  // namespace forms
