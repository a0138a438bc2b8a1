// A tiny program for the harness tests: a red window, then a Yes/No message
// box; the answer goes into the file named on the command line and becomes
// the exit code.
#include <windows.h>

#include <cstdio>

namespace {

constexpr UINT kAsk = WM_APP + 1;
const wchar_t* g_resultFile = L"";

LRESULT CALLBACK FixtureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kAsk: {
      const int answer = MessageBoxW(window, L"続けますか？", L"確認", MB_YESNO | MB_ICONQUESTION);
      if (FILE* file = _wfopen(g_resultFile, L"wb")) {
        std::fprintf(file, "answer=%d", answer);
        std::fclose(file);
      }
      DestroyWindow(window);
      PostQuitMessage(answer);
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  g_resultFile = commandLine;
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = FixtureProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = CreateSolidBrush(RGB(255, 0, 0));
  windowClass.lpszClassName = L"ZenteiFixture";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowW(L"ZenteiFixture", L"フィクスチャ", WS_POPUP | WS_VISIBLE, 100, 100, 200,
                              150, nullptr, nullptr, instance, nullptr);
  UpdateWindow(window);
  PostMessageW(window, kAsk, 0, 0);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
