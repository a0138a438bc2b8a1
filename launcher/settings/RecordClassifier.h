#pragma once
// The first step of the second reading pass: what one record is about.
#include <string>

namespace RecordClassifier {

enum class RecordKind {
  NoEquals,            // rejected: a record must hold "="
  Arguments, WinState, SoundName, Sounds, Place, TopMost, Left, Top,
  ForeColor, BackColor, Buttons, FontName, FontSize, FontBold, FontItalic, PageStart,
  Title,               // key begins with "title": a slot's title
  Execute,             // key begins with "execute": a slot's path
  WindowStyleIgnored,  // key begins with "windowstyle": the first pass took it
  UnknownKey,          // rejected
};

struct ClassifiedRecord {
  RecordKind kind = RecordKind::NoEquals;
  std::wstring key;     // before the first "=", blanks removed at both ends
  std::wstring text;    // everything after the first "=", untouched
  double number = 0.0;  // the leading number of text
};

// Keys compare case-insensitively; whole keys are matched first, then the
// prefixes "title", "execute" and "windowstyle" in that order.
ClassifiedRecord ClassifyRecord(const std::wstring& record);

}  // namespace RecordClassifier
