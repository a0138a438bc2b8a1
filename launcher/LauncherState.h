#pragma once
// The launcher's process-wide state: its settings and the run-time values
// that the bar, the windows and the dialogs share. One instance, reached
// through Launcher(), lives from start-up to shutdown.
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <string>

#include "launcher/settings/LauncherSettings.h"

// The notification-area record in its first, 88-byte ANSI form (on 32-bit
// Windows; the 64-bit twin of the program uses the same layout with 8-byte
// handles).
#ifndef NOTIFYICONDATAA_V1_SIZE
#define NOTIFYICONDATAA_V1_SIZE FIELD_OFFSET(NOTIFYICONDATAA, szTip[64])
#endif
#if !defined(_WIN64)
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the tray record is 88 bytes on 32-bit Windows");
#endif

struct LauncherState {
  SettingsModel::LauncherSettings Settings;

  std::int16_t SlotCount = SettingsModel::SlotCount;
  std::int16_t CurrentSlot = 0;
  bool WindowHidden = false;
  std::wstring LastArguments;
  std::int16_t TwipsPerPixelX = 15;
  std::int16_t TwipsPerPixelY = 15;
  NOTIFYICONDATAA TrayIconData = {};
  POINT CursorPos = {0, 0};
  bool DialogOpen = false;
  bool TrayIconPhase = false;
};

LauncherState& Launcher();

// Texts of the program itself.
namespace LauncherTexts {
inline const std::wstring kProgramTitle = L"Zenteiy！！ Ｖer.2.30";
inline const std::wstring kVersion = L"2.30";
inline const std::wstring kSettingsFile = L"Zentei.ini";
inline const std::wstring kSettingsErrorLog = L"Zentei.Log";
}  // namespace LauncherTexts
