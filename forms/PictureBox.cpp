#include "forms/PictureBox.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {
constexpr wchar_t kPictureClass[] = L"ZenteiPicture";
}

PictureBox::PictureBox(Surface& holder, PictureBoxDesign design) : holder_(holder), design_(design) {
  SetScaleMode(design_.scale);
  SetBackColor(design_.backColor);
  holder_.AddChildSurface(*this);
  if (holder_.hWnd()) CreateChildWindow(holder_.hWnd());
}

PictureBox::~PictureBox() {
  holder_.RemoveChildSurface(*this);
  if (originalBitmap_) SelectObject(image_.get(), originalBitmap_);
  DestroySurfaceWindow();
}

RECT PictureBox::PixelRectInHolder() const {
  RECT rect;
  rect.left = static_cast<LONG>(std::lround(holder_.ScaleToPixelsX(design_.left)));
  rect.top = static_cast<LONG>(std::lround(holder_.ScaleToPixelsY(design_.top)));
  rect.right = rect.left + static_cast<LONG>(std::lround(holder_.ScaleToPixelsX(design_.width)));
  rect.bottom = rect.top + static_cast<LONG>(std::lround(holder_.ScaleToPixelsY(design_.height)));
  return rect;
}

void PictureBox::CreateChildWindow(HWND parent) {
  RegisterClass(kPictureClass, CS_DBLCLKS);
  const RECT rect = PixelRectInHolder();
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (design_.visible ? WS_VISIBLE : 0);
  if (design_.border) style |= WS_BORDER;
  CreateSurfaceWindow(kPictureClass, style, 0, parent, rect.left, rect.top, rect.right - rect.left,
                      rect.bottom - rect.top, L"");
  ResizeImage();
  Cls();
}

void PictureBox::Move(float left, float top) { Move(left, top, design_.width, design_.height); }

void PictureBox::Move(float left, float top, float width, float height) {
  design_.left = left;
  design_.top = top;
  design_.width = width;
  design_.height = height;
  if (!hWnd()) return;
  const RECT rect = PixelRectInHolder();
  SetWindowPos(hWnd(), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void PictureBox::SetVisible(bool visible) {
  design_.visible = visible;
  if (hWnd()) ShowWindow(hWnd(), visible ? SW_SHOWNA : SW_HIDE);
}

void PictureBox::ZOrder(int position) {
  if (hWnd()) {
    SetWindowPos(hWnd(), position == 0 ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

// The persistent image follows the window's size and keeps what it holds.
void PictureBox::ResizeImage() {
  const SIZE wanted = {std::max(InnerWidthPixels(), 1), std::max(InnerHeightPixels(), 1)};
  if (wanted.cx <= imageSize_.cx && wanted.cy <= imageSize_.cy && imageBitmap_) return;
  const SIZE size = {std::max(wanted.cx, imageSize_.cx), std::max(wanted.cy, imageSize_.cy)};
  WindowDc screen;
  Bitmap bitmap(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
  {
    MemoryDc copy;
    Selection selected(copy.get(), bitmap.get());
    Brush back(CreateSolidBrush(ToRgb(BackColor())));
    const RECT all = {0, 0, size.cx, size.cy};
    FillRect(copy.get(), &all, back.get());
    if (imageBitmap_) BitBlt(copy.get(), 0, 0, imageSize_.cx, imageSize_.cy, image_.get(), 0, 0, SRCCOPY);
  }
  HGDIOBJ previous = SelectObject(image_.get(), bitmap.get());
  if (!originalBitmap_) originalBitmap_ = previous;
  imageBitmap_ = std::move(bitmap);
  imageSize_ = size;
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) ResizeImage();
  return Surface::HandleMessage(message, wParam, lParam);
}

void PictureBox::PaintBackground(HDC dc, const RECT& client) const {
  BitBlt(dc, 0, 0, client.right, client.bottom, image_.get(), 0, 0, SRCCOPY);
}

POINT PictureBox::ToPixel(float x, float y) const {
  return {static_cast<LONG>(std::lround(ScaleToPixelsX(x))), static_cast<LONG>(std::lround(ScaleToPixelsY(y)))};
}

void PictureBox::Cls() {
  if (!imageBitmap_) return;
  Brush back(CreateSolidBrush(ToRgb(BackColor())));
  const RECT all = {0, 0, imageSize_.cx, imageSize_.cy};
  FillRect(image_.get(), &all, back.get());
  GetPicture().Draw(image_.get(), 0, 0);
  Invalidate();
}

void PictureBox::SetBackColor(std::uint32_t colour) {
  Surface::SetBackColor(colour);
  Cls();
}

void PictureBox::SetPicture(const Picture& picture) {
  Surface::SetPicture(picture);
  Cls();
}

void PictureBox::Line(float x1, float y1, float x2, float y2, std::uint32_t colour) {
  Pen pen(CreatePen(PS_SOLID, 1, ToRgb(colour)));
  Selection selected(image_.get(), pen.get());
  const POINT from = ToPixel(x1, y1), to = ToPixel(x2, y2);
  MoveToEx(image_.get(), from.x, from.y, nullptr);
  LineTo(image_.get(), to.x, to.y);
  Invalidate();
}

void PictureBox::Box(float x1, float y1, float x2, float y2, std::uint32_t colour, bool filled) {
  const POINT a = ToPixel(x1, y1), b = ToPixel(x2, y2);
  const RECT rect = {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
  Brush brush(CreateSolidBrush(ToRgb(colour)));
  if (filled) {
    FillRect(image_.get(), &rect, brush.get());
  } else {
    FrameRect(image_.get(), &rect, brush.get());
  }
  Invalidate();
}

void PictureBox::PSet(float x, float y, std::uint32_t colour) {
  const POINT p = ToPixel(x, y);
  SetPixelV(image_.get(), p.x, p.y, ToRgb(colour));
  Invalidate();
}

void PictureBox::PaintPicture(const Picture& picture, float x, float y) {
  const POINT p = ToPixel(x, y);
  picture.Draw(image_.get(), p.x, p.y);
  Invalidate();
}

void PictureBox::DrawIconAt(HICON icon, float x, float y) {
  const POINT p = ToPixel(x, y);
  DrawIcon(image_.get(), p.x, p.y, icon);
  Invalidate();
}

HDC PictureBox::hDC() { return image_.get(); }

void PictureBox::Update() { Invalidate(); }

Picture PictureBox::Image() const {
  const int width = std::max(InnerWidthPixels(), 1), height = std::max(InnerHeightPixels(), 1);
  WindowDc screen;
  HBITMAP snapshot = CreateCompatibleBitmap(screen.get(), width, height);
  {
    MemoryDc copy;
    Selection selected(copy.get(), snapshot);
    BitBlt(copy.get(), 0, 0, width, height, image_.get(), 0, 0, SRCCOPY);
  }
  return Picture::FromBitmap(snapshot);
}

}  // namespace forms
