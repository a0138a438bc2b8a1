// The settings file, the error log and the file searches against the real
// file system, in the Japanese code page 932.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "launcher/settings/SettingsFileSearch.h"
#include "launcher/settings/SettingsIo.h"
#include "tests/driver/Driver.h"

namespace {

using SettingsIo::SettingsPath;

// "ＭＳ ゴシック", the default font name, in code page 932: its blank is
// the ASCII one, the letters are double-byte.
const std::string kGothicBytes = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";

TEST(SettingsPath, AddsOneBackslashBetweenFolderAndName) {
  struct Case {
    const wchar_t* folder;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"C:\\Zentei", L"C:\\Zentei\\Zentei.ini"},
      {L"C:\\Zentei\\", L"C:\\Zentei\\Zentei.ini"},
      {L"C:\\", L"C:\\Zentei.ini"},
      {L"D:\\ツール\\ソフト", L"D:\\ツール\\ソフト\\Zentei.ini"},
  };
  for (const Case& c : cases) EXPECT_EQ(SettingsPath(c.folder, L"Zentei.ini"), c.expected) << c.folder;
}

class SettingsFile : public ::testing::Test {
 protected:
  std::wstring folder_ = driver::NewTempFolder();
  std::wstring path_ = SettingsPath(folder_, L"Zentei.ini");
  std::wstring newCopy_ = path_ + L".new";
};

TEST_F(SettingsFile, JapaneseLinesAreWrittenInCodePage932WithCrLf) {
  ASSERT_EQ(GetACP(), 932u);
  // The title's blank is the full-width one, 81 40 in code page 932.
  ASSERT_TRUE(SettingsIo::WriteSettingsLines(
      path_, {L"Arguments = 0", L"SoundName = ", L"FontName = ＭＳ ゴシック", L"Title1 = ＭＳ　ゴシック"}));
  EXPECT_EQ(driver::ReadFileBytes(path_),
            "Arguments = 0\r\nSoundName = \r\nFontName = " + kGothicBytes +
                "\r\nTitle1 = \x82\x6C\x82\x72\x81\x40\x83\x53\x83\x56\x83\x62\x83\x4E\r\n");
  EXPECT_FALSE(driver::FileExists(newCopy_));
}

TEST_F(SettingsFile, RecordsReadBackAsWrittenIncludingTrailByteBackslash) {
  // ソ and 表 end in the byte of "\" in code page 932.
  const std::vector<std::wstring> lines = {L"FontName = ＭＳ ゴシック", L"Execute1 = C:\\ソフト\\表.txt",
                                           L"Title1 = 表計算"};
  ASSERT_TRUE(SettingsIo::WriteSettingsLines(path_, lines));
  std::vector<std::wstring> records;
  ASSERT_TRUE(SettingsIo::ReadSettingsRecords(path_, records));
  EXPECT_EQ(records, lines);
}

TEST_F(SettingsFile, ReadingDecodesTheAnsiBytesAndSplitsRecords) {
  driver::WriteFileBytes(path_, "FontName = " + kGothicBytes + "\r\nExecute1 = a,b\r\n\r\n\"Title1 = x,y\"");
  std::vector<std::wstring> records = {L"stale"};
  ASSERT_TRUE(SettingsIo::ReadSettingsRecords(path_, records));
  EXPECT_EQ(records, (std::vector<std::wstring>{L"FontName = ＭＳ ゴシック", L"Execute1 = a", L"b",
                                                 L"Title1 = x,y"}));
}

TEST_F(SettingsFile, AnEmptyFileHasNoRecords) {
  driver::WriteFileBytes(path_, "");
  std::vector<std::wstring> records = {L"stale"};
  EXPECT_TRUE(SettingsIo::ReadSettingsRecords(path_, records));
  EXPECT_TRUE(records.empty());
}

