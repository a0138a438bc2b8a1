// Display modes at start-up and hiding or showing the main window.
#include "launcher/window/Functions.h"

#include "forms/Application.h"
#include "launcher/LauncherState.h"
#include "launcher/window/FrmIcon.h"
#include "launcher/window/FrmMain.h"
#include "launcher/window/ScreenPlace.h"

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
  // Place 0 keeps the corner where the icon's was.
  if (place != 0 && ScreenPlace::IsGridPlace(place)) {
    const ScreenPlace::Corner corner =
        ScreenPlace::CornerFor(place, forms::Screen::Width(), forms::Screen::Height(), kWidth, kHeight);
    icon.Move(corner.left, corner.top);
  }
  state.Settings.WindowStyle = 2;
}

}  // namespace Functions
