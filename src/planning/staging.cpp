// The staging scripts.
#include "planning/staging.h"

#include "foundation/file_facts.h"
#include "foundation/text.h"
#include "inf/inf_file.h"
#include "inf/record_stream.h"
#include "planning/batch_lines.h"

namespace torvane {

FullCopyScripts BuildFullCopyScripts(std::u16string_view src_dir, std::u16string_view dest_dir,
                                     TDriverVersion target, const TStringList& mfgs_list,
                                     TStringList& error_list, const ProgressFn& progress) {
  FullCopyScripts scripts;
  ScanWalkedRecords(src_dir, u"*.inf", true, mfgs_list, error_list, {},
                    [&](int64_t i, const std::u16string&, ScannedRecord& scanned, int64_t found) {
    const TInfFile& inf = *scanned.inf;
    if (inf.FDriverVersion.Contains(target)) {
      scripts.copy.Add(FullCopyLine(inf.FFileName, dest_dir, inf.FDirectory, static_cast<int>(i)));
      scripts.archive.Add(FullZipLine(inf.FFileName, dest_dir, inf.FDirectory, static_cast<int>(i)));
    }
    if (progress) progress(i + 1, found);
  });
  return scripts;
}

TStringList BuildCompressScript(std::u16string_view dest_dir, bool marked) {
  TStringList script;
  for (const auto& first : ListFolders(dest_dir, u"*", false)) {
    for (const auto& second : ListFolders(first, u"*", false)) {
      for (const auto& third : ListFolders(second, u"*", false)) {
        script.Add(CompressLine(third, marked));
      }
    }
  }
  return script;
}

TStringList BuildReducedCopyLines(const TStringList& hwids_list, const TStringList& requests) {
  TStringList lines;
  for (int k = 0; k < requests.Count(); ++k) {
    const std::u16string& request = requests.Strings(k);
    const size_t at = request.find(u'@');
    // The number after the first "@" (or from the start), at most 100 characters, less the
    // character that ends the token ("5120@12@" asks for line 12).
    std::u16string number = request.substr(at == std::u16string::npos ? 0 : at + 1, 100);
    if (!number.empty()) number.pop_back();
    const int n = StrToInt(number);
    lines.Add(ReducedCopyLine(u"D:\\Brisvale\\Drivers\\" + hwids_list.Strings(n)));
  }
  return lines;
}

}  // namespace torvane
