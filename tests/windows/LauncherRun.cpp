#include "tests/windows/LauncherRun.h"

#include <shellapi.h>

#include <cwchar>

namespace launcher_run {

std::string Ansi(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                      nullptr);
  return bytes;
}

std::string AnsiLines(const std::vector<std::wstring>& lines) {
  std::string bytes;
  for (const std::wstring& line : lines) bytes += Ansi(line) + "\r\n";
  return bytes;
}

std::vector<std::wstring> DefaultLines() {
  return {
      L"Arguments = 0",  L"WinState = 4",       L"SoundName = ",   L"Sounds = 0",
      L"Place = 4",      L"TopMost = 2",        L"Left = 0",       L"Top = 0",
      L"ForeColor = &H00FFFF", L"BackColor = &H808000", L"Buttons = 5", L"WindowStyle = 0",
      L"FontName = ＭＳ ゴシック", L"FontSize = 11.25", L"FontBold = 0", L"FontItalic = 0",
      L"PageStart = 0",
  };
}

std::wstring TodayLogDate() {
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  wchar_t text[16] = {};
  std::swprintf(text, 16, L"[%02u-%02u-%04u]", now.wMonth, now.wDay, now.wYear);
  return text;
}

HWND TrayIconOwner(HWND main) {
  for (HWND child : driver::ChildWindows(main)) {
    if (driver::ClassName(child) != L"ZenteiPicture") continue;
    if (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) continue;
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = child;
    data.uID = 1;
    data.uFlags = 0;  // change nothing: only asks whether the icon is there
    if (Shell_NotifyIconW(NIM_MODIFY, &data)) return child;
  }
  return nullptr;
}

LauncherRun::LauncherRun(const std::wstring& subFolder) : folder_(driver::NewTempFolder()) {
  if (!subFolder.empty()) {
    folder_ += L"\\" + subFolder;
    CreateDirectoryW(folder_.c_str(), nullptr);
  }
  ready_ = CopyFileW((driver::DistFolder() + L"\\Zentei.exe").c_str(), Exe().c_str(), TRUE) != FALSE;
}

void LauncherRun::WriteIni(const std::vector<std::wstring>& lines) const {
  driver::WriteFileBytes(IniPath(), AnsiLines(lines));
}

bool LauncherRun::Start() {
  process_.emplace(driver::Process::Start(Exe(), L"", folder_));
  return process_->Started();
}

HWND LauncherRun::Window(const std::wstring& className) const {
  const auto windows = driver::TopWindows({Id(), className, L"", false});
  return windows.empty() ? nullptr : windows.front();
}

bool LauncherRun::SplashShown() const {
  return !driver::TopWindows({Id(), L"frmLoad", L"", true}).empty();
}

bool LauncherRun::IsStarted() const {
  const HWND main = MainWindow();
  return main != nullptr && IsWindowEnabled(main) && !SplashShown() && TrayIconOwner(main) != nullptr;
}

bool LauncherRun::WaitUntilStarted(DWORD timeoutMs) const {
  driver::WaitUntil([&] { return IsStarted() || MessageBoxWindow() != nullptr || !process_->Running(); },
                    timeoutMs);
  return IsStarted();
}

HWND LauncherRun::MessageBoxWindow() const {
  const auto boxes = driver::TopWindows({Id(), L"#32770", L"", true});
  return boxes.empty() ? nullptr : boxes.front();
}

std::wstring LauncherRun::Describe() const {
  const HWND main = MainWindow();
  std::wstring state = L"[launcher ";
  state += process_ && process_->Running() ? L"running" : L"not running";
  state += main ? (IsWindowEnabled(main) ? L", main window enabled" : L", main window disabled")
                : L", no main window";
  if (main && IsWindowVisible(main)) state += L" and shown";
  if (SplashShown()) state += L", splash shown";
  state += main && TrayIconOwner(main) ? L", tray icon" : L", no tray icon";
  if (MessageBoxWindow() != nullptr) {
    const driver::MessageBoxSeen seen = driver::WaitForMessageBox(Id(), 0);
    state += L", message box \"" + seen.title + L"\": \"" + seen.text + L"\"";
  }
  return state + L"]";
}

bool LauncherRun::Close(DWORD timeoutMs) {
  const HWND main = MainWindow();
  if (!process_ || main == nullptr) return false;
  PostMessageW(main, WM_CLOSE, 0, 0);
  return process_->WaitForExit(timeoutMs);
}

}  // namespace launcher_run
