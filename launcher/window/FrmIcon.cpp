#include "launcher/window/FrmIcon.h"

#include "forms/Application.h"
#include "launcher/LauncherState.h"
#include "launcher/resources.h"
#include "launcher/window/FrmMain.h"
#include "launcher/window/ScreenPlace.h"

namespace {

forms::FormDesign IconDesign() {
  forms::FormDesign design = forms::UntitledDesign(L"frmIcon", forms::BorderStyle::None, 2715, 480);
  design.scale = forms::ScaleMode::Pixels;
  design.backColor = 0x00000000;
  return design;
}

}  // namespace

FrmIcon::FrmIcon()
    : forms::Form(IconDesign()), Label1(Add<forms::Label>()), Timer1(*this, 100, [] {}, true) {
  SetPicture(forms::Picture::FromIconResource(IDI_ICONMODE, 32));
  // 720 x 190 twips, in the form's pixels.
  Label1.Move(0, 0, 720 / forms::Screen::TwipsPerPixelX(), 190 / forms::Screen::TwipsPerPixelY());
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
  const float w = Width(), h = Height();
  const int place = Launcher().Settings.Place;
  if (place == ScreenPlace::kFree) {
    // Centred under the bar, on its bottom edge.
    const FrmMain& main = MainForm();
    Move(main.Left() + (main.Width() - w) / 2, main.Top() + main.Height() - h);
  } else if (ScreenPlace::IsGridPlace(place)) {
    const ScreenPlace::Corner corner =
        ScreenPlace::CornerFor(place, forms::Screen::Width(), forms::Screen::Height(), w, h);
    Move(corner.left, corner.top);
  }
}

FrmIcon& IconForm() {
  static FrmIcon form;
  return form;
}