TEST_F(SettingsFile, MissingFileOrFolderCannotBeReadAndLeavesNoStaleRecords) {
  CreateDirectoryW((folder_ + L"\\Folder.ini").c_str(), nullptr);
  for (const std::wstring& path : {path_, folder_ + L"\\Folder.ini", folder_ + L"\\NoSuch\\Zentei.ini"}) {
    std::vector<std::wstring> records = {L"stale"};
    EXPECT_FALSE(SettingsIo::ReadSettingsRecords(path, records));
    EXPECT_TRUE(records.empty());
  }
}

TEST_F(SettingsFile, SavingReplacesALongerOldFileAndAStaleNewCopy) {
  driver::WriteFileBytes(path_, std::string(5000, 'x') + "\r\n");
  driver::WriteFileBytes(newCopy_, "half-written copy of a killed save");
  ASSERT_TRUE(SettingsIo::WriteSettingsLines(path_, {L"Buttons = 5"}));
  EXPECT_EQ(driver::ReadFileBytes(path_), "Buttons = 5\r\n");
  EXPECT_FALSE(driver::FileExists(newCopy_));

  ASSERT_TRUE(SettingsIo::WriteSettingsLines(path_, {}));
  EXPECT_EQ(driver::ReadFileBytes(path_), "");
  EXPECT_TRUE(driver::FileExists(path_));
}

