#pragma once
// Crossing between the program's UTF-16 texts and the system ANSI code page
// (932 on a Japanese system), the encoding of the A-functions and of the
// text files both programs read and write.
#include <string>

namespace AnsiText {

std::string ToAnsi(const std::wstring& text);
std::wstring FromAnsi(const std::string& bytes);
std::wstring FromAnsi(const char* bytes, std::size_t count);

}  // namespace AnsiText
