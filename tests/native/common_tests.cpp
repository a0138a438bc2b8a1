#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "common/DivPathFiles.h"
#include "common/ElapsedTime.h"

namespace {

TEST(SplitPath, FolderKeepsItsLastSeparator) {
  struct Case {
    const wchar_t* path;
    const wchar_t* folder;
    const wchar_t* fileName;
  };
  const Case cases[] = {
      {L"C:\\WINDOWS\\NOTEPAD.EXE", L"C:\\WINDOWS\\", L"NOTEPAD.EXE"},
      {L"NOTEPAD.EXE", L"", L"NOTEPAD.EXE"},
      {L"C:\\Tools\\", L"C:\\Tools\\", L""},
      {L"C:\\", L"C:\\", L""},
      {L"C:\\a\\a", L"C:\\a\\", L"a"},  // the name also stands earlier in the path
      {L"", L"", L""},
      {L"C:/dir/file.txt", L"", L"C:/dir/file.txt"},  // '/' separates nothing
      {L"\"C:\\q\\x.exe\"", L"\"C:\\q\\", L"x.exe\""},
      {L"\\\\server\\share\\ファイル.txt", L"\\\\server\\share\\", L"ファイル.txt"},
  };
  for (const Case& c : cases) {
    std::wstring folder = L"stale", fileName = L"stale";
    DivPathFiles::SplitPath(c.path, folder, fileName);
    EXPECT_EQ(folder, c.folder) << "path: " << ::testing::PrintToString(std::wstring(c.path));
    EXPECT_EQ(fileName, c.fileName) << "path: " << ::testing::PrintToString(std::wstring(c.path));
  }
}

// A counter that advances a fixed step on every reading.
struct FakeCounter {
  std::uint32_t value;
  std::uint32_t step;
  int readings = 0;
  std::uint32_t operator()() {
    ++readings;
    const std::uint32_t now = value;
    value += step;
    return now;
  }
};

TEST(SpinUntilElapsed, EndsAsSoonAsTheTimeHasPassed) {
  FakeCounter counter{1000, 1};
  MsecWaiting::SpinUntilElapsed(800, std::ref(counter));
  EXPECT_EQ(counter.value, 1000u + 801u);  // start reading, then readings at +1 ... +800
}

TEST(SpinUntilElapsed, AWrapOfTheCounterDoesNotLengthenTheWait) {
  for (std::uint32_t start : {0xFFFFFFFFu - 100u, 0x7FFFFFFFu - 100u, 0xFFFFFFFFu}) {
    FakeCounter counter{start, 1};
    MsecWaiting::SpinUntilElapsed(800, std::ref(counter));
    EXPECT_EQ(counter.value - start, 801u) << "start " << start;
  }
}

TEST(SpinUntilElapsed, NothingToWaitReadsNoCounter) {
  for (std::int32_t ms : {0, -1, INT32_MIN}) {
    FakeCounter counter{5, 1};
    MsecWaiting::SpinUntilElapsed(ms, std::ref(counter));
    EXPECT_EQ(counter.readings, 0);
  }
}

TEST(SpinUntilElapsed, ACoarseCounterStillWaitsAtLeastTheTime) {
  FakeCounter counter{0xFFFFFFF0u, 16};  // a 16-ms tick, wrapping on the way
  MsecWaiting::SpinUntilElapsed(800, std::ref(counter));
  EXPECT_GE(counter.value - 16 - 0xFFFFFFF0u, 800u);
  EXPECT_LT(counter.value - 16 - 0xFFFFFFF0u, 816u);
}

}  // namespace
