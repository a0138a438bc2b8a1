#pragma once
// The lines of Zentei.ini as SaveSettings writes them, in file order: the 17
// setting lines, then an Execute and a Title line per registered slot.
//
// A line whose text holds a comma is written as one double-quoted record
// ("Execute3 = C:\a,b.txt" inside quotes): the reader keeps a quoted record
// whole, where an unquoted one would be cut at the comma and its remainder
// rejected as a record without "=". A text that also holds a double quote
// cannot be quoted that way and is written as it is.
#include <string>
#include <vector>

#include "launcher/settings/LauncherSettings.h"

namespace SettingsWriter {

// slotCount is the number of slots looked at, SlotCount normally; 0 writes
// the bare default file with no slot lines. Slots without a path are left
// out, together with their title.
std::vector<std::wstring> BuildSettingsLines(const SettingsModel::LauncherSettings& settings,
                                             const SettingsModel::ButtonTable& slots,
                                             int slotCount);

}  // namespace SettingsWriter
