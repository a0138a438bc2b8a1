#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "launcher/settings/NumberText.h"

namespace {

using NumberText::LeadingNumber;
using NumberText::ParseWholeNumber;
using NumberText::ToInt16;

struct NumberCase {
  std::wstring text;
  double value;
};

TEST(SettingsNumberText, LeadingNumberFollowsThePlatformConversion) {
  const std::vector<NumberCase> cases = {
      {L"12abc", 12},       {L"abc", 0},          {L"", 0},
      {L" 7", 7},           {L"+5", 5},           {L"-1", -1},
      {L"2.5", 2.5},        {L".5", 0.5},         {L"-.25x", -0.25},
      {L"1.2.3", 1.2},      {L"1e3", 1000},       {L"1D2", 100},
      {L"2.5E-1", 0.25},    {L"1e", 1},           {L"1e+", 1},
      {L"3ex", 3},          {L"1 2", 12},         {L"\t- 4", -4},
      {L".", 0},            {L"-", 0},            {L"11.25", 11.25},
      {L"&HFF", 255},       {L"&hff", 255},       {L"&HZZ", 0},
      {L"&H1G", 1},         {L"&H", 0},           {L"&HFFFF", -1},
      {L"&H8000", -32768},  {L"&H7FFF", 32767},   {L"&H0FFFF", 65535},
      {L"&H10000", 65536},  {L"&HFFFFFFFF", -1},  {L"&H80000005", -2147483643.0},
      {L"&H00FFFF", 65535}, {L"&H0000FFFF", 65535}, {L"&H000000001", 0},
      {L"&H100000000", 0},  {L"&O17", 15},        {L"&O177777", -1},
      {L"&O200000", 65536}, {L"&O0177777", 65535}, {L"&O37777777777", -1},
      {L"&O8", 0},          {L"&X1", 0},          {L"-&H10", 0},
      {L"1e999", 0},        {L" 4 ' note", 4},
  };
  for (const NumberCase& c : cases) {
    EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << '"' << std::string(c.text.begin(), c.text.end()) << '"';
  }
}

TEST(SettingsNumberText, WholeNumberNeedsTheWholeText) {
  const std::vector<NumberCase> numbers = {
      {L"3", 3}, {L" 12 ", 12}, {L"1.5", 1.5}, {L"-2", -2}, {L"1e1", 10}, {L"&H10", 16}, {L"&HFFFF", -1},
  };
  for (const NumberCase& c : numbers) {
    double value = 99;
    EXPECT_TRUE(ParseWholeNumber(c.text, value)) << std::string(c.text.begin(), c.text.end());
    EXPECT_DOUBLE_EQ(value, c.value);
  }
  for (const std::wstring text : {L"", L"  ", L"12abc", L"1 2", L"abc", L"1e", L"&H", L"&HFG", L"- 1", L"\t3"}) {
    double value = 99;
    EXPECT_FALSE(ParseWholeNumber(text, value)) << std::string(text.begin(), text.end());
    EXPECT_EQ(value, 99) << "a failed conversion leaves the value alone";
  }
}

TEST(SettingsNumberText, ToInt16RoundsHalfToEvenAndReportsOverflow) {
  struct Case {
    double value;
    bool fits;
    std::int16_t result;
  };
  const std::vector<Case> cases = {
      {2.5, true, 2},         {3.5, true, 4},       {-2.5, true, -2},   {-3.5, true, -4},
      {0.5, true, 0},         {1.4999, true, 1},    {1.6, true, 2},     {-0.4, true, 0},
      {32767.0, true, 32767}, {32767.4, true, 32767}, {32767.5, false, 0}, {-32768.0, true, -32768},
      {-32768.5, true, -32768}, {-32768.6, false, 0}, {40000.0, false, 0}, {1e300, false, 0},
  };
  for (const Case& c : cases) {
    bool fits = !c.fits;
    EXPECT_EQ(ToInt16(c.value, fits), c.result) << c.value;
    EXPECT_EQ(fits, c.fits) << c.value;
  }
}

TEST(SettingsNumberText, IsWholeInChecksBothBoundsAndFraction) {
  EXPECT_TRUE(NumberText::IsWholeIn(0, 0, 2));
  EXPECT_TRUE(NumberText::IsWholeIn(2, 0, 2));
  EXPECT_FALSE(NumberText::IsWholeIn(3, 0, 2));
  EXPECT_FALSE(NumberText::IsWholeIn(-1, 0, 2));
  EXPECT_FALSE(NumberText::IsWholeIn(1.5, 0, 2));
}

}  // namespace
