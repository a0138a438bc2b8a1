// The shared helpers against the real system: the millisecond counter and
// the registry.
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <cstring>
#include <string>

#include "common/MsecWaiting.h"
#include "common/RegditModule.h"

namespace {

TEST(WaitMilliseconds, WaitsAtLeastTheTimeBySystemCounter) {
  const DWORD start = timeGetTime();
  MsecWaiting::WaitMilliseconds(800);
  EXPECT_GE(timeGetTime() - start, 800u);
}

TEST(WaitMilliseconds, ZeroAndNegativeReturn) {
  MsecWaiting::WaitMilliseconds(0);
  MsecWaiting::WaitMilliseconds(-5);
  MsecWaiting::WaitMilliseconds(INT32_MIN);
}

// Each test works on a key of its own under HKEY_CURRENT_USER, removed again
// afterwards.
class ReadRegistryString : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring name = L"Software\\ZenteiTests\\" + std::wstring(
        ::testing::UnitTest::GetInstance()->current_test_info()->name(),
        ::testing::UnitTest::GetInstance()->current_test_info()->name() +
            std::strlen(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    path_ = name;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key_, nullptr), ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(key_);
    RegDeleteKeyW(HKEY_CURRENT_USER, (path_ + L"\\Sub").c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, path_.c_str());
  }
  void SetBytes(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetValueExW(key_, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  }
  void SetText(const wchar_t* name, const std::wstring& text) {
    SetBytes(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  std::wstring Read(const std::wstring& subKey, const std::wstring& valueName) {
    std::wstring value = L"stale";
    Regdit_Module::ReadRegistryString(key_, subKey, valueName, value);
    return value;
  }
  // The key handed in is the caller's: it must still be open afterwards.
  bool CallersKeyStillOpen() {
    DWORD values = 0;
    return RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                            nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  }

  std::wstring path_;
  HKEY key_ = nullptr;
};

TEST_F(ReadRegistryString, MissingSubkeyOrValueGivesEmptyAndLeavesTheKeyOpen) {
  EXPECT_EQ(Read(L"NoSuchKey", L"x"), L"");
  EXPECT_EQ(Read(L"", L"NoSuchValue"), L"");
  EXPECT_TRUE(CallersKeyStillOpen());
}

TEST_F(ReadRegistryString, DefaultValueSetOrNot) {
  HKEY sub = nullptr;
  ASSERT_EQ(RegCreateKeyW(key_, L"Sub", &sub), ERROR_SUCCESS);
  EXPECT_EQ(Read(L"Sub", L""), L"");
  ASSERT_EQ(RegSetValueExW(sub, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(L"txtfile"), 16),
            ERROR_SUCCESS);
  RegCloseKey(sub);
  EXPECT_EQ(Read(L"Sub", L""), L"txtfile");
  EXPECT_TRUE(CallersKeyStillOpen());
}

TEST_F(ReadRegistryString, TextValues) {
  const std::wstring longText(700, L'x');
  SetText(L"empty", L"");
  SetText(L"long", longText);
  SetText(L"japanese", L"設定ファイル　テスト");
  SetText(L"path", L"C:\\WINDOWS\\SYSTEM\\SHELL32.DLL,3");
  SetBytes(L"expand", REG_EXPAND_SZ, L"%SystemRoot%\\a", 30);

  EXPECT_EQ(Read(L"", L"empty"), L"");
  EXPECT_EQ(Read(L"", L"long"), longText);  // beyond the 512-byte first guess
  EXPECT_EQ(Read(L"", L"japanese"), L"設定ファイル　テスト");
  EXPECT_EQ(Read(L"", L"path"), L"C:\\WINDOWS\\SYSTEM\\SHELL32.DLL,3");
  EXPECT_EQ(Read(L"", L"expand"), L"%SystemRoot%\\a");  // not expanded
}

TEST_F(ReadRegistryString, DataWithoutNulIsTakenWholeAndEmbeddedNulCuts) {
  SetBytes(L"binary", REG_BINARY, "ABC", 3);
  SetBytes(L"nothing", REG_BINARY, "", 0);
  const DWORD number = 0x00434241;  // bytes 41 42 43 00
  SetBytes(L"number", REG_DWORD, &number, sizeof number);
  SetBytes(L"twoTexts", REG_MULTI_SZ, L"one\0two\0", 18);

  EXPECT_EQ(Read(L"", L"binary"), L"ABC");
  EXPECT_EQ(Read(L"", L"nothing"), L"");
  EXPECT_EQ(Read(L"", L"number"), L"ABC");
  EXPECT_EQ(Read(L"", L"twoTexts"), L"one");
}

}  // namespace
