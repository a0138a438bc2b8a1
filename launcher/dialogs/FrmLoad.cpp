#include "launcher/dialogs/FrmLoad.h"

#include "forms/Application.h"

#include "launcher/resources.h"
#include "launcher/settings/LoadGauge.h"

namespace {

forms::FormDesign SplashDesign() {
  forms::FormDesign design = forms::UntitledDesign(L"frmLoad", forms::BorderStyle::None, 5580, 3255);
  design.centerScreen = true;
  return design;
}

forms::PictureBoxDesign Box(float left, float top, float width, float height, std::uint32_t back, bool border,
                            forms::ScaleMode scale) {
  forms::PictureBoxDesign design;
  design.left = left;
  design.top = top;
  design.width = width;
  design.height = height;
  design.backColor = back;
  design.border = border;
  design.scale = scale;
  return design;
}

// The labels stand in a caption-less frame at (30, -55); drawn straight on
// the background picture, they keep that offset and let the picture show
// through.
forms::Label& SplashLabel(forms::PictureBox& holder, const wchar_t* caption, std::uint32_t colour, float size,
                          bool italic, forms::Alignment alignment, float left, float top, float width,
                          float height) {
  forms::Label& label = holder.Add<forms::Label>();
  label.Move(30 + left, -55 + top, width, height);
  label.SetCaption(caption);
  label.SetTransparent(true);
  label.SetForeColor(colour);
  label.SetFontName(L"ＭＳ Ｐゴシック");
  label.SetFontSize(size);
  label.SetFontBold(true);
  label.SetFontItalic(italic);
  label.SetAlignment(alignment);
  return label;
}

}  // namespace

FrmLoad::FrmLoad()
    : forms::Form(SplashDesign()),
      Picture3(*this, Box(0, 0, 5580, 3255, 0x8000000F, false, forms::ScaleMode::Twips)),
      Picture1(Picture3, Box(270, 1845, 5040, 390, 0x00008000, true, forms::ScaleMode::Pixels)),
      // 15 x 330 twips, in the frame's pixels.
      Picture2(Picture1, Box(0, 0, 15 / forms::Screen::TwipsPerPixelX(), 330 / forms::Screen::TwipsPerPixelY(),
                             0x0000FFFF, false, forms::ScaleMode::Pixels)),
      Label5(SplashLabel(Picture3, L"Zenteiii！！！", 0x00800000, 21.75F, true, forms::Alignment::Center, 150, 600,
                         5040, 465)),
      Label1(SplashLabel(Picture3, L"Version2.20a", 0x00800080, 9.75F, true, forms::Alignment::Right, 150, 1050,
                         5040, 165)),
      Label2(SplashLabel(Picture3, L"ロード中です...", 0x80000012, 11.25F, false, forms::Alignment::Center, 150,
                         1500, 5040, 240)),
      Label3(SplashLabel(Picture3, L"しばらくお待ちください", 0x00008000, 15.75F, false, forms::Alignment::Center,
                         150, 2400, 5040, 390)) {
  Picture3.SetPicture(forms::Picture::FromBitmapResource(IDB_SPLASH));
  Picture1.SetPicture(forms::Picture::FromBitmapResource(IDB_GAUGE_FRAME));
  Picture2.SetPicture(forms::Picture::FromBitmapResource(IDB_GAUGE_FILL));
}

void FrmLoad::PrepareGauge(std::size_t records) {
  Load();
  Picture1.SetUserScale(static_cast<float>(LoadGauge::ScaleWidth(records)),
                        static_cast<float>(Picture1.InnerHeightPixels()));
  Picture2.Move(0, 0, 0, Picture2.Height());
}

void FrmLoad::StepLoadGauge() {
  Picture2.SetWidth(static_cast<float>(LoadGauge::Step(Picture2.Width())));
  Picture2.Refresh();
  Picture1.Refresh();
}

void FrmLoad::FillGauge() {
  while (Picture2.Width() < Picture1.ScaleWidth()) {
    Picture2.SetWidth(Picture2.Width() + 1);
    Refresh();
  }
}

FrmLoad& LoadForm() {
  static FrmLoad form;
  return form;
}
