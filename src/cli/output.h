// Writing the system's texts to the terminal.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace torvane::cli {

/// The text as UTF-8 on the stream.
void Print(std::ostream& out, std::u16string_view text);
/// A JSON string literal of the text, quotes included.
std::string JsonString(std::u16string_view text);
/// A JSON array of string literals.
std::string JsonArray(const std::vector<std::u16string>& texts);

}  // namespace torvane::cli
