#pragma once
// The notification-area record of the launcher.
#include <windows.h>
#include <shellapi.h>

namespace TrayIcon {

// The record as start-up fills it: messages to `window` as mouse moves,
// icon `icon`, id 1, the tip "Zentei" + "2.30", blank-filled.
void Fill(NOTIFYICONDATAA& data, HWND window, HICON icon);

}  // namespace TrayIcon
