#pragma once
// A picture box: a child window with a background colour and picture, its own
// scale, and a persistent image that the drawing operations draw on and that
// repaints the window (the drawing survives being covered).
#include <cstdint>

#include "forms/Gdi.h"
#include "forms/Surface.h"

namespace forms {

struct PictureBoxDesign {
  float left = 0, top = 0, width = 0, height = 0;  // in the holder's scale
  bool border = false;
  std::uint32_t backColor = 0x8000000F;
  bool visible = true;
  ScaleMode scale = ScaleMode::Twips;
};

class PictureBox : public Surface {
 public:
  PictureBox(Surface& holder, PictureBoxDesign design);
  ~PictureBox() override;

  float Left() const { return design_.left; }
  float Top() const { return design_.top; }
  float Width() const { return design_.width; }
  float Height() const { return design_.height; }
  void Move(float left, float top);
  void Move(float left, float top, float width, float height);
  void SetLeft(float left) { Move(left, design_.top); }
  void SetTop(float top) { Move(design_.left, top); }
  void SetWidth(float width) { Move(design_.left, design_.top, width, design_.height); }
  void SetHeight(float height) { Move(design_.left, design_.top, design_.width, height); }

  bool Visible() const { return design_.visible; }
  void SetVisible(bool visible);
  // 0: in front of its sibling windows; 1: behind them.
  void ZOrder(int position = 0);

  // --- Drawing on the persistent image, coordinates in the box's scale --------
  void Cls();  // back to the background colour and picture
  // A new background colour or picture clears the drawing.
  void SetBackColor(std::uint32_t colour) override;
  void SetPicture(const Picture& picture) override;
  // A plain line; its end point is left out, as the line primitive does.
  void Line(float x1, float y1, float x2, float y2, std::uint32_t colour);
  // A box outline or a filled box; both corners are part of it.
  void Box(float x1, float y1, float x2, float y2, std::uint32_t colour, bool filled);
  void PSet(float x, float y, std::uint32_t colour);
  // Copies a picture with its top-left corner at (x, y), clipped at the edge.
  void PaintPicture(const Picture& picture, float x, float y);
  // Draws an icon at (x, y) with the system's DrawIcon.
  void DrawIconAt(HICON icon, float x, float y);
  HDC hDC();  // the persistent image, for drawing with the Windows API
  void Update();  // shows what was drawn through hDC
  // A snapshot of the persistent image, to hand to images.
  Picture Image() const;

  MouseHandler MouseDown, MouseMove, MouseUp;

 protected:
  void CreateChildWindow(HWND parent) override;
  void PaintBackground(HDC dc, const RECT& client) const override;
  void OnMouseDown(const MouseEvent& e) override { if (MouseDown) MouseDown(e); }
  void OnMouseMove(const MouseEvent& e) override { if (MouseMove) MouseMove(e); }
  void OnMouseUp(const MouseEvent& e) override { if (MouseUp) MouseUp(e); }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  RECT PixelRectInHolder() const;
  void ResizeImage();
  POINT ToPixel(float x, float y) const;

  Surface& holder_;
  PictureBoxDesign design_;
  MemoryDc image_;
  Bitmap imageBitmap_;
  HGDIOBJ originalBitmap_ = nullptr;
  SIZE imageSize_ = {0, 0};
};

}  // namespace forms
