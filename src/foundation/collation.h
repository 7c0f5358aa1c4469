// The line list's comparison: case-insensitive and linguistic, as Windows' word sort orders text.
//
// An ICU collator tailored so that punctuation, digits and letters stand in Windows' order, at
// secondary strength (case ignored), with hyphen and apostrophe ignored there. Texts that the
// collator finds equal are then told apart as Windows does, by their hyphens and apostrophes;
// only texts equal on both counts compare equal.
#pragma once

#include <string>
#include <string_view>

namespace torvane {

/// Negative, zero or positive, as a sorts before, with or after b.
int CompareText(std::u16string_view a, std::u16string_view b);

/// Bytes whose order (as unsigned bytes, shorter first) is CompareText's order; two texts have
/// the same key exactly when CompareText finds them equal.
std::string SortKey(std::u16string_view s);

}  // namespace torvane
