// The greedy selection of packages for the WIM image: the longest remaining catalogue line
// gives its first entry's package, and every line that holds that entry's token goes.
#pragma once

#include <string>
#include <vector>

#include "foundation/line_list.h"

namespace torvane {

/// The selected packages' lines of hwids_list (their INF paths), in selection order. catalogue
/// holds the sorted prefixed lines. Passes run while a line remains. Raises "'%s' is not a
/// valid integer value" or the list's index error at the first pass whose entry has no usable
/// base, as the literal passes do.
std::vector<std::u16string> SelectWimPackages(const TStringList& catalogue,
                                              const TStringList& hwids_list);

/// The same passes made literally: each takes the last line and scans every line for the token.
/// The reference the fast selection must agree with; hours on a real collection.
std::vector<std::u16string> SelectWimPackagesLiterally(const TStringList& catalogue,
                                                       const TStringList& hwids_list);

}  // namespace torvane
