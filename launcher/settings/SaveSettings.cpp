// Writing Zentei.ini: the remembered position is normalised by Place first,
// then the whole file is rewritten.
#include <cmath>

#include "forms/Application.h"
#include "launcher/LauncherState.h"
#include "launcher/settings/SettingsIo.h"
#include "launcher/settings/SettingsWriter.h"
#include "launcher/window/FrmIcon.h"
#include "launcher/window/FrmMain.h"
#include "launcher/window/Functions.h"
#include "launcher/window/ScreenPlace.h"

namespace {

// Whole twips, a tie going to the even number.
std::int16_t RoundedTwips(float twips) { return static_cast<std::int16_t>(std::nearbyint(twips)); }

// Keeps a free-positioned form inside the screen and remembers its corner.
void NormaliseFreePosition(forms::Form& form, SettingsModel::LauncherSettings& settings) {
  const float sw = forms::Screen::Width(), sh = forms::Screen::Height();
  const float w = form.Width(), h = form.Height();
  if (form.Left() < 0) form.SetLeft(0);
  if (form.Left() + w > sw) form.SetLeft(sw - w);
  if (form.Top() < 0) form.SetTop(0);
  if (form.Top() + h > sh) form.SetTop(sh - h);
  if (settings.Left != form.Left()) settings.Left = RoundedTwips(form.Left());
  if (settings.Top != form.Top()) settings.Top = RoundedTwips(form.Top());
}

void NormalisePosition(SettingsModel::LauncherSettings& settings) {
  FrmMain& main = MainForm();
  const float sw = forms::Screen::Width();
  const float w = main.Width();
  switch (settings.Place) {
    case 1: case 7: case 2: case 5: case 8: {
      const float left = ScreenPlace::ColumnLeft(settings.Place, sw, w);
      if (main.Left() != left) {
        main.SetLeft(left);
        settings.Left = RoundedTwips(main.Left());
      }
      break;
    }
    case 4:
      if (settings.WindowStyle != 0) {
        NormaliseFreePosition(IconForm(), settings);
      } else {
        NormaliseFreePosition(main, settings);
      }
      break;
    case 0: case 3: case 6:
      if (main.Left() != 0) {
        main.SetLeft(0);
        settings.Left = 0;
      }
      break;
    default:
      break;
  }
}

}  // namespace

namespace Functions {

bool SaveSettings() {
  LauncherState& state = Launcher();
  NormalisePosition(state.Settings);
  FrmMain& main = MainForm();
  SettingsModel::LauncherSettings written = state.Settings;
  written.ForeColor = main.lblTitle.ForeColor();
  written.BackColor = main.lblTitle.BackColor();
  SettingsModel::ButtonTable slots;
  for (int s = 0; s < SettingsModel::SlotCount; ++s) {
    slots[s].Execute = main.SlotExecute(s);
    slots[s].Title = main.SlotTitle(s);
  }
  const auto lines = SettingsWriter::BuildSettingsLines(written, slots, state.SlotCount);
  return SettingsIo::WriteSettingsLines(SettingsFilePath(), lines);
}

std::wstring SettingsFilePath() {
  return SettingsIo::SettingsPath(forms::App::Path(), LauncherTexts::kSettingsFile);
}

std::wstring ErrorLogPath() {
  return SettingsIo::SettingsPath(forms::App::Path(), LauncherTexts::kSettingsErrorLog);
}

}  // namespace Functions
