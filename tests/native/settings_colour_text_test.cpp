#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "launcher/settings/ColourText.h"

namespace {

using ColourText::ParseColour;

TEST(SettingsColourText, AcceptsOneRgbOrSystemColourNumber) {
  struct Case {
    std::wstring text;
    std::uint32_t colour;
  };
  const std::vector<Case> cases = {
      {L" &H00FFFF", 0x00FFFF},   {L"&h808000 ", 0x808000}, {L"0", 0},
      {L"16777215", 0xFFFFFF},    {L"&HFFFFFF", 0xFFFFFF},  {L"255.5", 256},
      {L"&H80000005", 0x80000005u}, {L"&H80000018", 0x80000018u},
      {L"-2147483643", 0x80000005u}, {L"&H0000FFFF", 0xFFFF},
  };
  for (const Case& c : cases) {
    std::uint32_t colour = 1;
    EXPECT_TRUE(ParseColour(c.text, colour)) << std::string(c.text.begin(), c.text.end());
    EXPECT_EQ(colour, c.colour) << std::string(c.text.begin(), c.text.end());
  }
}

TEST(SettingsColourText, RejectsAnythingElseAndKeepsTheColour) {
  const std::vector<std::wstring> texts = {
      L"",           L"   ",         L"&HZZ",       L"&H",          L"12abc",     L"&H00FF GG",
      L"abc",        L"-1",          L"&HFFFF",     L"16777216",    L"&H1000000", L"&H80000019",
      L"&HFFFFFFFF", L"4294967295",  L"1e20",       L"&H100000000", L"1 2",
  };
  for (const std::wstring& text : texts) {
    std::uint32_t colour = 0x123456;
    EXPECT_FALSE(ParseColour(text, colour)) << std::string(text.begin(), text.end());
    EXPECT_EQ(colour, 0x123456u);
  }
}

}  // namespace
