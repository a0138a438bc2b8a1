#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/settings/FirstPass.h"

namespace {

using FirstPass::GeometryKey;

TEST(SettingsFirstPass, MatchesKeyWordsByTheRecordsBeginning) {
  struct Case {
    std::wstring record;
    GeometryKey key;
  };
  const std::vector<Case> cases = {
      {L"Left = 100", GeometryKey::Left},          {L"  LEFT=1", GeometryKey::Left},
      {L"Lefty = 3", GeometryKey::Left},           {L"Top = 300", GeometryKey::Top},
      {L"TopMost = 2", GeometryKey::Top},          {L"Place = 4", GeometryKey::Place},
      {L"Buttons = 5", GeometryKey::Buttons},      {L"FontSize = 9", GeometryKey::FontSize},
      {L"WindowStyle = 1", GeometryKey::WindowStyle},
      {L"FontName = x", GeometryKey::Other},       {L"Execute1 = C:\\top", GeometryKey::Other},
      {L"b.txt", GeometryKey::Other},              {L"", GeometryKey::Other},
      {L"Lef = 1", GeometryKey::Other},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FirstPass::MatchGeometryKey(c.record), c.key) << std::string(c.record.begin(), c.record.end());
  }
}

TEST(SettingsFirstPass, ValueIsTheLeadingNumberAfterTheFirstEquals) {
  EXPECT_DOUBLE_EQ(FirstPass::GeometryValue(L"Left = 1200"), 1200);
  EXPECT_DOUBLE_EQ(FirstPass::GeometryValue(L"FontSize = 10.5"), 10.5);
  EXPECT_DOUBLE_EQ(FirstPass::GeometryValue(L"Top = 12abc = 5"), 12);
  EXPECT_DOUBLE_EQ(FirstPass::GeometryValue(L"Left 100"), 0) << "no '=': the whole record";
}

TEST(SettingsFirstPass, PlaceMovesOnlyForWholePlacesOtherThanFree) {
  struct Case {
    double v;
    bool applies;
    std::int16_t place;
    bool movesToPlace;
    bool freePosition;
  };
  const std::vector<Case> cases = {
      {0, true, 0, true, false},   {8, true, 8, true, false},   {3, true, 3, true, false},
      {4, true, 4, false, true},   {9, true, 4, false, false},  {-1, true, 4, false, false},
      {2.5, true, 4, false, false}, {4.4, true, 4, false, true}, {70000, false, 4, false, false},
  };
  for (const Case& c : cases) {
    const FirstPass::PlaceReading r = FirstPass::ReadPlace(c.v);
    EXPECT_EQ(r.applies, c.applies) << c.v;
    if (!c.applies) continue;
    EXPECT_EQ(r.place, c.place) << c.v;
    EXPECT_EQ(r.movesToPlace, c.movesToPlace) << c.v;
    EXPECT_EQ(r.freePosition, c.freePosition) << c.v;
  }
}

TEST(SettingsFirstPass, ButtonsAndWindowStyleTakeOnlyWholeValuesInRange) {
  EXPECT_EQ(FirstPass::ReadButtons(1, 5), 1);
  EXPECT_EQ(FirstPass::ReadButtons(50, 5), 50);
  EXPECT_EQ(FirstPass::ReadButtons(0, 5), 5);
  EXPECT_EQ(FirstPass::ReadButtons(51, 7), 7);
  EXPECT_EQ(FirstPass::ReadButtons(2.5, 5), 5);

  EXPECT_EQ(FirstPass::ReadWindowStyle(2), 2);
  EXPECT_EQ(FirstPass::ReadWindowStyle(3), 0);
  EXPECT_EQ(FirstPass::ReadWindowStyle(-1), 0);
  EXPECT_EQ(FirstPass::ReadWindowStyle(1.5), 0);
}

}  // namespace
