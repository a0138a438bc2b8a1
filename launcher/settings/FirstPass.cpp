#include "launcher/settings/FirstPass.h"

#include <utility>

#include "launcher/settings/LauncherSettings.h"
#include "launcher/settings/NumberText.h"
#include "launcher/settings/SettingsText.h"

namespace FirstPass {

GeometryKey MatchGeometryKey(const std::wstring& record) {
  static const std::pair<const wchar_t*, GeometryKey> KeyWords[] = {
      {L"left", GeometryKey::Left},         {L"top", GeometryKey::Top},
      {L"place", GeometryKey::Place},       {L"buttons", GeometryKey::Buttons},
      {L"fontsize", GeometryKey::FontSize}, {L"windowstyle", GeometryKey::WindowStyle},
  };
  const std::wstring lower = SettingsText::LowerAscii(SettingsText::Trim(record));
  for (const auto& [word, key] : KeyWords) {
    if (SettingsText::StartsWith(lower, word)) return key;
  }
  return GeometryKey::Other;
}

double GeometryValue(const std::wstring& record) {
  const std::wstring::size_type equals = record.find(L'=');
  return NumberText::LeadingNumber(equals == std::wstring::npos ? record : record.substr(equals + 1));
}

PlaceReading ReadPlace(double v) {
  PlaceReading reading;
  bool fits = false;
  const std::int16_t place = NumberText::ToInt16(v, fits);
  if (!fits) return reading;
  reading.applies = true;
  reading.movesToPlace = NumberText::IsWholeIn(v, 0, 8) && v != 4.0;
  reading.place = reading.movesToPlace ? place : std::int16_t{4};
  reading.freePosition = place == 4;
  return reading;
}

std::int16_t ReadButtons(double v, std::int16_t current) {
  return NumberText::IsWholeIn(v, 1, SettingsModel::SlotCount) ? static_cast<std::int16_t>(v) : current;
}

std::int16_t ReadWindowStyle(double v) {
  return NumberText::IsWholeIn(v, 0, 2) ? static_cast<std::int16_t>(v) : std::int16_t{0};
}

}  // namespace FirstPass
