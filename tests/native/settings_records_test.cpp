#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/settings/Records.h"

namespace {

using Records::CountRecords;
using Records::SplitRecords;
using Lines = std::vector<std::wstring>;

struct RecordCase {
  const char* what;
  std::wstring fileText;
  Lines records;
};

TEST(SettingsRecords, SplitsAsCommaSeparatedInput) {
  const std::vector<RecordCase> cases = {
      {"CR LF line ends", L"Place = 4\r\nTop = 0\r\n", {L"Place = 4", L"Top = 0"}},
      {"LF and lone CR line ends", L"a = 1\nb = 2\rc = 3", {L"a = 1", L"b = 2", L"c = 3"}},
      {"last line without line end", L"a = 1\r\nb = 2", {L"a = 1", L"b = 2"}},
      {"a comma splits a line", L"Execute1 = C:\\a,b.txt\r\n", {L"Execute1 = C:\\a", L"b.txt"}},
      {"leading blanks skipped, trailing kept", L"   FontName = Arial  ,  x \r\n",
       {L"FontName = Arial  ", L"x "}},
      {"quoted record kept whole", L"\"Execute3 = C:\\a,b.txt\"\r\n", {L"Execute3 = C:\\a,b.txt"}},
      {"blanks before a quote", L"  \" a , b \"\r\n", {L" a , b "}},
      {"rest after closing quote discarded", L"\"ab\"cd,ef\r\n", {L"ab", L"ef"}},
      {"unclosed quote stops at line end", L"\"ab,c\r\nd = 1\r\n", {L"ab,c", L"d = 1"}},
      {"empty parts are empty records", L"a,,b,\r\n", {L"a", L"", L"b", L""}},
      {"blank lines yield nothing", L"\r\n   \r\na = 1\r\n\r\n\n", {L"a = 1"}},
      {"quote inside a record is plain text", L"Title1 = say \"hi\"\r\n", {L"Title1 = say \"hi\""}},
      {"empty file", L"", {}},
  };
  for (const RecordCase& c : cases) {
    EXPECT_EQ(SplitRecords(c.fileText), c.records) << c.what;
    EXPECT_EQ(CountRecords(c.fileText), c.records.size()) << c.what;
  }
}

}  // namespace
