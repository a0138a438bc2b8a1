// Display modes at start-up and hiding or showing the main window.
#include "launcher/window/Functions.h"

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
    // Label mode: the form shrinks to its label.
    icon.Label1.SetVisible(true);
    icon.SetWidth(720);
    icon.SetHeight(190);
    if (state.Settings.Place == 4) icon.Move(state.Settings.Left, state.Settings.Top);
  }
}

}  // namespace Functions
