#pragma once
// Runs the launcher end to end in a folder of its own: Zentei.exe is copied
// into a fresh folder, where it keeps Zentei.ini and Zentei.Log, and is
// started there. The run knows the launcher's windows by their classes and
// tells when start-up has finished.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/driver/Driver.h"

namespace launcher_run {

// The texts of a settings file as the launcher writes it: the system ANSI
// code page (932 here), each line ended by CR LF.
std::string Ansi(const std::wstring& text);
std::string AnsiLines(const std::vector<std::wstring>& lines);

// The 17 lines of the settings file that a first start writes.
std::vector<std::wstring> DefaultLines();

// "[mm-dd-yyyy]" of today, as the error log heads a run's lines.
std::wstring TodayLogDate();

// The hidden "ZenteiPicture" child of main that owns the tray icon with
// uID 1, or null: the tray accepts a modification only from the owner.
HWND TrayIconOwner(HWND main);

class LauncherRun {
 public:
  // A fresh folder (subFolder, when given, is created inside it and used
  // instead) holding a copy of the launcher. Check Ready() first.
  explicit LauncherRun(const std::wstring& subFolder = L"");
  LauncherRun(const LauncherRun&) = delete;
  LauncherRun& operator=(const LauncherRun&) = delete;

  bool Ready() const { return ready_; }
  const std::wstring& Folder() const { return folder_; }
  std::wstring Exe() const { return folder_ + L"\\Zentei.exe"; }
  std::wstring IniPath() const { return folder_ + L"\\Zentei.ini"; }
  std::wstring LogPath() const { return folder_ + L"\\Zentei.Log"; }
  std::wstring PathOf(const std::wstring& name) const { return folder_ + L"\\" + name; }

  void WriteIni(const std::vector<std::wstring>& lines) const;
  std::string IniBytes() const { return driver::ReadFileBytes(IniPath()); }
  std::string LogBytes() const { return driver::ReadFileBytes(LogPath()); }

  bool Start();
  driver::Process& Process() { return *process_; }
  DWORD Id() const { return process_ ? process_->Id() : 0; }

  // The launcher's top-level windows of a class, shown or not (null: none).
  HWND Window(const std::wstring& className) const;
  HWND MainWindow() const { return Window(L"FrmMain"); }
  bool SplashShown() const;

  // Start-up has finished: the splash is gone, the tray icon is there and
  // the main window takes input again.
  bool IsStarted() const;
  // Gives up early, with false, when a message box of the launcher shows up.
  bool WaitUntilStarted(DWORD timeoutMs = 60000) const;
  // A message box of the launcher is on the screen.
  HWND MessageBoxWindow() const;
  // What the run shows right now, for failure messages.
  std::wstring Describe() const;

  // Posts WM_CLOSE to the main window and waits for the process to end.
  bool Close(DWORD timeoutMs = 30000);

 private:
  std::wstring folder_;
  bool ready_ = false;
  std::optional<driver::Process> process_;
};

}  // namespace launcher_run
