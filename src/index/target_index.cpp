// Index lines of one driver record for one Windows target.
#include "index/target_index.h"

#include "foundation/text.h"
#include "inf/inf_file.h"

namespace torvane {

void AddRangeIndexLines(const TInfFile& inf, std::u16string_view range_str,
                        const TStringList& dump_list, TStringList& index_lines) {
  const size_t eq = range_str.find(u'=');
  const int base = dump_list.Count() - 8;
  const int start = StrToInt(eq == std::u16string_view::npos ? std::u16string_view()
                                                             : range_str.substr(0, eq));
  const int end = StrToInt(eq == std::u16string_view::npos ? range_str : range_str.substr(eq + 1));
  const std::u16string count_and_base = u"=" + inf.FDateCount + u"@" + IntToStr(base) + u"@";
  for (int i = start; i <= end; ++i) {
    index_lines.Add(inf.FHwids.Names(i) + count_and_base + IntToStr(i));
  }
}

void AddTargetIndexLines(const TInfFile& inf, TDriverVersion target, TStringList& dump_list,
                         TStringList& index_lines) {
  for (int k = 0; k < inf.FManufacturer.Count(); ++k) {
    if (inf.FDriverVersion.Contains(target)) {
      AddRangeIndexLines(inf, inf.FManufacturer.ValueFromIndex(k), dump_list, index_lines);
    }
  }
  dump_list.AddStrings(inf.FHwids);
}

}  // namespace torvane
