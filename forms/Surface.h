#pragma once
// A window that holds lightweight controls and child windows: the common
// ground of forms and picture boxes. It owns its scale (twips, pixels or a
// user scale), paints its background and its lightweight controls in
// z-order, routes the mouse to them and runs its timers.
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "forms/Controls.h"

namespace forms {

class Timer;

enum class ScaleMode { Twips, Pixels, User };

class Surface {
 public:
  Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  virtual ~Surface();

  HWND hWnd() const { return window_; }

  // --- Scale ---------------------------------------------------------------------------
  void SetScaleMode(ScaleMode mode) { scaleMode_ = mode; }
  // A user scale whose inner width and height are the given units.
  void SetUserScale(float width, float height);
  float ScaleWidth() const;   // inner width in the scale
  float ScaleHeight() const;  // inner height in the scale
  int InnerWidthPixels() const;
  int InnerHeightPixels() const;
  float PixelsToScaleX(double pixels) const;
  float PixelsToScaleY(double pixels) const;
  double ScaleToPixelsX(float units) const;
  double ScaleToPixelsY(float units) const;

  // --- Lightweight controls ----------------------------------------------------------
  template <class Control>
  Control& Add() {
    auto control = std::make_unique<Control>(*this);
    Control& added = *control;
    controls_.push_back(std::move(control));
    return added;
  }
  void Remove(LightControl& control);
  void BringToFront(LightControl& control);
  void SendToBack(LightControl& control);

  // --- Drawing -------------------------------------------------------------------------
  virtual void SetBackColor(std::uint32_t colour);
  std::uint32_t BackColor() const { return backColor_; }
  virtual void SetPicture(const Picture& picture);  // drawn at the top-left corner
  const Picture& GetPicture() const { return picture_; }
  void Invalidate(const RECT* area = nullptr) const;
  void Refresh() const;  // repaints now

  // Child windows made with this one (picture boxes on a form).
  void AddChildSurface(Surface& child) { children_.push_back(&child); }
  void RemoveChildSurface(Surface& child);

  // Timers need the window: they start when it exists.
  void AttachTimer(Timer& timer);
  void DetachTimer(Timer& timer);

 protected:
  // Creates the window and then the child windows registered with it.
  bool CreateSurfaceWindow(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, int x, int y,
                           int width, int height, const std::wstring& text);
  void DestroySurfaceWindow();
  virtual void CreateChildWindow(HWND /*parent*/) {}

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The background under the lightweight controls.
  virtual void PaintBackground(HDC dc, const RECT& client) const;
  // Mouse events that no lightweight control takes.
  virtual void OnMouseDown(const MouseEvent&) {}
  virtual void OnMouseMove(const MouseEvent&) {}
  virtual void OnMouseUp(const MouseEvent&) {}
  virtual void OnClick() {}
  virtual void OnDblClick() {}

  static void RegisterClass(const wchar_t* className, UINT style);
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  using ControlList = std::vector<std::unique_ptr<LightControl>>;

  ControlList::iterator Find(const LightControl& control);
  double UnitsPerPixelX() const;
  double UnitsPerPixelY() const;
  void Paint();
  LightControl* HitTest(POINT pixel) const;
  bool RouteMouse(UINT message, WPARAM wParam, LPARAM lParam);
  MouseEvent MakeEvent(int button, WPARAM wParam, POINT pixel, const LightControl* control) const;

  HWND window_ = nullptr;
  ScaleMode scaleMode_ = ScaleMode::Twips;
  float userWidth_ = 1, userHeight_ = 1;
  std::uint32_t backColor_ = 0x8000000F;
  Picture picture_;
  ControlList controls_;  // back to front
  std::vector<Surface*> children_;
  std::vector<Timer*> timers_;
  LightControl* captured_ = nullptr;
};

}  // namespace forms
