// The system's path texts: "\" separators, an optional drive "X:", and the checks a path
// must pass before a folder is read or a file deleted.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace torvane {

/// The folder part with its separator: the text up to and including its last "\" or ":";
/// empty when it has neither. "E:\a\b.inf" gives "E:\a\".
std::u16string ExtractFilePath(std::u16string_view path);

/// The folder part without its final "\", unless that "\" follows a "\" or ":" or begins the
/// text, so a root keeps it: "E:\a\b.inf" gives "E:\a", "C:\x.exe" gives "C:\", "\x.inf"
/// gives "\".
std::u16string ExtractFileDir(std::u16string_view path);

/// The text with a "\" appended unless it already ends in one.
std::u16string IncludeTrailingPathDelimiter(std::u16string_view path);

/// The full path of a path text, relative texts joined to the working directory; "/" counts as
/// "\", "." and ".." segments are resolved, runs of separators collapse, and a final "\" stays.
/// A text that starts with a drive "X:" or with "\" is already full; one with the long-path
/// prefix "\\?\" and one that is empty after trimming are returned as they are.
/// Raises the system's text for the error when the working directory cannot be read.
std::u16string ExpandFileName(std::u16string_view path);

/// Length limits of the path checks, in code units; a path must be shorter. Paths with the
/// long-path prefix "\\?\" have none.
inline constexpr std::size_t kMaxFolderPathLength = 248;
inline constexpr std::size_t kMaxFilePathLength = 260;

/// The checks of a path text before it is used, in this order; the first failing one raises:
/// - length_limit code units or more without the "\\?\" prefix: "The specified path is too long";
/// - a ":" other than the one after a drive letter: "The path format is not supported";
/// - empty after trimming, or holding a control character, a double quote, "|", "<" or ">":
///   "Invalid characters in path".
void CheckPathText(std::u16string_view path, std::size_t length_limit);

/// Raises "Invalid characters in search pattern" for a pattern that is empty after trimming, or
/// holds a control character, a double quote, "|", "/", ":", "<", ">" or "\".
void CheckSearchPattern(std::u16string_view pattern);

}  // namespace torvane
