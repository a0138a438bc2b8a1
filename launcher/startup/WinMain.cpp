// Zentei: the launcher starts from its main window's load step and runs
// until that window is unloaded.
#include <windows.h>

#include "forms/Application.h"
#include "launcher/LauncherState.h"
#include "launcher/window/FrmMain.h"

LauncherState& Launcher() {
  static LauncherState state;
  return state;
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  forms::App::SetTitle(LauncherTexts::kProgramTitle);
  FrmMain& main = MainForm();
  if (!main.Load()) return 1;
  return forms::RunMessageLoop();
}
