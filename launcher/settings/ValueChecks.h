#pragma once
// The checks of the second reading pass that need no window: which value a
// record gives its field and whether the record goes to the error log. The
// window-bound checks (sound file search, colours and font on the title
// label) stay with the caller; this module only prepares their texts.
#include <cstdint>
#include <string>

#include "launcher/settings/RecordClassifier.h"

namespace ValueChecks {

struct FieldUpdate {
  bool assign = false;     // store value in the field; otherwise keep it
  std::int16_t value = 0;
  bool report = false;     // log the record as rejected
};

// Arguments, WinState, Sounds, Place, TopMost, Left, Top, FontBold and
// FontItalic, from the record's leading number n rounded half-to-even.
// Invalid values are reported and replaced by the field's fallback (TopMost
// keeps even an invalid value). A number that does not fit 16 bits leaves
// the field alone unreported, as the platform's failed assignment would.
// Any other kind gives an update that changes nothing.
FieldUpdate CheckField(RecordClassifier::RecordKind kind, double n);

// The widest bar the screen holds, in single precision as the platform
// computes it: (screen width / twips per pixel - 22) / 16, at most SlotCount.
float ButtonsLimit(double screenWidthTwips, int twipsPerPixelX);

// Accepts a whole n with 1 < n <= limit; anything else, a fraction such as
// 2.5 included, is reported and Buttons keeps the first pass's value.
FieldUpdate CheckButtons(double n, float limit);

// PageStart = n unless the page would run past the last slot; then 0,
// silently, since a changed Buttons count easily causes that.
FieldUpdate CheckPageStart(double n, int buttons);

struct SlotAssignment {
  bool report = false;
  int element = 0;     // index into the 100 slot images: 2 * slot (+1 for a title)
  std::wstring value;  // empty: leave the slot as it is
};

// For a Title or Execute record: the number after the key word must be a
// number as a whole (blanks around it allowed) from just above 0 to
// SlotCount; the image is (m - 1) * 2, +1 for a title, rounded half-to-even,
// so "Execute1.5" lands on the title image of slot 0. A number whose image
// lies outside the table (such as 0.3) is reported as well.
SlotAssignment CheckSlotRecord(const RecordClassifier::ClassifiedRecord& record);

// The name to look for as a sound file: text without one leading blank,
// or "" (not reported) when that leaves at most one character.
std::wstring SoundNameCandidate(const std::wstring& text);

// The font name handed to the title label: leading blanks go, trailing
// blanks stay part of the name.
std::wstring FontNameCandidate(const std::wstring& text);

// Sounds after the pass: switched off when no sound file is left.
std::int16_t SoundsAfterPass(std::int16_t sounds, const std::wstring& soundName);

}  // namespace ValueChecks
