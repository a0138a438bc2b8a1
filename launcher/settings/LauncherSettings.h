#pragma once
// The launcher's settings record and its table of registered files. Every
// field of LauncherSettings carries the name of its key in Zentei.ini, so the
// reader, the writer and the dialogs all speak of the same thing.
#include <array>
#include <cstdint>
#include <string>

namespace SettingsModel {

constexpr int SlotCount = 50;

struct LauncherSettings {
  std::int16_t Arguments = 0;    // 1: ask for arguments before launching
  std::int16_t WinState = 4;     // show command handed to the shell
  std::int16_t Sounds = 0;       // 1: play SoundName when launching
  std::wstring SoundName;
  std::int16_t Place = 4;        // screen place 0..8, 4 = free position
  std::int16_t TopMost = 2;      // 0 ordinary, 1 once, 2 re-asserted every tick
  std::int16_t Left = 0;         // twips, free position
  std::int16_t Top = 0;          // twips, free position
  std::uint32_t ForeColor = 0x00FFFF;  // 0x00BBGGRR: yellow title text
  std::uint32_t BackColor = 0x808000;  // teal title background
  std::int16_t Buttons = 5;
  std::int16_t WindowStyle = 0;  // display mode: 0 window, 1 icon, 2 label
  std::wstring FontName = L"ＭＳ ゴシック";
  float FontSize = 11.25F;
  std::int16_t FontBold = 0;     // 0 or 1, never -1
  std::int16_t FontItalic = 0;   // 0 or 1, never -1
  std::int16_t PageStart = 0;    // slot shown at the bar's left end
};

struct ButtonEntry {
  std::wstring Execute;  // empty when the slot is free
  std::wstring Title;
};

using ButtonTable = std::array<ButtonEntry, SlotCount>;

}  // namespace SettingsModel
