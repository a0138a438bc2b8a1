#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/settings/RecordClassifier.h"

namespace {

using RecordClassifier::ClassifyRecord;
using RecordClassifier::RecordKind;

TEST(SettingsRecordClassifier, FindsTheKindByKey) {
  struct Case {
    std::wstring record;
    RecordKind kind;
  };
  const std::vector<Case> cases = {
      {L"Arguments = 1", RecordKind::Arguments},   {L"winstate=4", RecordKind::WinState},
      {L"SoundName = ", RecordKind::SoundName},    {L"SOUNDS = 0", RecordKind::Sounds},
      {L"  Place  = 4", RecordKind::Place},        {L"TopMost = 2", RecordKind::TopMost},
      {L"Left = 0", RecordKind::Left},             {L"Top = 0", RecordKind::Top},
      {L"ForeColor = &HFF", RecordKind::ForeColor}, {L"BackColor = 0", RecordKind::BackColor},
      {L"Buttons = 5", RecordKind::Buttons},       {L"FontName = x", RecordKind::FontName},
      {L"FontSize = 9", RecordKind::FontSize},     {L"FontBold = 0", RecordKind::FontBold},
      {L"FontItalic = 0", RecordKind::FontItalic}, {L"PageStart = 0", RecordKind::PageStart},
      {L"Title12 = x", RecordKind::Title},         {L"TITLEbar = x", RecordKind::Title},
      {L"Title = x", RecordKind::Title},           {L"Execute1 = C:\\", RecordKind::Execute},
      {L"executeX = y", RecordKind::Execute},      {L"WindowStyle = 1", RecordKind::WindowStyleIgnored},
      {L"WindowStyles = 1", RecordKind::WindowStyleIgnored},
      {L"Topmost2 = 1", RecordKind::UnknownKey},   {L"Lefty = 1", RecordKind::UnknownKey},
      {L"Ｌｅｆｔ = 1", RecordKind::UnknownKey},     {L"= 1", RecordKind::UnknownKey},
      {L"b.txt", RecordKind::NoEquals},            {L"", RecordKind::NoEquals},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClassifyRecord(c.record).kind, c.kind) << std::string(c.record.begin(), c.record.end());
  }
}

TEST(SettingsRecordClassifier, SplitsAtTheFirstEquals) {
  const RecordClassifier::ClassifiedRecord r = ClassifyRecord(L"  Title3 =  a = b ");
  EXPECT_EQ(r.key, L"Title3");
  EXPECT_EQ(r.text, L"  a = b ") << "the text is left untouched";

  EXPECT_DOUBLE_EQ(ClassifyRecord(L"Place = 2.5x").number, 2.5);
  EXPECT_DOUBLE_EQ(ClassifyRecord(L"Left = abc").number, 0.0);
  EXPECT_DOUBLE_EQ(ClassifyRecord(L"Left =&H10").number, 16.0);
}

}  // namespace
