#pragma once
// The folder part of the program's own path, as the program reports it.
#include <string>

namespace forms {

// "C:\Zentei\Zentei.exe" gives "C:\Zentei"; "C:\Zentei.exe" gives "C:\":
// no trailing "\" unless the folder is a drive's root.
inline std::wstring ProgramFolderOf(const std::wstring& modulePath) {
  const std::wstring::size_type separator = modulePath.rfind(L'\\');
  if (separator == std::wstring::npos) return L"";
  std::wstring folder = modulePath.substr(0, separator);
  if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
  return folder;
}

}  // namespace forms
