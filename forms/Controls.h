#pragma once
// Lightweight controls: images, labels and lines are not windows of their
// own but are drawn by the window that holds them (a form or a picture box),
// in their z-order and always below that window's child windows. The holder
// also hit-tests them and routes the mouse to them, with capture: the control
// that took a button press gets every move and the release until the last
// button is up.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "forms/Picture.h"

namespace forms {

class Surface;

enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftState { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };

// x and y are in the holder's scale, relative to the control's corner.
struct MouseEvent {
  int button = 0;
  int shift = 0;
  float x = 0;
  float y = 0;
};

using MouseHandler = std::function<void(const MouseEvent&)>;
using IndexedMouseHandler = std::function<void(int index, const MouseEvent&)>;

// The mouse handlers of a control array: one for all its elements, told the
// element's index.
struct IndexedMouseHandlers {
  IndexedMouseHandler MouseDown, MouseMove, MouseUp;
};

// Passes an element's mouse events on to its array's handlers.
template <class Element>
void ForwardMouse(Element& element, int index, const IndexedMouseHandlers& array) {
  element.MouseDown = [&array, index](const MouseEvent& e) { if (array.MouseDown) array.MouseDown(index, e); };
  element.MouseMove = [&array, index](const MouseEvent& e) { if (array.MouseMove) array.MouseMove(index, e); };
  element.MouseUp = [&array, index](const MouseEvent& e) { if (array.MouseUp) array.MouseUp(index, e); };
}

class LightControl {
 public:
  explicit LightControl(Surface& holder) : holder_(holder) {}
  LightControl(const LightControl&) = delete;
  LightControl& operator=(const LightControl&) = delete;
  virtual ~LightControl() = default;

  // Position and size in the holder's scale.
  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }
  void Move(float left, float top);
  void Move(float left, float top, float width, float height);
  void SetLeft(float left) { Move(left, top_); }
  void SetTop(float top) { Move(left_, top); }
  void SetWidth(float width) { Move(left_, top_, width, height_); }
  void SetHeight(float height) { Move(left_, top_, width_, height); }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // 0: to the front of the holder's lightweight controls; 1: to the back.
  void ZOrder(int position = 0);

  // The rectangle in the holder's pixels.
  RECT PixelRect() const;
  // Asks the holder to repaint the control's place (when it is visible).
  void Invalidate() const;
  virtual bool TakesMouse() const { return true; }
  virtual void Paint(HDC dc) const = 0;

  MouseHandler MouseDown, MouseMove, MouseUp;
  std::function<void()> Click, DblClick;

 protected:
  Surface& Holder() const { return holder_; }

 private:
  Surface& holder_;
  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
};

class Image : public LightControl {
 public:
  using LightControl::LightControl;
  const Picture& GetPicture() const { return picture_; }
  void SetPicture(const Picture& picture);
  std::wstring Tag;
  void Paint(HDC dc) const override;

 private:
  Picture picture_;
};

enum class Alignment { Left, Right, Center };

struct FontSpec {
  std::wstring name = L"ＭＳ Ｐゴシック";
  float size = 9.0F;
  bool bold = false;
  bool italic = false;
};

class Label : public LightControl {
 public:
  explicit Label(Surface& holder);
  ~Label() override;

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  // Colours 0x00BBGGRR or system colours 0x800000nn; a colour the label does
  // not take is refused (false) and the old one stays.
  std::uint32_t ForeColor() const { return foreColor_; }
  std::uint32_t BackColor() const { return backColor_; }
  bool SetForeColor(std::uint32_t colour);
  bool SetBackColor(std::uint32_t colour);
  void SetTransparent(bool transparent);
  // The font, always in the Japanese character set. A name without such a
  // font on the system or a size out of range is refused (false); the label
  // then keeps its font. The size reads back as the font realised it.
  const std::wstring& FontName() const { return font_.name; }
  float FontSize() const { return font_.size; }
  bool FontBold() const { return font_.bold; }
  bool FontItalic() const { return font_.italic; }
  bool SetFontName(const std::wstring& name);
  bool SetFontSize(float points);
  void SetFontBold(bool bold);
  void SetFontItalic(bool italic);
  void SetAlignment(Alignment alignment);
  void SetBorder(bool fixedSingle);
  void SetWordWrap(bool wrap);

  void Paint(HDC dc) const override;

 private:
  void RebuildFont();

  std::wstring caption_;
  std::uint32_t foreColor_ = 0x80000012;  // button text
  std::uint32_t backColor_ = 0x8000000F;  // button face
  bool transparent_ = false;
  FontSpec font_;
  HFONT fontHandle_ = nullptr;
  Alignment alignment_ = Alignment::Left;
  bool border_ = false;
  bool wordWrap_ = false;
};

// A straight line between two points of the holder, in its scale.
class Line : public LightControl {
 public:
  using LightControl::LightControl;
  void SetPoints(float x1, float y1, float x2, float y2);
  void SetColor(std::uint32_t colour);
  bool TakesMouse() const override { return false; }
  void Paint(HDC dc) const override;

 private:
  float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  std::uint32_t colour_ = 0;
};

// The RGB value of a colour, system colours resolved.
COLORREF ToRgb(std::uint32_t colour);
// True when a font family of that name (or a substitute for it) exists.
bool FontFamilyExists(const std::wstring& name);

}  // namespace forms
