#include "launcher/settings/SettingsFileSearch.h"

#include <windows.h>

#include "launcher/settings/FileHandles.h"

namespace SettingsIo {
namespace {

bool Admits(DWORD attributes, bool admitHiddenSystem, bool admitFolders) {
  if (!admitHiddenSystem && (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) return false;
  if (!admitFolders && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  return true;
}

}  // namespace

bool FileSearchFinds(const std::wstring& path, bool admitHiddenSystem, bool admitFolders) {
  if (path.empty() || path.find_first_of(L"*?") != std::wstring::npos) return false;
  const std::wstring pattern = path.back() == L'\\' ? path + L"*" : path;
  WIN32_FIND_DATAW entry = {};
  FindHandle find(FindFirstFileW(pattern.c_str(), &entry));
  if (!IsOpen(find)) return false;
  do {
    if (Admits(entry.dwFileAttributes, admitHiddenSystem, admitFolders)) return true;
  } while (FindNextFileW(find.get(), &entry));
  return false;
}

bool FileSearch(const std::wstring& path) { return FileSearchFinds(path, true, false); }

bool FolderSearch(const std::wstring& path) { return FileSearchFinds(path, false, true); }

bool PathExists(const std::wstring& path) { return FileSearch(path) || FolderSearch(path); }

bool IsFolderPath(const std::wstring& path) { return !FileSearch(path) && FolderSearch(path); }

}  // namespace SettingsIo
