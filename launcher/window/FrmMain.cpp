#include "launcher/window/FrmMain.h"

#include "forms/Application.h"
#include "launcher/LauncherState.h"
#include "launcher/resources.h"

namespace {

forms::FormDesign MainDesign() {
  forms::FormDesign design = forms::UntitledDesign(L"FrmMain", forms::BorderStyle::Sizable, 4980, 2325);
  design.left = 3900;
  design.top = 2835;
  design.iconResource = IDI_ZENTEI;
  design.scale = forms::ScaleMode::Pixels;
  return design;
}

constexpr std::uint32_t kButtonFace = 0x8000000F;

forms::PictureBoxDesign HiddenBox(float size) {
  forms::PictureBoxDesign design;
  design.width = size;
  design.height = size;
  design.visible = false;
  design.scale = forms::ScaleMode::Pixels;
  design.backColor = kButtonFace;
  return design;
}

}  // namespace

FrmMain::FrmMain()
    : forms::Form(MainDesign()),
      ImgBtn(*this),
      ImgDest(*this),
      ImgSys(*this, HiddenBox(16)),
      PicIcon(*this, HiddenBox(32)),
      PicTmp(*this, HiddenBox(32)),
      lblTitle(Add<forms::Label>()),
      Line1(Add<forms::Line>()),
      Timer1(*this, 100, [this] { Timer1_Timer(); }) {
  for (int k = 0; k < 2 * SettingsModel::SlotCount; ++k) {
    forms::Image& face = ImgBtn.Load(k);
    face.Move(0, 0, 32, 32);
    face.SetVisible(false);  // shown one by one at the end of start-up
  }
  ImgDest.Load(0).Move(0, 0, 32, 32);
  ImgDest(0).SetVisible(false);
  ImgSys.Load(0);
  PicIcon.Load(0).SetPicture(forms::Picture::FromIconResource(IDI_TRAY0, 16));
  PicIcon.Load(1).SetPicture(forms::Picture::FromIconResource(IDI_TRAY1, 16));

  // The title label as designed; start-up copies its colours and font into
  // the settings before anything is read.
  lblTitle.SetCaption(L"Zenteiii！！！");
  lblTitle.SetBackColor(0x00808000);
  lblTitle.SetForeColor(0x0000FFFF);
  lblTitle.SetBorder(true);
  lblTitle.SetAlignment(forms::Alignment::Center);
  lblTitle.SetWordWrap(true);
  lblTitle.SetFontName(L"ＭＳ ゴシック");
  lblTitle.SetFontSize(11.25F);
  lblTitle.SetVisible(false);
  Line1.SetColor(0);
  Line1.SetVisible(false);
}

void FrmMain::Timer1_Timer() {
  if (!LoadFinished) return;
  // Topmost re-assertion, place keeping and the tray animation arrive with
  // the main window's behaviour; nothing else is due on a tick yet.
}

FrmMain& MainForm() {
  static FrmMain form;
  return form;
}
