#include "launcher/settings/RecordClassifier.h"

#include <utility>

#include "launcher/settings/NumberText.h"
#include "launcher/settings/SettingsText.h"

namespace RecordClassifier {
namespace {

RecordKind KindOfKey(const std::wstring& lowerKey) {
  static const std::pair<const wchar_t*, RecordKind> WholeKeys[] = {
      {L"arguments", RecordKind::Arguments}, {L"winstate", RecordKind::WinState},
      {L"soundname", RecordKind::SoundName}, {L"sounds", RecordKind::Sounds},
      {L"place", RecordKind::Place},         {L"topmost", RecordKind::TopMost},
      {L"left", RecordKind::Left},           {L"top", RecordKind::Top},
      {L"forecolor", RecordKind::ForeColor}, {L"backcolor", RecordKind::BackColor},
      {L"buttons", RecordKind::Buttons},     {L"fontname", RecordKind::FontName},
      {L"fontsize", RecordKind::FontSize},   {L"fontbold", RecordKind::FontBold},
      {L"fontitalic", RecordKind::FontItalic}, {L"pagestart", RecordKind::PageStart},
  };
  static const std::pair<const wchar_t*, RecordKind> KeyPrefixes[] = {
      {L"title", RecordKind::Title},
      {L"execute", RecordKind::Execute},
      {L"windowstyle", RecordKind::WindowStyleIgnored},
  };
  for (const auto& [name, kind] : WholeKeys) {
    if (lowerKey == name) return kind;
  }
  for (const auto& [prefix, kind] : KeyPrefixes) {
    if (SettingsText::StartsWith(lowerKey, prefix)) return kind;
  }
  return RecordKind::UnknownKey;
}

}  // namespace

ClassifiedRecord ClassifyRecord(const std::wstring& record) {
  ClassifiedRecord classified;
  const std::wstring::size_type equals = record.find(L'=');
  if (equals == std::wstring::npos) return classified;
  classified.key = SettingsText::Trim(record.substr(0, equals));
  classified.text = record.substr(equals + 1);
  classified.number = NumberText::LeadingNumber(classified.text);
  classified.kind = KindOfKey(SettingsText::LowerAscii(classified.key));
  return classified;
}

}  // namespace RecordClassifier
