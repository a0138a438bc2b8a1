// The main window's load step (the launcher's start-up) and unload step.
#include <cmath>

#include "common/MsecWaiting.h"
#include "forms/Application.h"
#include "launcher/LauncherState.h"
#include "launcher/dialogs/FrmAbout.h"
#include "launcher/dialogs/FrmLoad.h"
#include "launcher/startup/TrayIcon.h"
#include "launcher/window/FrmIcon.h"
#include "launcher/window/FrmMain.h"
#include "launcher/window/Functions.h"

namespace {

std::int16_t RoundedTwipsPerPixel(float factor) { return static_cast<std::int16_t>(std::lround(factor)); }

// Owner of a top-level window (the NT-family equivalent of SetWindowWord
// with -8, which 32-bit Windows no longer accepts).
void SetOwner(HWND window, HWND owner) {
  SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

}  // namespace

void FrmMain::Form_Load() {
  LauncherState& state = Launcher();
  LoadFinished = false;
  state.TwipsPerPixelX = RoundedTwipsPerPixel(forms::Screen::TwipsPerPixelX());
  state.TwipsPerPixelY = RoundedTwipsPerPixel(forms::Screen::TwipsPerPixelY());

  // Defaults; the title's colours and font come from the label as designed.
  state.Settings = SettingsModel::LauncherSettings{};
  state.Settings.ForeColor = lblTitle.ForeColor();
  state.Settings.BackColor = lblTitle.BackColor();
  state.Settings.FontName = lblTitle.FontName();
  state.Settings.FontSize = lblTitle.FontSize();

  Line1.SetPoints(0, 0, 0, 32);
  lblTitle.Move(0, 34, static_cast<float>(state.SlotCount * 32 + 16), 19);

  EnableWindow(hWnd(), FALSE);
  FrmIcon& icon = IconForm();
  icon.Load();
  EnableWindow(icon.hWnd(), FALSE);

  FrmLoad& splash = LoadForm();
  splash.Show();
  splash.Refresh();
  AboutForm().Load();
  SetOwner(splash.hWnd(), hWnd());
  SetWindowPos(splash.hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPos(hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE);

  for (int i = 1; i <= 3; ++i) ImgSys.Load(i);
  ImgDest.Load(1);
  for (int i = 0; i <= 1; ++i) {
    DrawBlankFaces(i);
    DrawPageButtons(i);
  }

  LoadSettings();
  const float outerHeight = Height();
  SetHeight((lblTitle.Height() + 34) * state.TwipsPerPixelY +
            (outerHeight - static_cast<float>(state.TwipsPerPixelY * InnerHeightPixels())));
  if (state.Settings.WindowStyle == 0) {
    SetWindowPos(hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
  }
  Functions::ApplyStartupMode();
  splash.Picture2.SetWidth(0);
  splash.StepLoadGauge();

  for (int s = 0; s < state.SlotCount; ++s) {
    splash.Refresh();
    ImgBtn(2 * s).Move(static_cast<float>(32 * s + 1), 0, 32, 32);
    ImgBtn(2 * s + 1).Move(static_cast<float>(32 * s + 1), 0, 32, 32);
    ImgBtn(2 * s).SetPicture(ImgDest(0).GetPicture());
    ImgBtn(2 * s + 1).SetPicture(ImgDest(1).GetPicture());
    if (s % 10 == 0) forms::DoEvents();
  }
  for (int i = 0; i <= 3; ++i) ImgSys(i).SetTop(static_cast<float>((i / 2) * 16));
  for (int s = 0; s < state.SlotCount; ++s) {
    ImgBtn(2 * s).Tag.clear();
    ImgBtn(2 * s + 1).Tag.clear();
    ImgBtn(2 * s).SetPicture(ImgDest(0).GetPicture());
    ImgBtn(2 * s + 1).SetPicture(ImgDest(1).GetPicture());
    forms::DoEvents();
  }

  ReadAllSettings();
  splash.StepLoadGauge();
  CheckButtonEntries();
  Functions::RebuildFileMenus();
  splash.StepLoadGauge();
  if (state.Settings.TopMost != 0) {
    SetWindowPos(hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  }
  for (int i = 0; i <= 3; ++i) {
    ImgSys(i).SetVisible(true);
    if (i == 0 || i == 2) Refresh();
  }
  splash.StepLoadGauge();
  Line1.SetVisible(true);
  Refresh();

  for (int s = 0; s < state.SlotCount; ++s) {
    if (!ImgBtn(2 * s).Tag.empty()) Functions::SetUpButton(ImgBtn(2 * s).Tag, s);
    ImgBtn(2 * s).SetVisible(true);
    ImgBtn(2 * s + 1).ZOrder(0);
    if (state.Settings.PageStart <= s && s <= state.Settings.Buttons + state.Settings.PageStart) Refresh();
  }

  TrayIcon::Fill(state.TrayIconData, PicIcon(0).hWnd(), PicIcon(0).GetPicture().Icon());
  splash.FillGauge();
  lblTitle.SetVisible(true);
  MsecWaiting::WaitMilliseconds(800);
  splash.Unload();
  Shell_NotifyIconA(NIM_ADD, &state.TrayIconData);
  EnableWindow(hWnd(), TRUE);
  EnableWindow(icon.hWnd(), TRUE);
  Timer1.SetEnabled(true);
  LoadFinished = true;
}

void FrmMain::Form_Unload(int& /*cancel*/) {
  Shell_NotifyIconA(NIM_DELETE, &Launcher().TrayIconData);
  if (LoadFinished) Functions::SaveSettings();
  forms::Quit(0);
}
