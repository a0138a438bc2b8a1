// Display modes at start-up and hiding or showing the main window.
#include "launcher/window/Functions.h"

#include "forms/Application.h"
#include "launcher/LauncherState.h"
#include "launcher/window/FrmIcon.h"
#include "launcher/window/FrmMain.h"

namespace Functions {

void ShowHideWindow(HWND window, bool show) {
  const UINT flags = (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE;
  LauncherState& state = Launcher();
  if (window == MainForm().hWnd()) {
    SetWindowPos(window, state.Settings.TopMost != 0 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    state.WindowHidden = !show;
  } else {
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
  }
}

void ApplyStartupMode() {
  const LauncherState& state = Launcher();
  const int mode = state.Settings.WindowStyle;
  if (mode != 1 && mode != 2) return;
  ShowHideWindow(MainForm().hWnd(), false);
  FrmIcon& icon = IconForm();
  if (state.Settings.Place == 4) icon.Move(state.Settings.Left, state.Settings.Top);
  icon.Show();
  if (mode == 2) {
    ToLabelMode();
    // The label's own corner lands on the saved position.
    if (state.Settings.Place == 4) icon.Move(state.Settings.Left, state.Settings.Top);
  }
}

void ToLabelMode() {
  LauncherState& state = Launcher();
  FrmIcon& icon = IconForm();
  constexpr float kWidth = 720, kHeight = 190;
  const int place = state.Settings.Place;
  if (place == 4) {
    // The label's centre takes the icon's centre.
    icon.Move(icon.Left() + (icon.Width() - kWidth) / 2, icon.Top() + (icon.Height() - kHeight) / 2);
  }
  icon.Label1.SetVisible(true);
  icon.Move(icon.Left(), icon.Top(), kWidth, kHeight);
  const float sw = forms::Screen::Width(), sh = forms::Screen::Height();
  if (place != 0 && place != 4 && place >= 1 && place <= 8) {
    const int column = place % 3, row = place / 3;
    const float left = column == 0 ? 0 : column == 1 ? (sw - kWidth) / 2 : sw - kWidth;
    const float top = row == 0 ? 0 : row == 1 ? (sh - kHeight) / 2 : sh - kHeight;
    icon.Move(left, top);
  }
  state.Settings.WindowStyle = 2;
}

}  // namespace Functions
