#include "tests/driver/Driver.h"

#include <algorithm>
#include <memory>

namespace driver {
namespace {

std::wstring Environment(const wchar_t* name) {
  wchar_t buffer[MAX_PATH * 2] = {};
  const DWORD length = GetEnvironmentVariableW(name, buffer, MAX_PATH * 2);
  return std::wstring(buffer, length < MAX_PATH * 2 ? length : 0);
}

struct HandleCloser {
  void operator()(HANDLE handle) const {
    if (handle && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

struct ScreenDc {
  HDC dc = GetDC(nullptr);
  ~ScreenDc() { ReleaseDC(nullptr, dc); }
};

}  // namespace

// --- Folders -----------------------------------------------------------------------------
std::wstring DistFolder() { return Environment(L"ZENTEI_DIST"); }

std::wstring ArtifactPath(const std::wstring& name) {
  return Environment(L"ZENTEI_ARTIFACTS") + L"\\" + name;
}

std::wstring NewTempFolder() {
  static int counter = 0;
  const std::wstring folder = Environment(L"ZENTEI_TEMP") + L"\\t" + std::to_wstring(++counter) +
                              L"_" + std::to_wstring(GetTickCount());
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

// --- Waiting -------------------------------------------------------------------------------
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return condition();
    Sleep(20);  // polling interval, not a wait for something to happen
  }
}

// --- Processes ---------------------------------------------------------------------------
Process Process::Start(const std::wstring& program, const std::wstring& arguments,
                       const std::wstring& folder) {
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    return Process(nullptr, 0);
  }
  CloseHandle(info.hThread);
  WaitForInputIdle(info.hProcess, 10000);
  return Process(info.hProcess, info.dwProcessId);
}

Process::Process(Process&& other) noexcept : handle_(other.handle_), id_(other.id_) {
  other.handle_ = nullptr;
}

Process::~Process() {
  if (!handle_) return;
  if (Running()) Kill();
  CloseHandle(handle_);
}

bool Process::Running() const {
  return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(DWORD timeoutMs) const {
  return handle_ && WaitForSingleObject(handle_, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (handle_) GetExitCodeProcess(handle_, &code);
  return code;
}

void Process::Kill() {
  if (!handle_) return;
  TerminateProcess(handle_, 1);
  WaitForSingleObject(handle_, 10000);
}

// --- Windows ------------------------------------------------------------------------------
std::wstring WindowText(HWND window) {
  wchar_t buffer[4096] = {};
  // WM_GETTEXT works across processes, also for controls.
  const LRESULT length = SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer));
  return std::wstring(buffer, static_cast<std::size_t>(length));
}

std::wstring ClassName(HWND window) {
  wchar_t buffer[256] = {};
  const int length = GetClassNameW(window, buffer, 256);
  return std::wstring(buffer, static_cast<std::size_t>(length));
}

RECT WindowRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

RECT ClientRect(HWND window) {
  RECT rect = {};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

namespace {

struct WindowSearch {
  const WindowQuery* query;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectMatchingWindow(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<WindowSearch*>(parameter);
  const WindowQuery& query = *search.query;
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (query.processId && pid != query.processId) return TRUE;
  if (query.visibleOnly && !IsWindowVisible(window)) return TRUE;
  if (!query.className.empty() && ClassName(window) != query.className) return TRUE;
  if (!query.title.empty() && WindowText(window) != query.title) return TRUE;
  search.found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM parameter) {
  reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopWindows(const WindowQuery& query) {
  WindowSearch search{&query, {}};
  EnumWindows(CollectMatchingWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        const auto windows = TopWindows(query);
        found = windows.empty() ? nullptr : windows.front();
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

// --- Message boxes ------------------------------------------------------------------
MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
  MessageBoxSeen seen;
  seen.window = WaitForWindow({processId, L"#32770", L"", true}, timeoutMs);
  if (!seen.window) return seen;
  seen.title = WindowText(seen.window);
  seen.exStyle = GetWindowLongW(seen.window, GWL_EXSTYLE);
  for (HWND child : ChildWindows(seen.window)) {
    const std::wstring cls = ClassName(child);
    if (_wcsicmp(cls.c_str(), L"Static") == 0 && seen.text.empty() && !WindowText(child).empty()) {
      seen.text = WindowText(child);
    } else if (_wcsicmp(cls.c_str(), L"Button") == 0 && IsWindowVisible(child)) {
      seen.buttons.push_back(WindowText(child));
    }
  }
  return seen;
}

bool AnswerMessageBox(const MessageBoxSeen& box, int buttonId) {
  HWND button = GetDlgItem(box.window, buttonId);
  if (!button) return false;
  PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  return WaitUntil([&] { return !IsWindow(box.window); });
}

// --- Input ---------------------------------------------------------------------------------
void MoveMouseTo(int x, int y) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
  WaitUntil([&] {
    POINT p;
    return GetCursorPos(&p) && p.x == x && p.y == y;
  }, 5000);
}

void Click(int x, int y, bool right) {
  MoveMouseTo(x, y);
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
}

void PressKey(WORD virtualKey) {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

// --- Pixels and screenshots -------------------------------------------------------
COLORREF ScreenPixel(int x, int y) {
  ScreenDc screen;
  return GetPixel(screen.dc, x, y);
}

bool SaveScreenshot(const std::wstring& name) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  ScreenDc screen;
  HDC memory = CreateCompatibleDC(screen.dc);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen.dc, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD rowBytes = static_cast<DWORD>((width * 3 + 3) & ~3);
  const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + imageBytes;
  info.bmiHeader.biSizeImage = imageBytes;
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(BITMAPINFOHEADER));
  bytes.append(static_cast<const char*>(bits), imageBytes);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  WriteFileBytes(ArtifactPath(name + L".bmp"), bytes);
  return FileExists(ArtifactPath(name + L".bmp"));
}

// --- Files and registry -----------------------------------------------------------------
bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::wstring> FolderEntries(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data = {};
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadFileBytes(const std::wstring& path) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
  return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::wstring RegistryString(HKEY root, const std::wstring& subKey, const std::wstring& valueName) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  wchar_t buffer[4096] = {};
  DWORD size = sizeof buffer - sizeof(wchar_t);
  DWORD type = 0;
  const LONG result = RegQueryValueExW(key, valueName.c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
  return buffer;
}

}  // namespace driver
