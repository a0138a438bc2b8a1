// The Wine test environment and the end-to-end driver themselves.
#include <gtest/gtest.h>

#include "tests/driver/Driver.h"

namespace {

TEST(Environment, JapaneseSystemOnA1024x768DesktopAt96Dpi) {
  EXPECT_EQ(GetACP(), 932u);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
  ReleaseDC(nullptr, screen);
}

TEST(Environment, TheJapaneseGothicFontDrawsKana) {
  HDC screen = GetDC(nullptr);
  HFONT font = CreateFontW(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                           L"ＭＳ ゴシック");
  HGDIOBJ old = SelectObject(screen, font);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(screen, &metrics);
  WORD glyphs[2] = {};
  GetGlyphIndicesW(screen, L"ゴ設", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(screen, old);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(metrics.tmCharSet, SHIFTJIS_CHARSET);
  EXPECT_NE(glyphs[0], 0xFFFF);
  EXPECT_NE(glyphs[1], 0xFFFF);
}

TEST(Driver, StartsAProgramReadsItsWindowAndAnswersItsMessageBox) {
  const std::wstring folder = driver::NewTempFolder();
  const std::wstring resultFile = folder + L"\\answer.txt";
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring fixture = self;
  fixture = fixture.substr(0, fixture.rfind(L'\\')) + L"\\fixture_app.exe";

  driver::Process app = driver::Process::Start(fixture, resultFile);
  ASSERT_TRUE(app.Started());
  HWND window = driver::WaitForWindow({app.Id(), L"ZenteiFixture"});
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(driver::WindowText(window), L"フィクスチャ");
  const RECT rect = driver::WindowRect(window);
  EXPECT_EQ(rect.left, 100);
  EXPECT_EQ(rect.bottom - rect.top, 150);

  const driver::MessageBoxSeen box = driver::WaitForMessageBox(app.Id());
  ASSERT_NE(box.window, nullptr);
  EXPECT_EQ(box.title, L"確認");
  EXPECT_EQ(box.text, L"続けますか？");
  EXPECT_EQ(box.buttons.size(), 2u);
  ASSERT_TRUE(driver::WaitUntil([&] { return driver::ScreenPixel(110, 105) == RGB(255, 0, 0); }))
      << "the fixture's red window is not on the screen";
  EXPECT_TRUE(driver::SaveScreenshot(L"fixture-with-message-box"));

  ASSERT_TRUE(driver::AnswerMessageBox(box, IDNO));
  ASSERT_TRUE(app.WaitForExit());
  EXPECT_EQ(app.ExitCode(), static_cast<DWORD>(IDNO));
  EXPECT_EQ(driver::ReadFileBytes(resultFile), "answer=7");
}

TEST(Driver, KillsWhatItStartedWhenTheTestEnds) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring fixture = self;
  fixture = fixture.substr(0, fixture.rfind(L'\\')) + L"\\fixture_app.exe";
  DWORD id = 0;
  {
    driver::Process app = driver::Process::Start(fixture, driver::NewTempFolder() + L"\\unused.txt");
    ASSERT_TRUE(app.Started());
    id = app.Id();
    ASSERT_NE(driver::WaitForWindow({id, L"ZenteiFixture"}), nullptr);
  }
  EXPECT_TRUE(driver::TopWindows({id, L"ZenteiFixture"}).empty());
}

}  // namespace
