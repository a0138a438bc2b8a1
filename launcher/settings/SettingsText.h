#pragma once
// Small text helpers shared by the settings reader and writer. A "blank" is
// the plain space U+0020 only, as the platform's trimming functions see it.
#include <string>

namespace SettingsText {

std::wstring Trim(const std::wstring& text);
std::wstring TrimLeading(const std::wstring& text);

// Lower-cases A..Z only: keys are ASCII, and full-width letters must not be
// folded into something that would then match a key.
std::wstring LowerAscii(const std::wstring& text);

bool StartsWith(const std::wstring& text, const std::wstring& prefix);

}  // namespace SettingsText
