// The staging scripts: copy and archive commands for a driver store, archive commands for its
// package folders, and the reduced copy of requested packages.
#pragma once

#include <string_view>

#include "foundation/line_list.h"
#include "foundation/progress.h"
#include "inf/driver_version.h"

namespace torvane {

struct FullCopyScripts {
  TStringList copy;     // "1.CopyFiles.bat"
  TStringList archive;  // "2.ZipFiles.bat"
};

/// One copy and one archive line per INF file below src_dir whose driver serves target,
/// numbered by the file's position in the walk.
FullCopyScripts BuildFullCopyScripts(std::u16string_view src_dir, std::u16string_view dest_dir,
                                     TDriverVersion target, const TStringList& mfgs_list,
                                     TStringList& error_list, const ProgressFn& progress = {});

/// One archive line per third-level folder below dest_dir; marked puts ">>>" before the source.
TStringList BuildCompressScript(std::u16string_view dest_dir, bool marked);

/// The reduced copy: per "Feng.txt" line, the copy line of the package whose path stands on the
/// requested line of "HwidsList.txt" (below "D:\Brisvale\Drivers\").
TStringList BuildReducedCopyLines(const TStringList& hwids_list, const TStringList& requests);

}  // namespace torvane
