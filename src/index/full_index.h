// The full hardware-ID index of a driver store: every driver's dump block and the hardware IDs
// of one chosen model section, one index line per ID, and the lines grouped by ID.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/line_list.h"
#include "foundation/progress.h"

namespace torvane {

/// The three texts that choose a driver's model section, tried in this order.
struct ModelMatchTexts {
  std::u16string first, second, third;
};

/// Fills the four lists from every "*.inf" file below folder. index_list must be empty.
/// Raises when the folder cannot be walked or a file cannot be read; a failed scan only puts
/// the file on error_list.
void BuildFullIndex(std::u16string_view folder, TStringList& hwids_list, TStringList& index_temp,
                    const TStringList& mfgs_list, TStringList& error_list, TStringList& index_list,
                    const ModelMatchTexts& match, const ProgressFn& progress = {});

/// What a full index wrote.
struct FullIndexSummary {
  int hwids_lines = 0, index_temp_lines = 0, index_list_lines = 0;
  std::vector<std::u16string> failed;  // "ErrorList.txt"
};

/// Builds the index and saves "HwidsList.txt", "IndexTemp.txt", "ErrorList.txt" and
/// "IndexList.txt" in the working directory, in that order; nothing when the build fails.
FullIndexSummary RunFullIndex(std::u16string_view folder, const TStringList& mfgs_list,
                  const ModelMatchTexts& match, const ProgressFn& progress = {});

/// Newest first: the values of one grouped line ordered by their day count as a number, the
/// order they came in kept for equal counts. Exposed for the planner, which groups alike.
void OrderGroupedValues(std::vector<std::u16string>& values);

/// The grouping pass over sorted index lines: one line per run of equal names, its values
/// joined by "," newest first. Appends to grouped.
void GroupIndexLines(const TStringList& sorted_lines, TStringList& grouped);

}  // namespace torvane
