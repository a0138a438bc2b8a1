#pragma once
// The lines written to Zentei.Log for rejected settings records.
#include <string>

namespace ErrorLogLines {

// "[mm-dd-yyyy]": the run's date, written once before its first error line.
std::wstring DateLine(int year, int month, int day);

// The rejected record, quoted, after a fixed Japanese lead-in.
std::wstring ErrorLine(const std::wstring& record);

}  // namespace ErrorLogLines
