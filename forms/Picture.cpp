#include "forms/Picture.h"

#include "forms/Gdi.h"

namespace forms {

struct Picture::Data {
  HICON icon = nullptr;
  HBITMAP bitmap = nullptr;
  int width = 0;
  int height = 0;
  ~Data() {
    if (icon) DestroyIcon(icon);
    if (bitmap) DeleteObject(bitmap);
  }
};

namespace {

HINSTANCE Module() { return GetModuleHandleW(nullptr); }

}  // namespace

Picture Picture::FromIcon(HICON icon) {
  Picture picture;
  if (!icon) return picture;
  auto data = std::make_shared<Data>();
  data->icon = icon;
  ICONINFO info = {};
  if (GetIconInfo(icon, &info)) {
    BITMAP bits = {};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bits, &bits);
    data->width = bits.bmWidth;
    data->height = info.hbmColor ? bits.bmHeight : bits.bmHeight / 2;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
  }
  picture.data_ = std::move(data);
  return picture;
}

Picture Picture::FromBitmap(HBITMAP bitmap) {
  Picture picture;
  if (!bitmap) return picture;
  auto data = std::make_shared<Data>();
  data->bitmap = bitmap;
  BITMAP bits = {};
  GetObjectW(bitmap, sizeof bits, &bits);
  data->width = bits.bmWidth;
  data->height = bits.bmHeight;
  picture.data_ = std::move(data);
  return picture;
}

Picture Picture::FromIconResource(int id, int size) {
  return FromIcon(static_cast<HICON>(
      LoadImageW(Module(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

Picture Picture::FromBitmapResource(int id) {
  return FromBitmap(static_cast<HBITMAP>(
      LoadImageW(Module(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

int Picture::Width() const { return data_ ? data_->width : 0; }
int Picture::Height() const { return data_ ? data_->height : 0; }
bool Picture::IsIcon() const { return data_ && data_->icon; }
HICON Picture::Icon() const { return data_ ? data_->icon : nullptr; }
HBITMAP Picture::Bitmap() const { return data_ ? data_->bitmap : nullptr; }

void Picture::Draw(HDC dc, int x, int y) const {
  if (!data_) return;
  if (data_->icon) {
    DrawIconEx(dc, x, y, data_->icon, data_->width, data_->height, 0, nullptr, DI_NORMAL);
    return;
  }
  MemoryDc source;
  Selection selected(source.get(), data_->bitmap);
  BitBlt(dc, x, y, data_->width, data_->height, source.get(), 0, 0, SRCCOPY);
}

}  // namespace forms
