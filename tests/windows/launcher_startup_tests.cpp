// The launcher's start-up and shutdown end to end: the first start in an
// empty folder, reading and normalising Zentei.ini, the error log, stale
// registrations, saving on close, settings files that cannot be replaced or
// read, icon and label mode, a process killed during start-up, and the
// screen places. Every run has a folder of its own with a copy of Zentei.exe.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/driver/Driver.h"
#include "tests/windows/LauncherRun.h"

namespace {

using launcher_run::AnsiLines;
using launcher_run::DefaultLines;
using launcher_run::LauncherRun;

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// The bar's inner size: 32 pixels per visible button plus 17 for the page
// buttons; the buttons' 34 pixels over a title label of the font's pixel
// height plus 4.
int BarClientWidth(int buttons) { return buttons * 32 + 17; }
int BarClientHeight(double fontPoints) { return static_cast<int>(std::lround(fontPoints * 96 / 72)) + 4 + 34; }

std::vector<std::wstring> Concat(std::vector<std::wstring> a, const std::vector<std::wstring>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// DefaultLines with some lines replaced, by key text ("Place = ").
std::vector<std::wstring> DefaultsWith(const std::vector<std::wstring>& changed) {
  std::vector<std::wstring> lines = DefaultLines();
  for (const std::wstring& line : changed) {
    const std::wstring key = line.substr(0, line.find(L'=') + 1);
    for (std::wstring& old : lines)
      if (old.compare(0, key.size(), key) == 0) old = line;
  }
  return lines;
}

std::string Printable(const std::string& bytes) {
  std::wstring wide(bytes.size(), L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                           wide.data(), static_cast<int>(wide.size()))));
  std::string utf8(wide.size() * 4 + 1, '\0');
  utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                           utf8.data(), static_cast<int>(utf8.size()), nullptr,
                                                           nullptr)));
  return utf8;
}

// Compares file bytes and shows both sides as readable text on failure.
#define EXPECT_FILE_BYTES(expected, actual)                                              \
  EXPECT_EQ(expected, actual) << "expected:\n" << Printable(expected) << "\nactual:\n" \
                              << Printable(actual)

bool HasTrayIcon(HWND main) { return launcher_run::TrayIconOwner(main) != nullptr; }

// ------------------------------------------------------------------------------------
// First start in an empty folder.

struct FirstStartCase {
  const char* name;
  const wchar_t* subFolder;  // the program's folder inside the fresh one; empty: none
};

class FirstStart : public ::testing::TestWithParam<FirstStartCase> {};

