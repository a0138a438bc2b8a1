#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "launcher/settings/ColourText.h"
#include "launcher/settings/LauncherSettings.h"
#include "launcher/settings/RecordClassifier.h"
#include "launcher/settings/Records.h"
#include "launcher/settings/SettingsWriter.h"
#include "launcher/settings/ValueChecks.h"

namespace {

using RecordClassifier::RecordKind;
using SettingsModel::ButtonTable;
using SettingsModel::LauncherSettings;
using SettingsWriter::BuildSettingsLines;
using Lines = std::vector<std::wstring>;

const Lines DefaultFile = {
    L"Arguments = 0",   L"WinState = 4",      L"SoundName = ",     L"Sounds = 0",
    L"Place = 4",       L"TopMost = 2",       L"Left = 0",         L"Top = 0",
    L"ForeColor = &H00FFFF", L"BackColor = &H808000", L"Buttons = 5", L"WindowStyle = 0",
    L"FontName = ＭＳ ゴシック", L"FontSize = 11.25", L"FontBold = 0", L"FontItalic = 0",
    L"PageStart = 0",
};

TEST(SettingsWriter, DefaultsGiveTheDefaultFile) {
  ButtonTable slots;
  slots[0] = {L"C:\\x.exe", L"x"};
  EXPECT_EQ(BuildSettingsLines(LauncherSettings(), slots, 0), DefaultFile)
      << "a slot count of 0 writes no slot lines";
  EXPECT_EQ(BuildSettingsLines(LauncherSettings(), ButtonTable(), SettingsModel::SlotCount), DefaultFile);
}

TEST(SettingsWriter, WritesEveryFieldInItsTextForm) {
  LauncherSettings s;
  s.Arguments = 1;
  s.WinState = 12;  // only the last digit survives
  s.Sounds = 1;
  s.SoundName = L"  C:\\ding.wav  ";
  s.Place = 8;
  s.TopMost = -1;   // loses its sign
  s.Left = -100;
  s.Top = 300;
  s.ForeColor = 0x01FF00FF;
  s.BackColor = 0;
  s.Buttons = 12;
  s.WindowStyle = 2;
  s.FontName = L"Arial ";
  s.FontSize = 10.5F;
  s.FontBold = 1;
  s.FontItalic = 1;
  s.PageStart = -3;
  ButtonTable slots;
  slots[0] = {L"C:\\a.exe", L"A"};
  slots[1] = {L"D:\\", L""};
  slots[2] = {L"", L"title without a path"};
  slots[49] = {L"C:\\z.txt", L"Z"};
  const Lines expected = {
      L"Arguments = 1",     L"WinState = 2",      L"SoundName = C:\\ding.wav", L"Sounds = 1",
      L"Place = 8",         L"TopMost = 1",       L"Left = 100",       L"Top = 300",
      L"ForeColor = &HFF00FF", L"BackColor = &H000000", L"Buttons = 12", L"WindowStyle = 2",
      L"FontName = Arial ", L"FontSize = 10.5",   L"FontBold = 1",     L"FontItalic = 1",
      L"PageStart = -3",
      L"Execute1 = C:\\a.exe", L"Title1 = A", L"Execute2 = D:\\", L"Title2 = ",
      L"Execute50 = C:\\z.txt", L"Title50 = Z",
  };
  EXPECT_EQ(BuildSettingsLines(s, slots, SettingsModel::SlotCount), expected);

  s.Sounds = 0;
  EXPECT_EQ(BuildSettingsLines(s, slots, 0)[2], L"SoundName = ") << "no sound, no name";
}

TEST(SettingsWriter, QuotesLinesHoldingACommaUnlessTheyHoldAQuote) {
  LauncherSettings s;
  s.Sounds = 1;
  s.SoundName = L"C:\\My,Sounds\\a.wav";
  ButtonTable slots;
  slots[2] = {L"C:\\a,b.txt", L"one, \"two\""};
  const Lines lines = BuildSettingsLines(s, slots, SettingsModel::SlotCount);
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(lines[2], L"\"SoundName = C:\\My,Sounds\\a.wav\"");
  EXPECT_EQ(lines[17], L"\"Execute3 = C:\\a,b.txt\"");
  EXPECT_EQ(lines[18], L"Title3 = one, \"two\"");
}

std::wstring AsFileText(const Lines& lines) {
  std::wstring text;
  for (const std::wstring& line : lines) text += line + L"\r\n";
  return text;
}

// What the program writes, it must read back without a rejected record and
// with the same values; commas in paths included.
TEST(SettingsWriter, WrittenFileReadsBackUnchanged) {
  LauncherSettings s;
  s.Left = 1200;
  s.Top = 450;
  s.BackColor = 0x0000FF;  // ForeColor stays the default yellow, &H00FFFF
  s.FontSize = 9.75F;
  ButtonTable slots;
  slots[0] = {L"C:\\Program Files\\ed,it.exe", L"ed, it"};
  slots[7] = {L"C:\\Tools\\", L"ツール"};
  const Lines lines = BuildSettingsLines(s, slots, SettingsModel::SlotCount);
  const std::vector<std::wstring> records = Records::SplitRecords(AsFileText(lines));
  ASSERT_EQ(records.size(), lines.size());

  ButtonTable readSlots;
  for (const std::wstring& record : records) {
    const RecordClassifier::ClassifiedRecord r = RecordClassifier::ClassifyRecord(record);
    ASSERT_NE(r.kind, RecordKind::NoEquals) << std::string(record.begin(), record.end());
    ASSERT_NE(r.kind, RecordKind::UnknownKey);
    if (r.kind == RecordKind::Title || r.kind == RecordKind::Execute) {
      const ValueChecks::SlotAssignment a = ValueChecks::CheckSlotRecord(r);
      ASSERT_FALSE(a.report);
      auto& entry = readSlots[static_cast<std::size_t>(a.element / 2)];
      (a.element % 2 == 0 ? entry.Execute : entry.Title) = a.value;
    } else if (r.kind == RecordKind::ForeColor || r.kind == RecordKind::BackColor) {
      std::uint32_t colour = 0;
      EXPECT_TRUE(ColourText::ParseColour(r.text, colour));
      EXPECT_EQ(colour, r.kind == RecordKind::ForeColor ? s.ForeColor : s.BackColor);
    } else if (r.kind == RecordKind::FontSize) {
      EXPECT_EQ(static_cast<float>(r.number), s.FontSize);
    } else if (r.kind == RecordKind::Left || r.kind == RecordKind::Top) {
      const ValueChecks::FieldUpdate u = ValueChecks::CheckField(r.kind, r.number);
      EXPECT_FALSE(u.report);
      EXPECT_EQ(u.value, r.kind == RecordKind::Left ? s.Left : s.Top);
    }
  }
  EXPECT_EQ(readSlots[0].Execute, slots[0].Execute);
  EXPECT_EQ(readSlots[0].Title, slots[0].Title);
  EXPECT_EQ(readSlots[7].Execute, slots[7].Execute);
  EXPECT_EQ(readSlots[7].Title, slots[7].Title);
}

}  // namespace
