#include "launcher/startup/TrayIcon.h"

#include <cstring>

#include "launcher/LauncherState.h"

namespace TrayIcon {

void Fill(NOTIFYICONDATAA& data, HWND window, HICON icon) {
  data = NOTIFYICONDATAA{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window;
  data.uID = 1;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_MOUSEMOVE;
  data.hIcon = icon;
  const char tip[] = "Zentei" "2.30";
  std::memset(data.szTip, ' ', 64);
  std::memcpy(data.szTip, tip, sizeof tip);  // with its NUL
}

}  // namespace TrayIcon
