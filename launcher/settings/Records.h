#pragma once
// Splits the settings file's text into records the way the platform's
// comma-separated record input reads text fields:
//  - a line ends at CR LF, LF or a lone CR;
//  - a record ends at a comma or at the end of its line, so a line holding
//    commas yields one record per comma-separated part (an empty part, as in
//    "a,,b" or a trailing comma, is an empty record);
//  - blanks at the start of a record are skipped, blanks at its end are kept;
//  - a record whose first character is a double quote runs to the next double
//    quote on the same line, without the quotes; whatever follows the closing
//    quote up to the next comma or the line end is discarded. An unclosed
//    quote runs to the line end, so one stray quote cannot swallow the rest
//    of the file;
//  - a line that is empty or holds only blanks yields no record at all. A
//    blank line is a harmless hand edit, and reporting it as a record without
//    "=" would only fill the error log.
#include <cstddef>
#include <string>
#include <vector>

namespace Records {

std::vector<std::wstring> SplitRecords(const std::wstring& fileText);

// The number of records SplitRecords yields; it scales the splash progress.
std::size_t CountRecords(const std::wstring& fileText);

}  // namespace Records
