// The start-up probes: whether the program's folder is writable, and where a companion log
// would live.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace torvane {

/// Creates an empty file for writing and closes it; false when it cannot be created. The probes
/// take one, so that tests can stand in for a folder that refuses files.
using CreateEmptyFileFn = std::function<bool(const std::u16string& path_text)>;

/// The real file creation.
bool CreateEmptyFile(const std::u16string& path_text);

/// Creates, closes and deletes a probe file whose name pads the folder path to 250 characters
/// with random capitals. A folder whose path with its separator already has 250 characters or
/// more counts as not writable; a failure to delete the probe does not matter.
bool IsDirectoryWritable(std::u16string_view folder, const CreateEmptyFileFn& create = CreateEmptyFile);

/// SYSTEMDRIVE followed by "\", or "\" alone when it is not set.
std::u16string SystemDriveRoot();

/// The program folder's "Halvorn.log" when that folder is writable, otherwise root +
/// "Halvorn\Halvorn.log", the "Halvorn" folder created when missing (a failure to create it
/// does not stop the start-up).
std::u16string LogFilePath(std::u16string_view root, std::u16string_view program_folder,
                           const CreateEmptyFileFn& create = CreateEmptyFile);

}  // namespace torvane
