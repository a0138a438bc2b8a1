#pragma once
// A picture as image controls, picture boxes and forms hold it: an icon or a
// bitmap, shared and never changed once made (assigning a picture shares it;
// a picture box hands out snapshots of its drawing).
#include <windows.h>

#include <memory>

namespace forms {

class Picture {
 public:
  Picture() = default;
  static Picture FromIconResource(int id, int size = 32);
  static Picture FromBitmapResource(int id);
  static Picture FromIcon(HICON icon);        // takes ownership
  static Picture FromBitmap(HBITMAP bitmap);  // takes ownership

  bool Empty() const { return !data_; }
  int Width() const;   // pixels
  int Height() const;  // pixels
  bool IsIcon() const;
  HICON Icon() const;  // null for a bitmap picture
  HBITMAP Bitmap() const;
  // Draws the picture with its top-left corner at (x, y), icons with their
  // transparency.
  void Draw(HDC dc, int x, int y) const;

 private:
  struct Data;
  std::shared_ptr<const Data> data_;
};

}  // namespace forms
