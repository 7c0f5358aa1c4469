// The WIM copy planner.
#include "planning/wim_planner.h"

#include "foundation/substring_search.h"
#include "foundation/text.h"
#include "index/full_index.h"
#include "index/target_index.h"
#include "inf/inf_file.h"
#include "inf/record_stream.h"
#include "planning/batch_lines.h"
#include "planning/wim_selection.h"

namespace torvane {

namespace {

struct InventoryValue {
  std::u16string path, store_part;
};

InventoryValue SplitInventoryValue(std::u16string_view value) {
  const size_t star = value.find(u'*');
  if (star == std::u16string_view::npos) return {u"", std::u16string(value)};
  return {std::u16string(value.substr(0, star)), std::u16string(value.substr(star + 1))};
}

}  // namespace

bool IsCut(std::u16string_view twin, const TStringList& cut_list) {
  if (twin.empty()) return false;
  for (int k = 0; k < cut_list.Count(); ++k) {
    const std::u16string& cut = cut_list.Strings(k);
    if (!cut.empty() && twin.find(cut) != std::u16string_view::npos) return true;
  }
  return false;
}

TStringList BuildSelectionCatalogue(const TStringList& sorted_index_lines) {
  TStringList grouped;
  GroupIndexLines(sorted_index_lines, grouped);
  TStringList catalogue;
  for (int k = 0; k < grouped.Count(); ++k) {
    const std::u16string& line = grouped.Strings(k);
    catalogue.Add(IntToStr(static_cast<int64_t>(line.size()) + 1000) + u"=" + line);
  }
  catalogue.SetSorted(true);
  return catalogue;
}

PlannerSummary PlanWimCopy(const PlannerInputs& in, const PlannerOutputs& out, TDriverVersion target,
                 std::u16string_view root, const TStringList& mfgs_list, TStringList& error_list,
                 const ProgressFn& progress) {
  // Phase 1: every package gets its copy command; the packages not cut are scanned on all
  // cores and dumped in inventory order.
  std::vector<InventoryValue> values;
  std::vector<std::u16string> scanned_paths;
  for (int i = 0; i < in.drv_inventory.Count(); ++i) {
    const std::u16string twin = in.inf_inventory.Values(in.drv_inventory.Names(i));
    values.push_back(SplitInventoryValue(in.drv_inventory.ValueFromIndex(i)));
    out.copy_script.Add(PlannerCopyLine(values.back().path, root, u"_ALL\\", values.back().store_part));
    if (!IsCut(twin, in.cut_list)) scanned_paths.push_back(values.back().path);
  }
  const int64_t total = static_cast<int64_t>(scanned_paths.size());
  ScanRecords(scanned_paths, mfgs_list, error_list, {}, [&](int64_t n, ScannedRecord& scanned) {
    scanned.inf->DumpInfList(out.hwids_list);
    AddTargetIndexLines(*scanned.inf, target, out.hwids_list, out.index_temp);
    if (progress) progress(n + 1, total);
  });

  out.index_temp.SaveToFile(u"6.IndexTemp.txt");
  out.index_temp.SetSorted(true);
  TStringList catalogue = BuildSelectionCatalogue(out.index_temp);
  catalogue.SaveToFile(u"7.IndexList.txt");
  catalogue.SetSorted(false);

  TStringList wim_list;
  for (std::u16string& path : SelectWimPackages(catalogue, out.hwids_list)) wim_list.Add(std::move(path));
  wim_list.SaveToFile(u"8.WIMFile.txt");

  // Each selected path's first containing inventory line gives its command; a longer path
  // above it that holds the selected one wins, as a substring test finds it first.
  TStringList wim_script;
  const std::vector<int> first = FirstLinesContaining(wim_list.ToVector(), in.drv_inventory);
  for (int line : first) {
    if (line < 0) continue;
    const std::u16string& text = in.drv_inventory.Strings(line);
    const InventoryValue value = SplitInventoryValue(text.size() > 33 ? text.substr(33) : u"");
    wim_script.Add(PlannerCopyLine(value.path, root, u"_WIM\\", value.store_part));
  }
  wim_script.SaveToFile(u"9.WimCopy.bat");
  return {out.index_temp.Count(), catalogue.Count(), wim_list.Count(), wim_script.Count()};
}

}  // namespace torvane
