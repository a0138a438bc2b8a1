// The launcher's notification-area record, field by field.
#include <cstring>
#include <gtest/gtest.h>

#include <string>

#include "launcher/startup/TrayIcon.h"

namespace {

TEST(TrayIcon, TheRecordAsStartUpFillsIt) {
  NOTIFYICONDATAA data;
  std::memset(&data, 0x5A, sizeof data);  // nothing of an earlier record may survive
  HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
  HICON icon = reinterpret_cast<HICON>(static_cast<INT_PTR>(0x5678));
  TrayIcon::Fill(data, window, icon);

  EXPECT_EQ(data.cbSize, static_cast<DWORD>(FIELD_OFFSET(NOTIFYICONDATAA, szTip[64])));
#if !defined(_WIN64)
  EXPECT_EQ(data.cbSize, 88u);
#endif
  EXPECT_EQ(data.hWnd, window);
  EXPECT_EQ(data.uID, 1u);
  EXPECT_EQ(data.uFlags, 7u);
  EXPECT_EQ(data.uCallbackMessage, 0x200u);
  EXPECT_EQ(data.hIcon, icon);
  const std::string tip(data.szTip, 64);
  EXPECT_EQ(tip, std::string("Zentei2.30") + '\0' + std::string(53, ' '));
}

}  // namespace
