#pragma once
// A form: a top-level window with load and unload steps (an unload can be
// refused), position and size in twips, and the lightweight controls, child
// windows and timers of a Surface.
#include <string>

#include "forms/Surface.h"

namespace forms {

enum class BorderStyle { None, FixedSingle, Sizable, FixedDialog };

struct FormDesign {
  std::wstring className;  // the window class, one per form
  std::wstring caption;
  BorderStyle border = BorderStyle::Sizable;
  bool titleBar = true;  // false: a frame with no title bar
  bool controlBox = true;
  bool minButton = false;
  bool maxButton = false;
  bool showInTaskbar = true;
  float left = 0, top = 0;             // twips
  float width = 4800, height = 3600;   // twips, outer size
  bool centerScreen = false;
  int iconResource = 0;
  ScaleMode scale = ScaleMode::Twips;
  std::uint32_t backColor = 0x8000000F;
};

// A form with no title bar, no control box and no taskbar button, as the
// launcher's own windows are; the caller adds what differs.
FormDesign UntitledDesign(std::wstring className, BorderStyle border, float width, float height);

class Form : public Surface {
 public:
  explicit Form(FormDesign design);
  ~Form() override;

  // Creates the window (hidden) and runs Form_Load; nothing when loaded.
  bool Load();
  // Runs Form_Unload; when not refused, destroys the window. True when the
  // form is unloaded afterwards.
  bool Unload();
  bool Loaded() const { return hWnd() != nullptr; }

  void Show();  // loads first when needed
  void Hide();
  bool Visible() const;

  // Outer position and size in twips.
  float Left() const;
  float Top() const;
  float Width() const;
  float Height() const;
  void Move(float left, float top);
  void Move(float left, float top, float width, float height);
  void SetLeft(float left) { Move(left, Top()); }
  void SetTop(float top) { Move(Left(), top); }
  void SetWidth(float width) { Move(Left(), Top(), width, Height()); }
  void SetHeight(float height) { Move(Left(), Top(), Width(), height); }

 protected:
  virtual void Form_Load() {}
  virtual void Form_Unload(int& /*cancel*/) {}
  virtual void Form_Resize() {}
  virtual void Form_MouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
  virtual void Form_MouseMove(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
  virtual void Form_MouseUp(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
  virtual void Form_Click() {}
  virtual void Form_DblClick() {}

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnMouseDown(const MouseEvent& e) override { Form_MouseDown(e.button, e.shift, e.x, e.y); }
  void OnMouseMove(const MouseEvent& e) override { Form_MouseMove(e.button, e.shift, e.x, e.y); }
  void OnMouseUp(const MouseEvent& e) override { Form_MouseUp(e.button, e.shift, e.x, e.y); }
  void OnClick() override { Form_Click(); }
  void OnDblClick() override { Form_DblClick(); }

 private:
  RECT OuterRect() const;  // screen pixels

  FormDesign design_;
  bool loading_ = false;
};

}  // namespace forms
