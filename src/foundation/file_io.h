// Whole-file reading, and writing an output file whole or not at all.
#pragma once

#include <string>
#include <string_view>

namespace torvane {

/// All bytes of a file; raises "Cannot open file "%s". %s" when it cannot be opened or read.
std::string ReadFileBytes(std::u16string_view path_text);

/// Writes the bytes to a new file beside the target, then renames it over the target, so a
/// reader sees the old file or the whole new one. On failure the old file stays and the error
/// is "Cannot create file "%s". %s" naming the target.
void WriteFileAtomically(std::u16string_view path_text, std::string_view bytes);

}  // namespace torvane
