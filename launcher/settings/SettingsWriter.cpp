#include "launcher/settings/SettingsWriter.h"

#include <algorithm>

#include "launcher/settings/SettingsText.h"
#include "launcher/settings/WrittenForms.h"

namespace SettingsWriter {
namespace {

using SettingsModel::LauncherSettings;
using WrittenForms::LastCharacter;
using WrittenForms::WithoutFirstCharacter;

std::wstring AsOneRecord(const std::wstring& line) {
  const bool hasComma = line.find(L',') != std::wstring::npos;
  const bool hasQuote = line.find(L'"') != std::wstring::npos;
  return hasComma && !hasQuote ? L"\"" + line + L"\"" : line;
}

std::wstring WrittenSoundName(const LauncherSettings& settings) {
  return settings.Sounds != 0 ? SettingsText::Trim(settings.SoundName) : std::wstring();
}

std::vector<std::wstring> SettingLines(const LauncherSettings& s) {
  return {
      L"Arguments = " + LastCharacter(s.Arguments),
      L"WinState = " + LastCharacter(s.WinState),
      L"SoundName = " + WrittenSoundName(s),
      s.Sounds != 0 ? L"Sounds = 1" : L"Sounds = 0",
      L"Place = " + LastCharacter(s.Place),
      L"TopMost = " + LastCharacter(s.TopMost),
      L"Left = " + WithoutFirstCharacter(s.Left),
      L"Top = " + WithoutFirstCharacter(s.Top),
      L"ForeColor = &H" + WrittenForms::ColourHex6(s.ForeColor),
      L"BackColor = &H" + WrittenForms::ColourHex6(s.BackColor),
      L"Buttons = " + std::to_wstring(s.Buttons),
      L"WindowStyle = " + std::to_wstring(s.WindowStyle),
      L"FontName = " + s.FontName,
      L"FontSize = " + WrittenForms::FontSizeText(s.FontSize),
      L"FontBold = " + std::to_wstring(s.FontBold),
      L"FontItalic = " + std::to_wstring(s.FontItalic),
      L"PageStart = " + std::to_wstring(s.PageStart),
  };
}

}  // namespace

std::vector<std::wstring> BuildSettingsLines(const LauncherSettings& settings,
                                             const SettingsModel::ButtonTable& slots,
                                             int slotCount) {
  std::vector<std::wstring> lines = SettingLines(settings);
  const int lastSlot = std::min(slotCount, SettingsModel::SlotCount);
  for (int s = 0; s < lastSlot; ++s) {
    const SettingsModel::ButtonEntry& entry = slots[static_cast<std::size_t>(s)];
    if (entry.Execute.empty()) continue;
    const std::wstring number = std::to_wstring(s + 1);
    lines.push_back(L"Execute" + number + L" = " + entry.Execute);
    lines.push_back(L"Title" + number + L" = " + entry.Title);
  }
  std::transform(lines.begin(), lines.end(), lines.begin(), AsOneRecord);
  return lines;
}

}  // namespace SettingsWriter
