// The lines of the generated batch scripts: robocopy and 7z commands built from path texts.
//
// Folder names may hold anything a file system allows. An argument holding a space, a tab or
// one of & | < > ^ ( ) is written in double quotes (a final "\" inside the quotes doubled, so
// it does not escape the closing quote), and every "%" is doubled, so no folder name can end an
// argument early, start another command or expand a variable. Other arguments stand exactly as
// they are.
#pragma once

#include <string>
#include <string_view>

namespace torvane {

/// One argument of a script line, quoted where it has to be.
std::u16string BatchArgument(std::u16string_view text);

/// "robocopy SOURCE DESTINATION /e".
std::u16string RobocopyLine(std::u16string_view source, std::u16string_view destination);

/// The copy command of the planner: the INF path's folder into root + tree suffix + store part.
std::u16string PlannerCopyLine(std::u16string_view inf_path, std::u16string_view root,
                               std::u16string_view tree_suffix, std::u16string_view store_part);

/// "robocopy FOLDER(inf) DEST\DIRECTORYn /e" of the full copy.
std::u16string FullCopyLine(std::u16string_view inf_file, std::u16string_view dest_dir,
                            std::u16string_view directory, int n);

/// "7z a DEST\DIRECTORYn.7z FOLDER(inf)*.* -r -mx9 " of the full copy (with its final space).
std::u16string FullZipLine(std::u16string_view inf_file, std::u16string_view dest_dir,
                           std::u16string_view directory, int n);

/// "7z a F.7z >>>F\*.* -r -mx9" (marked) or "7z a F.7z F\*.* -r -mx9".
std::u16string CompressLine(std::u16string_view folder, bool marked);

/// "robocopy FOLDER(P) TTTFOLDER(P) /e" of the reduced copy.
std::u16string ReducedCopyLine(std::u16string_view path);

/// The parameter text handed to cmd.exe for the capture.
std::u16string CaptureParameters(std::u16string_view dest_dir, std::u16string_view caption);

}  // namespace torvane
