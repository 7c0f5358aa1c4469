// The boundary between the system's path texts and the names the Linux file system holds.
//
// Names on disk are bytes, normally UTF-8. A byte that is not part of valid UTF-8 maps to the
// lone surrogate U+DC00 + byte (U+DC80..U+DCFF) and back, so every name a walk meets can be
// opened again, written into a list and read back without loss.
#pragma once

#include <string>
#include <string_view>

namespace torvane {

/// The path text as the file system names it: every "\" becomes "/", the text becomes bytes.
std::string NativePath(std::u16string_view path_text);

/// A name or path read from the file system, as a text; "/" stays "/".
std::u16string FromNativeName(std::string_view native);

}  // namespace torvane
