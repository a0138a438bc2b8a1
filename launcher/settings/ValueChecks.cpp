#include "launcher/settings/ValueChecks.h"

#include "launcher/settings/LauncherSettings.h"
#include "launcher/settings/NumberText.h"
#include "launcher/settings/SettingsText.h"

namespace ValueChecks {
namespace {

using RecordClassifier::RecordKind;

bool IsZeroOrOne(int v) { return v == 0 || v == 1; }
bool IsShowCommand(int v) { return v == 1 || v == 2 || v == 3 || v == 4 || v == 6; }
bool IsScreenPlace(int v) { return v >= 0 && v <= 8; }
bool IsTopMostMode(int v) { return v >= 0 && v <= 2; }
bool IsNotNegative(int v) { return v >= 0; }

struct FieldRule {
  RecordKind kind;
  bool (*isValid)(int);
  bool keepsInvalid;       // an invalid value is reported but still stored
  std::int16_t fallback;
};

constexpr FieldRule FieldRules[] = {
    {RecordKind::Arguments, IsZeroOrOne, false, 0},
    {RecordKind::WinState, IsShowCommand, false, 1},
    {RecordKind::Sounds, IsZeroOrOne, false, 0},
    {RecordKind::Place, IsScreenPlace, false, 4},
    {RecordKind::TopMost, IsTopMostMode, true, 0},
    {RecordKind::Left, IsNotNegative, false, 0},
    {RecordKind::Top, IsNotNegative, false, 0},
    {RecordKind::FontBold, IsZeroOrOne, false, 0},
    {RecordKind::FontItalic, IsZeroOrOne, false, 0},
};

const FieldRule* RuleFor(RecordKind kind) {
  for (const FieldRule& rule : FieldRules) {
    if (rule.kind == kind) return &rule;
  }
  return nullptr;
}

}  // namespace

FieldUpdate CheckField(RecordKind kind, double n) {
  const FieldRule* rule = RuleFor(kind);
  bool fits = false;
  const std::int16_t value = NumberText::ToInt16(n, fits);
  if (rule == nullptr || !fits) return FieldUpdate();
  if (rule->isValid(value)) return FieldUpdate{true, value, false};
  return FieldUpdate{true, rule->keepsInvalid ? value : rule->fallback, true};
}

float ButtonsLimit(double screenWidthTwips, int twipsPerPixelX) {
  constexpr auto MostButtons = static_cast<float>(SettingsModel::SlotCount);
  if (twipsPerPixelX <= 0) return MostButtons;
  const float limit =
      (static_cast<float>(screenWidthTwips) / static_cast<float>(twipsPerPixelX) - 22.0F) / 16.0F;
  return limit > MostButtons ? MostButtons : limit;
}

FieldUpdate CheckButtons(double n, float limit) {
  const bool accepted = n > 1.0 && n <= static_cast<double>(limit) &&
                        NumberText::IsWholeIn(n, 2, SettingsModel::SlotCount);
  if (!accepted) return FieldUpdate{false, 0, true};
  return FieldUpdate{true, static_cast<std::int16_t>(n), false};
}

FieldUpdate CheckPageStart(double n, int buttons) {
  bool fits = false;
  const std::int16_t start = NumberText::ToInt16(n, fits);
  if (!fits) return FieldUpdate();
  const bool pageFits = start >= 0 && start + buttons <= SettingsModel::SlotCount;
  return FieldUpdate{true, pageFits ? start : std::int16_t{0}, false};
}

SlotAssignment CheckSlotRecord(const RecordClassifier::ClassifiedRecord& record) {
  SlotAssignment assignment;
  const bool isTitle = record.kind == RecordKind::Title;
  const std::wstring::size_type keyWordLength = isTitle ? 5 : 7;
  double m = 0.0;
  const bool numbered = record.key.size() >= keyWordLength &&
                        NumberText::ParseWholeNumber(record.key.substr(keyWordLength), m);
  if (!numbered || m <= 0.0 || m > SettingsModel::SlotCount) {
    assignment.report = true;
    return assignment;
  }
  const double element = NumberText::RoundHalfEven((m - 1.0) * 2.0 + (isTitle ? 1.0 : 0.0));
  if (element < 0.0 || element >= 2.0 * SettingsModel::SlotCount) {
    assignment.report = true;
    return assignment;
  }
  assignment.element = static_cast<int>(element);
  assignment.value = SettingsText::Trim(record.text);
  return assignment;
}

std::wstring SoundNameCandidate(const std::wstring& text) {
  const std::wstring name = !text.empty() && text[0] == L' ' ? text.substr(1) : text;
  return name.size() <= 1 ? std::wstring() : name;
}

std::wstring FontNameCandidate(const std::wstring& text) {
  return SettingsText::TrimLeading(text);
}

std::int16_t SoundsAfterPass(std::int16_t sounds, const std::wstring& soundName) {
  return soundName.empty() && sounds == 1 ? std::int16_t{0} : sounds;
}

}  // namespace ValueChecks
