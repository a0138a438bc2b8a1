#include "launcher/window/FrmIcon.h"

#include "forms/Application.h"
#include "launcher/LauncherState.h"
#include "launcher/resources.h"
#include "launcher/window/FrmMain.h"

namespace {

forms::FormDesign IconDesign() {
  forms::FormDesign design;
  design.className = L"frmIcon";
  design.border = forms::BorderStyle::None;
  design.titleBar = false;
  design.controlBox = false;
  design.showInTaskbar = false;
  design.width = 2715;
  design.height = 480;
  design.scale = forms::ScaleMode::Pixels;
  design.backColor = 0x00000000;
  return design;
}

}  // namespace

FrmIcon::FrmIcon()
    : forms::Form(IconDesign()), Label1(Add<forms::Label>()), Timer1(*this, 100, [] {}, true) {
  SetPicture(forms::Picture::FromIconResource(IDI_ICONMODE, 32));
  Label1.Move(0, 0, 48, 190 / 15.0F);
  Label1.SetCaption(L"Zenteii！");
  Label1.SetBackColor(0x0000FFFF);
  Label1.SetForeColor(0x80000008);
  Label1.SetBorder(true);
  Label1.SetFontName(L"ＭＳ 明朝");
  Label1.SetFontSize(8.25F);
  Label1.SetVisible(false);
}

void FrmIcon::Form_Load() {
  const LauncherState& state = Launcher();
  SetWidth(static_cast<float>(32 * state.TwipsPerPixelX));
  SetWindowPos(hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  PlaceByScreenPlace();
}

void FrmIcon::PlaceByScreenPlace() {
  const float sw = forms::Screen::Width(), sh = forms::Screen::Height();
  const float w = Width(), h = Height();
  const FrmMain& main = MainForm();
  switch (Launcher().Settings.Place) {
    case 0: Move(0, 0); break;
    case 1: Move((sw - w) / 2, 0); break;
    case 2: Move(sw - w, 0); break;
    case 3: Move(0, (sh - h) / 2); break;
    case 4: Move(main.Left() + (main.Width() - w) / 2, main.Top() + main.Height() - h); break;
    case 5: Move(sw - w, (sh - h) / 2); break;
    case 6: Move(0, sh - h); break;
    case 7: Move((sw - w) / 2, sh - h); break;
    case 8: Move(sw - w, sh - h); break;
    default: break;
  }
}

FrmIcon& IconForm() {
  static FrmIcon form;
  return form;
}
