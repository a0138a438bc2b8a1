#include "forms/Form.h"

#include <cmath>

#include "forms/Application.h"

namespace forms {

namespace {

constexpr wchar_t kOwnerClass[] = L"ZenteiHiddenOwner";

int ToPixelsX(float twips) { return static_cast<int>(std::lround(twips / Screen::TwipsPerPixelX())); }
int ToPixelsY(float twips) { return static_cast<int>(std::lround(twips / Screen::TwipsPerPixelY())); }

// Forms that stay out of the taskbar are owned by this hidden window.
HWND HiddenOwner() {
  static HWND owner = [] {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kOwnerClass;
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, kOwnerClass, App::Title().c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }();
  return owner;
}

DWORD StyleOf(const FormDesign& design) {
  DWORD style = WS_POPUP | WS_CLIPCHILDREN;
  const bool caption = design.titleBar && design.border != BorderStyle::None;
  if (caption) style |= WS_CAPTION;
  if (caption && design.controlBox) style |= WS_SYSMENU;
  if (design.minButton) style |= WS_MINIMIZEBOX;
  if (design.maxButton) style |= WS_MAXIMIZEBOX;
  switch (design.border) {
    case BorderStyle::None: break;
    case BorderStyle::FixedSingle: style |= WS_BORDER; break;
    case BorderStyle::Sizable: style |= WS_THICKFRAME; break;
    case BorderStyle::FixedDialog: style |= WS_DLGFRAME; break;
  }
  return style;
}

DWORD ExStyleOf(const FormDesign& design) {
  DWORD exStyle = 0;
  if (design.border == BorderStyle::FixedDialog) exStyle |= WS_EX_DLGMODALFRAME;
  if (design.showInTaskbar) exStyle |= WS_EX_APPWINDOW;
  return exStyle;
}

}  // namespace

FormDesign UntitledDesign(std::wstring className, BorderStyle border, float width, float height) {
  FormDesign design;
  design.className = std::move(className);
  design.border = border;
  design.titleBar = false;
  design.controlBox = false;
  design.showInTaskbar = false;
  design.width = width;
  design.height = height;
  return design;
}

Form::Form(FormDesign design) : design_(std::move(design)) { SetScaleMode(design_.scale); }

Form::~Form() { DestroySurfaceWindow(); }

bool Form::Load() {
  if (Loaded() || loading_) return true;
  RegisterClass(design_.className.c_str(), CS_DBLCLKS);
  float left = design_.left, top = design_.top;
  if (design_.centerScreen) {
    left = (Screen::Width() - design_.width) / 2;
    top = (Screen::Height() - design_.height) / 2;
  }
  if (!CreateSurfaceWindow(design_.className.c_str(), StyleOf(design_), ExStyleOf(design_),
                           design_.showInTaskbar ? nullptr : HiddenOwner(), ToPixelsX(left), ToPixelsY(top),
                           ToPixelsX(design_.width), ToPixelsY(design_.height), design_.caption)) {
    return false;
  }
  SetBackColor(design_.backColor);
  if (design_.iconResource) {
    HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(design_.iconResource),
                                               IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    SendMessageW(hWnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  }
  loading_ = true;
  Form_Load();
  loading_ = false;
  return true;
}

bool Form::Unload() {
  if (!Loaded()) return true;
  int cancel = 0;
  Form_Unload(cancel);
  if (cancel != 0) return false;
  DestroySurfaceWindow();
  return true;
}

void Form::Show() {
  if (!Load()) return;
  ShowWindow(hWnd(), SW_SHOW);
}

void Form::Hide() {
  if (Loaded()) ShowWindow(hWnd(), SW_HIDE);
}

bool Form::Visible() const { return Loaded() && IsWindowVisible(hWnd()); }

RECT Form::OuterRect() const {
  RECT rect = {};
  if (Loaded()) GetWindowRect(hWnd(), &rect);
  return rect;
}

float Form::Left() const { return static_cast<float>(OuterRect().left) * Screen::TwipsPerPixelX(); }
float Form::Top() const { return static_cast<float>(OuterRect().top) * Screen::TwipsPerPixelY(); }

float Form::Width() const {
  const RECT rect = OuterRect();
  return static_cast<float>(rect.right - rect.left) * Screen::TwipsPerPixelX();
}

float Form::Height() const {
  const RECT rect = OuterRect();
  return static_cast<float>(rect.bottom - rect.top) * Screen::TwipsPerPixelY();
}

void Form::Move(float left, float top) {
  Load();
  SetWindowPos(hWnd(), nullptr, ToPixelsX(left), ToPixelsY(top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Move(float left, float top, float width, float height) {
  Load();
  SetWindowPos(hWnd(), nullptr, ToPixelsX(left), ToPixelsY(top), ToPixelsX(width), ToPixelsY(height),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_SIZE:
      Form_Resize();
      return 0;
    default:
      return Surface::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace forms
