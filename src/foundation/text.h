// Text helpers shared by every part: trimming, ASCII case, numbers and UTF-8 conversion.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace torvane {

/// Removes the characters with codes 0 to 32 from both ends.
std::u16string Trim(std::u16string_view s);
std::u16string TrimLeft(std::u16string_view s);
std::u16string TrimRight(std::u16string_view s);

/// The same as TrimLeft, as a view into s.
std::u16string_view TrimLeftView(std::u16string_view s);

/// Upper-cases a to z only; every other character stays as it is.
std::u16string UpperCase(std::u16string_view s);
/// Lower-cases A to Z only.
std::u16string LowerCase(std::u16string_view s);
/// Compares with A to Z and a to z taken as equal; other characters by code unit.
bool SameText(std::u16string_view a, std::u16string_view b);

/// The decimal text of a number, as the system writes numbers ("-12", "0").
std::u16string IntToStr(int64_t value);

/// The number a decimal text stands for (an optional sign, then digits, in 32 bits).
bool TryStrToInt(std::u16string_view s, int& value);
/// The same; raises "'%s' is not a valid integer value" for any other text.
int StrToInt(std::u16string_view s);

/// Plain ASCII text as UTF-16; for literals built at run time.
std::u16string Ascii(std::string_view s);

/// UTF-8 for the terminal and for messages; unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view s);
/// From UTF-8 typed by a user or a program; invalid sequences become U+FFFD.
std::u16string FromUtf8(std::string_view s);

}  // namespace torvane
