#include "launcher/settings/Records.h"

namespace Records {
namespace {

constexpr wchar_t Blank = L' ';
constexpr wchar_t Quote = L'"';
constexpr wchar_t Comma = L',';

bool IsBlankLine(const std::wstring& line) {
  return line.find_first_not_of(Blank) == std::wstring::npos;
}

// Reads the record starting at `start` and returns the position of the comma
// that ends it, or npos when the line ends it.
std::wstring::size_type ReadRecord(const std::wstring& line, std::wstring::size_type start,
                                   std::vector<std::wstring>& records) {
  std::wstring::size_type first = line.find_first_not_of(Blank, start);
  if (first == std::wstring::npos) first = line.size();
  if (first < line.size() && line[first] == Quote) {
    const std::wstring::size_type closing = line.find(Quote, first + 1);
    if (closing == std::wstring::npos) {
      records.push_back(line.substr(first + 1));
      return std::wstring::npos;
    }
    records.push_back(line.substr(first + 1, closing - first - 1));
    return line.find(Comma, closing + 1);
  }
  const std::wstring::size_type comma = line.find(Comma, first);
  records.push_back(line.substr(first, comma == std::wstring::npos ? comma : comma - first));
  return comma;
}

void ReadLine(const std::wstring& line, std::vector<std::wstring>& records) {
  if (IsBlankLine(line)) return;
  std::wstring::size_type comma = ReadRecord(line, 0, records);
  while (comma != std::wstring::npos) comma = ReadRecord(line, comma + 1, records);
}

}  // namespace

std::vector<std::wstring> SplitRecords(const std::wstring& fileText) {
  std::vector<std::wstring> records;
  std::wstring::size_type lineStart = 0;
  while (lineStart < fileText.size()) {
    std::wstring::size_type lineEnd = fileText.find_first_of(L"\r\n", lineStart);
    if (lineEnd == std::wstring::npos) lineEnd = fileText.size();
    ReadLine(fileText.substr(lineStart, lineEnd - lineStart), records);
    lineStart = lineEnd;
    if (lineStart < fileText.size() && fileText[lineStart] == L'\r') ++lineStart;
    if (lineStart < fileText.size() && fileText[lineStart] == L'\n') ++lineStart;
  }
  return records;
}

std::size_t CountRecords(const std::wstring& fileText) {
  return SplitRecords(fileText).size();
}

}  // namespace Records
