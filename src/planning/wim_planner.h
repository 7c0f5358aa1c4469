// The WIM copy planner: copy commands for every listed package, and the greedy selection of the
// packages whose hardware IDs a WIM image needs, with their copy commands.
#pragma once

#include <string_view>

#include "foundation/line_list.h"
#include "foundation/progress.h"
#include "inf/driver_version.h"

namespace torvane {

struct PlannerInputs {
  const TStringList& inf_inventory;  // "2.InfList.txt"
  const TStringList& drv_inventory;  // "3.DrvList.txt"
  const TStringList& cut_list;       // "0.CutList.txt"
};

struct PlannerOutputs {
  TStringList& copy_script;  // "4.AllCopy.bat"
  TStringList& hwids_list;   // "5.HwidsList.txt"
  TStringList& index_temp;   // "6.IndexTemp.txt", left sorted
};

/// The line counts of the files the planner saves itself.
struct PlannerSummary {
  int index_temp_lines = 0, catalogue_lines = 0, wim_lines = 0, wim_script_lines = 0;
};

/// Fills the outputs and saves "6.IndexTemp.txt" (unsorted), "7.IndexList.txt",
/// "8.WIMFile.txt" and "9.WimCopy.bat" in the working directory, in that order.
PlannerSummary PlanWimCopy(const PlannerInputs& in, const PlannerOutputs& out, TDriverVersion target,
                 std::u16string_view root, const TStringList& mfgs_list, TStringList& error_list,
                 const ProgressFn& progress = {});

/// Whether a package's twin value (its line in the package-tree inventory) holds a cut text.
bool IsCut(std::u16string_view twin, const TStringList& cut_list);

/// The selection catalogue from sorted index lines: grouped lines with their length prefix
/// (length + 1000, "="), sorted.
TStringList BuildSelectionCatalogue(const TStringList& sorted_index_lines);

}  // namespace torvane
