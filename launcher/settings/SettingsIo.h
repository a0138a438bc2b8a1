#pragma once
// Zentei.ini and Zentei.Log on disk. The program's texts are UTF-16; the
// files hold the system ANSI code page and every written line ends in CR LF.
#include <string>
#include <vector>

namespace SettingsIo {

// The settings file or log inside the program's folder.
std::wstring SettingsPath(const std::wstring& programFolder, const std::wstring& fileName);

// records receives the file's records (see Records::SplitRecords); it is
// emptied first, so a false return (the file is missing, is a folder or may
// not be read) never leaves stale records behind.
bool ReadSettingsRecords(const std::wstring& path, std::vector<std::wstring>& records);

// Replaces the file with lines. The lines go to path + ".new" first and only
// a complete, flushed copy replaces the old file, so a failed or interrupted
// save leaves the old file as it was. False when the file could not be
// replaced: its folder is missing, path names a folder, or the file is
// read-only (the user's protection is respected, not lifted).
bool WriteSettingsLines(const std::wstring& path, const std::vector<std::wstring>& lines);

// Adds one line to the end of the file, creating it when missing. Failures
// are not reported: the log is a courtesy, never a reason to stop start-up.
void AppendLogLine(const std::wstring& path, const std::wstring& line);

}  // namespace SettingsIo