// A save that cannot replace the file returns false, keeps the old file byte
// for byte and leaves no copy beside it.
TEST_F(SettingsFile, FailedSaveKeepsTheOldFileAndLeavesNoCopy) {
  const std::string oldBytes = "FontName = " + kGothicBytes + "\r\nButtons = 7\r\n";
  const std::vector<std::wstring> lines = {L"Buttons = 9"};

  const std::wstring missing = folder_ + L"\\NoSuchFolder\\Zentei.ini";
  EXPECT_FALSE(SettingsIo::WriteSettingsLines(missing, lines));
  EXPECT_FALSE(driver::FileExists(missing + L".new"));

  const std::wstring aFolder = folder_ + L"\\Zentei.ini";
  ASSERT_TRUE(CreateDirectoryW(aFolder.c_str(), nullptr));
  EXPECT_FALSE(SettingsIo::WriteSettingsLines(aFolder, lines));
  EXPECT_EQ(GetFileAttributesW(aFolder.c_str()) & FILE_ATTRIBUTE_DIRECTORY, DWORD{FILE_ATTRIBUTE_DIRECTORY});
  EXPECT_FALSE(driver::FileExists(aFolder + L".new"));

  // A read-only settings file is the user's way of freezing it.
  const std::wstring frozen = folder_ + L"\\Frozen.ini";
  driver::WriteFileBytes(frozen, oldBytes);
  ASSERT_TRUE(SetFileAttributesW(frozen.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(SettingsIo::WriteSettingsLines(frozen, lines));
  EXPECT_EQ(driver::ReadFileBytes(frozen), oldBytes);
  EXPECT_NE(GetFileAttributesW(frozen.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_FALSE(driver::FileExists(frozen + L".new"));
}

TEST_F(SettingsFile, CopyThatCannotBeCreatedFailsBeforeTouchingTheOldFile) {
  driver::WriteFileBytes(path_, "Buttons = 7\r\n");
  ASSERT_TRUE(CreateDirectoryW(newCopy_.c_str(), nullptr));  // the copy's name is taken by a folder
  EXPECT_FALSE(SettingsIo::WriteSettingsLines(path_, {L"Buttons = 9"}));
  EXPECT_EQ(driver::ReadFileBytes(path_), "Buttons = 7\r\n");
}

TEST_F(SettingsFile, LogLinesCreateTheLogThenAppend) {
  const std::wstring log = SettingsPath(folder_, L"Zentei.Log");
  SettingsIo::AppendLogLine(log, L"[04-01-2024]");
  EXPECT_EQ(driver::ReadFileBytes(log), "[04-01-2024]\r\n");
  SettingsIo::AppendLogLine(log, L"FontName = ＭＳ ゴシック");
  SettingsIo::AppendLogLine(log, L"");
  EXPECT_EQ(driver::ReadFileBytes(log), "[04-01-2024]\r\nFontName = " + kGothicBytes + "\r\n\r\n");
}

TEST_F(SettingsFile, LogLineIntoAMissingFolderIsDroppedQuietly) {
  const std::wstring log = folder_ + L"\\NoSuch\\Zentei.Log";
  SettingsIo::AppendLogLine(log, L"x");
  EXPECT_FALSE(driver::FileExists(log));
}

// One folder holding an entry of every kind the searches tell apart.
class FileSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    Make(L"plain.txt", FILE_ATTRIBUTE_NORMAL);
    Make(L"readonly.txt", FILE_ATTRIBUTE_READONLY);
    Make(L"archive.txt", FILE_ATTRIBUTE_ARCHIVE);
    Make(L"hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    Make(L"system.txt", FILE_ATTRIBUTE_SYSTEM);
    Make(L"日本語 ファイル.txt", FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(CreateDirectoryW(At(L"folder").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(At(L"hiddenfolder").c_str(), nullptr));
    ASSERT_TRUE(SetFileAttributesW(At(L"hiddenfolder").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(CreateDirectoryW(At(L"empty").c_str(), nullptr));
  }
  void Make(const std::wstring& name, DWORD attributes) {
    driver::WriteFileBytes(At(name), "x");
    ASSERT_TRUE(SetFileAttributesW(At(name).c_str(), attributes)) << At(name);
  }
  std::wstring At(const std::wstring& name) const { return folder_ + L"\\" + name; }

  std::wstring folder_ = driver::NewTempFolder();
};

TEST_F(FileSearch, AttributeMasks) {
  struct Case {
    const wchar_t* name;
    bool normalOnly, fileSearch, folderSearch, isFolder;
  };
  const Case cases[] = {
      {L"plain.txt", true, true, true, false},
      {L"readonly.txt", true, true, true, false},
      {L"archive.txt", true, true, true, false},
      {L"日本語 ファイル.txt", true, true, true, false},
      {L"hidden.txt", false, true, false, false},
      {L"system.txt", false, true, false, false},
      {L"folder", false, false, true, true},
      {L"hiddenfolder", false, false, false, false},
      {L"missing.txt", false, false, false, false},
      {L"folder\\missing.txt", false, false, false, false},
  };
  for (const Case& c : cases) {
    const std::wstring path = At(c.name);
    SCOPED_TRACE(path);
    EXPECT_EQ(SettingsIo::FileSearchFinds(path, false, false), c.normalOnly);
    EXPECT_EQ(SettingsIo::FileSearch(path), c.fileSearch);
    EXPECT_EQ(SettingsIo::FolderSearch(path), c.folderSearch);
    EXPECT_EQ(SettingsIo::IsFolderPath(path), c.isFolder);
    EXPECT_EQ(SettingsIo::PathExists(path), c.fileSearch || c.folderSearch);
  }
}

TEST_F(FileSearch, EmptyPathAndPatternsFindNothing) {
  for (const std::wstring& path : {std::wstring(), At(L"*.txt"), At(L"plain.tx?"), At(L"*")}) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(SettingsIo::FileSearchFinds(path, true, true));
    EXPECT_FALSE(SettingsIo::PathExists(path));
    EXPECT_FALSE(SettingsIo::IsFolderPath(path));
  }
}

// A trailing "\" searches inside the folder: a folder's "." entry satisfies
// the folder search, and any ordinary file inside satisfies the file search.
TEST_F(FileSearch, TrailingBackslashSearchesInsideTheFolder) {
  EXPECT_FALSE(SettingsIo::FileSearch(At(L"empty\\")));
  EXPECT_TRUE(SettingsIo::FolderSearch(At(L"empty\\")));
  EXPECT_TRUE(SettingsIo::IsFolderPath(At(L"empty\\")));

  EXPECT_TRUE(SettingsIo::FileSearch(folder_ + L"\\"));
  EXPECT_FALSE(SettingsIo::IsFolderPath(folder_ + L"\\"));
}

}  // namespace
