#include <gtest/gtest.h>

#include "launcher/settings/ErrorLogLines.h"

namespace {

TEST(SettingsErrorLogLines, DateLineIsMonthDayYearZeroPadded) {
  EXPECT_EQ(ErrorLogLines::DateLine(2024, 3, 7), L"[03-07-2024]");
  EXPECT_EQ(ErrorLogLines::DateLine(1998, 12, 31), L"[12-31-1998]");
  EXPECT_EQ(ErrorLogLines::DateLine(999, 1, 1), L"[01-01-0999]");
}

TEST(SettingsErrorLogLines, ErrorLineQuotesTheWholeRecord) {
  EXPECT_EQ(ErrorLogLines::ErrorLine(L"Place = 9"), L"次の行に誤りがあります。 -> \"Place = 9\"");
  EXPECT_EQ(ErrorLogLines::ErrorLine(L""), L"次の行に誤りがあります。 -> \"\"");
}

}  // namespace
