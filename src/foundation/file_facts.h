// The folder walk and listing, file and folder facts, and file deletion.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/date_time.h"

namespace torvane {

/// True when the whole name matches the pattern: "*" stands for any run of characters, the
/// empty run included, "?" for exactly one, and every other character for itself, with A to Z
/// and a to z taken as equal. The pattern "*.*" matches every name.
bool MatchesPattern(std::u16string_view name, std::u16string_view pattern);

/// The files below a folder whose names match the pattern, depth first and pre-order: each
/// folder's entries in folder order (see below), a subfolder's whole content standing where its
/// entry was met. Each path is the folder text as given, a "\" unless it ends in one, and the
/// names in between joined with "\", so a relative folder text gives relative paths.
///
/// Folder order is the order NTFS would return: by the names' UTF-16 code units after simple
/// upper-casing, ordinal; names equal so by their original code units. Hidden entries count.
/// A link to a folder is entered like a folder unless it leads back to a folder on the current
/// walk path; a broken link counts as a file. A folder that cannot be read contributes nothing.
///
/// Before reading, the folder text is expanded to a full path and checked; the first failing
/// check raises: the expansion itself, then the pattern (CheckSearchPattern), then the full
/// path (CheckPathText with kMaxFolderPathLength), then "The specified path was not found".
std::vector<std::u16string> WalkFiles(std::u16string_view folder, std::u16string_view pattern,
                                      bool all_levels);

/// The subfolders below a folder whose names match the pattern, in the walk's order, a folder
/// before its content. The checks are those of WalkFiles, applied to the text as given.
/// The same walk, handing each matching file to found as the walk meets it. The checks of the
/// folder and the pattern raise before the first one.
void WalkFilesEach(std::u16string_view folder, std::u16string_view pattern, bool all_levels,
                   const std::function<void(std::u16string)>& found);

std::vector<std::u16string> ListFolders(std::u16string_view folder, std::u16string_view pattern,
                                        bool all_levels);

/// True when the path names an existing folder (links followed); false when it cannot be read.
bool FolderExists(std::u16string_view path);

/// The size of a file in bytes (links followed), 0 for a folder, -1 when it cannot be read.
int64_t FileSizeOf(std::u16string_view path);

/// The last-write time of a file in local time. False, with `result` untouched, for a folder
/// or a path that cannot be read; with follow_links false a link reports its own time.
bool FileLastWriteTime(std::u16string_view path, bool follow_links, TDateTime& result);

/// The creation time of a folder in local time: the birth time where the file system keeps
/// one, else the status-change time; the zero time when its facts cannot be read. The folder
/// text is checked as given, as ListFolders checks it, and raises the same messages.
TDateTime FolderCreationTime(std::u16string_view folder);

/// Deletes a file. The path is checked first (CheckPathText with kMaxFilePathLength, then
/// "The specified path was not found" when its folder part names no folder). A deletion that
/// fails because the file is missing, access is denied or the file is busy raises the system's
/// text for the cause; other failures are ignored.
void RemoveFile(std::u16string_view path);

}  // namespace torvane