TEST_P(FirstStart, AsksOnceWritesTheDefaultFileAndStartsWithTheDefaults) {
  ASSERT_EQ(GetACP(), 932u);
  LauncherRun run(GetParam().subFolder);
  ASSERT_TRUE(run.Ready()) << "no Zentei.exe in the dist folder";
  const bool screenshots = GetParam().subFolder[0] == L'\0';
  ASSERT_TRUE(run.Start());

  const driver::MessageBoxSeen box = driver::WaitForMessageBox(run.Id());
  ASSERT_NE(box.window, nullptr) << "no message about the missing settings file " << run.Describe();
  EXPECT_EQ(box.title, L"Zenteiii!!! Version2.30");
  EXPECT_EQ(box.text, L"設定ファイルが\n" + run.Folder() +
                          L"\nに見つかりませんので\nデフォルトの設定値で起動します。\n\n"
                          L"（自動的に設定ファイルも作成します。）");
  EXPECT_NE(box.exStyle & WS_EX_TOPMOST, 0) << "the message must be system-modal";
  EXPECT_EQ(box.buttons.size(), 1u);
  EXPECT_NE(GetDlgItem(box.window, IDOK), nullptr);
  EXPECT_FALSE(driver::FileExists(run.IniPath())) << "the file is written only after the message";
  const HWND main = run.MainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(IsWindowEnabled(main)) << "the bar takes no input during start-up";
  EXPECT_FALSE(HasTrayIcon(main)) << "the tray icon comes at the end of start-up";
  if (screenshots) driver::SaveScreenshot(L"first-start-message");
  ASSERT_TRUE(driver::AnswerMessageBox(box, IDOK));

  // The splash: borderless, 372 x 217 pixels, centred, above other windows.
  const HWND splash = run.Window(L"frmLoad");
  ASSERT_NE(splash, nullptr) << run.Describe();
  if (screenshots && IsWindowVisible(splash)) driver::SaveScreenshot(L"splash");
  const RECT splashRect = driver::WindowRect(splash);
  EXPECT_EQ(splashRect.right - splashRect.left, 372);
  EXPECT_EQ(splashRect.bottom - splashRect.top, 217);
  EXPECT_EQ(splashRect.left, (kScreenWidth - 372) / 2);
  EXPECT_NEAR(splashRect.top, (kScreenHeight - 217) / 2.0, 0.5);
  EXPECT_EQ(GetWindowLongW(splash, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
  EXPECT_NE(GetWindowLongW(splash, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

  ASSERT_TRUE(run.WaitUntilStarted()) << run.Describe();
  if (screenshots) driver::SaveScreenshot(L"started-bar");

  const std::string defaults = AnsiLines(DefaultLines());
  EXPECT_FILE_BYTES(defaults, run.IniBytes());
  EXPECT_FALSE(driver::FileExists(run.LogPath()));
  EXPECT_EQ(driver::FolderEntries(run.Folder()), (std::vector<std::wstring>{L"Zentei.exe", L"Zentei.ini"}));

  // The bar in window mode at the free position (0, 0): a sizable frame
  // without a title bar around five buttons and the title label.
  EXPECT_TRUE(IsWindowVisible(main));
  const LONG style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_NE(style & WS_THICKFRAME, 0);
  EXPECT_NE(style & WS_CAPTION, WS_CAPTION);
  const RECT bar = driver::WindowRect(main);
  const RECT inner = driver::ClientRect(main);
  EXPECT_EQ(bar.left, 0);
  EXPECT_EQ(bar.top, 0);
  EXPECT_EQ(inner.right - inner.left, BarClientWidth(5));
  EXPECT_EQ(inner.bottom - inner.top, BarClientHeight(11.25));
  EXPECT_NE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "TopMost 2 keeps the bar on top";
  const HWND icon = run.Window(L"frmIcon");
  EXPECT_TRUE(icon == nullptr || !IsWindowVisible(icon)) << "the icon form belongs to icon and label mode";
  const HWND about = run.Window(L"frmAbout");
  EXPECT_NE(about, nullptr) << "the about box carries the menus and stays loaded";
  EXPECT_FALSE(about != nullptr && IsWindowVisible(about));
  EXPECT_EQ(run.MessageBoxWindow(), nullptr) << "the message comes once";

  ASSERT_TRUE(run.Close()) << run.Describe();
  EXPECT_FILE_BYTES(defaults, run.IniBytes());
  EXPECT_FALSE(driver::FileExists(run.LogPath()));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FirstStart,
    ::testing::Values(FirstStartCase{"PlainFolder", L""},
                      // ソ and 表 end in the byte of "\" in code page 932.
                      FirstStartCase{"JapaneseFolder", L"ソフト表"}),
    [](const ::testing::TestParamInfo<FirstStartCase>& p) { return p.param.name; });

// ------------------------------------------------------------------------------------
// A valid file is read in full and rewritten in the written form.

// 21 records, valid but not as the launcher writes them: keys in other
// cases, blanks left out or added, two records on one line, blank lines.
std::vector<std::wstring> HandWrittenValidFile(const LauncherRun& run) {
  return {
      L"arguments=1",
      L"",
      L"  WinState = 3",
      L"SoundName = ",
      L"Sounds = 0, Place = 4",
      L"TOPMOST = 1",
      L"Left = 1500",
      L"Top =3000",
      L"ForeColor = &H0000FF",
      L"BackColor = &HC0C0C0",
      L"Buttons = 7",
      L"WindowStyle = 0",
      L"FontName = ＭＳ ゴシック",
      L"FontSize = 9",
      L"FontBold = 1",
      L"fontitalic = 1",
      L"PageStart = 2",
      L"Execute1 = " + run.Exe(),
      L"Title1 = 自分",
      L"   ",
      L"Execute3 = " + run.Folder(),
      L"Title3 =  フォルダ ",
  };
}

std::vector<std::wstring> ValidFileAsWritten(const LauncherRun& run) {
  return {
      L"Arguments = 1",          L"WinState = 3",           L"SoundName = ",      L"Sounds = 0",
      L"Place = 4",              L"TopMost = 1",            L"Left = 1500",       L"Top = 3000",
      L"ForeColor = &H0000FF",   L"BackColor = &HC0C0C0",   L"Buttons = 7",       L"WindowStyle = 0",
      L"FontName = ＭＳ ゴシック", L"FontSize = 9",            L"FontBold = 1",      L"FontItalic = 1",
      L"PageStart = 2",          L"Execute1 = " + run.Exe(), L"Title1 = 自分",     L"Execute3 = " + run.Folder(),
      L"Title3 = フォルダ",
  };
}

// The bar of that file: seven buttons, a 9-point title, at (1500, 3000) twips.
void ExpectValidFileBar(HWND main) {
  const RECT bar = driver::WindowRect(main);
  const RECT inner = driver::ClientRect(main);
  EXPECT_EQ(bar.left, 100);
  EXPECT_EQ(bar.top, 200);
  EXPECT_EQ(inner.right - inner.left, BarClientWidth(7));
  EXPECT_EQ(inner.bottom - inner.top, BarClientHeight(9));
}

TEST(SettingsFileAtStart, ValidFileIsReadInFullAndRewrittenInTheWrittenForm) {
  LauncherRun run;
  ASSERT_TRUE(run.Ready());
  run.WriteIni(HandWrittenValidFile(run));
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitUntilStarted()) << run.Describe();

  EXPECT_FILE_BYTES(AnsiLines(ValidFileAsWritten(run)), run.IniBytes());
  EXPECT_FALSE(driver::FileExists(run.LogPath()));
  EXPECT_EQ(driver::FolderEntries(run.Folder()), (std::vector<std::wstring>{L"Zentei.exe", L"Zentei.ini"}));
  ExpectValidFileBar(run.MainWindow());
  EXPECT_NE(GetWindowLongW(run.MainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "TopMost 1";
  ASSERT_TRUE(run.Close()) << run.Describe();
}

// ------------------------------------------------------------------------------------
// Rejected records: the error log and the values that replace them.

std::wstring LogError(const std::wstring& record) { return L"次の行に誤りがあります。 -> \"" + record + L"\""; }

TEST(SettingsFileAtStart, RejectedRecordsAreLoggedInFileOrderAndReplacedInTheRewrittenFile) {
  LauncherRun run;
  ASSERT_TRUE(run.Ready());
  const std::vector<std::wstring> rejected = {
      L"Arguments = 5",
      L"WinState = 5",
      L"Sounds = 3",
      L"SoundName = " + run.PathOf(L"nosuch.wav"),
      L"Place = 9",
      L"TopMost = 7",
      L"Left = -5",
      L"Top = -5",
      L"ForeColor = &HZZ",
      L"Buttons = 1",
      L"Buttons = 0",
      L"Buttons = 51",
      L"FontBold = 2",
      L"FontItalic = -1",
      L"Execute0 = " + run.Exe(),
      L"Executex = " + run.Exe(),
      L"Title51 = 遠いボタン",
      L"Colour = 1",
      L"設定ではない行",
  };
  std::vector<std::wstring> file = rejected;
  // A valid colour right after the rejected one still applies.
  file.insert(file.begin() + 9, L"BackColor = &H0000FF");
  run.WriteIni(file);

  const std::wstring dayBefore = launcher_run::TodayLogDate();
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitUntilStarted()) << run.Describe();
  const std::wstring dayAfter = launcher_run::TodayLogDate();

  std::vector<std::wstring> logLines;
  for (const std::wstring& record : rejected) logLines.push_back(LogError(record));
  const std::string log = run.LogBytes();
  const std::string expectedLog = AnsiLines(Concat({dayBefore}, logLines));
  if (log != expectedLog && dayAfter != dayBefore) {
    EXPECT_FILE_BYTES(AnsiLines(Concat({dayAfter}, logLines)), log);
  } else {
    EXPECT_FILE_BYTES(expectedLog, log);
  }

  // Reset fields, TopMost keeping even its invalid value, Buttons the one
  // the first pass took (1), the position where start-up put the window.
  const std::vector<std::wstring> written = DefaultsWith({
      L"WinState = 1",
      L"TopMost = 7",
      L"BackColor = &H0000FF",
      L"Buttons = 1",
  });
  EXPECT_FILE_BYTES(AnsiLines(written), run.IniBytes());
  const RECT inner = driver::ClientRect(run.MainWindow());
  EXPECT_EQ(inner.right - inner.left, BarClientWidth(1)) << "the first pass takes Buttons = 1";
  ASSERT_TRUE(run.Close()) << run.Describe();
  EXPECT_FILE_BYTES(AnsiLines(written), run.IniBytes());

  // The next start reads what was written: TopMost 7 and a one-button bar
  // are reported again, under a date line of their own, after the old lines.
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitUntilStarted()) << run.Describe();
  const std::string secondRun =
      AnsiLines({launcher_run::TodayLogDate(), LogError(L"TopMost = 7"), LogError(L"Buttons = 1")});
  const std::string log2 = run.LogBytes();
  EXPECT_EQ(log2.substr(0, std::min(log.size(), log2.size())), log) << "the log only grows";
  EXPECT_FILE_BYTES(secondRun, log2.substr(std::min(log.size(), log2.size())));
  EXPECT_FILE_BYTES(AnsiLines(written), run.IniBytes());
  ASSERT_TRUE(run.Close()) << run.Describe();
}

// ------------------------------------------------------------------------------------
// Registered files are checked at every start.

TEST(SettingsFileAtStart, StaleRegistrationsAreDroppedAndEmptyTitlesFilled) {
  LauncherRun run;
  ASSERT_TRUE(run.Ready());
  // Programs open themselves; this prefix has no program for .txt or .zzq
  // files, so FindExecutable fails on them.
  const std::wstring tool = run.PathOf(L"道具.exe");
  const std::wstring japanese = run.PathOf(L"ソフト表.exe");  // ソ and 表 end in the byte of "\"
  const std::wstring unassociated = run.PathOf(L"data.zzq");
  const std::wstring folder = run.PathOf(L"sub");
  const std::wstring comma = run.PathOf(L"a,b.exe");
  ASSERT_TRUE(CopyFileW(run.Exe().c_str(), tool.c_str(), TRUE));
  ASSERT_TRUE(CopyFileW(run.Exe().c_str(), japanese.c_str(), TRUE));
  ASSERT_TRUE(CopyFileW(run.Exe().c_str(), comma.c_str(), TRUE));
  driver::WriteFileBytes(unassociated, "data\r\n");
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  wchar_t found[MAX_PATH] = {};
  ASSERT_LE(reinterpret_cast<INT_PTR>(FindExecutableW(unassociated.c_str(), run.Folder().c_str(), found)), 32)
      << "this prefix knows .zzq files";

  run.WriteIni(Concat(DefaultLines(), {
                                          L"Execute1 = " + run.PathOf(L"gone.exe"),
                                          L"Title1 = 消えたファイル",
                                          L"Execute2 = " + tool,
                                          L"Title2 = 道具箱",
                                          L"Title3 = 持ち主のない題名",
                                          L"Execute4 = " + run.Exe(),
                                          L"Title4 = ",
                                          L"Execute5 = " + folder,
                                          L"Execute6 = " + unassociated,
                                          L"Title6 = 関連付けなし",
                                          L"Execute7 = " + japanese,
                                          // Texts holding a comma are kept whole by quoting.
                                          L"\"Execute8 = " + comma + L"\"",
                                          L"\"Title8 = 一,二\"",
                                      }));
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitUntilStarted()) << run.Describe();

  EXPECT_FILE_BYTES(AnsiLines(Concat(DefaultLines(), {
                                                         L"Execute2 = " + tool,
                                                         L"Title2 = 道具箱",
                                                         L"Execute4 = " + run.Exe(),
                                                         L"Title4 = Zentei.exe",
                                                         L"Execute5 = " + folder,
                                                         L"Title5 = sub",
                                                         L"Execute7 = " + japanese,
                                                         L"Title7 = ソフト表.exe",
                                                         L"\"Execute8 = " + comma + L"\"",
                                                         L"\"Title8 = 一,二\"",
                                                     })),
                    run.IniBytes());
  EXPECT_FALSE(driver::FileExists(run.LogPath())) << "dropping a registration is no error";
  driver::SaveScreenshot(L"registered-files");
  ASSERT_TRUE(run.Close()) << run.Describe();
}

// ------------------------------------------------------------------------------------
// Closing saves.

TEST(Shutdown, ClosingTheBarSavesTheSettingsInMemory) {
  LauncherRun run;
  ASSERT_TRUE(run.Ready());
  run.WriteIni(HandWrittenValidFile(run));
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitUntilStarted()) << run.Describe();
  ASSERT_TRUE(DeleteFileW(run.IniPath().c_str()));

  ASSERT_TRUE(run.Close()) << run.Describe();
  EXPECT_FILE_BYTES(AnsiLines(ValidFileAsWritten(run)), run.IniBytes());
  EXPECT_FALSE(driver::FileExists(run.LogPath()));
}

// ------------------------------------------------------------------------------------
// A settings file that cannot be replaced.

TEST(SettingsFileAtStart, ReadOnlyFileIsUsedAndLeftAsItIs) {
  LauncherRun run;
  ASSERT_TRUE(run.Ready());
  run.WriteIni(HandWrittenValidFile(run));
  const std::string original = run.IniBytes();
  ASSERT_TRUE(SetFileAttributesW(run.IniPath().c_str(), FILE_ATTRIBUTE_READONLY));

  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitUntilStarted()) << run.Describe();
  ExpectValidFileBar(run.MainWindow());
  EXPECT_FILE_BYTES(original, run.IniBytes());
  EXPECT_NE(GetFileAttributesW(run.IniPath().c_str()) & FILE_ATTRIBUTE_READONLY, 0u);

  ASSERT_TRUE(run.Close()) << "a save that fails must not keep the launcher from ending " << run.Describe();
  EXPECT_FILE_BYTES(original, run.IniBytes());
  EXPECT_EQ(driver::FolderEntries(run.Folder()), (std::vector<std::wstring>{L"Zentei.exe", L"Zentei.ini"}));
  SetFileAttributesW(run.IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A folder named Zentei.ini can be neither read nor replaced: the launcher
// says once that it starts with the defaults, and does.
TEST(SettingsFileAtStart, SettingsFileThatCanNeitherBeReadNorWrittenStartsWithTheDefaults) {
  LauncherRun run;
  ASSERT_TRUE(run.Ready());
  ASSERT_TRUE(CreateDirectoryW(run.IniPath().c_str(), nullptr));
  ASSERT_TRUE(run.Start());

  const driver::MessageBoxSeen box = driver::WaitForMessageBox(run.Id());
  ASSERT_NE(box.window, nullptr) << run.Describe();
  EXPECT_EQ(box.title, L"Zenteiii!!! Version2.30");
  ASSERT_TRUE(driver::AnswerMessageBox(box, IDOK));
  ASSERT_TRUE(run.WaitUntilStarted()) << "the recovery must not repeat " << run.Describe();
  driver::SaveScreenshot(L"unreadable-settings-bar");

  EXPECT_TRUE(IsWindowVisible(run.MainWindow()));
  const RECT inner = driver::ClientRect(run.MainWindow());
  EXPECT_EQ(inner.right - inner.left, 5 * 32 + 17) << "the bar is sized for the default settings";
  EXPECT_EQ(inner.bottom - inner.top, 19 + 34);
  EXPECT_NE(GetFileAttributesW(run.IniPath().c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  ASSERT_TRUE(run.Close()) << run.Describe();
  EXPECT_NE(GetFileAttributesW(run.IniPath().c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(driver::FolderEntries(run.Folder()), (std::vector<std::wstring>{L"Zentei.exe", L"Zentei.ini"}));
}

// ------------------------------------------------------------------------------------
// Icon and label mode start without showing the bar.

class StartupModes : public ::testing::TestWithParam<int> {};

TEST_P(StartupModes, IconAndLabelModeShowOnlyTheIconForm) {
  const int style = GetParam();
  LauncherRun run;
  ASSERT_TRUE(run.Ready());
  run.WriteIni(DefaultsWith({L"WindowStyle = " + std::to_wstring(style)}));
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitUntilStarted()) << run.Describe();

  EXPECT_FALSE(IsWindowVisible(run.MainWindow()));
  const HWND icon = run.Window(L"frmIcon");
  ASSERT_NE(icon, nullptr);
  EXPECT_TRUE(IsWindowVisible(icon));
  EXPECT_TRUE(IsWindowEnabled(icon));
  const std::string ini = run.IniBytes();
  EXPECT_NE(ini.find("\r\nWindowStyle = " + std::to_string(style) + "\r\n"), std::string::npos) << Printable(ini);
  EXPECT_FALSE(driver::FileExists(run.LogPath()));
  ASSERT_TRUE(run.Close()) << run.Describe();
}

INSTANTIATE_TEST_SUITE_P(WindowStyles, StartupModes, ::testing::Values(1, 2),
                         [](const ::testing::TestParamInfo<int>& p) {
                           return p.param == 1 ? std::string("IconMode") : std::string("LabelMode");
                         });

// ------------------------------------------------------------------------------------
// A launcher killed from outside leaves a complete settings file.

struct KillCase {
  const char* name;
  bool (*moment)(const LauncherRun& run);
};

bool SplashUp(const LauncherRun& run) { return run.SplashShown(); }
bool BarShown(const LauncherRun& run) {
  const HWND main = run.MainWindow();
  return main != nullptr && IsWindowVisible(main);
}
bool TrayIconAdded(const LauncherRun& run) {
  const HWND main = run.MainWindow();
  return main != nullptr && HasTrayIcon(main);
}
bool Started(const LauncherRun& run) { return run.IsStarted(); }
// The save writes Zentei.ini.new first and then puts it in place of the old
// file: watch for that copy without pausing, to kill the launcher while it
// saves. Start-up ending first (the copy lived too briefly to be seen) ends
// the watch as well.
bool SaveUnderWay(const LauncherRun& run) {
  const std::wstring copy = run.IniPath() + L".new";
  const DWORD start = GetTickCount();
  DWORD lastStartedCheck = start;
  while (GetTickCount() - start < 60000) {
    if (GetFileAttributesW(copy.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    if (GetTickCount() - lastStartedCheck >= 50) {
      lastStartedCheck = GetTickCount();
      if (run.IsStarted()) return true;
    }
  }
  return false;
}

class KilledLauncher : public ::testing::TestWithParam<KillCase> {};

TEST_P(KilledLauncher, LeavesTheOldFileOrTheCompleteNewOne) {
  LauncherRun run;
  ASSERT_TRUE(run.Ready());
  // All fifty slots registered: a long file, a long save.
  std::vector<std::wstring> file = HandWrittenValidFile(run);
  file.resize(17);  // the settings, without the two registrations
  std::vector<std::wstring> written = ValidFileAsWritten(run);
  written.resize(17);
  for (int k = 1; k <= 50; ++k) {
    file.push_back(L"Execute" + std::to_wstring(k) + L" = " + run.Exe());
    file.push_back(L"Title" + std::to_wstring(k) + L" =   ボタン" + std::to_wstring(k));
    written.push_back(L"Execute" + std::to_wstring(k) + L" = " + run.Exe());
    written.push_back(L"Title" + std::to_wstring(k) + L" = ボタン" + std::to_wstring(k));
  }
  run.WriteIni(file);
  const std::string before = run.IniBytes();
  const std::string after = AnsiLines(written);

  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(driver::WaitUntil([&] { return GetParam().moment(run); }, 60000)) << run.Describe();
  run.Process().Kill();
  ASSERT_FALSE(run.Process().Running());

  const std::string left = run.IniBytes();
  EXPECT_TRUE(left == before || left == after) << "a broken settings file:\n" << Printable(left);
  if (GetParam().moment == Started) {
    EXPECT_FILE_BYTES(after, left);
  }

  // The next start reads whatever was left and cleans up after the
  // interrupted save.
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitUntilStarted()) << run.Describe();
  EXPECT_FILE_BYTES(after, run.IniBytes());
  EXPECT_EQ(driver::FolderEntries(run.Folder()), (std::vector<std::wstring>{L"Zentei.exe", L"Zentei.ini"}));
  EXPECT_FALSE(driver::FileExists(run.LogPath()));
  ASSERT_TRUE(run.Close()) << run.Describe();
}

INSTANTIATE_TEST_SUITE_P(Moments, KilledLauncher,
                         ::testing::Values(KillCase{"WhileTheSplashIsUp", SplashUp},
                                           KillCase{"WhenTheBarAppears", BarShown},
                                           KillCase{"WhileSaving", SaveUnderWay},
                                           KillCase{"WhenTheTrayIconAppears", TrayIconAdded},
                                           KillCase{"AfterStartUp", Started}),
                         [](const ::testing::TestParamInfo<KillCase>& p) { return p.param.name; });

// ------------------------------------------------------------------------------------
// The eight screen places and the free position.

class ScreenPlaces : public ::testing::TestWithParam<int> {};

// Where a window of width size starts on a screen axis of length screen in
// column or row index 0, 1 or 2; the centre may fall on half a pixel.
void ExpectOnAxis(const char* axis, int index, LONG start, LONG size, int screen) {
  switch (index) {
    case 0:
      EXPECT_EQ(start, 0) << axis;
      break;
    case 1:
      EXPECT_NEAR(start, (screen - size) / 2.0, 0.5) << axis;
      break;
    default:
      EXPECT_EQ(start, screen - size) << axis;
      break;
  }
}

TEST_P(ScreenPlaces, BarIsPlacedByItsPlaceAndTheFreePositionIsKept) {
  const int place = GetParam();
  LauncherRun run;
  ASSERT_TRUE(run.Ready());
  // Left and Top name the free position: 200, 100 pixels.
  run.WriteIni(DefaultsWith({L"Place = " + std::to_wstring(place), L"Left = 3000", L"Top = 1500"}));
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitUntilStarted()) << run.Describe();

  const HWND main = run.MainWindow();
  const RECT bar = driver::WindowRect(main);
  const RECT inner = driver::ClientRect(main);
  EXPECT_EQ(inner.right - inner.left, BarClientWidth(5));
  EXPECT_EQ(inner.bottom - inner.top, BarClientHeight(11.25));
  const LONG width = bar.right - bar.left;
  const LONG height = bar.bottom - bar.top;
  if (place == 4) {
    EXPECT_EQ(bar.left, 200);
    EXPECT_EQ(bar.top, 100);
  } else {
    ExpectOnAxis("left", place % 3, bar.left, width, kScreenWidth);
    ExpectOnAxis("top", place / 3, bar.top, height, kScreenHeight);
  }

  // The file keeps the free position; only a centred bar, whose twips
  // position falls between pixels, may have Left moved to where it stands.
  std::vector<std::wstring> expected =
      DefaultsWith({L"Place = " + std::to_wstring(place), L"Left = 3000", L"Top = 1500"});
  const std::string ini = run.IniBytes();
  if (place % 3 == 1 && ini != AnsiLines(expected)) {
    expected = DefaultsWith({L"Place = " + std::to_wstring(place), L"Left = " + std::to_wstring(bar.left * 15),
                             L"Top = 1500"});
  }
  EXPECT_FILE_BYTES(AnsiLines(expected), ini);
  ASSERT_TRUE(run.Close()) << run.Describe();
}

INSTANTIATE_TEST_SUITE_P(AllPlaces, ScreenPlaces, ::testing::Range(0, 9),
                         [](const ::testing::TestParamInfo<int>& p) {
                           return "Place" + std::to_string(p.param);
                         });

}  // namespace
