#include "forms/Application.h"

#include <windows.h>

#include "forms/Gdi.h"
#include "forms/ProgramFolder.h"

namespace forms {

namespace Screen {

int Dpi() {
  WindowDc screen;
  return GetDeviceCaps(screen.get(), LOGPIXELSX);
}
float TwipsPerPixelX() { return 1440.0F / static_cast<float>(Dpi()); }
float TwipsPerPixelY() {
  WindowDc screen;
  return 1440.0F / static_cast<float>(GetDeviceCaps(screen.get(), LOGPIXELSY));
}
float Width() { return static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * TwipsPerPixelX(); }
float Height() { return static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * TwipsPerPixelY(); }

}  // namespace Screen

namespace App {

namespace {
std::wstring& TitleStorage() {
  static std::wstring title;
  return title;
}
}  // namespace

std::wstring Path() {
  wchar_t module[MAX_PATH * 4] = {};
  const DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH * 4);
  return ProgramFolderOf(std::wstring(module, length));
}

void SetTitle(const std::wstring& title) { TitleStorage() = title; }
const std::wstring& Title() { return TitleStorage(); }

}  // namespace App

int MsgBox(const std::wstring& prompt, unsigned style, const std::wstring& title) {
  const std::wstring& caption = title.empty() ? App::Title() : title;
  return MessageBoxW(GetActiveWindow(), prompt.c_str(), caption.c_str(), style);
}

void DoEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the loop
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

void Quit(int code) { PostQuitMessage(code); }

}  // namespace forms
