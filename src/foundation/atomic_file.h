// Writing an output file whole or not at all.
#pragma once

#include <string_view>

namespace torvane {

/// Writes the bytes to a new file beside the target, then renames it over the target, so a
/// reader sees the old file or the whole new one. On failure the old file stays and the error
/// is "Cannot create file "%s". %s" naming the target.
void WriteFileAtomically(std::u16string_view path_text, std::string_view bytes);

}  // namespace torvane
