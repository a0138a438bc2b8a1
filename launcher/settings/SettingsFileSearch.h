#pragma once
// The existence tests on registered paths and sound files, made the way the
// platform's file search by attribute mask makes them: the first directory
// entry matching the path whose attributes the mask admits. Normal,
// read-only and archive entries are always admitted.
#include <string>

namespace SettingsIo {

// False for an empty path and for a path holding "*" or "?": a registered
// path is a name, never a pattern. A path ending in "\" searches inside that
// folder, where "." counts as a folder entry.
bool FileSearchFinds(const std::wstring& path, bool admitHiddenSystem, bool admitFolders);

// The file search admits hidden and system files but no folders; the folder
// search admits folders but nothing hidden or system.
bool FileSearch(const std::wstring& path);
bool FolderSearch(const std::wstring& path);

// Either search finds the path.
bool PathExists(const std::wstring& path);
// The file search finds nothing and the folder search finds the path.
bool IsFolderPath(const std::wstring& path);

}  // namespace SettingsIo
