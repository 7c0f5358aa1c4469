// The full hardware-ID index of a driver store.
#include "index/full_index.h"

#include <algorithm>

#include "foundation/file_facts.h"
#include "foundation/text.h"
#include "inf/driver_date.h"
#include "inf/inf_file.h"
#include "inf/record_stream.h"

namespace torvane {

namespace {

// The value part (START=END) of the last range line that holds the text; empty when none.
std::u16string ChooseRange(const TStringList& manufacturer, std::u16string_view match) {
  std::u16string choice;
  for (int k = 0; k < manufacturer.Count(); ++k) {
    if (manufacturer.Strings(k).find(match) != std::u16string::npos) {
      choice = manufacturer.ValueFromIndex(k);
    }
  }
  return choice;
}

void IndexRecord(const TInfFile& inf, const ModelMatchTexts& match, TStringList& hwids_list,
                 TStringList& work) {
  std::u16string choice = ChooseRange(inf.FManufacturer, match.first);
  if (choice.empty()) choice = ChooseRange(inf.FManufacturer, match.second);
  if (choice.empty()) choice = ChooseRange(inf.FManufacturer, match.third);
  const size_t eq = choice.find(u'=');
  if (eq == std::u16string::npos) return;

  const std::u16string start_text = choice.substr(0, eq);
  const std::u16string end_text = choice.substr(eq + 1);
  const int base = hwids_list.Count();
  inf.DumpInfList(hwids_list);
  const int start = StrToInt(start_text);
  const int end = StrToInt(end_text);
  const std::u16string count_and_base = inf.FDateCount + u"@" + IntToStr(base) + u"@";
  for (int i = start; i <= end; ++i) {
    // An ID beyond the record's lines is skipped alone; nothing of it was appended yet.
    if (i < 0 || i >= inf.FHwids.Count()) continue;
    hwids_list.Add(inf.FHwids.Strings(i));
    work.Add(inf.FHwids.Names(i) + u"=" + count_and_base + IntToStr(i - start + 8));
  }
}

int64_t CountOf(std::u16string_view value, bool& numeric) {
  int64_t days = 0;
  numeric = ParseDayCount(value.substr(0, value.find(u'@')), days);
  return days;
}

}  // namespace

// Day counts compared as numbers: as text, a count of five digits (19 May 2027 on) would rank
// below every four-digit one. Values without a readable count go last.
void OrderGroupedValues(std::vector<std::u16string>& values) {
  std::vector<std::pair<int64_t, bool>> keys;
  std::vector<size_t> order(values.size());
  keys.reserve(values.size());
  for (size_t k = 0; k < values.size(); ++k) {
    bool numeric = false;
    const int64_t days = CountOf(values[k], numeric);
    keys.emplace_back(days, numeric);
    order[k] = k;
  }
  std::stable_sort(order.begin(), order.end(), [&keys](size_t a, size_t b) {
    if (keys[a].second != keys[b].second) return keys[a].second;
    return keys[a].second && keys[a].first > keys[b].first;
  });
  std::vector<std::u16string> sorted;
  sorted.reserve(values.size());
  for (size_t k : order) sorted.push_back(std::move(values[k]));
  values = std::move(sorted);
}

// From the last sorted line to the first, so each ID's values come greatest first; only
// neighbouring lines with exactly equal names merge. The first line always opens a group: no
// name can equal the sentinel a group walk would start with, since IDs are upper case.
void GroupIndexLines(const TStringList& sorted_lines, TStringList& grouped) {
  std::u16string name, first_line;
  std::vector<std::u16string> values;
  bool open = false;
  auto flush = [&] {
    if (!open) return;
    std::u16string line;
    if (first_line.find(u'=') == std::u16string::npos) {
      line = first_line;  // no value of its own to order
      for (size_t k = 1; k < values.size(); ++k) line += u"," + values[k];
    } else {
      OrderGroupedValues(values);
      line = name + u"=";
      for (size_t k = 0; k < values.size(); ++k) {
        if (k > 0) line += u',';
        line += values[k];
      }
    }
    grouped.Add(std::move(line));
  };
  for (int k = sorted_lines.Count() - 1; k >= 0; --k) {
    std::u16string line_name = sorted_lines.Names(k);
    if (open && line_name == name) {
      values.push_back(sorted_lines.ValueFromIndex(k));
      continue;
    }
    flush();
    name = std::move(line_name);
    first_line = sorted_lines.Strings(k);
    values.assign(1, sorted_lines.ValueFromIndex(k));
    open = true;
  }
  flush();
}

void BuildFullIndex(std::u16string_view folder, TStringList& hwids_list, TStringList& index_temp,
                    const TStringList& mfgs_list, TStringList& error_list, TStringList& index_list,
                    const ModelMatchTexts& match, const ProgressFn& progress) {
  TStringList work;
  ScanWalkedRecords(folder, u"*.inf", true, mfgs_list, error_list, {},
                    [&](int64_t n, const std::u16string&, ScannedRecord& scanned, int64_t found) {
                      if (scanned.inf->FIsDriver) IndexRecord(*scanned.inf, match, hwids_list, work);
                      if (progress) progress(n + 1, found);
                    });
  index_temp.Assign(work);
  work.SetSorted(true);
  GroupIndexLines(work, index_list);
  index_list.SetSorted(true);
}

FullIndexSummary RunFullIndex(std::u16string_view folder, const TStringList& mfgs_list,
                              const ModelMatchTexts& match, const ProgressFn& progress) {
  TStringList hwids_list, index_temp, error_list;
  THashedStringList index_list;
  BuildFullIndex(folder, hwids_list, index_temp, mfgs_list, error_list, index_list, match, progress);
  hwids_list.SaveToFile(u"HwidsList.txt");
  index_temp.SaveToFile(u"IndexTemp.txt");
  error_list.SaveToFile(u"ErrorList.txt");
  index_list.SaveToFile(u"IndexList.txt");
  return {hwids_list.Count(), index_temp.Count(), index_list.Count(), error_list.ToVector()};
}

}  // namespace torvane
