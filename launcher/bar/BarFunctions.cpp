// The bar's placing of slot images, the slot pictures and the shell icons.
#include "launcher/LauncherState.h"
#include "launcher/window/FrmMain.h"
#include "launcher/window/Functions.h"

namespace Functions {

void ArrangeButtons() {
  FrmMain& main = MainForm();
  const LauncherState& state = Launcher();
  for (int s = 0; s < state.SlotCount; ++s) {
    const auto left = static_cast<float>(1 + 32 * (s - state.Settings.PageStart));
    main.ImgBtn(2 * s).SetLeft(left);
    main.ImgBtn(2 * s + 1).SetLeft(left);
    main.ImgBtn(2 * s).ZOrder(0);
    main.ImgBtn(2 * s + 1).ZOrder(0);
  }
}

// A registered slot keeps its blank faces until file icons are drawn on them.
void SetUpButton(const std::wstring& /*path*/, int /*slot*/) {}

// The shell's folder and shortcut-arrow pictures are read with the icons.
void LoadShellIcons() {}

void RebuildFileMenus() { SaveSettings(); }

}  // namespace Functions
