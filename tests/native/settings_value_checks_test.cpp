#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "launcher/settings/RecordClassifier.h"
#include "launcher/settings/ValueChecks.h"

namespace {

using RecordClassifier::RecordKind;
using ValueChecks::FieldUpdate;

struct Expected {
  bool assign;
  std::int16_t value;
  bool report;
};

void ExpectUpdate(const FieldUpdate& actual, const Expected& expected, const std::string& what) {
  EXPECT_EQ(actual.assign, expected.assign) << what;
  if (expected.assign) {
    EXPECT_EQ(actual.value, expected.value) << what;
  }
  EXPECT_EQ(actual.report, expected.report) << what;
}

TEST(SettingsValueChecks, SmallFieldsTakeValidValuesAndFallBackOtherwise) {
  struct Case {
    RecordKind kind;
    double n;
    Expected expected;
  };
  const std::vector<Case> cases = {
      {RecordKind::Arguments, 1, {true, 1, false}},   {RecordKind::Arguments, 2, {true, 0, true}},
      {RecordKind::Arguments, 0.6, {true, 1, false}}, {RecordKind::Arguments, -1, {true, 0, true}},
      {RecordKind::WinState, 6, {true, 6, false}},    {RecordKind::WinState, 5, {true, 1, true}},
      {RecordKind::WinState, 0, {true, 1, true}},     {RecordKind::Sounds, 3, {true, 0, true}},
      {RecordKind::Place, 0, {true, 0, false}},       {RecordKind::Place, 8, {true, 8, false}},
      {RecordKind::Place, 9, {true, 4, true}},        {RecordKind::Place, -1, {true, 4, true}},
      {RecordKind::TopMost, 2, {true, 2, false}},     {RecordKind::TopMost, 3, {true, 3, true}},
      {RecordKind::Left, 300, {true, 300, false}},    {RecordKind::Left, -5, {true, 0, true}},
      {RecordKind::Top, -1, {true, 0, true}},         {RecordKind::FontBold, -1, {true, 0, true}},
      {RecordKind::FontItalic, 1, {true, 1, false}},  {RecordKind::FontItalic, 2, {true, 0, true}},
      // A value that does not fit 16 bits leaves the field alone, unreported.
      {RecordKind::Left, 100000, {false, 0, false}},  {RecordKind::TopMost, -40000, {false, 0, false}},
      // Kinds checked elsewhere change nothing here.
      {RecordKind::Buttons, 5, {false, 0, false}},    {RecordKind::Title, 1, {false, 0, false}},
  };
  for (const Case& c : cases) {
    ExpectUpdate(ValueChecks::CheckField(c.kind, c.n), c.expected,
                 "kind " + std::to_string(static_cast<int>(c.kind)) + " n " + std::to_string(c.n));
  }
}

TEST(SettingsValueChecks, ButtonsLimitComesFromTheScreenWidth) {
  EXPECT_FLOAT_EQ(ValueChecks::ButtonsLimit(640 * 15, 15), 38.625F);
  EXPECT_FLOAT_EQ(ValueChecks::ButtonsLimit(1024 * 15, 15), 50.0F) << "capped at the slot count";
  EXPECT_FLOAT_EQ(ValueChecks::ButtonsLimit(800 * 12, 12), 48.625F);
  EXPECT_FLOAT_EQ(ValueChecks::ButtonsLimit(9600, 0), 50.0F);
}

TEST(SettingsValueChecks, ButtonsNeedsAWholeNumberAboveOneWithinTheLimit) {
  struct Case {
    double n;
    float limit;
    Expected expected;
  };
  const std::vector<Case> cases = {
      {5, 38.625F, {true, 5, false}},  {2, 38.625F, {true, 2, false}},  {38, 38.625F, {true, 38, false}},
      {50, 50.0F, {true, 50, false}},  {39, 38.625F, {false, 0, true}}, {1, 38.625F, {false, 0, true}},
      {0, 38.625F, {false, 0, true}},  {51, 50.0F, {false, 0, true}},   {2.5, 38.625F, {false, 0, true}},
      {-3, 38.625F, {false, 0, true}}, {70000, 50.0F, {false, 0, true}},
  };
  for (const Case& c : cases) ExpectUpdate(ValueChecks::CheckButtons(c.n, c.limit), c.expected, std::to_string(c.n));
}

TEST(SettingsValueChecks, PageStartFallsBackToZeroSilently) {
  struct Case {
    double n;
    int buttons;
    Expected expected;
  };
  const std::vector<Case> cases = {
      {10, 5, {true, 10, false}}, {45, 5, {true, 45, false}}, {46, 5, {true, 0, false}},
      {48, 5, {true, 0, false}},  {-1, 5, {true, 0, false}},  {2.5, 5, {true, 2, false}},
      {0, 50, {true, 0, false}},  {1, 50, {true, 0, false}},  {99999, 5, {false, 0, false}},
  };
  for (const Case& c : cases) {
    ExpectUpdate(ValueChecks::CheckPageStart(c.n, c.buttons), c.expected, std::to_string(c.n));
  }
}

TEST(SettingsValueChecks, SlotRecordsFindTheirImageOrAreReported) {
  struct Case {
    std::wstring record;
    bool report;
    int element;
    std::wstring value;
  };
  const std::vector<Case> cases = {
      {L"Execute1 = C:\\a.exe", false, 0, L"C:\\a.exe"},
      {L"Title1 =  A  ", false, 1, L"A"},
      {L"Execute50 = C:\\z", false, 98, L"C:\\z"},
      {L"Title50 = Z", false, 99, L"Z"},
      {L"Execute1.5 = C:\\p", false, 1, L"C:\\p"},   // lands on slot 0's title image
      {L"Title 3 = t", false, 5, L"t"},
      {L"EXECUTE&H2 = x", false, 2, L"x"},
      {L"Execute3 =   ", false, 4, L""},             // empty: slot left unchanged
      {L"Execute0 = x", true, 0, L""},
      {L"Execute51 = x", true, 0, L""},
      {L"Execute-1 = x", true, 0, L""},
      {L"ExecuteX = x", true, 0, L""},
      {L"Execute = x", true, 0, L""},
      {L"Title2b = x", true, 0, L""},
      {L"Execute0.3 = x", true, 0, L""},              // image -1 does not exist
      {L"Title0.5 = x", false, 0, L"x"},
  };
  for (const Case& c : cases) {
    const ValueChecks::SlotAssignment a =
        ValueChecks::CheckSlotRecord(RecordClassifier::ClassifyRecord(c.record));
    const std::string what(c.record.begin(), c.record.end());
    EXPECT_EQ(a.report, c.report) << what;
    if (c.report) continue;
    EXPECT_EQ(a.element, c.element) << what;
    EXPECT_EQ(a.value, c.value) << what;
  }
}

TEST(SettingsValueChecks, SoundAndFontNameTexts) {
  EXPECT_EQ(ValueChecks::SoundNameCandidate(L" C:\\a.wav"), L"C:\\a.wav");
  EXPECT_EQ(ValueChecks::SoundNameCandidate(L"  C:\\a.wav"), L" C:\\a.wav") << "only one blank goes";
  EXPECT_EQ(ValueChecks::SoundNameCandidate(L" "), L"");
  EXPECT_EQ(ValueChecks::SoundNameCandidate(L" x"), L"");
  EXPECT_EQ(ValueChecks::SoundNameCandidate(L""), L"");
  EXPECT_EQ(ValueChecks::SoundNameCandidate(L"ab"), L"ab");

  EXPECT_EQ(ValueChecks::FontNameCandidate(L"  Arial "), L"Arial ") << "a trailing blank stays";
  EXPECT_EQ(ValueChecks::FontNameCandidate(L" ＭＳ ゴシック"), L"ＭＳ ゴシック");

  EXPECT_EQ(ValueChecks::SoundsAfterPass(1, L""), 0);
  EXPECT_EQ(ValueChecks::SoundsAfterPass(1, L"C:\\a.wav"), 1);
  EXPECT_EQ(ValueChecks::SoundsAfterPass(0, L""), 0);
}

}  // namespace
