#pragma once
// A small driver for end-to-end tests that run inside the same Wine prefix as
// the programs under test: start a program, wait for its windows (always by
// condition), send input, answer message boxes, and read windows, pixels,
// files and the registry.
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace driver {

// --- Folders handed over by the Wine runner ------------------------------------
std::wstring DistFolder();                              // the programs under test
std::wstring ArtifactPath(const std::wstring& name);   // kept after the run
std::wstring NewTempFolder();                           // a fresh, empty folder

// --- Waiting ----------------------------------------------------------------------
constexpr DWORD kDefaultTimeoutMs = 30000;
// Polls condition until it holds or the timeout passes; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs);

// --- Processes ---------------------------------------------------------------------
class Process {
 public:
  // Starts program with arguments in folder (empty: the program's own folder).
  static Process Start(const std::wstring& program, const std::wstring& arguments = L"",
                       const std::wstring& folder = L"");
  Process(Process&& other) noexcept;
  Process& operator=(Process&&) = delete;
  Process(const Process&) = delete;
  ~Process();  // a process still running is killed

  bool Started() const { return handle_ != nullptr; }
  DWORD Id() const { return id_; }
  bool Running() const;
  bool WaitForExit(DWORD timeoutMs = kDefaultTimeoutMs) const;
  DWORD ExitCode() const;
  void Kill();

 private:
  Process(HANDLE handle, DWORD id) : handle_(handle), id_(id) {}
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

// --- Windows --------------------------------------------------------------------------
struct WindowQuery {
  WindowQuery(DWORD pid = 0, std::wstring cls = {}, std::wstring text = {}, bool visible = true)
      : processId(pid), className(std::move(cls)), title(std::move(text)), visibleOnly(visible) {}
  DWORD processId;         // 0: any process
  std::wstring className;  // empty: any class
  std::wstring title;      // empty: any title
  bool visibleOnly;
};
std::vector<HWND> TopWindows(const WindowQuery& query);
HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs = kDefaultTimeoutMs);
std::vector<HWND> ChildWindows(HWND parent);
std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
RECT WindowRect(HWND window);  // screen pixels
RECT ClientRect(HWND window);  // the client area, in screen pixels

// --- Message boxes -------------------------------------------------------------------
struct MessageBoxSeen {
  HWND window = nullptr;
  std::wstring title;
  std::wstring text;
  std::vector<std::wstring> buttons;  // captions, in creation order
  LONG exStyle = 0;                   // WS_EX_TOPMOST for system-modal boxes
};
// Waits for a message box of processId; window stays null on timeout.
MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs = kDefaultTimeoutMs);
// Presses the button with the given id (IDOK, IDYES...) of a message box.
bool AnswerMessageBox(const MessageBoxSeen& box, int buttonId);

// --- Input ------------------------------------------------------------------------------
void MoveMouseTo(int x, int y);                      // screen pixels
void Click(int x, int y, bool right = false);        // press and release
void PressKey(WORD virtualKey);

// --- Pixels and screenshots ----------------------------------------------------------
COLORREF ScreenPixel(int x, int y);
// Saves the whole virtual desktop as ARTIFACTS\name.bmp (turned into a PNG
// after the run).
bool SaveScreenshot(const std::wstring& name);

// --- Files and registry ----------------------------------------------------------------
bool FileExists(const std::wstring& path);
// Names of the entries of folder ("." and ".." left out), sorted.
std::vector<std::wstring> FolderEntries(const std::wstring& folder);
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
// A string value read with the wide API; empty when missing.
std::wstring RegistryString(HKEY root, const std::wstring& subKey, const std::wstring& valueName);

}  // namespace driver
