#pragma once
// Procedures of the launcher shared by its windows: saving the settings,
// arranging the bar, the display modes and the tray icon.
#include <windows.h>

#include <string>

namespace Functions {

// Normalises the remembered position by Place, then rewrites Zentei.ini.
// A file that cannot be replaced is left as it was; the launcher runs on.
bool SaveSettings();
// Places the slot images for PageStart.
void ArrangeButtons();
// Enters the display mode held in WindowStyle (start-up).
void ApplyStartupMode();
// Icon mode to label mode: the small form shrinks to its label.
void ToLabelMode();
// Hides or shows a window without moving, sizing or activating it.
void ShowHideWindow(HWND window, bool show);
// Draws the registered file's icon on slot's faces.
void SetUpButton(const std::wstring& path, int slot);
// Rebuilds the registered-file menu entries, then saves the settings.
void RebuildFileMenus();
// Reads the folder and shortcut-arrow icons of the shell.
void LoadShellIcons();

std::wstring SettingsFilePath();
std::wstring ErrorLogPath();

}  // namespace Functions
