// Inventories of driver packages: files listed by MD5 digest, INF files with the store folder
// their driver belongs in and a sequence number.
#pragma once

#include <string_view>

#include "foundation/line_list.h"
#include "foundation/progress.h"
#include "inf/driver_version.h"

namespace torvane {

/// Every non-empty file below folder that matches mask, in walk order. With the mask exactly
/// "*.inf" the lines read DIGEST=PATH*STOREFOLDERn (n the line's own index), otherwise
/// DIGEST=PATH.
TStringList ListPackagesWithDigest(std::u16string_view folder, std::u16string_view mask,
                                   const TStringList& mfgs_list, TStringList& error_list,
                                   const ProgressFn& progress = {});

/// The INF files directly in the package folders of root created within the last days, whose
/// drivers serve target, as DIGEST=PATH*STOREFOLDERn lines.
TStringList ListRecentTargetPackages(std::u16string_view root, int days, TDriverVersion target,
                                     const TStringList& mfgs_list, TStringList& error_list,
                                     const ProgressFn& progress = {});

/// DIGEST=PATH for every file directly in folder, empty ones included.
TStringList ListFolderDigests(std::u16string_view folder, const ProgressFn& progress = {});

}  // namespace torvane
