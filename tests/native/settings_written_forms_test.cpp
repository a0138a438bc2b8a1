#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/settings/WrittenForms.h"

namespace {

using namespace WrittenForms;

TEST(SettingsWrittenForms, NumberTextForms) {
  struct Case {
    int value;
    std::wstring textForm;
    std::wstring last;
    std::wstring withoutFirst;
  };
  const std::vector<Case> cases = {
      {4, L" 4", L"4", L"4"},       {0, L" 0", L"0", L"0"},
      {-1, L"-1", L"1", L"1"},      {12, L" 12", L"2", L"12"},
      {-100, L"-100", L"0", L"100"}, {32767, L" 32767", L"7", L"32767"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NumberTextForm(c.value), c.textForm) << c.value;
    EXPECT_EQ(LastCharacter(c.value), c.last) << c.value;
    EXPECT_EQ(WithoutFirstCharacter(c.value), c.withoutFirst) << c.value;
  }
}

TEST(SettingsWrittenForms, ColourKeepsTheLastSixHexDigits) {
  EXPECT_EQ(ColourHex6(0xFFFF), L"00FFFF");
  EXPECT_EQ(ColourHex6(0x808000), L"808000");
  EXPECT_EQ(ColourHex6(0), L"000000");
  EXPECT_EQ(ColourHex6(0xabcdef), L"ABCDEF");
  EXPECT_EQ(ColourHex6(0x80000005u), L"000005");
}

TEST(SettingsWrittenForms, FontSizeIsShortestWithFullStop) {
  struct Case {
    float size;
    std::wstring text;
  };
  const std::vector<Case> cases = {
      {11.25F, L"11.25"}, {9.0F, L"9"}, {10.5F, L"10.5"}, {10.1F, L"10.1"},
      {0.75F, L"0.75"},   {72.0F, L"72"}, {100000.0F, L"100000"},
  };
  for (const Case& c : cases) EXPECT_EQ(FontSizeText(c.size), c.text) << c.size;
}

}  // namespace
