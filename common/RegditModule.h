#pragma once
// Reading one string value of the registry.
#include <windows.h>

#include <string>

namespace Regdit_Module {

// value receives the data of valueName (empty: the default value) in subKey
// below key, converted from the ANSI code page and cut at its first NUL; ""
// on every failure. The value's registry type is not looked at.
void ReadRegistryString(HKEY key, const std::wstring& subKey, const std::wstring& valueName,
                        std::wstring& value);

}  // namespace Regdit_Module
